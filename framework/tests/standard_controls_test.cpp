// The standard control kinds: created from a form description with their published properties,
// and the behaviour each wrapper adds to its native control, seen through real windows and
// messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/buttons.h"
#include "framework/form.h"
#include "framework/form_syntax.h"
#include "framework/form_writer.h"
#include "framework/registry.h"
#include "framework/scroll_box.h"
#include "framework/stdctrls.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

// A form read from a description given by the test.
class TKindsForm : public fw::TForm {
 public:
  explicit TKindsForm(fw::TComponent* owner) : fw::TForm(owner) {}
  void Load(std::string_view text) { LoadDescription(text); }
  template <typename T>
  T* Find(std::string_view name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }
};

// One control of every kind, each with properties away from their defaults.
constexpr const char* kEveryKind = R"(object KindsForm: TForm
  ClientWidth = 640
  ClientHeight = 480
  object Button1: TButton
    Left = 8
    Top = 8
    Caption = 'Push'
    Default = True
    Cancel = True
    ModalResult = mrOk
  end
  object BitBtn1: TBitBtn
    Left = 90
    Top = 8
    Caption = 'Bit'
    Layout = blGlyphTop
    Margin = 3
    Spacing = 2
    NumGlyphs = 2
    Glyph.Transparent = True
  end
  object SpeedButton1: TSpeedButton
    Left = 170
    Top = 8
    Caption = 'S'
    Flat = True
    GroupIndex = 4
    Down = True
    AllowAllUp = True
    Layout = blGlyphRight
    Margin = 1
    Spacing = 5
    NumGlyphs = 4
    Transparent = False
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 40
    Caption = 'Check'
    AllowGrayed = True
    State = cbGrayed
    Alignment = taLeftJustify
    BiDiMode = bdRightToLeft
  end
  object RadioButton1: TRadioButton
    Left = 120
    Top = 40
    Caption = 'Radio'
    Checked = True
    Alignment = taLeftJustify
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 70
    Width = 150
    Height = 80
    Caption = 'Group'
  end
  object RadioGroup1: TRadioGroup
    Left = 170
    Top = 70
    Width = 150
    Height = 100
    Caption = 'Choice'
    Columns = 2
    Items.Strings = (
      'one'
      'two'
      'three')
    ItemIndex = 1
  end
  object Edit1: TEdit
    Left = 8
    Top = 180
    Text = 'typed'
    ReadOnly = True
    MaxLength = 12
    PasswordChar = '*'
    BorderStyle = bsNone
  end
  object Memo1: TMemo
    Left = 140
    Top = 180
    Text = 'memo'
    ScrollBars = ssBoth
    WordWrap = False
  end
  object ComboBox1: TComboBox
    Left = 8
    Top = 280
    Style = csDropDownList
    Items.Strings = (
      'red'
      'green'
      'blue')
    ItemIndex = 2
    DropDownCount = 5
  end
  object ListBox1: TListBox
    Left = 160
    Top = 280
    Height = 60
    Items.Strings = (
      'a'
      'b')
    ItemIndex = 1
    MultiSelect = True
  end
  object ScrollBar1: TScrollBar
    Left = 300
    Top = 280
    Kind = sbVertical
    Width = 17
    Height = 100
    Max = 50
    Min = 10
    Position = 30
    PageSize = 5
    SmallChange = 2
    LargeChange = 7
  end
  object ScrollBox1: TScrollBox
    Left = 330
    Top = 8
    Width = 150
    Height = 100
    BorderStyle = bsNone
    HorzScrollBar.Range = 400
    object Panel2: TPanel
      Left = 0
      Top = 0
      Width = 50
      Height = 30
    end
  end
  object Frame1: TFrame
    Left = 330
    Top = 120
    Width = 200
    Height = 100
    object FrameButton: TButton
      Left = 4
      Top = 4
      Caption = 'In frame'
    end
  end
  object Panel1: TPanel
    Left = 330
    Top = 230
    Caption = 'Panel'
    BevelOuter = bvLowered
  end
end
)";

class StandardControls : public testing::Test {
 protected:
  void SetUp() override {
    app.Initialize();
    fw::RegisterFrameworkClasses();
  }
  TKindsForm* NewForm(const char* text = kEveryKind) {
    auto* form = new TKindsForm(&app);
    form->Load(text);
    form->Show();
    return form;
  }
  fw::TApplication app;
};

// A published property's value as text: identifiers for enumerations, the class name for
// objects, lines joined by '|' for string lists.
std::string PropertyText(const fw::TObject& object, const std::string& name) {
  const fw::PropInfo* prop = object.Class().FindProperty(name);
  if (!prop) return "<missing>";
  switch (prop->kind) {
    case fw::PropKind::Integer:
      return std::to_string(prop->getOrdinal(object));
    case fw::PropKind::Enumeration:
      return prop->enumType->Name(prop->getOrdinal(object));
    case fw::PropKind::String:
      return prop->getString(object);
    case fw::PropKind::Class: {
      fw::TObject* held = prop->getObject(object);
      return held ? held->ClassName() : "<nil>";
    }
    default:
      return "<kind>";
  }
}

std::string ListText(const fw::TObject& object, const std::string& path) {
  const fw::PropInfo* owner = object.Class().FindProperty(path);
  if (!owner || owner->kind != fw::PropKind::Class) return "<missing>";
  const fw::TObject* list = owner->getObject(object);
  const fw::PropInfo* strings = list->Class().FindProperty("Strings");
  std::string text;
  for (const std::string& line : strings->getList(*list)) text += (text.empty() ? "" : "|") + line;
  return text;
}

