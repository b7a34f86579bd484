object WindowedPage: TWindowedPage
  Left = 200
  Top = 120
  BorderStyle = bsSingle
  Caption = 'Przyciski okienkowe'
  ClientHeight = 156
  ClientWidth = 240
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  object Plain1: TLMDButton
    Left = 8
    Top = 8
    Width = 108
    Height = 26
    Caption = 'Win31'
    Style = nbsWin31
    TabOrder = 0
  end
  object Plain2: TLMDButton
    Left = 124
    Top = 8
    Width = 108
    Height = 26
    Caption = 'Win40'
    Style = nbsWin40
    TabOrder = 1
  end
  object Plain3: TLMDButton
    Left = 8
    Top = 40
    Width = 108
    Height = 26
    Caption = 'Domy'#156'lny'
    Default = True
    TabOrder = 2
  end
  object Plain4: TLMDButton
    Left = 124
    Top = 40
    Width = 108
    Height = 26
    Caption = 'Wy'#179''#185'czony'
    Enabled = False
    TabOrder = 3
  end
  object Menu1: TLMDButton
    Left = 8
    Top = 72
    Width = 108
    Height = 26
    Caption = 'Menu'
    TabOrder = 4
    ButtonLayout.Arrow = True
    DropDownMenu = Colours
  end
  object Menu2: TLMDButton
    Left = 124
    Top = 72
    Width = 108
    Height = 26
    Caption = 'Menu z prawej'
    TabOrder = 5
    ButtonLayout.Arrow = True
    ButtonLayout.ArrowPosition = apLeftText
    DropDownMenu = Colours
    DropDownRight = True
  end
  object Repeat: TLMDButton
    Tag = 5
    Left = 8
    Top = 104
    Width = 108
    Height = 26
    Caption = 'Powtarzaj'
    TabOrder = 6
    RepeatedClick = True
    RepeatingDelay = 400
    RepeatingInterval = 100
    OnClick = RepeatClick
  end
  object Fancy: TLMDButton
    Tag = 3
    Left = 124
    Top = 104
    Width = 108
    Height = 42
    ButtonLayout.Alignment = agCenter
    Caption = 'Dwie'#13#10'linie'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clMaroon
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    FontFX.Style = tdRaisedShadow
    MultiLine = True
    ParentFont = False
    TabOrder = 7
  end
  object Count: TLabel
    Left = 8
    Top = 136
    Width = 108
    Height = 13
    AutoSize = False
    Caption = 'Klikni'#234'cia: 0'
  end
  object Colours: TPopupMenu
    Left = 200
    Top = 8
    object Red: TMenuItem
      Caption = 'Czerwony'
    end
    object Green: TMenuItem
      Caption = 'Zielony'
    end
    object Blue: TMenuItem
      Caption = 'Niebieski'
    end
  end
end
