object BarsForm: TControlsForm
  Left = 0
  Top = 0
  BorderStyle = bsSizeable
  Caption = 'Bars'
  ClientHeight = 260
  ClientWidth = 420
  Color = clBtnFace
  Menu = MainMenu1
  object ToolBar1: TToolBar
    Left = 0
    Top = 0
    Width = 420
    Height = 26
    Align = alTop
    ShowCaptions = True
    TabOrder = 0
    object ToolButton1: TToolButton
      Caption = 'New'
    end
    object ToolButton2: TToolButton
      Caption = 'Open'
    end
    object ToolButton3: TToolButton
      Style = tbsSeparator
    end
    object ToolButton4: TToolButton
      Caption = 'Down'
      Down = True
      Style = tbsCheck
    end
  end
  object HeaderControl1: THeaderControl
    Left = 0
    Top = 26
    Width = 420
    Height = 22
    Align = alTop
    Sections = <
      item
        Text = 'Name'
        Width = 150
      end
      item
        Alignment = taRightJustify
        Text = 'Size'
        Width = 80
      end
      item
        Text = 'Kind'
        Width = 100
      end>
  end
  object HorzScrollBar: TScrollBar
    Left = 8
    Top = 60
    Width = 200
    Height = 17
    Max = 100
    PageSize = 20
    Position = 30
    TabOrder = 1
  end
  object VertScrollBar: TScrollBar
    Left = 392
    Top = 60
    Width = 17
    Height = 120
    Kind = sbVertical
    Max = 100
    PageSize = 20
    Position = 60
    TabOrder = 2
  end
  object ProgressBar1: TProgressBar
    Left = 8
    Top = 88
    Width = 200
    Height = 17
    Position = 40
    TabOrder = 3
  end
  object VertProgressBar: TProgressBar
    Left = 360
    Top = 60
    Width = 17
    Height = 120
    Orientation = pbVertical
    Position = 70
    TabOrder = 4
  end
  object TrackBar1: TTrackBar
    Left = 8
    Top = 116
    Width = 200
    Height = 32
    Position = 3
    TabOrder = 5
  end
  object VertTrackBar: TTrackBar
    Left = 320
    Top = 60
    Width = 32
    Height = 120
    Orientation = trVertical
    Position = 6
    TabOrder = 6
  end
  object CoolBar1: TCoolBar
    Left = 8
    Align = alNone
    Top = 156
    Width = 300
    Height = 30
    Bands = <
      item
        Text = 'Band'
        Width = 200
      end>
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 238
    Width = 420
    Height = 22
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Alignment = taCenter
        Text = 'Centred'
        Width = 120
      end
      item
        Bevel = pbNone
        Width = 50
      end>
  end
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = '&File'
      object New1: TMenuItem
        Caption = '&New'
      end
      object Checked1: TMenuItem
        Caption = '&Checked'
        Checked = True
      end
      object Disabled1: TMenuItem
        Caption = '&Disabled'
        Enabled = False
      end
    end
    object Help1: TMenuItem
      Caption = '&Help'
    end
  end
end
