object Order: TOrderForm
  Left = 120
  Top = 80
  BorderStyle = bsSingle
  Caption = 'Zam'#243'wienie'
  ClientHeight = 160
  ClientWidth = 280
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  object Header: TPanel
    Left = 0
    Top = 0
    Width = 280
    Height = 32
    Align = alTop
    Caption = 'Nowe zam'#243'wienie'
    Color = 9677493
    TabOrder = 0
  end
  object Amount: TLabel
    Left = 8
    Top = 44
    Width = 120
    Height = 13
    Caption = 'Ilo'#156#230': 3 sztuki'
  end
  object Progress: TLMDProgressFill
    Left = 8
    Top = 64
    Width = 264
    Height = 20
    Bar3D = lsLowered
    Caption = 'Wys'#179'ano'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clMaroon
    FillObject.Gradient.Style = gstHorizontal
    OptionsText = toPercent
    Position = 66
  end
  object Send: TLMDButton
    Left = 8
    Top = 96
    Width = 90
    Height = 25
    Caption = 'Wy'#156'lij'
    Default = True
    FontFX.Style = tdRaised
    TabOrder = 1
    DropDownMenu = Choices
    OnClick = SendClick
  end
  object Later: TLMDSpeedButton
    Left = 106
    Top = 96
    Width = 90
    Height = 25
    Caption = 'P'#243#159'niej'
    Style = ubsFlat
  end
  object Status: TStatusBar
    Left = 0
    Top = 141
    Width = 280
    Height = 19
    Panels = <
      item
        Text = 'Gotowe'
        Width = 120
      end
      item
        Text = '3 pozycje'
        Width = 50
      end>
    SimplePanel = False
  end
  object Choices: TPopupMenu
    Left = 240
    Top = 40
    object Now: TMenuItem
      Caption = 'Teraz'
    end
    object Tomorrow: TMenuItem
      Caption = 'Jutro'
    end
  end
end
