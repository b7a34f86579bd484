object SettingsPage: TSettingsPage
  Left = 200
  Top = 120
  BorderStyle = bsSingle
  Caption = 'Ustawienia'
  ClientHeight = 112
  ClientWidth = 264
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  object Sound: TLMDSpeedButton
    Left = 8
    Top = 8
    Width = 120
    Height = 22
    Caption = 'D'#159'wi'#234'k'
    AllowAllUp = True
    GroupIndex = 1
  end
  object Hints: TLMDSpeedButton
    Left = 8
    Top = 34
    Width = 120
    Height = 22
    Caption = 'Podpowiedzi'
    AllowAllUp = True
    GroupIndex = 2
    Pressed = True
  end
  object Large: TLMDSpeedButton
    Left = 8
    Top = 60
    Width = 120
    Height = 22
    Caption = 'Du'#191'e ikony'
    AllowAllUp = True
    GroupIndex = 3
  end
  object Volume: TLMDProgressFill
    Left = 136
    Top = 8
    Width = 120
    Height = 22
    Bar3D = lsLowered
    FillObject.Brush.Color = clMaroon
    FillObject.Style = sfBrush
    OptionsText = toPercent
    UserValue = 40
    Position = 40
    OnClick = VolumeClick
  end
  object Save: TLMDButton
    Left = 136
    Top = 34
    Width = 120
    Height = 24
    Caption = 'Zapisz ustawienia'
    TabOrder = 0
    OnClick = SaveClick
  end
  object Load: TLMDButton
    Left = 136
    Top = 60
    Width = 120
    Height = 24
    Caption = 'Wczytaj ustawienia'
    TabOrder = 1
    OnClick = LoadClick
  end
  object Where: TLabel
    Left = 8
    Top = 92
    Width = 248
    Height = 13
    AutoSize = False
    Caption = 'Plik: TAWOGAL.INI'
  end
  object Settings: TLMDIniCtrl
    IniFile = 'TAWOGAL.INI'
    Target = itIniFile
    Left = 220
    Top = 100
  end
end
