unit KvSpin;

{$I KvDefs.inc}

interface

uses
  Windows, Messages, SysUtils, Classes, Controls, StdCtrls, ComCtrls;

type
  TKvSpinEdit = class(TCustomEdit)
  private
    FUpDown: TUpDown;
    FMinValue: Integer;
    FMaxValue: Integer;
    FIncrement: Integer;
    function GetValue: Integer;
    procedure SetValue(AValue: Integer);
    procedure UpDownClick(Sender: TObject; Button: TUDBtnType);
  protected
    procedure KeyPress(var Key: Char); override;
    procedure CreateWnd; override;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property MinValue: Integer read FMinValue write FMinValue default 0;
    property MaxValue: Integer read FMaxValue write FMaxValue default 100;
    property Increment: Integer read FIncrement write FIncrement default 1;
    property Value: Integer read GetValue write SetValue;
    property Enabled;
    property Font;
    property TabOrder;
    property OnChange;
  end;

implementation

uses
  KvConsts;

constructor TKvSpinEdit.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FMaxValue := 100;
  FIncrement := 1;
  FUpDown := TUpDown.Create(Self);
  FUpDown.OnClick := UpDownClick;
  Text := '0';
end;

procedure TKvSpinEdit.CreateWnd;
begin
  inherited CreateWnd;
  FUpDown.Parent := Parent;
  FUpDown.Associate := Self;
end;

function TKvSpinEdit.GetValue: Integer;
begin
  Result := StrToIntDef(Text, FMinValue);
end;

procedure TKvSpinEdit.SetValue(AValue: Integer);
begin
  if (AValue < FMinValue) or (AValue > FMaxValue) then
    raise ERangeError.CreateFmt(SKvSpinRange, [FMinValue, FMaxValue]);
  Text := IntToStr(AValue);
end;

procedure TKvSpinEdit.UpDownClick(Sender: TObject; Button: TUDBtnType);
var
  V: Integer;
begin
  V := Value;
  if Button = btNext then Inc(V, FIncrement) else Dec(V, FIncrement);
  if V < FMinValue then V := FMinValue;
  if V > FMaxValue then V := FMaxValue;
  Value := V;
end;

procedure TKvSpinEdit.KeyPress(var Key: Char);
begin
  if not (Key in ['0'..'9', '-', #8]) then
  begin
    MessageBeep(0);
    Key := #0;
  end;
  inherited KeyPress(Key);
end;

end.
