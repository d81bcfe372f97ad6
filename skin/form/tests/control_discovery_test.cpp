// Control discovery on real forms and dialogs: which skinner kind each control gets, the opt-outs
// (Tag, Skin3rd "nil", gates), what the program's OnSkinControl decides, a second activation, and
// controls that go away or cannot make their window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/form.h"
#include "framework/handles.h"
#include "framework/stdctrls.h"
#include "framework/toolbar.h"
#include "skin/controls/skinner_kinds.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/form/tests/frame_test_fixture.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace frametest {
namespace {

using skin::TWinSkinForm;

// A control of another library: the engine knows it only through the Skin3rd list.
class TRzButton : public fw::TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TRzButton(fw::TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 75, 25); }

 protected:
  void CreateParams(fw::TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.superclassOf = "BUTTON";
    params.style |= BS_PUSHBUTTON;
  }
};

const fw::ClassInfo& TRzButton::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TRzButton>("TRzButton", &fw::TWinControl::StaticClass()).Build();
  return info;
}

// A button of another library whose Kind makes it a drop-down button.
const fw::EnumType kCxButtonKindType{"TcxButtonKind", {"cxbkStandard", "cxbkDropDown", "cxbkDropDownButton"}};

class TcxButton : public fw::TButton {
  FW_DECLARE_CLASS()

 public:
  using TButton::TButton;
  [[nodiscard]] int Kind() const { return kind_; }
  void SetKind(int value) { kind_ = value; }

 private:
  int kind_ = 0;
};

const fw::ClassInfo& TcxButton::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TcxButton>("TcxButton", &fw::TButton::StaticClass())
                                        .Enumeration("Kind", kCxButtonKindType, &TcxButton::Kind, &TcxButton::SetKind)
                                        .Build();
  return info;
}

// A radio group of another library: its buttons follow its Tag.
class TRzRadioGroup : public fw::TWinControl {
  FW_DECLARE_CLASS()

 public:
  using TWinControl::TWinControl;
};

const fw::ClassInfo& TRzRadioGroup::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TRzRadioGroup>("TRzRadioGroup", &fw::TWinControl::StaticClass()).Build();
  return info;
}

// A control that cannot make its window while `refuse` is set.
class TRefusingControl : public fw::TWinControl {
  FW_DECLARE_CLASS()

 public:
  using TWinControl::TWinControl;
  static inline bool refuse = false;

 protected:
  void CreateWnd() override {
    if (refuse) throw std::runtime_error("no window for this control");
    TWinControl::CreateWnd();
  }
};

const fw::ClassInfo& TRefusingControl::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TRefusingControl>("TRefusingControl", &fw::TWinControl::StaticClass()).Build();
  return info;
}

class DiscoveryTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    skinData = UseSkin(DefaultSkin());
    form = new fw::TForm(app.get());
    form->SetBounds(60, 60, 360, 260);
  }
  void TearDown() override {
    TRefusingControl::refuse = false;
    FrameTest::TearDown();
  }

  template <typename T>
  T* Add(fw::TWinControl* parent, int left, int top) {
    auto* control = new T(form);
    control->SetParent(parent);
    control->SetBounds(left, top, 80, 24);
    return control;
  }

  // Shows the form and waits until its skinner has applied the skin.
  TWinSkinForm* ShowSkinned() {
    form->Show();
    return ActivateSkinned(form->Handle());
  }

  // The class name of the skinner a control got, empty when none.
  static std::string KindOf(const TWinSkinForm* skinner, const fw::TControl* control) {
    for (const skin::TSkinControl* s : skinner->FSkinners)
      if (s->Control() == control) return s->ClassName();
    return "";
  }
  static std::string KindOf(const TWinSkinForm* skinner, HWND window) {
    for (const skin::TSkinControl* s : skinner->FSkinners)
      if (s->Handle() == window) return s->ClassName();
    return "";
  }

  skin::TSkinData* skinData = nullptr;
  fw::TForm* form = nullptr;
};

