// The control skinner base: both doors (a framework control's window method, a bare window's
// procedure), the switch and query messages, the paint protocol, the destroyed state, and the
// property-by-name routines the skinners read controls with.
#include "skin/controls/skin_control.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/stdctrls.h"
#include "skin/controls/prop_by_name.h"
#include "skin/controls/tests/list_host.h"
#include "skin/core/skin_messages.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

constexpr fw::TColor kYellow = 0x0000FFFF, kRed = 0x000000FF, kAqua = 0x00FFFF00;

using testutil::ListHost;

// Records what the base hands to its subclasses; may throw while drawing.
class ProbeSkinner : public skin::TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(fw::TMessage& message) override {
    if (message.Msg == WM_APP) seen.push_back(message.Msg);
    return TSkinControl::BeforeMessage(message);
  }
  void DrawControl(HDC dc, const RECT& rect) override {
    ++draws;
    lastRect = rect;
    lastDc = dc;
    if (throwWhileDrawing) throw std::runtime_error("drawing failed");
  }
  std::vector<UINT> seen;
  int draws = 0;
  RECT lastRect{};
  HDC lastDc = nullptr;
  bool throwWhileDrawing = false;
};

class SkinControlTest : public testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<fw::TApplication>();
    app->Initialize();
    form = new fw::TForm(app.get());
    form->SetBounds(40, 40, 300, 200);
    form->SetColor(fw::clWhite);
    panel = new fw::TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 120, 60);
    panel->SetColor(kYellow);
    form->Show();
    testutil::PumpMessages(5);
    skinData = std::make_unique<skin::TSkinData>(nullptr);
    skinData->Colours[skin::ciButtonFace] = 0x00336699;
  }
  void TearDown() override { app.reset(); }

  // A window of no framework control: a native static inside the form.
  HWND BareWindow() {
    return CreateWindowExA(0, "STATIC", "bare", WS_CHILD | WS_VISIBLE, 150, 10, 80, 30, form->Handle(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }

  std::unique_ptr<fw::TApplication> app;
  fw::TForm* form = nullptr;
  fw::TPanel* panel = nullptr;
  std::unique_ptr<skin::TSkinData> skinData;
  fw::TCanvas canvas;
  ListHost host;
};

TEST_F(SkinControlTest, BothDoorsAnswerTheQueryAndRegisterOnce) {
  auto* onControl = new ProbeSkinner(panel);
  onControl->InitControl(&host, skinData.get(), &canvas, false);
  const HWND bare = BareWindow();
  auto* onWindow = new ProbeSkinner(nullptr);
  onWindow->InitHandle(bare, skinData.get(), &canvas, &host);

  EXPECT_EQ(SendMessageA(panel->Handle(), skin::SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(panel->Perform(skin::SKM_ISSKINNED), 1);
  EXPECT_EQ(SendMessageA(bare, skin::SKM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(onControl->FHandle, panel->Handle());
  EXPECT_EQ(onControl->FLifeState, skin::kSkinnerAttached);
  EXPECT_EQ(onWindow->FCaption, L"bare");
  EXPECT_TRUE(onWindow->FEnabled);
  EXPECT_EQ(host.list, (std::vector<skin::TSkinControl*>{onControl, onWindow}));

  delete onWindow;
  delete onControl;
  EXPECT_TRUE(host.list.empty()) << "a skinner leaves the list when it goes";
  EXPECT_EQ(SendMessageA(panel->Handle(), skin::SKM_ISSKINNED, 0, 0), 0);
  EXPECT_EQ(SendMessageA(bare, skin::SKM_ISSKINNED, 0, 0), 0);
  DestroyWindow(bare);
}

TEST_F(SkinControlTest, BareWindowGetsItsOwnProcedureBackOnlyWhileOursIsInstalled) {
  const HWND bare = BareWindow();
  const LONG_PTR original = GetWindowLongPtrA(bare, GWLP_WNDPROC);
  {
    ProbeSkinner skinner(nullptr);
    skinner.InitHandle(bare, skinData.get(), &canvas, &host);
    EXPECT_NE(GetWindowLongPtrA(bare, GWLP_WNDPROC), original);
  }
  EXPECT_EQ(GetWindowLongPtrA(bare, GWLP_WNDPROC), original);
  DestroyWindow(bare);
}

TEST_F(SkinControlTest, SwitchMessageTurnsTheSkinnerOffAndOnAgain) {
  auto* skinner = new ProbeSkinner(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, false);
  SendMessageA(panel->Handle(), skin::SKM_SETSKINACTIVE, 0, 0);
  EXPECT_FALSE(skinner->FActive);
  SendMessageA(panel->Handle(), WM_APP, 0, 0);
  EXPECT_TRUE(skinner->seen.empty()) << "an inactive skinner is transparent";
  EXPECT_EQ(SendMessageA(panel->Handle(), skin::SKM_ISSKINNED, 0, 0), 0) << "the query goes to the control";

  const int draws = skinner->draws;
  SendMessageA(panel->Handle(), skin::SKM_SETSKINACTIVE, 1, 0);
  EXPECT_TRUE(skinner->FActive);
  EXPECT_GT(skinner->draws, draws) << "switching on redraws the window skinned";
  SendMessageA(panel->Handle(), WM_APP, 0, 0);
  EXPECT_EQ(skinner->seen.size(), 1u);
  SendMessageA(panel->Handle(), skin::SKM_SETSKINACTIVE, static_cast<WPARAM>(-1), 0);
  EXPECT_FALSE(skinner->FActive) << "wParam is signed: a negative one switches off";
}

TEST_F(SkinControlTest, SecondInitControlChangesNothing) {
  auto* skinner = new ProbeSkinner(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, true);
  EXPECT_EQ(panel->Color(), 0x00336699) << "the control takes the skin's face";
  EXPECT_EQ(skinner->FOldColor, kYellow);
  panel->SetColor(kRed);
  skinner->InitControl(&host, skinData.get(), &canvas, true);
  EXPECT_EQ(panel->Color(), kRed);
  EXPECT_EQ(skinner->FOldColor, kYellow);
  EXPECT_EQ(host.list.size(), 1u);

  skinner->Unskin();
  EXPECT_EQ(panel->Color(), kYellow) << "unskinning gives the colour back";
  EXPECT_FALSE(skinner->FActive);
}

TEST_F(SkinControlTest, SkinChangeTakesTheNewFaceOnlyWhenTheColourWasSet) {
  auto* setting = new ProbeSkinner(panel);
  setting->InitControl(&host, skinData.get(), &canvas, true);
  skinData->Colours[skin::ciButtonFace] = 0x00112233;
  setting->SkinChanged();
  EXPECT_EQ(panel->Color(), 0x00112233);

  auto* other = new fw::TPanel(form);
  other->SetParent(form);
  other->SetColor(kAqua);
  auto* keeping = new ProbeSkinner(other);
  keeping->InitControl(&host, skinData.get(), &canvas, false);
  keeping->SkinChanged();
  EXPECT_EQ(other->Color(), kAqua);
}

TEST_F(SkinControlTest, PaintGoesToDrawControlWithTheWholeWindowAndSurvivesAThrow) {
  auto* skinner = new ProbeSkinner(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, false);
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  UpdateWindow(panel->Handle());
  ASSERT_GT(skinner->draws, 0);
  EXPECT_EQ(skinner->lastRect.right, 120);
  EXPECT_EQ(skinner->lastRect.bottom, 60);
  RECT window{};
  GetWindowRect(panel->Handle(), &window);
  EXPECT_EQ(skinner->FWindowRect.left, window.left);

  HDC memory = CreateCompatibleDC(nullptr);
  skinner->PaintControl(memory);
  EXPECT_EQ(skinner->lastDc, memory) << "a given DC is drawn on";
  DeleteDC(memory);

  skinner->throwWhileDrawing = true;
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  UpdateWindow(panel->Handle());
  testutil::PumpMessages(5);
  EXPECT_EQ(SendMessageA(panel->Handle(), skin::SKM_ISSKINNED, 0, 0), 1) << "the control keeps working";
}

TEST_F(SkinControlTest, DestroyedWindowMarksTheSkinnerAndKeepsTheColourOfTheGoneControl) {
  const HWND bare = BareWindow();
  auto* onWindow = new ProbeSkinner(nullptr);
  onWindow->InitHandle(bare, skinData.get(), &canvas, &host);
  DestroyWindow(bare);
  EXPECT_EQ(onWindow->FLifeState, skin::kSkinnerDestroyed);
  EXPECT_FALSE(onWindow->FActive) << "an active skinner unskins when its window goes";
  delete onWindow;

  const HWND quiet = BareWindow();
  auto* inactive = new ProbeSkinner(nullptr);
  inactive->InitHandle(quiet, skinData.get(), &canvas, &host);
  SendMessageA(quiet, skin::SKM_SETSKINACTIVE, 0, 0);
  DestroyWindow(quiet);
  EXPECT_EQ(inactive->FLifeState, skin::kSkinnerDestroyed) << "so that its form skinner purges it";
  delete inactive;

  auto* skinner = new ProbeSkinner(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, true);
  panel->DestroyHandle();
  EXPECT_EQ(skinner->FLifeState, skin::kSkinnerDestroyed);
  EXPECT_EQ(panel->Color(), 0x00336699) << "no colour goes back to a destroyed window";
  panel->HandleNeeded();
  EXPECT_TRUE(IsWindow(panel->Handle())) << "the control makes a new window and stays usable";
}

TEST_F(SkinControlTest, ForwardMouseDownTakesTheCursorBeyondSixteenBits) {
  struct Down {
    fw::TMouseButton button;
    int x, y;
  };
  std::vector<Down> downs;
  panel->OnMouseDown.handler =
      fw::TMouseEvent([&downs](fw::TObject*, fw::TMouseButton button, fw::TShiftState, int x, int y) {
        downs.push_back({button, x, y});
      });
  auto* skinner = new ProbeSkinner(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, false);

  skinner->ForwardMouseDown(fw::TMessage{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7), 0});
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].x, -5) << "coordinates are signed";
  EXPECT_EQ(downs[0].y, 7);

  // Windows are never that wide; a windowless control may be.
  auto* label = new fw::TLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 0x8001, 20);
  label->OnMouseDown = panel->OnMouseDown;
  auto* wide = new ProbeSkinner(label);
  wide->InitControl(&host, skinData.get(), &canvas, false);
  SetCursorPos(100, 80);
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT origin = label->ClientToScreen({0, 0});
  cursor = {cursor.x - origin.x, cursor.y - origin.y};
  wide->ForwardMouseDown(fw::TMessage{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1), 0});
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[1].button, fw::TMouseButton::mbLeft);
  EXPECT_EQ(downs[1].x, cursor.x);
  EXPECT_EQ(downs[1].y, cursor.y);
}

