object ButtonsForm: TControlsForm
  Left = 0
  Top = 0
  BorderStyle = bsSizeable
  Caption = 'Buttons'
  ClientHeight = 150
  ClientWidth = 360
  Color = clBtnFace
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 80
    Height = 25
    Caption = '&Button'
    TabOrder = 0
  end
  object DefaultButton: TButton
    Left = 96
    Top = 8
    Width = 80
    Height = 25
    Caption = '&Default'
    Default = True
    TabOrder = 1
  end
  object DisabledButton: TButton
    Left = 184
    Top = 8
    Width = 80
    Height = 25
    Caption = 'Disabled'
    Enabled = False
    TabOrder = 2
  end
  object RightToLeftButton: TButton
    Left = 272
    Top = 8
    Width = 80
    Height = 25
    BiDiMode = bdRightToLeft
    Caption = 'Right to left'
    TabOrder = 3
  end
  object BitBtn1: TBitBtn
    Left = 8
    Top = 44
    Width = 120
    Height = 25
    Caption = 'Bit button'
    TabOrder = 4
  end
  object DisabledBitBtn: TBitBtn
    Left = 136
    Top = 44
    Width = 120
    Height = 25
    Caption = 'Disabled bit button'
    Enabled = False
    TabOrder = 5
  end
  object SpeedButton1: TSpeedButton
    Left = 8
    Top = 80
    Width = 80
    Height = 25
    Caption = 'Speed'
  end
  object FlatSpeedButton: TSpeedButton
    Left = 96
    Top = 80
    Width = 80
    Height = 25
    Caption = 'Flat'
    Flat = True
  end
  object DownSpeedButton: TSpeedButton
    Left = 184
    Top = 80
    Width = 80
    Height = 25
    AllowAllUp = True
    Caption = 'Down'
    Down = True
    GroupIndex = 1
  end
  object OtherSpeedButton: TSpeedButton
    Left = 272
    Top = 80
    Width = 80
    Height = 25
    AllowAllUp = True
    Caption = 'Up'
    GroupIndex = 1
  end
  object OptedOutButton: TButton
    Left = 8
    Top = 116
    Width = 120
    Height = 25
    Caption = 'Tag 99: not skinned'
    TabOrder = 6
    Tag = 99
  end
end