std::vector<std::string> ClassChain(const fw::TObject& object) {
  std::vector<std::string> chain;
  for (const fw::ClassInfo* c = &object.Class(); c; c = c->parent) chain.push_back(c->name);
  return chain;
}

struct KindCase {
  const char* name;
  std::vector<std::string> classChain;  // the class, then its parents up to TWinControl or TGraphicControl
  std::vector<std::pair<std::string, std::string>> properties;
};

TEST_F(StandardControls, EveryKindReadsFromADescriptionAndPublishesItsProperties) {
  auto* form = NewForm();
  const std::vector<KindCase> cases = {
      {"Button1",
       {"TButton", "TButtonControl", "TWinControl"},
       {{"Caption", "Push"}, {"Default", "True"}, {"Cancel", "True"}, {"ModalResult", "1"}, {"Color", "-16777201"}}},
      {"BitBtn1",
       {"TBitBtn", "TButton", "TButtonControl", "TWinControl"},
       {{"Caption", "Bit"},
        {"Glyph", "TBitmap"},
        {"Layout", "blGlyphTop"},
        {"Margin", "3"},
        {"Spacing", "2"},
        {"NumGlyphs", "2"},
        {"Default", "False"}}},
      {"SpeedButton1",
       {"TSpeedButton", "TGraphicControl"},
       {{"Caption", "S"},
        {"Glyph", "TBitmap"},
        {"Flat", "True"},
        {"GroupIndex", "4"},
        {"Down", "True"},
        {"AllowAllUp", "True"},
        {"Layout", "blGlyphRight"},
        {"Margin", "1"},
        {"Spacing", "5"},
        {"NumGlyphs", "4"},
        {"Transparent", "False"},
        {"Enabled", "True"},
        {"Visible", "True"}}},
      {"CheckBox1",
       {"TCheckBox", "TCustomCheckBox", "TButtonControl", "TWinControl"},
       {{"Caption", "Check"},
        {"State", "cbGrayed"},
        {"Checked", "False"},
        {"AllowGrayed", "True"},
        {"Alignment", "taLeftJustify"},
        {"BiDiMode", "bdRightToLeft"}}},
      {"RadioButton1",
       {"TRadioButton", "TButtonControl", "TWinControl"},
       {{"Caption", "Radio"}, {"Checked", "True"}, {"Alignment", "taLeftJustify"}, {"BiDiMode", "bdLeftToRight"}}},
      {"GroupBox1", {"TGroupBox", "TCustomGroupBox", "TWinControl"}, {{"Caption", "Group"}, {"Color", "-16777201"}}},
      {"RadioGroup1",
       {"TRadioGroup", "TCustomRadioGroup", "TCustomGroupBox", "TWinControl"},
       {{"Caption", "Choice"}, {"Columns", "2"}, {"ItemIndex", "1"}, {"Items", "TStrings"}}},
      {"Edit1",
       {"TEdit", "TCustomEdit", "TWinControl"},
       {{"Text", "typed"},
        {"ReadOnly", "True"},
        {"MaxLength", "12"},
        {"PasswordChar", "*"},
        {"BorderStyle", "bsNone"}}},
      {"Memo1",
       {"TMemo", "TCustomMemo", "TCustomEdit", "TWinControl"},
       {{"Text", "memo"}, {"ScrollBars", "ssBoth"}, {"WordWrap", "False"}, {"BorderStyle", "bsSingle"}}},
      {"ComboBox1",
       {"TComboBox", "TCustomComboBox", "TWinControl"},
       {{"Style", "csDropDownList"},
        {"ItemIndex", "2"},
        {"Text", "blue"},
        {"DropDownCount", "5"},
        {"Items", "TStrings"}}},
      {"ListBox1",
       {"TListBox", "TCustomListBox", "TWinControl"},
       {{"ItemIndex", "1"}, {"MultiSelect", "True"}, {"Items", "TStrings"}}},
      {"ScrollBar1",
       {"TScrollBar", "TWinControl"},
       {{"Kind", "sbVertical"},
        {"Min", "10"},
        {"Max", "50"},
        {"Position", "30"},
        {"PageSize", "5"},
        {"SmallChange", "2"},
        {"LargeChange", "7"}}},
      {"ScrollBox1",
       {"TScrollBox", "TScrollingWinControl", "TWinControl"},
       {{"BorderStyle", "bsNone"}, {"HorzScrollBar", "TControlScrollBar"}, {"VertScrollBar", "TControlScrollBar"}}},
      {"Frame1", {"TFrame", "TCustomFrame", "TScrollingWinControl", "TWinControl"}, {{"Color", "-16777201"}}},
      {"Panel1", {"TPanel", "TCustomPanel", "TWinControl"}, {{"Caption", "Panel"}, {"BevelOuter", "bvLowered"}}},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.name);
    fw::TComponent* component = form->FindComponent(c.name);
    ASSERT_NE(component, nullptr);
    std::vector<std::string> chain = ClassChain(*component);
    ASSERT_GE(chain.size(), c.classChain.size());
    EXPECT_EQ(std::vector<std::string>(chain.begin(), chain.begin() + static_cast<long>(c.classChain.size())),
              c.classChain);
    for (const auto& [name, expected] : c.properties) EXPECT_EQ(PropertyText(*component, name), expected) << name;
  }
  EXPECT_EQ(ListText(*form->FindComponent("RadioGroup1"), "Items"), "one|two|three");
  EXPECT_EQ(ListText(*form->FindComponent("ComboBox1"), "Items"), "red|green|blue");
  EXPECT_EQ(ListText(*form->FindComponent("ListBox1"), "Items"), "a|b");
  auto* scrollBox = form->Find<fw::TScrollBox>("ScrollBox1");
  EXPECT_EQ(PropertyText(*scrollBox->HorzScrollBar(), "Range"), "400");
  auto* bitBtn = form->Find<fw::TBitBtn>("BitBtn1");
  EXPECT_EQ(PropertyText(*bitBtn->Glyph(), "Transparent"), "True");
  // Forms have their classic base too.
  EXPECT_EQ(ClassChain(*form)[0], "TForm");
  EXPECT_EQ(ClassChain(*form)[1], "TCustomForm");
  // Each windowed kind's window class is named after the control's class.
  for (const char* name : {"Button1", "CheckBox1", "ComboBox1", "Edit1", "ScrollBar1", "GroupBox1", "Frame1"}) {
    auto* control = dynamic_cast<fw::TWinControl*>(form->FindComponent(name));
    char className[64] = {};
    GetClassNameA(control->Handle(), className, sizeof className);
    EXPECT_EQ(std::string(className), control->ClassName()) << name;
  }
  fw::Free(form);
}

