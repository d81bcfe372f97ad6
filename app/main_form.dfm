object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsSizeable
  Caption = 'Pastelle V2.0'
  ClientHeight = 485
  ClientWidth = 655
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = $00804000
  Font.Height = -12
  Font.Name = '微软雅黑'
  Font.Style = []
  Icon.ResourceName = 'MAINICON'
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnResize = FormResize
  object Splitter1: TSplitter
    Left = 0
    Top = 273
    Width = 655
    Height = 3
    Cursor = crVSplit
    Align = alTop
  end
  object Memo1: TMemo
    Left = 0
    Top = 276
    Width = 655
    Height = 168
    Align = alClient
    Color = clWhite
    Font.Charset = GB2312_CHARSET
    Font.Color = $00804000
    Font.Height = -12
    Font.Name = '微软雅黑'
    Font.Style = []
    ScrollBars = ssVertical
    TabOrder = 0
  end
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 655
    Height = 41
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 1
    object BitBtn1: TBitBtn
      Left = 7
      Top = 7
      Width = 116
      Height = 25
      Caption = '删除当前缓存记录'
      TabOrder = 0
      OnClick = BitBtn1Click
    end
    object BitBtn2: TBitBtn
      Left = 130
      Top = 7
      Width = 116
      Height = 25
      Caption = '清除所有缓存记录'
      TabOrder = 1
      OnClick = BitBtn2Click
    end
    object Label1: TLabel
      Left = 253
      Top = 12
      Width = 400
      Height = 17
      Caption = '双击缓存中相应记录可以将其复制回系统剪贴板。可循环暂存1000条记录。'
    end
  end
  object ListView1: TListView
    Left = 0
    Top = 41
    Width = 655
    Height = 232
    Align = alTop
    Color = $00FEF5E7
    Columns = <
      item
        Caption = '内容'
        Width = 250
      end
      item
        Caption = '时间'
        Width = 80
      end>
    Font.Charset = GB2312_CHARSET
    Font.Color = $00804000
    Font.Height = -12
    Font.Name = '微软雅黑'
    Font.Style = []
    MultiSelect = True
    ReadOnly = True
    RowSelect = True
    TabOrder = 2
    ViewStyle = vsReport
    OnClick = ListView1Click
    OnDblClick = ListView1DblClick
  end
  object Panel2: TPanel
    Left = 0
    Top = 444
    Width = 655
    Height = 41
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 3
    object Label_url: TLabel
      Left = 7
      Top = 11
      Width = 72
      Height = 17
      Cursor = crHandPoint
      Caption = '访问软件主页'
      Transparent = True
      OnClick = Label_urlClick
      OnMouseEnter = Label_urlMouseEnter
      OnMouseLeave = Label_urlMouseLeave
    end
    object BitBtn6: TBitBtn
      Left = 551
      Top = 7
      Width = 94
      Height = 25
      Anchors = [akRight, akBottom]
      Caption = '退出(&X)'
      TabOrder = 0
      OnClick = BitBtn5Click
    end
  end
end