TEST_F(SkinControlTest, MouseMakesTheControlHotUntilItLeaves) {
  auto* skinner = new ProbeSkinner(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, false);
  skinner->FState = skin::scDown;
  int draws = skinner->draws;
  EXPECT_TRUE(skinner->TrackHotState(fw::TMessage{WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0}));
  EXPECT_EQ(skinner->FState, skin::scHot | skin::scDown);
  EXPECT_GT(skinner->draws, draws) << "turning hot redraws";
  draws = skinner->draws;
  skinner->TrackHotState(fw::TMessage{WM_MOUSEMOVE, 0, MAKELPARAM(6, 5), 0});
  EXPECT_EQ(skinner->draws, draws) << "staying hot does not";
  EXPECT_TRUE(skinner->TrackHotState(fw::TMessage{WM_MOUSELEAVE, 0, 0, 0}));
  EXPECT_EQ(skinner->FState, 0);
  EXPECT_FALSE(skinner->TrackHotState(fw::TMessage{WM_LBUTTONDOWN, 0, 0, 0}));

  EnableWindow(panel->Handle(), FALSE);
  skinner->TrackHotState(fw::TMessage{WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0});
  EXPECT_EQ(skinner->FState, 0) << "a disabled control is never hot";
}

TEST_F(SkinControlTest, FocusRectangleSurroundsTheCaptionAsAligned) {
  auto* skinner = new ProbeSkinner(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, false);
  skinner->FCaption = L"Focus";
  fw::TBitmap image(100, 40, fw::pf32bit);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, image.Handle());
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE text{};
  GetTextExtentPoint32W(dc, L"Focus", 5, &text);

  struct Case {
    UINT flags;
    int left, top;  // where the caption starts in (0, 0, 100, 40)
  } cases[] = {{DT_LEFT, 0, 0}, {DT_CENTER, (100 - text.cx) / 2, (40 - text.cy) / 2 - 1}, {DT_RIGHT, 100 - text.cx, 0}};
  for (const Case& tested : cases) {
    RECT all{0, 0, 100, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    skinner->DrawTextFocus(dc, tested.flags | DT_SINGLELINE, all);
    RECT found{100, 40, -1, -1};
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 100; ++x)
        if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
          found = {std::min<LONG>(found.left, x), std::min<LONG>(found.top, y), std::max<LONG>(found.right, x + 1),
                   std::max<LONG>(found.bottom, y + 1)};
        }
    EXPECT_EQ(found.left, std::max(0, tested.left - 2)) << tested.flags;
    EXPECT_EQ(found.top, std::max(0, tested.top - 1)) << tested.flags;
    EXPECT_EQ(found.right, std::min<LONG>(100, tested.left + text.cx + 2)) << tested.flags;
    EXPECT_EQ(found.bottom, std::min<LONG>(40, tested.top + text.cy + 1)) << tested.flags;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
}

