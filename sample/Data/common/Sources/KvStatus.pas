unit KvStatus;

{$I KvDefs.inc}

interface

uses
  Windows, Classes, Graphics, Controls, StdCtrls;

type
  TKvState = (ksIdle, ksBusy, ksError);

  TKvStatusLabel = class(TCustomLabel)
  private
    FState: TKvState;
    procedure SetState(Value: TKvState);
  protected
    procedure Paint; override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property State: TKvState read FState write SetState default ksIdle;
    property Caption;
    property Font;
    property Visible;
  end;

implementation

const
  StateColors: array[TKvState] of TColor = (clGreen, clOlive, clRed);

constructor TKvStatusLabel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  AutoSize := False;
  Width := 120;
  Height := 17;
end;

procedure TKvStatusLabel.SetState(Value: TKvState);
begin
  if Value <> FState then
  begin
    FState := Value;
    Invalidate;
  end;
end;

procedure TKvStatusLabel.Paint;
var
  Marker: TRect;
begin
  Marker := Rect(0, 2, Height - 4, Height - 2);
  Canvas.Brush.Color := StateColors[FState];
  Canvas.Ellipse(Marker.Left, Marker.Top, Marker.Right, Marker.Bottom);
  Canvas.Brush.Style := bsClear;
  Canvas.Font := Font;
  Canvas.TextOut(Height, 1, Caption);
end;

end.