TEST_F(DiscoveryTest, TagOptsAControlOutAndAGroupTakesItsButtonsAlong) {
  auto* kept = Add<fw::TBitBtn>(form, 10, 10);
  auto* optedOut = Add<fw::TBitBtn>(form, 10, 40);
  optedOut->SetTag(skinData->DisableTag());
  auto* group = Add<TRzRadioGroup>(form, 120, 10);
  group->SetBounds(120, 10, 160, 120);
  group->SetTag(skinData->DisableTag());
  auto* inGroup = Add<fw::TBitBtn>(group, 10, 10);
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(KindOf(skinner, kept), "TSkinBitButton");
  EXPECT_EQ(KindOf(skinner, optedOut), "");
  EXPECT_EQ(KindOf(skinner, inGroup), "");
  EXPECT_EQ(inGroup->Tag(), skinData->DisableTag()) << "the group's buttons were opted out with it";
}

TEST_F(DiscoveryTest, ButtonKindDecidesOnlyForTheDropDownLookAlike) {
  skinData->SetSkin3rd({"TcxButton=bitbtn"});
  auto* dropDown = Add<TcxButton>(form, 10, 10);
  dropDown->SetKind(2);
  auto* standard = Add<TcxButton>(form, 10, 40);
  auto* okButton = Add<fw::TBitBtn>(form, 10, 70);
  okButton->SetKind(fw::TBitBtnKind::bkOK);
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(KindOf(skinner, dropDown), "TSkinMenuButton");
  EXPECT_EQ(KindOf(skinner, standard), "TSkinBitButton");
  EXPECT_EQ(KindOf(skinner, okButton), "TSkinBitButton") << "a bit button's own Kind chooses nothing";
}

TEST_F(DiscoveryTest, Skin3rdLinesMatchWithoutCaseAndStopTheChainWhateverTheirKind) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    uint32_t switchedOff;  // SkinControls flags cleared
    const char* rzButton;  // kind the foreign button gets
    const char* bitBtn;    // kind the framework bit button gets
  } cases[] = {
      {"capitals", {"TRZBUTTON=BUTTON"}, 0, "TSkinButton", "TSkinBitButton"},
      {"lower case", {"trzbutton=button"}, 0, "TSkinButton", "TSkinBitButton"},
      {"first line wins", {"TRzButton=nil", "TRzButton=button"}, 0, "", "TSkinBitButton"},
      {"nil beats a built-in rule", {"TBitBtn=nil"}, 0, "", ""},
      {"unknown kind stops", {"TBitBtn=whatever"}, 0, "", ""},
      {"gated-off kind stops", {"TBitBtn=button"}, 1u << skin::xcButton, "", ""},
      {"bit buttons need their own flag", {}, 1u << skin::xcBitBtn, "", ""},
      {"no equals sign", {"TRzButton button", "TBitBtn"}, 0, "", "TSkinBitButton"},
      {"empty class", {"=button"}, 0, "", "TSkinBitButton"},
      {"kind cut at 50 characters", {"TRzButton=button" + std::string(60, ' ')}, 0, "", "TSkinBitButton"},
      {"longer than a buffer", {std::string(5000, 'x') + "=button"}, 0, "", "TSkinBitButton"},
  };
  for (const Case& tested : cases) {
    SCOPED_TRACE(tested.name);
    skinData->SetSkin3rd(tested.lines);
    skinData->SetSkinControls(skin::kDefaultSkinControls & ~tested.switchedOff);
    form = new fw::TForm(app.get());
    form->SetBounds(60, 60, 300, 200);
    auto* rz = Add<TRzButton>(form, 10, 10);
    auto* bit = Add<fw::TBitBtn>(form, 10, 40);
    TWinSkinForm* skinner = ShowSkinned();
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(KindOf(skinner, rz), tested.rzButton);
    EXPECT_EQ(KindOf(skinner, bit), tested.bitBtn);
    fw::Free(form);
    testutil::PumpMessages(5);
  }
  form = nullptr;
}