TEST_F(SkinControlTest, PropertiesByNameFallBackOnWhatIsMissing) {
  panel->SetCaption("Over");
  panel->SetBevelOuter(fw::TBevelCut::bvLowered);
  EXPECT_EQ(skin::GetOrdPropByName(panel, "Color"), kYellow);
  EXPECT_EQ(skin::GetOrdPropByName(panel, "BevelOuter"), -1) << "an enumeration is not an integer";
  EXPECT_EQ(skin::GetOrdPropByName(panel, "Missing"), -1);
  EXPECT_EQ(skin::GetOrdPropByName(nullptr, "Color"), -1);
  EXPECT_EQ(skin::GetEnumPropByName(panel, "BevelOuter"), "bvLowered");
  EXPECT_EQ(skin::GetEnumPropByName(panel, "Visible"), "True");
  EXPECT_EQ(skin::GetEnumPropByName(panel, "Missing"), "");
  EXPECT_EQ(skin::GetStrPropByName(panel, "Caption"), L"Over");
  EXPECT_EQ(skin::GetStrPropByName(panel, "Color"), L"") << "an integer is not a string";
  EXPECT_NE(skin::GetObjectPropByName(panel, "Font", fw::TFont::StaticClass()), nullptr);
  EXPECT_EQ(skin::GetObjectPropByName(panel, "Font", fw::TControl::StaticClass()), nullptr);

  skin::SetPropByName(panel, "Color", "255");
  EXPECT_EQ(panel->Color(), 255);
  skin::SetPropByName(panel, "Color", "12abc");
  EXPECT_EQ(panel->Color(), 255) << "text that is not a number is ignored";
  skin::SetPropByName(panel, "BevelOuter", "bvRaised");
  EXPECT_EQ(panel->BevelOuter(), fw::TBevelCut::bvRaised);
  skin::SetPropByName(panel, "BevelOuter", "bvNothing");
  EXPECT_EQ(panel->BevelOuter(), fw::TBevelCut::bvRaised);
  skin::SetPropByName(panel, "Caption", "plain");
  EXPECT_EQ(panel->Caption(), "plain");
  skin::SetPropByName(panel, "Font", "x");
  skin::SetPropByName(panel, "Missing", "1");
  skin::SetPropByName(nullptr, "Color", "1");
}

