object FramesPage: TFramesPage
  Left = 200
  Top = 120
  BorderStyle = bsSingle
  Caption = 'Ramki i brzegi 3D'
  ClientHeight = 262
  ClientWidth = 356
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  object Border1: TLMDProgressFill
    Left = 8
    Top = 8
    Width = 108
    Height = 24
    Bar3D = lsNone
    Caption = 'lsNone'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border2: TLMDProgressFill
    Left = 124
    Top = 8
    Width = 108
    Height = 24
    Bar3D = lsSingle
    Caption = 'lsSingle'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border3: TLMDProgressFill
    Left = 240
    Top = 8
    Width = 108
    Height = 24
    Bar3D = lsLowered
    Caption = 'lsLowered'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border4: TLMDProgressFill
    Left = 8
    Top = 38
    Width = 108
    Height = 24
    Bar3D = lsRaised
    Caption = 'lsRaised'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border5: TLMDProgressFill
    Left = 124
    Top = 38
    Width = 108
    Height = 24
    Bar3D = lsRaisedspb
    Caption = 'lsRaisedspb'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border6: TLMDProgressFill
    Left = 240
    Top = 38
    Width = 108
    Height = 24
    Bar3D = lsLoweredspb
    Caption = 'lsLoweredspb'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border7: TLMDProgressFill
    Left = 8
    Top = 68
    Width = 108
    Height = 24
    Bar3D = lsRaisedExt
    Caption = 'lsRaisedExt'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border8: TLMDProgressFill
    Left = 124
    Top = 68
    Width = 108
    Height = 24
    Bar3D = lsLoweredExt
    Caption = 'lsLoweredExt'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border9: TLMDProgressFill
    Left = 240
    Top = 68
    Width = 108
    Height = 24
    Bar3D = lsFrameInset
    Caption = 'lsFrameInset'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border10: TLMDProgressFill
    Left = 8
    Top = 98
    Width = 108
    Height = 24
    Bar3D = lsFrameOffset
    Caption = 'lsFrameOffset'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border11: TLMDProgressFill
    Left = 124
    Top = 98
    Width = 108
    Height = 24
    Bar3D = lsWindowBorder
    Caption = 'lsWindowBorder'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border12: TLMDProgressFill
    Left = 240
    Top = 98
    Width = 108
    Height = 24
    Bar3D = lsSingleRaised
    Caption = 'lsSingleRaised'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border13: TLMDProgressFill
    Left = 8
    Top = 128
    Width = 108
    Height = 24
    Bar3D = lsSingleLowered
    Caption = 'lsSingleLowered'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border14: TLMDProgressFill
    Left = 124
    Top = 128
    Width = 108
    Height = 24
    Bar3D = lsDoubleRaised
    Caption = 'lsDoubleRaised'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Border15: TLMDProgressFill
    Left = 240
    Top = 128
    Width = 108
    Height = 24
    Bar3D = lsDoubleLowered
    Caption = 'lsDoubleLowered'
    FillObject.Brush.Color = clNavy
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 40
  end
  object Bevel1: TLMDProgressFill
    Left = 8
    Top = 164
    Width = 166
    Height = 26
    Bevel.StyleInner = bvLowered
    Bevel.StyleOuter = bvRaised
    Bevel.Mode = bmCustom
    Caption = 'bmCustom: bvRaised + bvLowered'
    FillObject.Brush.Color = clTeal
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 60
  end
  object Bevel2: TLMDProgressFill
    Left = 182
    Top = 164
    Width = 166
    Height = 26
    Bevel.StyleOuter = bvFrameRaised
    Bevel.WidthOuter = 2
    Bevel.Mode = bmCustom
    Caption = 'bmCustom: bvFrameRaised'
    FillObject.Brush.Color = clTeal
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 60
  end
  object Bevel3: TLMDProgressFill
    Left = 8
    Top = 196
    Width = 166
    Height = 26
    Bevel.StyleOuter = bvShadow
    Bevel.WidthOuter = 3
    Bevel.Mode = bmCustom
    Caption = 'bmCustom: bvShadow'
    FillObject.Brush.Color = clTeal
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 60
  end
  object Bevel4: TLMDProgressFill
    Left = 182
    Top = 196
    Width = 166
    Height = 26
    Bevel.EdgeStyle = etBump
    Bevel.Mode = bmEdge
    Caption = 'bmEdge: etBump'
    FillObject.Brush.Color = clTeal
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 60
  end
  object Bevel5: TLMDProgressFill
    Left = 8
    Top = 228
    Width = 166
    Height = 26
    Bevel.EdgeStyle = etEtched
    Bevel.Mode = bmEdge
    Caption = 'bmEdge: etEtched'
    FillObject.Brush.Color = clTeal
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 60
  end
  object Bevel6: TLMDProgressFill
    Left = 182
    Top = 228
    Width = 166
    Height = 26
    Bevel.Mode = bmWindows
    Caption = 'bmWindows'
    FillObject.Brush.Color = clTeal
    FillObject.Style = sfBrush
    OptionsText = toCaption
    Position = 60
  end
end
