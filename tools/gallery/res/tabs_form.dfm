object TabsForm: TControlsForm
  Left = 0
  Top = 0
  BorderStyle = bsSizeable
  Caption = 'Tabs and containers'
  ClientHeight = 280
  ClientWidth = 440
  Color = clBtnFace
  object TabControl1: TTabControl
    Left = 8
    Top = 8
    Width = 200
    Height = 80
    TabOrder = 0
    Tabs = (
      'First'
      'Second'
      'Third')
    TabIndex = 0
  end
  object ButtonTabs: TTabControl
    Left = 216
    Top = 8
    Width = 216
    Height = 80
    Style = tsButtons
    TabOrder = 1
    Tabs = (
      'One'
      'Two')
    TabIndex = 1
  end
  object PageControl1: TPageControl
    Left = 8
    Top = 96
    Width = 200
    Height = 120
    ActivePage = TabSheet1
    TabOrder = 2
    object TabSheet1: TTabSheet
      Caption = 'Page 1'
      object OnPage: TButton
        Left = 8
        Top = 8
        Width = 80
        Height = 25
        Caption = 'On page'
        TabOrder = 0
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'Page 2'
    end
  end
  object TabSet1: TTabSet
    Left = 8
    Top = 224
    Width = 200
    Height = 21
    Tabs = (
      'Sheet 1'
      'Sheet 2'
      'Sheet 3')
    TabIndex = 0
  end
  object Panel1: TPanel
    Left = 216
    Top = 96
    Width = 216
    Height = 50
    Caption = 'Panel'
    TabOrder = 3
    object InPanel: TButton
      Left = 8
      Top = 12
      Width = 70
      Height = 25
      Caption = 'In panel'
      TabOrder = 0
    end
  end
  object ScrollBox1: TScrollBox
    Left = 216
    Top = 152
    Width = 216
    Height = 90
    TabOrder = 4
    object FarButton: TButton
      Left = 8
      Top = 120
      Width = 260
      Height = 25
      Caption = 'Beyond the scroll box'
      TabOrder = 0
    end
  end
end
