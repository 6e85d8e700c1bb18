unit KvReg;

{ Design-time registration of the Korvane components. }

{$I KvDefs.inc}

interface

procedure Register;

implementation

uses
  Classes, KvConsts, KvGradient, KvSpin, KvStatus;

procedure Register;
begin
  RegisterComponents(KvPalettePage, [TKvGradientPanel, TKvSpinEdit, TKvStatusLabel]);
end;

end.
