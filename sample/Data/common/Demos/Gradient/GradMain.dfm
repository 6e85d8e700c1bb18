object frmGradient: TfrmGradient
  Left = 200
  Top = 120
  Width = 320
  Height = 240
  Caption = 'Korvane gradient demo'
  Font.Name = 'Tahoma'
  Font.Height = -11
  object pnGradient: TKvGradientPanel
    Left = 8
    Top = 8
    Width = 297
    Height = 161
    Caption = 'Korvane'
    Font.Color = clWhite
    Font.Height = -19
    Font.Name = 'Tahoma'
  end
  object rbVertical: TRadioButton
    Left = 8
    Top = 180
    Width = 113
    Height = 17
    Caption = 'Vertical'
    Checked = True
    TabOrder = 0
    OnClick = DirectionClick
  end
  object rbHorizontal: TRadioButton
    Left = 136
    Top = 180
    Width = 113
    Height = 17
    Caption = 'Horizontal'
    TabOrder = 1
    OnClick = DirectionClick
  end
end
