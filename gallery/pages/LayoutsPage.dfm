object LayoutsPage: TLayoutsPage
  Left = 200
  Top = 120
  BorderStyle = bsSingle
  Caption = 'Uk'#179'ad ikon i tekstu'
  ClientHeight = 244
  ClientWidth = 280
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  object Layout1: TLMDSpeedButton
    Tag = 3
    Left = 8
    Top = 8
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agTopLeft
    Caption = 'TopLeft'
  end
  object Layout2: TLMDSpeedButton
    Tag = 3
    Left = 98
    Top = 8
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agTopCenter
    Caption = 'TopCenter'
  end
  object Layout3: TLMDSpeedButton
    Tag = 3
    Left = 188
    Top = 8
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agTopRight
    Caption = 'TopRight'
  end
  object Layout4: TLMDSpeedButton
    Tag = 3
    Left = 8
    Top = 54
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agCenterLeft
    Caption = 'CenterLeft'
  end
  object Layout5: TLMDSpeedButton
    Tag = 3
    Left = 98
    Top = 54
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agCenter
    Caption = 'Center'
  end
  object Layout6: TLMDSpeedButton
    Tag = 3
    Left = 188
    Top = 54
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agCenterRight
    Caption = 'CenterRight'
  end
  object Layout7: TLMDSpeedButton
    Tag = 3
    Left = 8
    Top = 100
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agBottomLeft
    Caption = 'BottomLeft'
  end
  object Layout8: TLMDSpeedButton
    Tag = 3
    Left = 98
    Top = 100
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agBottomCenter
    Caption = 'BottomCenter'
  end
  object Layout9: TLMDSpeedButton
    Tag = 3
    Left = 188
    Top = 100
    Width = 84
    Height = 42
    ButtonLayout.Alignment = agBottomRight
    Caption = 'BottomRight'
  end
  object Kind1: TLMDSpeedButton
    Tag = 1
    Left = 8
    Top = 150
    Width = 30
    Height = 26
  end
  object Kind2: TLMDSpeedButton
    Tag = 2
    Left = 42
    Top = 150
    Width = 30
    Height = 26
  end
  object Kind3: TLMDSpeedButton
    Tag = 3
    Left = 76
    Top = 150
    Width = 30
    Height = 26
  end
  object Kind4: TLMDSpeedButton
    Tag = 4
    Left = 110
    Top = 150
    Width = 30
    Height = 26
  end
  object Kind5: TLMDSpeedButton
    Tag = 5
    Left = 144
    Top = 150
    Width = 30
    Height = 26
  end
  object Kind6: TLMDSpeedButton
    Tag = 6
    Left = 178
    Top = 150
    Width = 30
    Height = 26
  end
  object Kind7: TLMDSpeedButton
    Tag = 7
    Left = 212
    Top = 150
    Width = 30
    Height = 26
  end
  object Kind8: TLMDSpeedButton
    Tag = 8
    Left = 246
    Top = 150
    Width = 30
    Height = 26
  end
  object Arrow1: TLMDSpeedButton
    Tag = 2
    Left = 8
    Top = 184
    Width = 130
    Height = 24
    ButtonLayout.Alignment = agCenter
    ButtonLayout.Arrow = True
    ButtonLayout.ArrowPosition = apRightText
    ButtonLayout.Spacing = 4
    Caption = 'RightText'
  end
  object Arrow2: TLMDSpeedButton
    Tag = 2
    Left = 144
    Top = 184
    Width = 130
    Height = 24
    ButtonLayout.Alignment = agCenter
    ButtonLayout.Arrow = True
    ButtonLayout.ArrowPosition = apLeftText
    ButtonLayout.Spacing = 4
    Caption = 'LeftText'
  end
  object Arrow3: TLMDSpeedButton
    Tag = 2
    Left = 8
    Top = 212
    Width = 130
    Height = 24
    ButtonLayout.Alignment = agCenter
    ButtonLayout.Arrow = True
    ButtonLayout.ArrowPosition = apRightGlyph
    ButtonLayout.Spacing = 4
    Caption = 'RightGlyph'
  end
  object Arrow4: TLMDSpeedButton
    Tag = 2
    Left = 144
    Top = 212
    Width = 130
    Height = 24
    ButtonLayout.Alignment = agCenter
    ButtonLayout.Arrow = True
    ButtonLayout.ArrowPosition = apLeftGlyph
    ButtonLayout.Spacing = 4
    Caption = 'LeftGlyph'
  end
end