TEST_F(SkinControlTest, ManySkinnedControlsLeaveNoObjectsBehind) {
  std::optional<unsigned> gdi, user;
  for (int i = 0; i < 51; ++i) {
    if (i == 1) {  // after one round has made what is made once
      testutil::PumpMessages(5);
      gdi = test_support::CountGdiObjects();
      user = test_support::CountUserObjects();
    }
    auto* control = new fw::TPanel(form);
    control->SetParent(form);
    auto* skinner = new ProbeSkinner(control);
    skinner->InitControl(&host, skinData.get(), &canvas, true);
    const HWND bare = BareWindow();
    auto* windowSkinner = new ProbeSkinner(nullptr);
    windowSkinner->InitHandle(bare, skinData.get(), &canvas, &host);
    UpdateWindow(form->Handle());
    DestroyWindow(bare);
    delete windowSkinner;
    fw::Free(control);
  }
  testutil::PumpMessages(5);
  EXPECT_TRUE(host.list.empty());
  // The system's DC cache may grow by a few objects (it does without skinners too); an object left
  // by each skinner would show fifty.
  if (gdi && user) {
    EXPECT_LE(*test_support::CountGdiObjects(), *gdi + 5);
    EXPECT_LE(*test_support::CountUserObjects(), *user + 5);
  }
}

}  // namespace
