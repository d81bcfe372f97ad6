// Which skinner kind every control of the gallery gets, and the rule that chose it: the framework
// control pages through the decision chain for framework controls, the native dialog through the
// rules by window class and style.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/control.h"
#include "framework/form.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/form/form_skinner.h"
#include "tools/gallery/res/gallery_ids.h"
#include "tools/gallery/tests/gallery_fixture.h"

namespace gallerytest {
namespace {

skin::TWinSkinForm* SkinnerOf(HWND window) {
  return static_cast<skin::TWinSkinForm*>(skin::SkinManager()->FindFormSkinner(window));
}

const skin::TSkinControl* SkinnerFor(const skin::TWinSkinForm* form, const fw::TControl* control, HWND window) {
  for (const skin::TSkinControl* s : form->FSkinners)
    if ((control && s->Control() == control) || (!control && window && s->Handle() == window)) return s;
  return nullptr;
}

std::string KindName(const skin::TSkinControl* skinner) { return skinner ? skinner->ClassName() : "none"; }

struct FormCase {
  const char* window;
  const char* control;
  const char* kind;  // "none": no skinner
  const char* rule;
};

const FormCase kFormCases[] = {
    {"buttons-form", "Button1", "TSkinButton", "7.38 TButton"},
    {"buttons-form", "DefaultButton", "TSkinButton", "7.38 TButton"},
    {"buttons-form", "DisabledButton", "TSkinButton", "7.38 TButton"},
    {"buttons-form", "RightToLeftButton", "TSkinButton", "7.38 TButton"},
    {"buttons-form", "BitBtn1", "TSkinBitButton", "7.30 TBitBtn before 7.38"},
    {"buttons-form", "DisabledBitBtn", "TSkinBitButton", "7.30 TBitBtn"},
    {"buttons-form", "SpeedButton1", "TSkinSpeedButton", "7.31 speed button, windowless"},
    {"buttons-form", "FlatSpeedButton", "TSkinSpeedButton", "7.31"},
    {"buttons-form", "DownSpeedButton", "TSkinSpeedButton", "7.31"},
    {"buttons-form", "OptedOutButton", "none", "1 Tag = DisableTag"},
    {"checks-form", "CheckBox1", "TSkinCheckBox", "7.10 check box"},
    {"checks-form", "CheckedBox", "TSkinCheckBox", "7.10"},
    {"checks-form", "GrayedBox", "TSkinCheckBox", "7.10"},
    {"checks-form", "DisabledBox", "TSkinCheckBox", "7.10"},
    {"checks-form", "LeftTextBox", "TSkinCheckBox", "7.10"},
    {"checks-form", "RightToLeftBox", "TSkinCheckBox", "7.10"},
    {"checks-form", "RadioButton1", "TSkinRadioButton", "7.20 radio button"},
    {"checks-form", "DisabledRadio", "TSkinRadioButton", "7.20"},
    {"checks-form", "RadioGroup1", "TSkinGroupBox", "7.14 radio group"},
    {"checks-form", "GroupBox1", "TSkinGroupBox", "7.19 group box"},
    {"checks-form", "InGroupBox", "TSkinCheckBox", "7.19 SkinChildren, then 7.10"},
    {"checks-form", "InGroupRadio", "TSkinRadioButton", "7.19 SkinChildren, then 7.20"},
    {"checks-form", "OptedOutGroup", "none", "1 Tag = DisableTag"},
    {"text-form", "Edit1", "TSkinEdit", "7.39 edit"},
    {"text-form", "ReadOnlyEdit", "TSkinEdit", "7.39"},
    {"text-form", "DisabledEdit", "TSkinEdit", "7.39"},
    {"text-form", "UpDown1", "TSkinUpDown", "7.12 TUPDOWN"},
    {"text-form", "Memo1", "TSkinScrollbar", "7.35 memo before 7.39"},
    {"text-form", "DropDownCombo", "TSkinComBox", "7.26 combo box"},
    {"text-form", "DropDownListCombo", "TSkinComBox", "7.26"},
    {"text-form", "SimpleCombo", "TSkinComBox", "7.26"},
    {"text-form", "ListBox1", "TSkinScrollbar", "7.37 has scroll bars"},
    {"text-form", "DatePicker", "TSkinDateTime", "7.27 drop-down date"},
    {"text-form", "UpDownDatePicker", "TSkinEdit", "7.27 up-down mode"},
    {"text-form", "TimePicker", "TSkinEdit", "7.27 time"},
    {"bars-form", "ToolBar1", "TSkinBox", "7.21 tool bar"},
    {"bars-form", "ToolButton1", "none", "7.40 nothing for a tool button"},
    {"bars-form", "HeaderControl1", "TSkinHeader", "7.9 header"},
    {"bars-form", "HorzScrollBar", "TSkinScControl", "7.24 scroll bar control"},
    {"bars-form", "VertScrollBar", "TSkinScControl", "7.24"},
    {"bars-form", "ProgressBar1", "TSkinProgress", "7.23 progress bar"},
    {"bars-form", "TrackBar1", "TSkinTrackBar", "7.11 track bar"},
    {"bars-form", "CoolBar1", "none", "7.3 band colours only"},
    {"bars-form", "StatusBar1", "TSkinStatusBar", "7.22 status bar"},
    {"tabs-form", "TabControl1", "TSkinTab", "7.1 tab control (kind 2)"},
    {"tabs-form", "ButtonTabs", "TSkinTab", "7.1 tab control (kind 2)"},
    {"tabs-form", "PageControl1", "TSkinTab", "7.1 page control, tab style"},
    {"tabs-form", "TabSheet1", "TSkinTabSheet", "7.5 tab sheet"},
    {"tabs-form", "OnPage", "TSkinButton", "7.38"},
    {"tabs-form", "TabSet1", "TSkinTab31", "7.4 TTABSET"},
    {"tabs-form", "Panel1", "TSkinBox", "7.32 panel"},
    {"tabs-form", "InPanel", "TSkinButton", "7.32 SkinChildren, then 7.38"},
    {"tabs-form", "ScrollBox1", "TSkinScrollbar", "7.36 scrolling control"},
    {"tabs-form", "FarButton", "TSkinButton", "7.38"},
};

struct DialogCase {
  int id;
  const char* kind;
  const char* rule;
};

const DialogCase kDialogCases[] = {
    {IDC_PUSH_BUTTON, "TSkinButton", "2 push button"},
    {IDC_DEFAULT_BUTTON, "TSkinButton", "2 default push button"},
    {IDC_DISABLED_BUTTON, "TSkinButton", "2"},
    {IDC_FLAT_BUTTON, "TSkinButton", "2 flat"},
    {IDC_OWNER_DRAWN_BUTTON, "none", "2 owner-drawn left alone"},
    {IDC_BITMAP_BUTTON, "none", "2 bitmap button left alone"},
    {IDC_GROUP_BOX, "none", "2 group box left alone"},
    {IDC_CHECK_BOX, "TSkinCheckBox", "2 check box"},
    {IDC_CHECK_BOX_3STATE, "TSkinCheckBox", "2 three states"},
    {IDC_PUSH_LIKE_CHECK, "TSkinCheckBox", "2 push-like check box"},
    {IDC_RTL_CHECK_BOX, "TSkinCheckBox", "2 right to left"},
    {IDC_RADIO_1, "TSkinRadioButton", "2 radio button"},
    {IDC_RADIO_3, "TSkinRadioButton", "2 disabled radio button"},
    {IDC_EDIT, "TSkinEdit", "16 edit"},
    {IDC_EDIT_MULTILINE, "TSkinEdit", "16"},
    {IDC_COMBO_SIMPLE, "none", "3 simple combo box left alone"},
    {IDC_COMBO_DROPDOWN, "TSkinComBox", "3 combo box"},
    {IDC_COMBO_DROPDOWNLIST, "TSkinComBox", "3"},
    {IDC_LIST_BOX, "none", "no rule for list boxes: their bars stay the system's"},
    {IDC_SCROLL_HORZ, "none", "5 only size boxes"},
    {IDC_SIZE_GRIP, "TSkinSizer", "5 size grip"},
    {IDC_TAB, "TSkinTab", "14 tab control"},
    {IDC_TREE, "none", "6 tree view"},
    {IDC_TOOL_BAR, "TSkinBoxH", "15 tool bar"},
};

TEST_F(GalleryTest, EveryControlGetsTheSkinnerKindOfItsRule) {
  Start();
  gallery->OpenModelessPages();
  for (const FormCase& tested : kFormCases) {
    SCOPED_TRACE(std::string(tested.window) + " " + tested.control + ": rule " + tested.rule);
    HWND window = WindowNamed(tested.window);
    ASSERT_NE(window, nullptr);
    auto* form = dynamic_cast<fw::TForm*>(fw::FindControl(window));
    ASSERT_NE(form, nullptr);
    auto* control = dynamic_cast<fw::TControl*>(form->FindComponent(tested.control));
    ASSERT_NE(control, nullptr);
    const skin::TWinSkinForm* skinner = SkinnerOf(window);
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(KindName(SkinnerFor(skinner, control, nullptr)), tested.kind);
  }

  HWND dialog = WindowNamed("dialog-controls");
  ASSERT_NE(dialog, nullptr);
  const skin::TWinSkinForm* dialogSkinner = SkinnerOf(dialog);
  ASSERT_NE(dialogSkinner, nullptr);
  for (const DialogCase& tested : kDialogCases) {
    SCOPED_TRACE(std::string("dialog control ") + std::to_string(tested.id) + ": rule " + tested.rule);
    EXPECT_EQ(KindName(SkinnerFor(dialogSkinner, nullptr, GetDlgItem(dialog, tested.id))), tested.kind);
  }
  // 4: an extended combo box's skinner is on its inner combo box.
  HWND comboEx = GetDlgItem(dialog, IDC_COMBO_EX);
  EXPECT_EQ(KindName(SkinnerFor(dialogSkinner, nullptr, GetWindow(comboEx, GW_CHILD))), "TSkinComBox");
}

TEST_F(GalleryTest, GroupsTakeTheirButtonsAlongAndBandsTakeTheSkinsFace) {
  Start();
  gallery->OpenModelessPages();
  HWND checks = WindowNamed("checks-form");
  auto* form = dynamic_cast<fw::TForm*>(fw::FindControl(checks));
  ASSERT_NE(form, nullptr);
  const skin::TWinSkinForm* skinner = SkinnerOf(checks);
  ASSERT_NE(skinner, nullptr);
  for (const char* name : {"RadioGroup1", "OptedOutGroup"}) {
    auto* group = dynamic_cast<fw::TWinControl*>(form->FindComponent(name));
    ASSERT_NE(group, nullptr);
    ASSERT_GT(group->ControlCount(), 0);
    const bool optedOut = std::string(name) == "OptedOutGroup";
    for (int i = 0; i < group->ControlCount(); ++i)
      EXPECT_EQ(KindName(SkinnerFor(skinner, group->Controls(i), nullptr)), optedOut ? "none" : "TSkinRadioButton")
          << name << " button " << i;
  }

  HWND bars = WindowNamed("bars-form");
  auto* barsForm = dynamic_cast<fw::TForm*>(fw::FindControl(bars));
  ASSERT_NE(barsForm, nullptr);
  fw::TComponent* coolBar = barsForm->FindComponent("CoolBar1");
  ASSERT_NE(coolBar, nullptr);
  const skin::TSkinData* data = SkinnerOf(bars)->FSkinData;
  const fw::PropInfo* bands = coolBar->Class().FindProperty("Bands");
  ASSERT_NE(bands, nullptr);
  auto* collection = dynamic_cast<fw::TCollection*>(bands->getObject(*coolBar));
  ASSERT_NE(collection, nullptr);
  ASSERT_GT(collection->Count(), 0);
  const fw::PropInfo* colour = collection->Item(0)->Class().FindProperty("Color");
  EXPECT_EQ(colour->getOrdinal(*collection->Item(0)), data->Colours[skin::ciButtonFace]);
}

}  // namespace
}  // namespace gallerytest
