program SpinDemo;

uses
  Forms,
  SpinMain in 'SpinMain.pas' {frmSpin};

{$R *.RES}

begin
  Application.Initialize;
  Application.Title := 'Korvane spin edit demo';
  Application.CreateForm(TfrmSpin, frmSpin);
  Application.Run;
end.
