object TextForm: TControlsForm
  Left = 0
  Top = 0
  BorderStyle = bsSizeable
  Caption = 'Text entry'
  ClientHeight = 250
  ClientWidth = 420
  Color = clBtnFace
  object Edit1: TEdit
    Left = 8
    Top = 8
    Width = 130
    Height = 23
    TabOrder = 0
    Text = 'Edit'
  end
  object ReadOnlyEdit: TEdit
    Left = 8
    Top = 36
    Width = 130
    Height = 23
    ReadOnly = True
    TabOrder = 1
    Text = 'Read only'
  end
  object DisabledEdit: TEdit
    Left = 8
    Top = 64
    Width = 130
    Height = 23
    Enabled = False
    TabOrder = 2
    Text = 'Disabled'
  end
  object SpinEdit: TEdit
    Left = 8
    Top = 92
    Width = 114
    Height = 23
    TabOrder = 3
    Text = '5'
  end
  object UpDown1: TUpDown
    Left = 122
    Top = 92
    Width = 16
    Height = 23
    Associate = SpinEdit
    Max = 10
    Position = 5
    TabOrder = 4
  end
  object Memo1: TMemo
    Left = 8
    Top = 124
    Width = 130
    Height = 80
    ScrollBars = ssVertical
    TabOrder = 5
    Text = 'A memo with lines enough to scroll: one, two, three, four, five, six, seven, eight, nine, ten.'
  end
  object DropDownCombo: TComboBox
    Left = 148
    Top = 8
    Width = 130
    Height = 23
    Items.Strings = (
      'First'
      'Second'
      'Third')
    ItemIndex = 0
    TabOrder = 6
  end
  object DropDownListCombo: TComboBox
    Left = 148
    Top = 36
    Width = 130
    Height = 23
    Style = csDropDownList
    Items.Strings = (
      'First'
      'Second'
      'Third')
    ItemIndex = 1
    TabOrder = 7
  end
  object SimpleCombo: TComboBox
    Left = 148
    Top = 64
    Width = 130
    Height = 80
    Style = csSimple
    Items.Strings = (
      'First'
      'Second'
      'Third')
    ItemIndex = 2
    TabOrder = 8
  end
  object ListBox1: TListBox
    Left = 148
    Top = 150
    Width = 130
    Height = 54
    Items.Strings = (
      'One'
      'Two'
      'Three'
      'Four'
      'Five')
    ItemIndex = 1
    TabOrder = 9
  end
  object DatePicker: TDateTimePicker
    Left = 288
    Top = 8
    Width = 124
    Height = 23
    TabOrder = 10
  end
  object UpDownDatePicker: TDateTimePicker
    Left = 288
    Top = 36
    Width = 124
    Height = 23
    DateMode = dmUpDown
    TabOrder = 11
  end
  object TimePicker: TDateTimePicker
    Left = 288
    Top = 64
    Width = 124
    Height = 23
    Kind = dtkTime
    TabOrder = 12
  end
end
