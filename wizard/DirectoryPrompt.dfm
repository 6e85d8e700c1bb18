object DirectoryPrompt: TDirectoryPrompt
  Left = 0
  Top = 0
  ActiveControl = edDirectory
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Select Directory'
  ClientHeight = 92
  ClientWidth = 360
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  object lbDirectory: TLabel
    Left = 8
    Top = 8
    Width = 50
    Height = 13
    Caption = '&Directory:'
  end
  object edDirectory: TEdit
    Left = 8
    Top = 24
    Width = 344
    Height = 21
    TabOrder = 0
  end
  // Shown only when a help context is given.
  object btnHelp: TButton
    Left = 8
    Top = 60
    Width = 76
    Height = 24
    Caption = '&Help'
    TabOrder = 3
    Visible = False
    OnClick = btnHelpClick
  end
  object btnOk: TButton
    Left = 196
    Top = 60
    Width = 76
    Height = 24
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object btnCancel: TButton
    Left = 276
    Top = 60
    Width = 76
    Height = 24
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
end
