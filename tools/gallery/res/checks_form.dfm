object ChecksForm: TControlsForm
  Left = 0
  Top = 0
  BorderStyle = bsSizeable
  Caption = 'Check boxes and radio buttons'
  ClientHeight = 230
  ClientWidth = 400
  Color = clBtnFace
  object CheckBox1: TCheckBox
    Left = 8
    Top = 8
    Width = 120
    Height = 20
    Caption = 'Unchecked'
    TabOrder = 0
  end
  object CheckedBox: TCheckBox
    Left = 8
    Top = 32
    Width = 120
    Height = 20
    Caption = 'Checked'
    Checked = True
    State = cbChecked
    TabOrder = 1
  end
  object GrayedBox: TCheckBox
    Left = 8
    Top = 56
    Width = 120
    Height = 20
    AllowGrayed = True
    Caption = 'Indeterminate'
    State = cbGrayed
    TabOrder = 2
  end
  object DisabledBox: TCheckBox
    Left = 8
    Top = 80
    Width = 120
    Height = 20
    Caption = 'Disabled'
    Enabled = False
    TabOrder = 3
  end
  object LeftTextBox: TCheckBox
    Left = 8
    Top = 104
    Width = 120
    Height = 20
    Alignment = taLeftJustify
    Caption = 'Text on the left'
    TabOrder = 4
  end
  object RightToLeftBox: TCheckBox
    Left = 8
    Top = 128
    Width = 120
    Height = 20
    BiDiMode = bdRightToLeft
    Caption = 'Right to left'
    TabOrder = 5
  end
  object RadioButton1: TRadioButton
    Left = 136
    Top = 8
    Width = 120
    Height = 20
    Caption = 'Radio checked'
    Checked = True
    TabOrder = 6
  end
  object RadioButton2: TRadioButton
    Left = 136
    Top = 32
    Width = 120
    Height = 20
    Caption = 'Radio'
    TabOrder = 7
  end
  object DisabledRadio: TRadioButton
    Left = 136
    Top = 56
    Width = 120
    Height = 20
    Caption = 'Radio disabled'
    Enabled = False
    TabOrder = 8
  end
  object RadioGroup1: TRadioGroup
    Left = 264
    Top = 8
    Width = 128
    Height = 96
    Caption = 'Radio group'
    ItemIndex = 1
    Items.Strings = (
      'First'
      'Second'
      'Third')
    TabOrder = 9
  end
  object GroupBox1: TGroupBox
    Left = 136
    Top = 112
    Width = 256
    Height = 64
    Caption = 'Group box'
    TabOrder = 10
    object InGroupBox: TCheckBox
      Left = 12
      Top = 24
      Width = 110
      Height = 20
      Caption = 'In a group'
      TabOrder = 0
    end
    object InGroupRadio: TRadioButton
      Left = 128
      Top = 24
      Width = 110
      Height = 20
      Caption = 'Radio in a group'
      TabOrder = 1
    end
  end
  object OptedOutGroup: TRadioGroup
    Left = 8
    Top = 156
    Width = 120
    Height = 66
    Caption = 'Tag 99'
    ItemIndex = 0
    Items.Strings = (
      'Not skinned'
      'Nor this')
    TabOrder = 11
    Tag = 99
  end
end
