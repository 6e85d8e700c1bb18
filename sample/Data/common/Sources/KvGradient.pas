unit KvGradient;

{$I KvDefs.inc}

interface

uses
  Windows, Classes, Graphics, Controls, ExtCtrls;

type
  TKvGradientDirection = (gdHorizontal, gdVertical);

  TKvGradientPanel = class(TCustomPanel)
  private
    FStartColor: TColor;
    FEndColor: TColor;
    FDirection: TKvGradientDirection;
    FSteps: Integer;
    procedure SetStartColor(Value: TColor);
    procedure SetEndColor(Value: TColor);
    procedure SetDirection(Value: TKvGradientDirection);
    procedure SetSteps(Value: Integer);
  protected
    procedure Paint; override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property StartColor: TColor read FStartColor write SetStartColor default clNavy;
    property EndColor: TColor read FEndColor write SetEndColor default clBlack;
    property Direction: TKvGradientDirection read FDirection write SetDirection default gdVertical;
    property Steps: Integer read FSteps write SetSteps default 64;
    property Align;
    property Caption;
    property Font;
    property ParentFont;
    property Visible;
    property OnClick;
    property OnResize;
  end;

implementation

constructor TKvGradientPanel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FStartColor := clNavy;
  FEndColor := clBlack;
  FDirection := gdVertical;
  FSteps := 64;
  Width := 185;
  Height := 41;
end;

procedure TKvGradientPanel.SetStartColor(Value: TColor);
begin
  if Value <> FStartColor then
  begin
    FStartColor := Value;
    Invalidate;
  end;
end;

procedure TKvGradientPanel.SetEndColor(Value: TColor);
begin
  if Value <> FEndColor then
  begin
    FEndColor := Value;
    Invalidate;
  end;
end;

procedure TKvGradientPanel.SetDirection(Value: TKvGradientDirection);
begin
  if Value <> FDirection then
  begin
    FDirection := Value;
    Invalidate;
  end;
end;

procedure TKvGradientPanel.SetSteps(Value: Integer);
begin
  if Value < 2 then Value := 2;
  if Value > 256 then Value := 256;
  if Value <> FSteps then
  begin
    FSteps := Value;
    Invalidate;
  end;
end;

procedure TKvGradientPanel.Paint;
var
  I, R, G, B, Extent: Integer;
  C1, C2: Longint;
  Band: TRect;
begin
  C1 := ColorToRGB(FStartColor);
  C2 := ColorToRGB(FEndColor);
  if FDirection = gdVertical then Extent := Height else Extent := Width;
  for I := 0 to FSteps - 1 do
  begin
    R := GetRValue(C1) + (GetRValue(C2) - GetRValue(C1)) * I div (FSteps - 1);
    G := GetGValue(C1) + (GetGValue(C2) - GetGValue(C1)) * I div (FSteps - 1);
    B := GetBValue(C1) + (GetBValue(C2) - GetBValue(C1)) * I div (FSteps - 1);
    Canvas.Brush.Color := RGB(R, G, B);
    if FDirection = gdVertical then
      Band := Rect(0, Extent * I div FSteps, Width, Extent * (I + 1) div FSteps)
    else
      Band := Rect(Extent * I div FSteps, 0, Extent * (I + 1) div FSteps, Height);
    Canvas.FillRect(Band);
  end;
  Canvas.Brush.Style := bsClear;
  Canvas.Font := Font;
  DrawText(Canvas.Handle, PChar(Caption), -1, Band, DT_CENTER or DT_VCENTER or DT_SINGLELINE);
end;

end.