TEST_F(StandardControls, BitButtonKindGivesItsRoleAndCaption) {
  auto* form = NewForm(R"(object KindsForm: TForm
  ClientWidth = 320
  ClientHeight = 120
  object OkBtn: TBitBtn
    Kind = bkOK
  end
  object StopBtn: TBitBtn
    Caption = 'Stop'
    Kind = bkCancel
  end
  object CloseBtn: TBitBtn
    Top = 40
    Kind = bkClose
  end
  object PlainBtn: TBitBtn
    Top = 80
    Caption = 'Plain'
  end
end
)");
  struct Case {
    const char* name;
    const char* kind;
    const char* caption;
    const char* isDefault;
    const char* cancel;
    int32_t modalResult;
  };
  for (const Case& c : {Case{"OkBtn", "bkOK", "OK", "True", "False", IDOK},
                        Case{"StopBtn", "bkCancel", "Stop", "False", "True", IDCANCEL},
                        Case{"CloseBtn", "bkClose", "&Close", "False", "False", 0},
                        Case{"PlainBtn", "bkCustom", "Plain", "False", "False", 0}}) {
    SCOPED_TRACE(c.name);
    auto* button = form->Find<fw::TBitBtn>(c.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(PropertyText(*button, "Kind"), c.kind);
    EXPECT_EQ(button->Caption(), c.caption);
    EXPECT_EQ(PropertyText(*button, "Default"), c.isDefault);
    EXPECT_EQ(PropertyText(*button, "Cancel"), c.cancel);
    EXPECT_EQ(button->ModalResult(), c.modalResult);
    EXPECT_TRUE(button->Glyph()->Empty()) << "a kind brings no picture";
  }
  // A close button closes its form instead of reporting a click.
  form->Show();
  int clicks = 0;
  auto* closer = form->Find<fw::TBitBtn>("CloseBtn");
  closer->OnClick = {"", fw::TNotifyEvent([&](fw::TObject*) { ++clicks; })};
  SendMessageA(closer->Handle(), BM_CLICK, 0, 0);
  testutil::PumpUntil([&] { return !IsWindowVisible(form->Handle()); }, 2000);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_EQ(clicks, 0);
  fw::Free(form);
}

TEST_F(StandardControls, PublishedValuesReachTheNativeWindows) {
  auto* form = NewForm();
  auto style = [](fw::TWinControl* c) { return static_cast<DWORD>(GetWindowLongA(c->Handle(), GWL_STYLE)); };
  auto exStyle = [](fw::TWinControl* c) { return static_cast<DWORD>(GetWindowLongA(c->Handle(), GWL_EXSTYLE)); };
  auto* button = form->Find<fw::TButton>("Button1");
  EXPECT_EQ(style(button) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
  button->SetDefault(false);
  EXPECT_EQ(style(button) & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
  auto* check = form->Find<fw::TCheckBox>("CheckBox1");
  EXPECT_EQ(style(check) & BS_TYPEMASK, static_cast<DWORD>(BS_AUTO3STATE));
  EXPECT_NE(style(check) & BS_LEFTTEXT, 0u);
  EXPECT_EQ(exStyle(check) & (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT),
            static_cast<DWORD>(WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT));
  check->SetBiDiMode(fw::TBiDiMode::bdLeftToRight);
  EXPECT_EQ(exStyle(check) & WS_EX_RTLREADING, 0u);
  auto* edit = form->Find<fw::TEdit>("Edit1");
  EXPECT_NE(style(edit) & ES_READONLY, 0u);
  EXPECT_EQ(exStyle(edit) & WS_EX_CLIENTEDGE, 0u);
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 12);
  edit->SetBorderStyle(fw::TBorderStyle::bsSingle);
  EXPECT_NE(exStyle(edit) & WS_EX_CLIENTEDGE, 0u);
  EXPECT_EQ(edit->Text(), "typed");  // kept when the window was made again
  auto* memo = form->Find<fw::TMemo>("Memo1");
  EXPECT_NE(style(memo) & ES_MULTILINE, 0u);
  EXPECT_EQ(style(memo) & (WS_HSCROLL | WS_VSCROLL), static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL));
  auto* list = form->Find<fw::TListBox>("ListBox1");
  EXPECT_NE(style(list) & LBS_EXTENDEDSEL, 0u);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETSEL, 1, 0), 1);
  EXPECT_EQ(list->ItemIndex(), 1);
  auto* bar = form->Find<fw::TScrollBar>("ScrollBar1");
  EXPECT_EQ(style(bar) & SBS_VERT, static_cast<DWORD>(SBS_VERT));
  fw::Free(form);
}

