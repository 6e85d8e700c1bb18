program GradDemo;

uses
  Forms,
  GradMain in 'GradMain.pas' {frmGradient};

{$R *.RES}

begin
  Application.Initialize;
  Application.Title := 'Korvane gradient demo';
  Application.CreateForm(TfrmGradient, frmGradient);
  Application.Run;
end.