TEST_F(DiscoveryTest, ProgramChoosesThroughOnSkinControl) {
  auto* chosen = Add<fw::TBitBtn>(form, 10, 10);
  auto* refused = Add<fw::TBitBtn>(form, 10, 40);
  auto* shared = Add<fw::TBitBtn>(form, 10, 70);
  auto* other = Add<fw::TBitBtn>(form, 10, 100);
  skin::TSkinControl* sharedSkinner = nullptr;
  std::vector<std::string> asked;
  using Signature =
      void(fw::TComponent*, skin::TSkinData*, fw::TControl*, fw::TControl*, const std::string&, fw::TComponent*&);
  skinData->OnSkinControl.handler =
      std::function<Signature>([&](fw::TComponent* sender, skin::TSkinData* data, fw::TControl* parent,
                                   fw::TControl* control, const std::string& className, fw::TComponent*& skinned) {
        EXPECT_NE(dynamic_cast<TWinSkinForm*>(sender), nullptr) << "the form skinner asks";
        EXPECT_EQ(data, skinData);
        EXPECT_EQ(parent, form);
        asked.push_back(className);
        if (control == chosen) skinned = new skin::TSkinProgress(control);
        if (control == refused) skinned = other;  // not a skinner: ignored
        if (control == shared || control == other) {
          if (!sharedSkinner) sharedSkinner = new skin::TSkinButton(shared);
          skinned = sharedSkinner;  // handed out twice: attached once
        }
      });
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(asked.front(), "TBITBTN") << "the class name comes in capitals";
  EXPECT_EQ(KindOf(skinner, chosen), "TSkinProgress");
  EXPECT_EQ(KindOf(skinner, refused), "") << "the control stays as it is";
  EXPECT_EQ(KindOf(skinner, shared), "TSkinButton");
  EXPECT_EQ(KindOf(skinner, other), "");
  EXPECT_EQ(std::count(skinner->FSkinners.begin(), skinner->FSkinners.end(), sharedSkinner), 1);
  EXPECT_EQ(SendMessageA(other->Handle(), skin::SKM_ISSKINNED, 0, 0), 0);
}

