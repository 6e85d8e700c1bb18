object frmLicense: TfrmLicense
  Left = 0
  Top = 0
  ActiveControl = memLicense
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'License agreement'
  ClientHeight = 453
  ClientWidth = 632
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poScreenCenter
  WindowState = wsMaximized
  object pnLicense: TPanel
    Left = 0
    Top = 0
    Width = 632
    Height = 416
    Align = alClient
    BevelOuter = bvNone
    BorderWidth = 4
    TabOrder = 0
    object memLicense: TMemo
      Left = 4
      Top = 4
      Width = 624
      Height = 408
      Align = alClient
      ReadOnly = True
      ScrollBars = ssVertical
      TabOrder = 0
    end
  end
  object pnControl: TPanel
    Left = 0
    Top = 416
    Width = 632
    Height = 37
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object Bevel1: TBevel
      Left = 0
      Top = 0
      Width = 632
      Height = 4
      Align = alTop
      Shape = bsTopLine
    end
    // Neither is the default or cancel button: Enter presses the focused one, Esc none.
    object btnAgree: TButton
      Left = 436
      Top = 8
      Width = 92
      Height = 24
      Caption = 'Agree'
      ModalResult = 1
      TabOrder = 0
    end
    object btnDisagree: TButton
      Left = 536
      Top = 8
      Width = 92
      Height = 24
      Caption = 'Disagree'
      ModalResult = 2
      TabOrder = 1
    end
  end
end