constexpr const char* kDialog = R"(object DialogForm: TForm
  ClientWidth = 300
  ClientHeight = 200
  object Name: TEdit
    Left = 8
    Top = 8
  end
  object Notes: TMemo
    Left = 8
    Top = 40
    Height = 60
  end
  object Ok: TButton
    Left = 8
    Top = 120
    Default = True
  end
  object Cancel: TButton
    Left = 100
    Top = 120
    Cancel = True
  end
  object Other: TButton
    Left = 200
    Top = 120
  end
end
)";

TEST_F(StandardControls, EnterAndEscapePressTheDefaultAndCancelButtons) {
  auto* form = NewForm(kDialog);
  std::string pressed;
  for (const char* name : {"Ok", "Cancel", "Other"})
    form->Find<fw::TButton>(name)->OnClick.handler =
        fw::TNotifyEvent([&pressed, name](fw::TObject*) { pressed += std::string(name) + ";"; });
  auto press = [&](const char* target, WPARAM key) {
    PostMessageA(form->Find<fw::TWinControl>(target)->Handle(), WM_KEYDOWN, key, 0);
    app.ProcessMessages();
  };
  press("Name", VK_RETURN);
  press("Name", VK_ESCAPE);
  press("Other", VK_RETURN);  // a push button with the key presses itself
  press("Notes", VK_RETURN);  // a multi-line edit keeps Enter
  EXPECT_EQ(pressed, "Ok;Cancel;Other;");
  // Without a default button Enter does nothing.
  form->Find<fw::TButton>("Ok")->SetDefault(false);
  press("Name", VK_RETURN);
  EXPECT_EQ(pressed, "Ok;Cancel;Other;");
  fw::Free(form);
}