TEST_F(DiscoveryTest, SecondActivationReachesOnlyNewControls) {
  auto* first = Add<fw::TBitBtn>(form, 10, 10);
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  const skin::TSkinControl* firstSkinner = skinner->FSkinners.at(0);
  RECT before{};
  GetWindowRect(form->Handle(), &before);

  auto* later = Add<fw::TBitBtn>(form, 10, 40);
  SendMessageA(form->Handle(), skin::SKM_ACTIVATE, 0, skin::kActivateLParam);
  EXPECT_EQ(KindOf(skinner, later), "TSkinBitButton");
  EXPECT_EQ(KindOf(skinner, first), "TSkinBitButton");
  EXPECT_EQ(skinner->FSkinners.at(0), firstSkinner) << "the first control keeps its skinner";
  EXPECT_EQ(skinner->FSkinners.size(), 2u);
  RECT after{};
  GetWindowRect(form->Handle(), &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "the size adjustment does not repeat";
}

TEST_F(DiscoveryTest, DestroyedControlIsPurgedAndAControlWithoutAWindowIsSkipped) {
  auto* going = Add<fw::TBitBtn>(form, 10, 10);
  auto* refusing = Add<TRefusingControl>(form, 10, 40);
  auto* remaking = Add<fw::TBitBtn>(form, 10, 70);
  form->Show();
  refusing->DestroyHandle();
  TRefusingControl::refuse = true;  // before the skinner's activation arrives
  TWinSkinForm* skinner = ActivateSkinned(form->Handle());
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(KindOf(skinner, refusing), "");
  ASSERT_EQ(KindOf(skinner, going), "TSkinBitButton");
  TRefusingControl::refuse = false;

  skin::TSkinControl* goingSkinner = nullptr;
  for (skin::TSkinControl* s : skinner->FSkinners)
    if (s->Control() == going) goingSkinner = s;
  going->DestroyHandle();
  EXPECT_EQ(goingSkinner->FLifeState, skin::kSkinnerDestroyed);
  remaking->DestroyHandle();
  remaking->HandleNeeded();  // a new window, as a style change makes
  SendMessageA(form->Handle(), skin::SKM_ACTIVATE, 0, skin::kActivateLParam);
  testutil::PumpMessages(5);
  EXPECT_EQ(KindOf(skinner, remaking), "TSkinBitButton") << "the new window is skinned again";
  EXPECT_EQ(std::count_if(skinner->FSkinners.begin(), skinner->FSkinners.end(),
                          [](skin::TSkinControl* s) { return s->FLifeState == skin::kSkinnerDestroyed; }),
            0)
      << "skinners of gone windows were purged";
  EXPECT_EQ(SendMessageA(remaking->Handle(), skin::SKM_ISSKINNED, 0, 0), 1);
}

TEST_F(DiscoveryTest, ToolBarGoesFlatAndTakesTheSkinsPaintingWhereTheProgramHasNone) {
  auto* painted = Add<fw::TToolBar>(form, 0, 0);
  painted->SetAlign(fw::TAlign::alNone);
  painted->SetBounds(0, 0, 200, 30);
  auto* button = new fw::TToolButton(form);
  button->SetParent(painted);
  button->SetCaption("Button");
  auto* own = Add<fw::TToolBar>(form, 0, 40);
  own->SetAlign(fw::TAlign::alNone);
  own->SetBounds(0, 40, 200, 30);
  int ownCalls = 0;
  own->OnCustomDraw.handler = fw::TTBCustomDrawEvent([&ownCalls](fw::TToolBar*, const RECT&, bool&) { ++ownCalls; });
  TWinSkinForm* skinner = ShowSkinned();
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(KindOf(skinner, painted), "TSkinBox");
  EXPECT_TRUE(painted->Flat());
  EXPECT_TRUE(painted->OnCustomDraw.Assigned());
  EXPECT_TRUE(painted->OnCustomDrawButton.Assigned());
  RedrawWindow(own->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_GT(ownCalls, 0) << "the program's own handler stays";

  // With xoToolbarBK (a default option) the bar shows the form's face through; without it, the
  // skin's tool-bar image, whose first pixel lands on the bar's first.
  fw::WindowDC dc(painted->Handle());
  RedrawWindow(painted->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(GetPixel(dc.get(), 0, 0), fw::ColorToRGB(form->Color()));
  skinData->SetOptions(skinData->Options() & ~(1u << skin::xoToolbarBK));
  RedrawWindow(painted->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const fw::TBitmap& image = *skinData->Toolbar->Bitmap;
  EXPECT_EQ(GetPixel(dc.get(), 0, 0), image.Pixel(0, 0));

  // Without its form skinner the handlers leave the bar to itself.
  fw::TToolBar* kept = painted;
  skinData->SetActive(false);
  testutil::PumpUntil([&] { return SkinnerOf(form->Handle()) == nullptr; });
  RedrawWindow(kept->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(IsWindow(kept->Handle()));
}

// ---- Dialogs of the system ----------------------------------------------------------------------

// An in-memory dialog template with one control per entry.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short width, short height) {
    DLGTEMPLATE header{};
    header.style = style | DS_SETFONT;
    header.cx = width;
    header.cy = height;
    Append(&header, sizeof header);
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(L"Discovery");
    Word(8);
    Text(L"MS Shell Dlg");
  }
  void Add(const wchar_t* className, DWORD style, short x, short y, short cx, short cy, WORD id) {
    Align(4);
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    Append(&item, sizeof item);
    Text(className);
    Text(L"item");
    Word(0);
    ++reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit;
  }
  [[nodiscard]] const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void Append(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void Word(WORD w) { Append(&w, sizeof w); }
  void Text(const wchar_t* text) { Append(text, (wcslen(text) + 1) * sizeof(wchar_t)); }
  void Align(size_t to) {
    while (bytes_.size() % to) bytes_.push_back(0);
  }
  std::vector<uint8_t> bytes_;
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

TEST_F(DiscoveryTest, SystemDialogControlsAreSkinnedByClassAndStyle) {
  struct Case {
    const wchar_t* className;
    DWORD style;
    const char* kind;
  } cases[] = {
      {L"BUTTON", BS_PUSHBUTTON, "TSkinButton"},
      {L"BUTTON", BS_DEFPUSHBUTTON, "TSkinButton"},
      {L"BUTTON", BS_AUTOCHECKBOX, "TSkinCheckBox"},
      {L"BUTTON", BS_CHECKBOX, "TSkinCheckBox"},
      {L"BUTTON", BS_AUTO3STATE, "TSkinCheckBox"},
      {L"BUTTON", BS_AUTORADIOBUTTON, "TSkinRadioButton"},
      {L"BUTTON", BS_RADIOBUTTON, "TSkinRadioButton"},
      {L"BUTTON", BS_GROUPBOX, ""},
      {L"BUTTON", BS_OWNERDRAW, ""},
      {L"BUTTON", BS_PUSHBUTTON | BS_BITMAP, ""},
      {L"COMBOBOX", CBS_DROPDOWN, "TSkinComBox"},
      {L"COMBOBOX", CBS_DROPDOWNLIST, "TSkinComBox"},
      {L"COMBOBOX", CBS_SIMPLE, ""},
      {L"EDIT", WS_BORDER, "TSkinEdit"},
      {L"SysTabControl32", 0, "TSkinTab"},
      {L"SysTabControl32", TCS_OWNERDRAWFIXED, ""},
      {L"SysTreeView32", 0, ""},
      {L"ToolbarWindow32", CCS_NORESIZE | CCS_NOPARENTALIGN, "TSkinBoxH"},
      {L"SCROLLBAR", SBS_SIZEGRIP, "TSkinSizer"},
      {L"SCROLLBAR", SBS_SIZEBOX, "TSkinSizer"},
      {L"SCROLLBAR", SBS_HORZ, ""},
      {L"STATIC", 0, ""},
  };
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 300, 260);
  short y = 4;
  WORD id = 100;
  for (const Case& tested : cases) {
    dialog.Add(tested.className, tested.style, 4 + (id % 2) * 140, y, 130, 12, id);
    if (id % 2) y = static_cast<short>(y + 14);
    ++id;
  }
  const HWND window = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), nullptr, PlainDialogProc, 0);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOW);
  TWinSkinForm* skinner = ActivateSkinned(window);
  ASSERT_NE(skinner, nullptr);
  id = 100;
  for (const Case& tested : cases) {
    const HWND control = GetDlgItem(window, id++);
    ASSERT_NE(control, nullptr);
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    EXPECT_EQ(KindOf(skinner, control), tested.kind) << className << " style " << std::hex << tested.style;
  }
  DestroyWindow(window);
}

TEST_F(DiscoveryTest, ManyFormsWithSkinnedControlsLeaveNoObjectsBehind) {
  fw::Free(form);
  form = nullptr;
  ExpectObjectsBackAfter(21, [&] {
    form = new fw::TForm(app.get());
    form->SetBounds(60, 60, 300, 200);
    for (int i = 0; i < 5; ++i) Add<fw::TBitBtn>(form, 10, 10 + 30 * i);
    auto* panel = Add<fw::TPanel>(form, 120, 10);
    Add<fw::TBitBtn>(panel, 5, 5);
    ASSERT_NE(ShowSkinned(), nullptr);
    fw::Free(form);
    form = nullptr;
  });
}

}  // namespace
}  // namespace frametest
