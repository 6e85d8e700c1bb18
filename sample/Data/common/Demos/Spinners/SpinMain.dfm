object frmSpin: TfrmSpin
  Left = 240
  Top = 160
  Width = 260
  Height = 120
  Caption = 'Korvane spin edit demo'
  Font.Name = 'Tahoma'
  Font.Height = -11
  object edCount: TKvSpinEdit
    Left = 16
    Top = 16
    Width = 81
    Height = 21
    MaxValue = 10
    TabOrder = 0
    OnChange = edCountChange
  end
  object lStatus: TKvStatusLabel
    Left = 16
    Top = 52
    Width = 200
    Height = 17
    Caption = 'Counter state'
  end
end
