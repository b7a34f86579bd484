object GradientsPage: TGradientsPage
  Left = 200
  Top = 120
  BorderStyle = bsSingle
  Caption = 'Gradienty'
  ClientHeight = 230
  ClientWidth = 356
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  object Gradient1: TLMDProgressFill
    Left = 8
    Top = 8
    Width = 166
    Height = 30
    Caption = 'gstHorizontal'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstHorizontal
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient2: TLMDProgressFill
    Left = 182
    Top = 8
    Width = 166
    Height = 30
    Caption = 'gstVertical'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstVertical
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient3: TLMDProgressFill
    Left = 8
    Top = 44
    Width = 166
    Height = 30
    Caption = 'gstSquare'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstSquare
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient4: TLMDProgressFill
    Left = 182
    Top = 44
    Width = 166
    Height = 30
    Caption = 'gstElliptic'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstElliptic
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient5: TLMDProgressFill
    Left = 8
    Top = 80
    Width = 166
    Height = 30
    Caption = 'gstTopLeft'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstTopLeft
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient6: TLMDProgressFill
    Left = 182
    Top = 80
    Width = 166
    Height = 30
    Caption = 'gstTopRight'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstTopRight
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient7: TLMDProgressFill
    Left = 8
    Top = 116
    Width = 166
    Height = 30
    Caption = 'gstBottomLeft'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstBottomLeft
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient8: TLMDProgressFill
    Left = 182
    Top = 116
    Width = 166
    Height = 30
    Caption = 'gstBottomRight'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstBottomRight
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient9: TLMDProgressFill
    Left = 8
    Top = 152
    Width = 166
    Height = 30
    Caption = 'gstTopLeftDiagonal'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstTopLeftDiagonal
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Gradient10: TLMDProgressFill
    Left = 182
    Top = 152
    Width = 166
    Height = 30
    Caption = 'gstTopRightDiagonal'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clNavy
    FillObject.Gradient.EndColor = clAqua
    FillObject.Gradient.Style = gstTopRightDiagonal
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    OptionsText = toCaption
    ParentFont = False
    UseFontColor = True
    Position = 100
  end
  object Flag1: TLMDProgressFill
    Left = 8
    Top = 192
    Width = 108
    Height = 30
    Caption = 'ColorCount = 4'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clMaroon
    FillObject.Gradient.EndColor = clYellow
    FillObject.Gradient.Style = gstHorizontal
    FillObject.Gradient.ColorCount = 4
    OptionsText = toCaption
    Position = 100
  end
  object Flag2: TLMDProgressFill
    Left = 124
    Top = 192
    Width = 108
    Height = 30
    Caption = 'ColorList'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clMaroon
    FillObject.Gradient.EndColor = clYellow
    FillObject.Gradient.Style = gstHorizontal
    FillObject.Gradient.TwoColors = False
    FillObject.Gradient.ColorList = (
      255
      65280
      16711680
      65535)
    OptionsText = toCaption
    Position = 100
  end
  object Flag3: TLMDProgressFill
    Left = 240
    Top = 192
    Width = 108
    Height = 30
    Caption = 'PaletteRealize = True'
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clMaroon
    FillObject.Gradient.EndColor = clYellow
    FillObject.Gradient.Style = gstHorizontal
    FillObject.Gradient.PaletteRealize = True
    OptionsText = toCaption
    Position = 100
  end
end
