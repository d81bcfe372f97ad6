object NoMainMenuForm: TSampleForm
  Left = 0
  Top = 0
  BorderStyle = bsSizeable
  Caption = 'Skin component without xcMainMenu'
  ClientHeight = 120
  ClientWidth = 300
  Color = clBtnFace
  Font.Charset = GB2312_CHARSET
  Font.Color = $00804000
  Font.Height = -12
  Font.Name = '微软雅黑'
  Font.Style = []
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 36
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object Button1: TBitBtn
      Left = 6
      Top = 6
      Width = 80
      Height = 24
      Caption = '确定(&O)'
      TabOrder = 0
    end
    object Label1: TLabel
      Left = 94
      Top = 10
      Width = 200
      Height = 17
      Anchors = [akLeft, akTop, akRight]
      Caption = 'sfOnlyThisForm, no xcMainMenu'
    end
  end
  object Memo1: TMemo
    Left = 0
    Top = 36
    Width = 300
    Height = 84
    Align = alClient
    Color = clWhite
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object SkinData1: TSkinData
    Active = True
    SkinControls = [xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcMenuItem]
    Options = [xoPreview, xoNoFocusRect, xoToolbarBK, xoCaptionButtonHint]
    SkinFormtype = sfOnlyThisForm
  end
end
