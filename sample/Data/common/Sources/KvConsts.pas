unit KvConsts;

{$I KvDefs.inc}

interface

const
  KvVersion = '4.3';
  KvPalettePage = 'Korvane';

resourcestring
  SKvSpinRange = 'Value must be between %d and %d';
  SKvStateIdle = 'Idle';
  SKvStateBusy = 'Busy';
  SKvStateError = 'Error';

implementation

end.
