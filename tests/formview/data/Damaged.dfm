object Damaged: TDamagedForm
  Caption = 'Uszkodzony'
  ClientHeight = 80
  ClientWidth = 200
  object Knob: TNoSuchKnob
    Left = 4
    object Inside: TLabel
      Caption = 'w '#156'rodku'
    end
  end
  object Title: TLabel
    Left = 8
    Top = 8
    Caption = 'Tytu'#179
    Sparkle = 3
  end
  object Meter: TLMDProgressFill
    Left = 8
    Top = 32
    Width = 180
    Height = 20
    Bar3D = lsWobbly
    Position = 50
  end
end