TEST_F(StandardControls, CheckBoxStateIsTheWindowsCheckStateAndClicksReport) {
  auto* form = NewForm();
  auto* check = form->Find<fw::TCheckBox>("CheckBox1");
  HWND window = check->Handle();
  int clicks = 0;
  check->OnClick.handler = fw::TNotifyEvent([&](fw::TObject* sender) {
    EXPECT_EQ(sender, check);
    ++clicks;
  });
  EXPECT_EQ(SendMessageA(window, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  // From the control to the window, with OnClick as for a click.
  check->SetState(fw::TCheckBoxState::cbChecked);
  EXPECT_EQ(SendMessageA(window, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(clicks, 1);
  check->SetChecked(true);  // no change, no click
  EXPECT_EQ(clicks, 1);
  // From the window to the control.
  SendMessageA(window, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(check->State(), fw::TCheckBoxState::cbUnchecked);
  // A click moves a three-state box to its next state and reports once.
  SendMessageA(window, BM_CLICK, 0, 0);
  EXPECT_EQ(check->State(), fw::TCheckBoxState::cbChecked);
  EXPECT_EQ(PropertyText(*check, "State"), "cbChecked");
  EXPECT_EQ(clicks, 2);
  // The same through the published property, by name.
  const fw::PropInfo* state = check->Class().FindProperty("State");
  state->setOrdinal(*check, static_cast<int32_t>(fw::TCheckBoxState::cbGrayed));
  EXPECT_EQ(SendMessageA(window, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(clicks, 3);
  // A box that may not be grayed by clicks still shows a grayed state set from code.
  check->SetState(fw::TCheckBoxState::cbUnchecked);
  check->SetAllowGrayed(false);
  auto buttonType = [&] { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & BS_TYPEMASK; };
  EXPECT_EQ(buttonType(), static_cast<DWORD>(BS_AUTOCHECKBOX));
  check->SetState(fw::TCheckBoxState::cbGrayed);
  EXPECT_EQ(SendMessageA(window, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(check->State(), fw::TCheckBoxState::cbGrayed);
  check->SetChecked(true);
  EXPECT_EQ(buttonType(), static_cast<DWORD>(BS_AUTOCHECKBOX));
  SendMessageA(window, BM_CLICK, 0, 0);
  SendMessageA(window, BM_CLICK, 0, 0);
  EXPECT_EQ(check->State(), fw::TCheckBoxState::cbChecked);  // clicks never gray it
  fw::Free(form);
}

constexpr const char* kRadios = R"(object RadioForm: TForm
  ClientWidth = 300
  ClientHeight = 200
  object PanelA: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 100
    object A1: TRadioButton
      Left = 8
      Top = 8
      Checked = True
    end
    object A2: TRadioButton
      Left = 8
      Top = 30
    end
    object A3: TRadioButton
      Left = 8
      Top = 52
    end
  end
  object B1: TRadioButton
    Left = 8
    Top = 120
    Checked = True
  end
end
)";

TEST_F(StandardControls, RadioButtonsOfOneParentUncheckEachOther) {
  auto* form = NewForm(kRadios);
  auto* a1 = form->Find<fw::TRadioButton>("A1");
  auto* a2 = form->Find<fw::TRadioButton>("A2");
  auto* a3 = form->Find<fw::TRadioButton>("A3");
  auto* b1 = form->Find<fw::TRadioButton>("B1");
  auto checks = [&] {
    std::string text;
    for (fw::TRadioButton* r : {a1, a2, a3, b1}) text += SendMessageA(r->Handle(), BM_GETCHECK, 0, 0) ? '1' : '0';
    return text;
  };
  EXPECT_EQ(checks(), "1001");
  a2->SetChecked(true);
  EXPECT_EQ(checks(), "0101");
  int clicks = 0;
  a3->OnClick.handler = fw::TNotifyEvent([&](fw::TObject*) { ++clicks; });
  SendMessageA(a3->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(checks(), "0011");
  EXPECT_TRUE(a3->Checked());
  EXPECT_FALSE(a2->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(a3->Handle(), GWL_STYLE)) & BS_TYPEMASK,
            static_cast<DWORD>(BS_RADIOBUTTON));
  fw::Free(form);
}

TEST_F(StandardControls, RadioGroupItemIndexIsItsCheckedButton) {
  auto* form = NewForm();
  auto* group = form->Find<fw::TRadioGroup>("RadioGroup1");
  ASSERT_EQ(group->ButtonCount(), 3);
  auto checked = [&] {
    std::string text;
    for (int i = 0; i < group->ButtonCount(); ++i)
      text += SendMessageA(group->Buttons(i)->Handle(), BM_GETCHECK, 0, 0) ? '1' : '0';
    return text;
  };
  EXPECT_EQ(checked(), "010");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(group->Buttons(i)->Parent(), group);
    EXPECT_EQ(group->Buttons(i)->Owner(), group);
    EXPECT_EQ(GetParent(group->Buttons(i)->Handle()), group->Handle());
  }
  EXPECT_EQ(group->Buttons(2)->Caption(), "three");
  group->SetItemIndex(0);
  EXPECT_EQ(checked(), "100");
  int clicks = 0;
  group->OnClick.handler = fw::TNotifyEvent([&](fw::TObject* sender) {
    EXPECT_EQ(sender, group);
    ++clicks;
  });
  SendMessageA(group->Buttons(2)->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(checked(), "001");
  EXPECT_EQ(clicks, 1);
  group->SetItemIndex(-1);
  EXPECT_EQ(checked(), "000");
  EXPECT_EQ(group->ItemIndex(), -1);
  // Two columns: the first two buttons above each other on the left, the third on the right,
  // all inside the frame below the caption.
  RECT inside = group->ClientRect();
  EXPECT_EQ(group->Buttons(0)->Left(), group->Buttons(1)->Left());
  EXPECT_GT(group->Buttons(1)->Top(), group->Buttons(0)->Top());
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(0)->Left());
  for (int i = 0; i < 3; ++i) {
    RECT b = group->Buttons(i)->BoundsRect();
    EXPECT_GE(b.left, inside.left);
    EXPECT_GE(b.top, inside.top);
    EXPECT_LE(b.right, inside.right);
    EXPECT_LE(b.bottom, inside.bottom);
  }
  // New items make new buttons.
  group->Items()->Add("four");
  EXPECT_EQ(group->ButtonCount(), 4);
  EXPECT_EQ(group->Buttons(3)->Caption(), "four");
  fw::Free(form);
}

TEST_F(StandardControls, ComboBoxItemsIndexAndStyleDriveTheNativeCombo) {
  auto* form = NewForm();
  auto* combo = form->Find<fw::TComboBox>("ComboBox1");
  HWND window = combo->Handle();
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
  EXPECT_EQ(SendMessageA(window, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(window, CB_GETCURSEL, 0, 0), 2);
  combo->SetItemIndex(0);
  EXPECT_EQ(SendMessageA(window, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(combo->Text(), "red");
  SendMessageA(window, CB_SETCURSEL, 1, 0);
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SetText("blue");
  EXPECT_EQ(combo->ItemIndex(), 2);
  combo->Items()->Add("black");
  EXPECT_EQ(SendMessageA(window, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(combo->ItemIndex(), 2);
  // Another style makes another native window, with the same items and selection.
  combo->SetStyle(fw::TComboBoxStyle::csSimple);
  window = combo->Handle();
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & 3u, static_cast<DWORD>(CBS_SIMPLE));
  EXPECT_EQ(SendMessageA(window, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(fw::FindControl(window), combo);
  combo->SetStyle(fw::TComboBoxStyle::csOwnerDrawFixed);
  DWORD style = static_cast<DWORD>(GetWindowLongA(combo->Handle(), GWL_STYLE));
  EXPECT_NE(style & CBS_OWNERDRAWFIXED, 0u);
  EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
  // A free text in a drop-down combo box stays as typed.
  combo->SetStyle(fw::TComboBoxStyle::csDropDown);
  combo->SetItemIndex(-1);
  combo->SetText("typed");
  EXPECT_EQ(combo->Text(), "typed");
  EXPECT_EQ(combo->ItemIndex(), -1);
  fw::Free(form);
}

TEST_F(StandardControls, ScrollBarPositionAndRangeAreTheWindows) {
  auto* form = NewForm();
  auto* bar = form->Find<fw::TScrollBar>("ScrollBar1");
  HWND window = bar->Handle();
  int changes = 0;
  bar->OnChange.handler = fw::TNotifyEvent([&](fw::TObject*) { ++changes; });
  EXPECT_EQ(SendMessageA(window, SBM_GETPOS, 0, 0), 30);
  int low = 0, high = 0;
  SendMessageA(window, SBM_GETRANGE, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 10);
  EXPECT_EQ(high, 50);
  bar->SetPosition(20);
  EXPECT_EQ(SendMessageA(window, SBM_GETPOS, 0, 0), 20);
  EXPECT_EQ(changes, 1);
  SendMessageA(window, SBM_SETPOS, 25, TRUE);
  EXPECT_EQ(bar->Position(), 25);
  // Beyond the range: the last position a page can start at.
  bar->SetPosition(1000);
  EXPECT_EQ(bar->Position(), 50 - 5 + 1);
  bar->SetPosition(-3);
  EXPECT_EQ(bar->Position(), 10);
  changes = 0;
  // Scrolling as the native bar reports it to its parent.
  HWND parent = GetParent(window);
  SendMessageA(parent, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(window));
  EXPECT_EQ(bar->Position(), 12);
  SendMessageA(parent, WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(window));
  EXPECT_EQ(bar->Position(), 19);
  EXPECT_EQ(SendMessageA(window, SBM_GETPOS, 0, 0), 19);
  EXPECT_EQ(changes, 2);
  bar->SetMax(15);
  EXPECT_EQ(bar->Position(), 11);
  bar->SetKind(fw::TScrollBarKind::sbHorizontal);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar->Handle(), GWL_STYLE)) & SBS_VERT, 0u);
  EXPECT_GT(bar->Width(), bar->Height());
  EXPECT_EQ(SendMessageA(bar->Handle(), SBM_GETPOS, 0, 0), 11);
  fw::Free(form);
}

TEST_F(StandardControls, ScrollBoxRangeFollowsItsChildren) {
  auto* form = NewForm();
  auto* box = form->Find<fw::TScrollBox>("ScrollBox1");
  auto* panel = form->Find<fw::TPanel>("Panel2");
  HWND window = box->Handle();
  auto hasBar = [&](DWORD bit) { return (static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & bit) != 0; };
  // The range given for the horizontal bar; the children need less.
  EXPECT_EQ(box->HorzScrollBar()->EffectiveRange(), 400);
  EXPECT_TRUE(hasBar(WS_HSCROLL));
  EXPECT_FALSE(hasBar(WS_VSCROLL));
  // A child below the visible area makes the vertical bar.
  panel->SetTop(200);
  EXPECT_EQ(box->VertScrollBar()->EffectiveRange(), 230);
  EXPECT_TRUE(hasBar(WS_VSCROLL));
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  GetScrollInfo(window, SB_VERT, &info);
  EXPECT_EQ(info.nMax, 229);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(static_cast<LONG>(info.nPage), client.bottom);
  // Scrolling moves the children.
  SendMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  int scrolled = box->VertScrollBar()->Position();
  EXPECT_EQ(scrolled, 230 - client.bottom);
  EXPECT_EQ(panel->Top(), 200 - scrolled);
  RECT r;
  GetWindowRect(panel->Handle(), &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 200 - scrolled);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), scrolled);
  // Back inside: the bar goes and the contents come back to the origin.
  panel->SetTop(10 - scrolled);
  EXPECT_FALSE(hasBar(WS_VSCROLL));
  EXPECT_EQ(box->VertScrollBar()->Position(), 0);
  EXPECT_EQ(panel->Top(), 10);
  fw::Free(form);
}

// Paints a control's client area into a bitmap the way a WM_PRINTCLIENT sender does.
struct ClientImage {
  explicit ClientImage(fw::TWinControl* control) {
    RECT client;
    GetClientRect(control->Handle(), &client);
    width = client.right;
    height = client.bottom;
    HDC screen = GetDC(nullptr);
    dc.reset(CreateCompatibleDC(screen));
    bitmap.reset(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    fw::SelectObjectGuard select(dc.get(), bitmap.get());
    SendMessageA(control->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    pixels.resize(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels[static_cast<size_t>(y * width + x)] = GetPixel(dc.get(), x, y);
  }
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  int width = 0, height = 0;
  fw::UniqueMemoryDC dc;
  fw::UniqueBitmap bitmap;
  std::vector<COLORREF> pixels;
};

constexpr const char* kGroupBox = R"(object GroupForm: TForm
  ClientWidth = 300
  ClientHeight = 200
  Color = clWhite
  object GroupBox1: TGroupBox
    Left = 10
    Top = 10
    Width = 200
    Height = 120
    Caption = 'Options'
    object Inner: TPanel
      Align = alClient
      BevelOuter = bvNone
      Color = $0000FF
    end
  end
end
)";

TEST_F(StandardControls, GroupBoxPlacesChildrenInsideItsFrame) {
  auto* form = NewForm(kGroupBox);
  auto* box = form->Find<fw::TGroupBox>("GroupBox1");
  auto* inner = form->Find<fw::TPanel>("Inner");
  RECT inside = box->ClientRect();
  EXPECT_GT(inside.top, 8);  // below the caption line
  EXPECT_EQ(inner->BoundsRect().left, inside.left);
  EXPECT_EQ(inner->BoundsRect().top, inside.top);
  EXPECT_EQ(inner->BoundsRect().right, inside.right);
  EXPECT_EQ(inner->BoundsRect().bottom, inside.bottom);
  EXPECT_GT(inside.left, 0);
  EXPECT_LT(inside.right, box->Width());
  EXPECT_LT(inside.bottom, box->Height());
  // The frame: an etched line (shadow outside) on the parent's colour, around the child.
  inner->SetVisible(false);
  ClientImage image(box);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF white = RGB(255, 255, 255);
  int middle = image.height / 2;
  EXPECT_EQ(image.At(0, middle), shadow);
  EXPECT_EQ(image.At(image.width - 2, middle), shadow);
  EXPECT_EQ(image.At(image.width / 2, image.height - 2), shadow);
  EXPECT_EQ(image.At(image.width / 2, middle), white);
  EXPECT_EQ(image.At(image.width - 4, 1), white);  // above the frame line, right of the caption
  // The caption interrupts the top line.
  int frameTop = -1;
  for (int y = 0; y < image.height && frameTop < 0; ++y)
    if (image.At(image.width - 20, y) == shadow) frameTop = y;
  ASSERT_GT(frameTop, 0);
  EXPECT_NE(image.At(12, frameTop), shadow);
  fw::Free(form);
}

constexpr const char* kSpeedButtons = R"(object SpeedForm: TForm
  ClientWidth = 300
  ClientHeight = 100
  object Bar: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 40
    BevelOuter = bvNone
    object S1: TSpeedButton
      Left = 0
      Top = 0
      Width = 30
      Height = 30
      GroupIndex = 1
      Down = True
    end
    object S2: TSpeedButton
      Left = 40
      Top = 0
      Width = 30
      Height = 30
      GroupIndex = 1
    end
    object S3: TSpeedButton
      Left = 80
      Top = 0
      Width = 30
      Height = 30
      GroupIndex = 1
    end
    object Other: TSpeedButton
      Left = 120
      Top = 0
      Width = 30
      Height = 30
      GroupIndex = 2
      Down = True
    end
  end
end
)";

TEST_F(StandardControls, SpeedButtonGroupsKeepOneButtonDown) {
  auto* form = NewForm(kSpeedButtons);
  auto* s1 = form->Find<fw::TSpeedButton>("S1");
  auto* s2 = form->Find<fw::TSpeedButton>("S2");
  auto* s3 = form->Find<fw::TSpeedButton>("S3");
  auto* other = form->Find<fw::TSpeedButton>("Other");
  auto downs = [&] {
    std::string text;
    for (fw::TSpeedButton* s : {s1, s2, s3, other}) text += s->Down() ? '1' : '0';
    return text;
  };
  EXPECT_EQ(downs(), "1001");
  s2->SetDown(true);
  EXPECT_EQ(downs(), "0101");
  s2->SetDown(false);  // the down button of a group stays down
  EXPECT_EQ(downs(), "0101");
  // A click through the parent's window: down, up, and OnClick once.
  int clicks = 0;
  s3->OnClick.handler = fw::TNotifyEvent([&](fw::TObject* sender) {
    EXPECT_EQ(sender, s3);
    ++clicks;
  });
  HWND bar = form->Find<fw::TPanel>("Bar")->Handle();
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 15));
  SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(95, 15));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs(), "0011");
  // Clicking the down button again leaves it down, unless all may be up.
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 15));
  SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(95, 15));
  EXPECT_EQ(downs(), "0011");
  s1->SetAllowAllUp(true);
  EXPECT_TRUE(s3->AllowAllUp());
  SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 15));
  SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(95, 15));
  EXPECT_EQ(downs(), "0001");
  EXPECT_EQ(clicks, 3);
  // Without a group a button never stays down.
  s1->SetGroupIndex(0);
  s1->SetDown(true);
  EXPECT_FALSE(s1->Down());
  fw::Free(form);
}

