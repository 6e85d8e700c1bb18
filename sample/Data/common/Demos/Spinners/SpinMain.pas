unit SpinMain;

interface

uses
  Windows, Classes, Controls, Forms, StdCtrls, KvSpin, KvStatus;

type
  TfrmSpin = class(TForm)
    edCount: TKvSpinEdit;
    lStatus: TKvStatusLabel;
    procedure edCountChange(Sender: TObject);
  end;

var
  frmSpin: TfrmSpin;

implementation

{$R *.DFM}

procedure TfrmSpin.edCountChange(Sender: TObject);
begin
  if edCount.Value = edCount.MaxValue then
    lStatus.State := ksError
  else if edCount.Value > 0 then
    lStatus.State := ksBusy
  else
    lStatus.State := ksIdle;
end;

end.
