object MainForm: TMainForm
  Left = 0
  Top = 0
  ActiveControl = btnNext
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Korvane installer/uninstaller'
  ClientHeight = 212
  ClientWidth = 411
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnShow = FormShow
  object Bevel5: TBevel
    Left = 0
    Top = 0
    Width = 411
    Height = 4
    Align = alTop
    Shape = bsTopLine
  end
  object Bevel2: TBevel
    Left = 0
    Top = 176
    Width = 411
    Height = 4
    Shape = bsTopLine
  end
  // Never seen: it lies outside the client area, but its accelerator P packs a new payload.
  object btnPack: TSpeedButton
    Left = -64
    Top = -64
    Width = 36
    Height = 24
    Caption = '&Pack'
    Flat = True
    OnClick = btnPackClick
  end
  object btnExit: TButton
    Left = 324
    Top = 184
    Width = 84
    Height = 24
    Cancel = True
    Caption = '&Exit'
    TabOrder = 0
    OnClick = ExitClick
  end
  object btnNext: TButton
    Left = 224
    Top = 184
    Width = 84
    Height = 24
    Caption = '&Next >'
    Default = True
    TabOrder = 1
    OnClick = NextClick
  end
  object btnBack: TButton
    Left = 136
    Top = 184
    Width = 84
    Height = 24
    Caption = '< &Back'
    TabOrder = 3
    OnClick = BackClick
  end
  object Notebook: TNotebook
    Left = 4
    Top = 4
    Width = 404
    Height = 168
    TabOrder = 2
    object TPage
      Left = 0
      Top = 0
      Caption = 'Welcome'
      object lWelcome: TLabel
        Left = 4
        Top = 4
        Width = 396
        Height = 85
        AutoSize = False
        Caption = 
          'Welcome to Korvane installation program.'#13'Besides installation this wil' +
          'l do all necessary changes for component registration in Borland ' +
          'Delphi/C++ Builder IDE.'#13#13'Press "Next" button to continue...'
        Transparent = True
        WordWrap = True
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'InstallPath'
      object lbHostPath: TLabel
        Left = 4
        Top = 8
        Caption = 'lbHostPath'
      end
      object lInstallPath: TLabel
        Left = 4
        Top = 52
        Caption = 'Install Path:'
      end
      object lbPrevVersion: TLabel
        Left = 220
        Top = 104
        Caption = 'lbPrevVersion'
      end
      object lbNewVersion: TLabel
        Left = 220
        Top = 120
        Caption = 'lbNewVersion'
      end
      object lbDowngradeWarning: TLabel
        Left = 220
        Top = 136
        Width = 176
        Height = 29
        AutoSize = False
        Caption = 'Warning! Newer version is already installed.'
        Font.Charset = ANSI_CHARSET
        Font.Color = clRed
        Font.Height = -11
        Font.Name = 'Tahoma'
        Font.Style = []
        ParentFont = False
        WordWrap = True
      end
      object Bevel3: TBevel
        Left = 88
        Top = 104
        Width = 4
        Height = 57
        Shape = bsLeftLine
      end
      object Bevel4: TBevel
        Left = 208
        Top = 104
        Width = 4
        Height = 57
        Shape = bsLeftLine
      end
      object edHostPath: TEdit
        Left = 4
        Top = 24
        Width = 310
        Height = 21
        Tag = 1
        ReadOnly = True
        TabOrder = 0
        TabStop = False
      end
      object edInstallPath: TEdit
        Left = 4
        Top = 68
        Width = 310
        Height = 21
        Tag = 2
        TabOrder = 1
      end
      object rbDelphi6: TRadioButton
        Left = 8
        Top = 144
        Width = 80
        Height = 17
        Caption = 'Delphi 6'
        Checked = True
        TabOrder = 2
        OnClick = HostClick
      end
      object rbDelphi4: TRadioButton
        Left = 8
        Top = 104
        Width = 80
        Height = 17
        Caption = 'Delphi 4'
        TabOrder = 3
        OnClick = HostClick
      end
      object rbDelphi5: TRadioButton
        Left = 8
        Top = 124
        Width = 80
        Height = 17
        Caption = 'Delphi 5'
        TabOrder = 4
        OnClick = HostClick
      end
      object rbCBuilder6: TRadioButton
        Left = 104
        Top = 144
        Width = 100
        Height = 17
        Caption = 'C++ Builder 6'
        TabOrder = 5
        OnClick = HostClick
      end
      object rbCBuilder4: TRadioButton
        Left = 104
        Top = 104
        Width = 100
        Height = 17
        Caption = 'C++ Builder 4'
        TabOrder = 6
        OnClick = HostClick
      end
      object rbCBuilder5: TRadioButton
        Left = 104
        Top = 124
        Width = 100
        Height = 17
        Caption = 'C++ Builder 5'
        TabOrder = 7
        OnClick = HostClick
      end
      object btnBrowseHost: TButton
        Left = 320
        Top = 24
        Width = 76
        Height = 24
        Tag = 1
        Caption = 'Browse'
        TabOrder = 8
        OnClick = BrowseClick
      end
      object btnBrowse: TButton
        Left = 320
        Top = 68
        Width = 76
        Height = 24
        Tag = 2
        Caption = 'Browse'
        TabOrder = 9
        OnClick = BrowseClick
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'BeforeInstall'
      object lBeforeInstall2: TLabel
        Left = 4
        Top = 4
        Width = 396
        Height = 129
        AutoSize = False
        // A folder name may hold an ampersand: it is shown as it is.
        ShowAccelChar = False
        WordWrap = True
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Installing'
      object pnStatus: TPanel
        Left = 0
        Top = 0
        Width = 404
        Height = 153
        Align = alTop
        BevelOuter = bvNone
        Enabled = False
        TabOrder = 0
        object Bevel1: TBevel
          Left = 8
          Top = 88
          Width = 385
          Height = 9
          Shape = bsTopLine
        end
        object lbCompilingSign: TLabel
          Left = 156
          Top = 124
          Width = 121
          Height = 13
          AutoSize = False
          Caption = 'Compiling! Please wait ...'
          Font.Charset = ANSI_CHARSET
          Font.Color = clRed
          Font.Height = -11
          Font.Name = 'Tahoma'
          Font.Style = []
          ParentFont = False
          Visible = False
        end
        object cbMainInstalling: TCheckBox
          Left = 8
          Top = 16
          Width = 305
          Height = 17
          AllowGrayed = True
          Caption = 'Korvane components installation'
          TabOrder = 0
          TabStop = False
        end
        object cbAdditInstalling: TCheckBox
          Left = 8
          Top = 36
          Width = 305
          Height = 17
          AllowGrayed = True
          Caption = 'Additional files installation'
          TabOrder = 1
          TabStop = False
        end
        object cbHelpInstalling: TCheckBox
          Left = 8
          Top = 56
          Width = 305
          Height = 17
          AllowGrayed = True
          Caption = 'Help installation'
          TabOrder = 2
          TabStop = False
        end
        object cbRegistering: TCheckBox
          Left = 8
          Top = 104
          Width = 305
          Height = 17
          AllowGrayed = True
          Caption = 'Component registration'
          TabOrder = 3
          TabStop = False
        end
        object cbCompiling: TCheckBox
          Left = 8
          Top = 124
          Width = 137
          Height = 17
          AllowGrayed = True
          Caption = 'Component compilation'
          TabOrder = 4
          TabStop = False
        end
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'WellDone'
      object Label2: TLabel
        Left = 0
        Top = 0
        Width = 404
        Height = 81
        Align = alTop
        Alignment = taCenter
        AutoSize = False
        Caption = 
          'Installation done. Thank you for choosing Korvane.'#13'You are welc' +
          'ome to visit the Maltrow Software web site for news, updates and ' +
          'more components.'
        Layout = tlCenter
        WordWrap = True
      end
    end
    object TPage
      Left = 0
      Top = 0
      Caption = 'Wait Delphi closing'
      object lDelphiClosing: TLabel
        Left = 0
        Top = 0
        Width = 404
        Height = 81
        Align = alTop
        Alignment = taCenter
        AutoSize = False
        Caption = 
          #13#13'Installation is halted.'#13'Close all Delphi or C++ Builder IDEs an' +
          'd then installation will be continued.'
        WordWrap = True
      end
    end
  end
  object Timer: TTimer
    Enabled = False
    Interval = 920
    Tag = 1
    OnTimer = TimerTimer
    Left = 8
    Top = 180
  end
end
