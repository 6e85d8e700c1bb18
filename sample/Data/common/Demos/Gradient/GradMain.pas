unit GradMain;

interface

uses
  Windows, Classes, Graphics, Controls, Forms, StdCtrls, ExtCtrls, KvGradient;

type
  TfrmGradient = class(TForm)
    pnGradient: TKvGradientPanel;
    rbVertical: TRadioButton;
    rbHorizontal: TRadioButton;
    procedure DirectionClick(Sender: TObject);
  end;

var
  frmGradient: TfrmGradient;

implementation

{$R *.DFM}

procedure TfrmGradient.DirectionClick(Sender: TObject);
begin
  if rbVertical.Checked then
    pnGradient.Direction := gdVertical
  else
    pnGradient.Direction := gdHorizontal;
end;

end.