TEST_F(StandardControls, SpeedButtonIsPaintedByItsParent) {
  auto* form = NewForm(kSpeedButtons);
  auto* s2 = form->Find<fw::TSpeedButton>("S2");
  // A red glyph on a green key colour (its bottom-left pixel).
  fw::TBitmap* glyph = s2->Glyph();
  glyph->SetSize(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) glyph->SetPixel(x, y, (x < 2 || y > 7) ? RGB(0, 255, 0) : RGB(255, 0, 0));
  s2->Invalidate();
  ClientImage image(form->Find<fw::TPanel>("Bar"));
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // The glyph is centred in the button at (40, 0, 70, 30); its key colour shows the face.
  // Glyph at (50, 10): red from (52, 10) to (59, 17).
  EXPECT_EQ(image.At(55, 15), RGB(255, 0, 0));
  EXPECT_EQ(image.At(52, 17), RGB(255, 0, 0));
  EXPECT_EQ(image.At(52, 18), face);
  EXPECT_EQ(image.At(51, 15), face);
  EXPECT_EQ(image.At(45, 15), face);
  // Raised edge: light at the top-left, dark shadow at the bottom-right.
  EXPECT_EQ(image.At(40, 10), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(image.At(69, 10), GetSysColor(COLOR_3DDKSHADOW));
  // Down: sunken edge, glyph one pixel further in.
  s2->SetDown(true);
  ClientImage down(form->Find<fw::TPanel>("Bar"));
  EXPECT_EQ(down.At(40, 10), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(down.At(53, 18), RGB(255, 0, 0));
  EXPECT_EQ(down.At(53, 19), face);
  EXPECT_EQ(down.At(52, 15), face);
  fw::Free(form);
}

// A 4-bit bitmap file, 3 by 2, bottom-up: palette black, red, green, blue; top row red green blue,
// bottom row blue black red.
std::vector<uint8_t> FourBitFile() {
  std::vector<uint8_t> file;
  auto put = [&file](uint32_t value, int size) {
    for (int i = 0; i < size; ++i) file.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  const uint32_t offBits = 14 + 40 + 16 * 4, size = offBits + 2 * 4;
  file.push_back('B');
  file.push_back('M');
  put(size, 4);
  put(0, 4);
  put(offBits, 4);
  put(40, 4);
  put(3, 4);
  put(2, 4);
  put(1, 2);
  put(4, 2);
  put(BI_RGB, 4);
  put(8, 4);
  put(0, 4);
  put(0, 4);
  put(0, 4);  // all 16 palette entries follow
  put(0, 4);
  for (uint32_t entry : {0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu}) put(entry, 4);  // as 0x00RRGGBB
  for (int i = 4; i < 16; ++i) put(0, 4);
  for (uint8_t byte : {0x30, 0x10, 0x00, 0x00, 0x12, 0x30, 0x00, 0x00}) file.push_back(byte);  // bottom row first
  return file;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  char pair[3];
  for (uint8_t b : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    text += pair;
  }
  return text;
}

TEST_F(StandardControls, GlyphsComeFromTheDescriptionsBitmapData) {
  std::vector<uint8_t> file = FourBitFile();
  std::vector<uint8_t> stored = {static_cast<uint8_t>(file.size()), 0, 0, 0};  // the length first
  stored.insert(stored.end(), file.begin(), file.end());
  std::string text = "object GlyphForm: TForm\n  object Speed: TSpeedButton\n    NumGlyphs = 3\n    Glyph.Data = {" +
                     Hex(stored) + "}\n  end\n  object Bit: TBitBtn\n    Glyph.Data = {" + Hex(file) +
                     "}\n  end\nend\n";
  auto* form = NewForm(text.c_str());
  for (fw::TBitmap* glyph : {form->Find<fw::TSpeedButton>("Speed")->Glyph(), form->Find<fw::TBitBtn>("Bit")->Glyph()}) {
    ASSERT_EQ(glyph->Width(), 3);
    ASSERT_EQ(glyph->Height(), 2);
    EXPECT_EQ(glyph->Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(glyph->Pixel(1, 0), RGB(0, 255, 0));
    EXPECT_EQ(glyph->Pixel(2, 0), RGB(0, 0, 255));
    EXPECT_EQ(glyph->Pixel(0, 1), RGB(0, 0, 255));
    EXPECT_EQ(glyph->Pixel(1, 1), RGB(0, 0, 0));
    EXPECT_EQ(glyph->Pixel(2, 1), RGB(255, 0, 0));
  }
  // The data written back reads back to the same pixels.
  fw::TBitmap copy;
  copy.SetData(form->Find<fw::TBitBtn>("Bit")->Glyph()->Data());
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Pixel(2, 1), RGB(255, 0, 0));
  fw::Free(form);

  // Damaged data is refused with the property named, and leaves no half-made bitmap.
  std::vector<std::vector<uint8_t>> damaged;
  damaged.push_back(std::vector<uint8_t>(file.begin(), file.end() - 1));  // cut short
  damaged.push_back(file);
  damaged.back()[28] = 7;  // 7 bits per pixel
  damaged.push_back(file);
  damaged.back()[30] = BI_RLE4;  // compressed
  damaged.push_back(file);
  damaged.back()[10] = 20;  // pixels inside the header
  damaged.push_back(file);
  damaged.back()[21] = 0x40;  // 4 million pixels wide
  damaged.push_back({'B', 'M', 1, 2});
  for (const auto& bytes : damaged) {
    fw::TBitmap bitmap(4, 4);
    EXPECT_FALSE(bitmap.LoadFromBitmapFile(bytes));
    EXPECT_EQ(bitmap.Width(), 4);
    std::string bad =
        "object BadForm: TForm\n  object Speed: TSpeedButton\n    Glyph.Data = {" + Hex(bytes) + "}\n  end\nend\n";
    auto* badForm = new TKindsForm(&app);
    try {
      badForm->Load(bad);
      ADD_FAILURE() << "damaged data was read";
    } catch (const fw::EReadError& e) {
      EXPECT_NE(std::string(e.what()).find("Glyph.Data"), std::string::npos) << e.what();
    }
    fw::Free(badForm);
  }
}

TEST_F(StandardControls, FrameOwnsTheComponentsNestedInItsSection) {
  auto* form = NewForm();
  auto* frame = form->Find<fw::TFrame>("Frame1");
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(form->FindComponent("FrameButton"), nullptr);
  auto* button = dynamic_cast<fw::TButton*>(frame->FindComponent("FrameButton"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Owner(), frame);
  EXPECT_EQ(button->Parent(), frame);
  EXPECT_EQ(button->Caption(), "In frame");
  EXPECT_EQ(GetParent(button->Handle()), frame->Handle());
  EXPECT_EQ(GetParent(frame->Handle()), form->Handle());
  EXPECT_EQ(frame->ControlCount(), 1);
  EXPECT_FALSE(button->HasState(fw::ComponentState::Loading));  // Loaded ran for the frame's parts
  // Two frames may hold parts of the same name.
  constexpr const char* kTwoFrames = R"(object TwoFrames: TForm
  object FrameA: TFrame
    object Part: TEdit
      Text = 'a'
    end
  end
  object FrameB: TFrame
    Top = 100
    object Part: TEdit
      Text = 'b'
    end
  end
end
)";
  auto* two = NewForm(kTwoFrames);
  EXPECT_EQ(dynamic_cast<fw::TEdit*>(two->FindComponent("FrameA")->FindComponent("Part"))->Text(), "a");
  EXPECT_EQ(dynamic_cast<fw::TEdit*>(two->FindComponent("FrameB")->FindComponent("Part"))->Text(), "b");
  // A written description keeps each frame's parts inside it.
  std::string written = fw::WriteComponent(*two);
  fw::Free(two);
  auto* again = NewForm(written.c_str());
  EXPECT_EQ(dynamic_cast<fw::TEdit*>(again->FindComponent("FrameB")->FindComponent("Part"))->Text(), "b");
  EXPECT_EQ(again->FindComponent("Part"), nullptr);
  fw::Free(again);
  fw::Free(form);
}

TEST_F(StandardControls, FormsWithEveryKindLeaveNoObjectsBehind) {
  auto openAndClose = [this] {
    auto* form = NewForm();
    form->Find<fw::TSpeedButton>("SpeedButton1")->Glyph()->SetSize(16, 16);
    form->Find<fw::TComboBox>("ComboBox1")->SetStyle(fw::TComboBoxStyle::csDropDown);
    form->Find<fw::TRadioGroup>("RadioGroup1")->Items()->Add("four");
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    fw::Free(form);
  };
  // The first form makes the objects that the system keeps for the process.
  openAndClose();
  testutil::PumpMessages(20);
  auto gdiBefore = test_support::CountGdiObjects();
  auto userBefore = test_support::CountUserObjects();
  ASSERT_TRUE(gdiBefore && userBefore) << "object counts are not available here";
  for (int i = 0; i < 50; ++i) openAndClose();
  testutil::PumpMessages(20);
  EXPECT_EQ(test_support::CountGdiObjects(), gdiBefore);
  EXPECT_EQ(test_support::CountUserObjects(), userBefore);
}

}  // namespace
