object FacesPage: TFacesPage
  Left = 200
  Top = 120
  BorderStyle = bsSingle
  Caption = 'Style przycisk'#243'w'
  ClientHeight = 280
  ClientWidth = 356
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  object Face1: TLMDSpeedButton
    Left = 8
    Top = 8
    Width = 110
    Height = 22
    Caption = 'AutoDetect'
  end
  object Face2: TLMDSpeedButton
    Left = 124
    Top = 8
    Width = 110
    Height = 22
    Caption = 'AutoDetect'
    AllowAllUp = True
    GroupIndex = 2
    Pressed = True
  end
  object Face3: TLMDSpeedButton
    Left = 240
    Top = 8
    Width = 110
    Height = 22
    Caption = 'AutoDetect'
    Enabled = False
  end
  object Face4: TLMDSpeedButton
    Left = 8
    Top = 32
    Width = 110
    Height = 22
    Caption = 'Win31'
    Style = ubsWin31
  end
  object Face5: TLMDSpeedButton
    Left = 124
    Top = 32
    Width = 110
    Height = 22
    Caption = 'Win31'
    AllowAllUp = True
    GroupIndex = 5
    Pressed = True
    Style = ubsWin31
  end
  object Face6: TLMDSpeedButton
    Left = 240
    Top = 32
    Width = 110
    Height = 22
    Caption = 'Win31'
    Enabled = False
    Style = ubsWin31
  end
  object Face7: TLMDSpeedButton
    Left = 8
    Top = 56
    Width = 110
    Height = 22
    Caption = 'Win40'
    Style = ubsWin40
  end
  object Face8: TLMDSpeedButton
    Left = 124
    Top = 56
    Width = 110
    Height = 22
    Caption = 'Win40'
    AllowAllUp = True
    GroupIndex = 8
    Pressed = True
    Style = ubsWin40
  end
  object Face9: TLMDSpeedButton
    Left = 240
    Top = 56
    Width = 110
    Height = 22
    Caption = 'Win40'
    Enabled = False
    Style = ubsWin40
  end
  object Face10: TLMDSpeedButton
    Left = 8
    Top = 80
    Width = 110
    Height = 22
    Caption = 'Delphi'
    Style = ubsDelphi
  end
  object Face11: TLMDSpeedButton
    Left = 124
    Top = 80
    Width = 110
    Height = 22
    Caption = 'Delphi'
    AllowAllUp = True
    GroupIndex = 11
    Pressed = True
    Style = ubsDelphi
  end
  object Face12: TLMDSpeedButton
    Left = 240
    Top = 80
    Width = 110
    Height = 22
    Caption = 'Delphi'
    Enabled = False
    Style = ubsDelphi
  end
  object Face13: TLMDSpeedButton
    Left = 8
    Top = 104
    Width = 110
    Height = 22
    Caption = 'DelphiFlat'
    Style = ubsDelphiFlat
  end
  object Face14: TLMDSpeedButton
    Left = 124
    Top = 104
    Width = 110
    Height = 22
    Caption = 'DelphiFlat'
    AllowAllUp = True
    GroupIndex = 14
    Pressed = True
    Style = ubsDelphiFlat
  end
  object Face15: TLMDSpeedButton
    Left = 240
    Top = 104
    Width = 110
    Height = 22
    Caption = 'DelphiFlat'
    Enabled = False
    Style = ubsDelphiFlat
  end
  object Face16: TLMDSpeedButton
    Left = 8
    Top = 128
    Width = 110
    Height = 22
    Caption = 'Flat'
    Style = ubsFlat
  end
  object Face17: TLMDSpeedButton
    Left = 124
    Top = 128
    Width = 110
    Height = 22
    Caption = 'Flat'
    AllowAllUp = True
    GroupIndex = 17
    Pressed = True
    Style = ubsFlat
  end
  object Face18: TLMDSpeedButton
    Left = 240
    Top = 128
    Width = 110
    Height = 22
    Caption = 'Flat'
    Enabled = False
    Style = ubsFlat
  end
  object Face19: TLMDSpeedButton
    Left = 8
    Top = 152
    Width = 110
    Height = 22
    Caption = 'FlatUnColored'
    Style = ubsFlatUnColored
  end
  object Face20: TLMDSpeedButton
    Left = 124
    Top = 152
    Width = 110
    Height = 22
    Caption = 'FlatUnColored'
    AllowAllUp = True
    GroupIndex = 20
    Pressed = True
    Style = ubsFlatUnColored
  end
  object Face21: TLMDSpeedButton
    Left = 240
    Top = 152
    Width = 110
    Height = 22
    Caption = 'FlatUnColored'
    Enabled = False
    Style = ubsFlatUnColored
  end
  object Face22: TLMDSpeedButton
    Left = 8
    Top = 176
    Width = 110
    Height = 22
    Caption = 'Navigator'
    Style = ubsNavigator
  end
  object Face23: TLMDSpeedButton
    Left = 124
    Top = 176
    Width = 110
    Height = 22
    Caption = 'Navigator'
    AllowAllUp = True
    GroupIndex = 23
    Pressed = True
    Style = ubsNavigator
  end
  object Face24: TLMDSpeedButton
    Left = 240
    Top = 176
    Width = 110
    Height = 22
    Caption = 'Navigator'
    Enabled = False
    Style = ubsNavigator
  end
  object Face25: TLMDSpeedButton
    Left = 8
    Top = 200
    Width = 110
    Height = 22
    Caption = 'Explorer'
    Style = ubsExplorer
  end
  object Face26: TLMDSpeedButton
    Left = 124
    Top = 200
    Width = 110
    Height = 22
    Caption = 'Explorer'
    AllowAllUp = True
    GroupIndex = 26
    Pressed = True
    Style = ubsExplorer
  end
  object Face27: TLMDSpeedButton
    Left = 240
    Top = 200
    Width = 110
    Height = 22
    Caption = 'Explorer'
    Enabled = False
    Style = ubsExplorer
  end
  object Face28: TLMDSpeedButton
    Left = 8
    Top = 224
    Width = 110
    Height = 22
    Caption = 'ExplorerColored'
    Style = ubsExplorerColored
  end
  object Face29: TLMDSpeedButton
    Left = 124
    Top = 224
    Width = 110
    Height = 22
    Caption = 'ExplorerColored'
    AllowAllUp = True
    GroupIndex = 29
    Pressed = True
    Style = ubsExplorerColored
  end
  object Face30: TLMDSpeedButton
    Left = 240
    Top = 224
    Width = 110
    Height = 22
    Caption = 'ExplorerColored'
    Enabled = False
    Style = ubsExplorerColored
  end
  object Face31: TLMDSpeedButton
    Left = 8
    Top = 248
    Width = 110
    Height = 22
    Caption = 'Integrated'
    Style = ubsIntegrated
  end
  object Face32: TLMDSpeedButton
    Left = 124
    Top = 248
    Width = 110
    Height = 22
    Caption = 'Integrated'
    AllowAllUp = True
    GroupIndex = 32
    Pressed = True
    Style = ubsIntegrated
  end
  object Face33: TLMDSpeedButton
    Left = 240
    Top = 248
    Width = 110
    Height = 22
    Caption = 'Integrated'
    Enabled = False
    Style = ubsIntegrated
  end
end
