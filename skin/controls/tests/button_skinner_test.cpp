// The button, check box and radio button skinners: the frame each state shows, where glyph and
// caption go, the long check and radio strips, the clicks a skinned button sends compared with the
// system's button, bad input, and that nothing leaks over many attach and detach cycles.
#include "skin/controls/button_skinner.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/buttons.h"
#include "framework/form.h"
#include "framework/handles.h"
#include "framework/rtti.h"
#include "framework/stdctrls.h"
#include "skin/controls/button_face_cache.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/check_skinner.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

// One solid colour per frame of the "Buttons" image, and of the check and radio strips.
constexpr COLORREF kButtonFrames[5] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0),
                                       RGB(0, 200, 200)};
constexpr COLORREF kFace = RGB(0x99, 0x66, 0x33);
constexpr COLORREF kGlyph = RGB(0, 128, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

COLORREF StripColour(int frame) { return RGB(10 * frame, 255 - 10 * frame, 100); }

std::unique_ptr<fw::TBitmap> SolidStrip(int frames, int width, int height, COLORREF (*colour)(int)) {
  auto bitmap = std::make_unique<fw::TBitmap>(frames * width, height);
  for (int f = 0; f < frames; ++f)
    for (int x = 0; x < width; ++x)
      for (int y = 0; y < height; ++y) bitmap->SetPixel(f * width + x, y, colour(f + 1));
  return bitmap;
}

COLORREF ButtonFrameColour(int frame) { return kButtonFrames[frame - 1]; }

class ListHost : public skin::ISkinnerHost {
 public:
  bool AddSkinner(skin::TSkinControl* skinner) override {
    list.push_back(skinner);
    return false;
  }
  void RemoveSkinner(skin::TSkinControl* skinner) override { std::erase(list, skinner); }
  std::vector<skin::TSkinControl*> list;
};

class ButtonSkinnerTest : public testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<fw::TApplication>();
    app->Initialize();
    form = new fw::TForm(app.get());
    form->SetBounds(40, 40, 400, 300);
    form->Show();
    testutil::PumpMessages(5);
    skinData = std::make_unique<skin::TSkinData>(nullptr);
    skinData->Colours[skin::ciButtonFace] = static_cast<fw::TColor>(kFace);
    skinData->Colours[skin::ciButtonText] = 0;
    skinData->Buttons->Bitmap = SolidStrip(5, 10, 10, ButtonFrameColour);
    skinData->Buttons->CheckBitmap = SolidStrip(4, 13, 13, StripColour);
    skinData->Buttons->CheckFrames = 4;
    skinData->Buttons->RadioBitmap = SolidStrip(4, 13, 13, StripColour);
    skinData->Buttons->RadioFrames = 4;
    skinData->SetOptions(0);
  }
  void TearDown() override { app.reset(); }

  template <typename Skinner, typename Control>
  Skinner* Attach(Control* control) {
    auto* skinner = new Skinner(control);
    skinner->InitControl(&host, skinData.get(), &canvas, false);
    return skinner;
  }

  // The skinner's drawing of the whole window into a fresh bitmap.
  static fw::TBitmap Render(skin::TSkinControl& skinner, int width, int height) {
    fw::TBitmap target(width, height);
    skinner.DrawControl(target.DC(), RECT{0, 0, width, height});
    return target;
  }

  fw::TButton* NewButton(const std::string& caption) {
    auto* button = new fw::TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    button->SetCaption(caption);
    return button;
  }

  std::unique_ptr<fw::TApplication> app;
  fw::TForm* form = nullptr;
  std::unique_ptr<skin::TSkinData> skinData;
  fw::TCanvas canvas;
  ListHost host;
};

// ---- State frames ----------------------------------------------------------------------------

struct FrameCase {
  const char* name;
  bool hot, down, focused, isDefault, disabled;
  int frame;
};

TEST_F(ButtonSkinnerTest, EachStateShowsItsFrame) {
  const FrameCase cases[] = {
      {"normal", false, false, false, false, false, skin::kButtonFrameNormal},
      {"hot", true, false, false, false, false, skin::kButtonFrameHot},
      {"pressed", true, true, false, false, false, skin::kButtonFramePressed},
      {"focused", false, false, true, false, false, skin::kButtonFrameFocused},
      {"default", false, false, false, true, false, skin::kButtonFrameFocused},
      {"pressed while focused", false, true, true, false, false, skin::kButtonFramePressed},
      {"hot over the default button", true, false, false, true, false, skin::kButtonFrameHot},
      {"disabled under the mouse", true, true, false, false, true, skin::kButtonFrameDisabled},
  };
  for (const FrameCase& c : cases) {
    SCOPED_TRACE(c.name);
    fw::TButton* button = NewButton("");
    button->SetDefault(c.isDefault);
    button->SetEnabled(!c.disabled);
    auto* skinner = Attach<skin::TSkinButton>(button);
    if (c.focused) {
      SetForegroundWindow(form->Handle());
      SetFocus(button->Handle());
      if (GetFocus() != button->Handle()) GTEST_SKIP() << "no keyboard focus on this display";
    } else {
      SetFocus(form->Handle());
    }
    skinner->FState = static_cast<skin::TSkinControlState>((c.hot ? skin::scHot : 0) | (c.down ? skin::scDown : 0));
    fw::TBitmap shown = Render(*skinner, 75, 25);
    EXPECT_EQ(shown.Pixel(5, 5), ButtonFrameColour(c.frame));
    EXPECT_EQ(shown.Pixel(70, 20), ButtonFrameColour(c.frame));
    delete button;
  }
}

TEST_F(ButtonSkinnerTest, WithoutTheButtonImageTheButtonKeepsItsOwnLook) {
  skinData->Buttons->Bitmap = std::make_unique<fw::TBitmap>();
  fw::TButton* button = NewButton("Own look");
  auto* skinner = Attach<skin::TSkinButton>(button);
  fw::TBitmap target(75, 25);
  target.SetPixel(5, 5, RGB(1, 2, 3));
  skinner->DrawControl(target.DC(), RECT{0, 0, 75, 25});
  EXPECT_EQ(target.Pixel(5, 5), RGB(1, 2, 3)) << "nothing drawn";
  // The click stays the system button's: exactly one.
  int clicks = 0;
  button->OnClick = {"", fw::TNotifyEvent([&](fw::TObject*) { ++clicks; })};
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  testutil::PumpMessages(20);
  EXPECT_EQ(clicks, 1);
}

// ---- Glyph and caption layout ---------------------------------------------------------------

struct LayoutCase {
  int layout;
  int margin, spacing;
  POINT glyph;
  RECT text;
};

TEST(ButtonLayoutTest, GlyphAndCaptionGoWhereTheLayoutSays) {
  // A 75 x 25 button, a 16 x 16 glyph, a 30 x 13 caption.
  const LayoutCase cases[] = {
      {0, -1, 4, {12, 5}, {32, 6, 62, 19}},    // centred pair: (75 - 50) / 2
      {0, -1, -1, {9, 5}, {34, 6, 64, 19}},    // spread evenly: (75 - 46) / 3
      {0, 3, -1, {3, 5}, {32, 6, 62, 19}},     // spacing fills: (75 - 19 - 30) / 2
      {1, 3, 4, {56, 5}, {22, 6, 52, 19}},     // glyph right
      {2, -1, 2, {30, -3}, {23, 15, 53, 28}},  // glyph top: (25 - 31) / 2
      {3, 0, 0, {30, 9}, {23, -4, 53, 9}},     // glyph bottom
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.layout);
    skin::ButtonLayoutInput in;
    in.client = {75, 25};
    in.glyph = {16, 16};
    in.text = {30, 13};
    in.layout = c.layout;
    in.margin = c.margin;
    in.spacing = c.spacing;
    const skin::ButtonLayout out = skin::LayOutGlyphButton(in);
    EXPECT_EQ(out.glyph.x, c.glyph.x);
    EXPECT_EQ(out.glyph.y, c.glyph.y);
    EXPECT_EQ(out.text.left, c.text.left);
    EXPECT_EQ(out.text.top, c.text.top);
    EXPECT_EQ(out.text.right, c.text.right);
    EXPECT_EQ(out.text.bottom, c.text.bottom);
  }
}

TEST(ButtonLayoutTest, WithoutGlyphTheCaptionIsCentred) {
  skin::ButtonLayoutInput in;
  in.client = {75, 25};
  in.text = {30, 13};
  // Spacing is forced to 0, so the margin centres the caption alone.
  EXPECT_EQ(skin::LayOutGlyphButton(in).text.left, (75 - 30) / 2);
  in.spacing = 4;
  EXPECT_EQ(skin::LayOutGlyphButton(in).text.left, (75 - 30) / 2);
  EXPECT_EQ(skin::LayoutFromName("blGlyphBottom"), 3);
  EXPECT_EQ(skin::LayoutFromName("nonsense"), 0);
}

// A 2-frame glyph strip: each frame green on a magenta ground (bottom-left magenta).
std::vector<uint8_t> GlyphFile(int width, int height, COLORREF ink) {
  fw::TBitmap glyph(width, height);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) glyph.SetPixel(x, y, (y == height - 1 || x == 0) ? kMagenta : ink);
  return glyph.Data();
}

TEST_F(ButtonSkinnerTest, BitButtonDrawsItsGlyphByLayoutAndKeysOutItsBackground) {
  struct Case {
    fw::TButtonLayout layout;
    POINT inside;  // a glyph pixel
  };
  // 75 x 25, glyph 8 x 8, no caption: margin -1 and spacing 0 centre the glyph alone.
  for (const Case& c : {Case{fw::TButtonLayout::blGlyphLeft, {34, 10}}, Case{fw::TButtonLayout::blGlyphTop, {35, 9}}}) {
    auto* button = new fw::TBitBtn(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    button->Glyph()->SetData(GlyphFile(16, 8, kGlyph));
    button->SetNumGlyphs(2);
    button->SetLayout(c.layout);
    auto* skinner = Attach<skin::TSkinBitButton>(button);
    SetFocus(form->Handle());
    fw::TBitmap shown = Render(*skinner, 75, 25);
    EXPECT_EQ(shown.Pixel(c.inside.x, c.inside.y), kGlyph);
    EXPECT_EQ(shown.Pixel(33, 16), ButtonFrameColour(1)) << "the glyph's key colour shows the frame";
    delete button;
  }
}

TEST_F(ButtonSkinnerTest, OneFrameGlyphOfADisabledButtonIsEmbossed) {
  auto* button = new fw::TBitBtn(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 75, 25);
  button->Glyph()->SetData(GlyphFile(8, 8, kGlyph));
  button->SetEnabled(false);
  auto* skinner = Attach<skin::TSkinBitButton>(button);
  fw::TBitmap shown = Render(*skinner, 75, 25);
  // Glyph at (34, 9) (centred 8 x 8); its ink (x 1..7, y 0..6) in shadow, the highlight one pixel
  // further right and down shows only where the shadow does not cover it.
  EXPECT_EQ(shown.Pixel(36, 11), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(shown.Pixel(34 + 3, 9 + 7), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(shown.Pixel(30, 5), ButtonFrameColour(skin::kButtonFrameDisabled));
}

TEST_F(ButtonSkinnerTest, BadGlyphsAndHugeCaptionsDrawWithoutFault) {
  std::wstring huge(6000, L'W');
  huge.insert(100, L"||");
  struct Case {
    int width, height, numGlyphs;
    std::string caption;
  };
  const Case cases[] = {{0, 0, 1, "Empty glyph"},  {7, 5, 4, "Odd glyph"}, {3, 9, 4, "More frames than pixels"},
                        {16, 8, 0, "NumGlyphs 0"}, {16, 8, 2, ""},         {16, 8, 1, std::string(6000, 'x')}};
  for (const Case& c : cases) {
    auto* button = new fw::TBitBtn(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    if (c.width) button->Glyph()->SetData(GlyphFile(c.width, c.height, kGlyph));
    button->SetNumGlyphs(c.numGlyphs);
    button->SetCaption(c.caption);
    auto* skinner = Attach<skin::TSkinBitButton>(button);
    fw::TBitmap shown = Render(*skinner, 75, 25);
    EXPECT_EQ(shown.Pixel(1, 1), ButtonFrameColour(1));
    delete button;
  }
}

// Every pixel of two bitmaps of one size equal.
bool SamePixels(const fw::TBitmap& a, const fw::TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

TEST(ButtonFaceCacheTest, KeptFramesAndGlyphsDrawWhatTheRoutinesDraw) {
  // A frame strip with magenta corners and a two-frame glyph with a magenta ground.
  fw::TBitmap strip(5 * 12, 12);
  for (int x = 0; x < strip.Width(); ++x)
    for (int y = 0; y < 12; ++y)
      strip.SetPixel(x, y, (x % 12 < 2 && y < 2) ? kMagenta : RGB(20 * (x / 12), 3 * y, 7 * (x % 12)));
  fw::TBitmap glyph(16, 8);
  for (int x = 0; x < 16; ++x)
    for (int y = 0; y < 8; ++y) glyph.SetPixel(x, y, (x + y) % 3 ? RGB(0, 10 * x, 20 * y) : kMagenta);
  fw::TBitmap oneFrame(8, 8);
  for (int x = 0; x < 8; ++x)
    for (int y = 0; y < 8; ++y) oneFrame.SetPixel(x, y, (x == 0 || y == 7) ? kMagenta : RGB(0, 128, 0));
  skin::ButtonFaceCache cache;
  for (int trans : {0, 1}) {
    const skin::SkinElementImage element{&strip, skin::FrameMargins{3, 3, 3, 3}, 0, trans};
    for (int frame = 1; frame <= 5; ++frame) {
      SCOPED_TRACE(testing::Message() << "trans " << trans << " frame " << frame);
      fw::TBitmap expected(75, 25), kept(75, 25), expectedOnFace(75, 25), keptOnFace(75, 25);
      for (fw::TBitmap* ground : {&expected, &kept})
        for (int x = 0; x < 75; ++x) ground->SetPixel(x, x % 25, RGB(x, 1, 2));
      skin::DrawSkinElement(expected.DC(), RECT{0, 0, 75, 25}, 5, frame, element);
      for (int twice = 0; twice < 2; ++twice) cache.DrawFrame(kept.DC(), element, 5, frame, SIZE{75, 25});
      EXPECT_TRUE(SamePixels(expected, kept));
      const RECT all{0, 0, 75, 25};
      fw::UniqueBrush face(CreateSolidBrush(kFace));
      FillRect(expectedOnFace.DC(), &all, face.get());
      skin::DrawSkinElement(expectedOnFace.DC(), all, 5, frame, element);
      cache.DrawFrameOnFace(keptOnFace.DC(), element, 5, frame, SIZE{75, 25}, kFace);
      EXPECT_TRUE(SamePixels(expectedOnFace, keptOnFace));
    }
  }
  struct GlyphCase {
    const fw::TBitmap* glyph;
    int count, index;
  };
  for (const GlyphCase& c : {GlyphCase{&glyph, 2, 1}, GlyphCase{&glyph, 2, 2}, GlyphCase{&glyph, 2, 3},
                             GlyphCase{&oneFrame, 1, 1}, GlyphCase{&oneFrame, 1, 2}}) {
    SCOPED_TRACE(testing::Message() << "glyph of " << c.count << ", frame " << c.index);
    fw::TBitmap expected(20, 12), kept(20, 12);
    for (fw::TBitmap* ground : {&expected, &kept})
      for (int x = 0; x < 20; ++x) ground->SetPixel(x, x % 12, RGB(x, 1, 2));
    skin::DrawGlyph(expected.DC(), POINT{3, 2}, c.count, c.index, *c.glyph);
    for (int twice = 0; twice < 2; ++twice) cache.DrawGlyph(kept.DC(), POINT{3, 2}, c.count, c.index, *c.glyph);
    EXPECT_TRUE(SamePixels(expected, kept));
  }
}

TEST_F(ButtonSkinnerTest, KeptPicturesFollowChangesOfTheSkinTheGlyphAndTheFace) {
  auto* button = new fw::TBitBtn(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 75, 25);
  button->Glyph()->SetData(GlyphFile(16, 8, kGlyph));
  button->SetNumGlyphs(2);
  auto* skinner = Attach<skin::TSkinBitButton>(button);
  SetFocus(form->Handle());
  ASSERT_EQ(Render(*skinner, 75, 25).Pixel(34, 10), kGlyph);
  // The glyph and the skin's image changed in place, the size and the face colour changed: each
  // shows at the next paint.
  for (int x = 0; x < 16; ++x)
    for (int y = 0; y < 7; ++y) button->Glyph()->SetPixel(x, y, RGB(1, 2, 250));
  EXPECT_EQ(Render(*skinner, 75, 25).Pixel(34, 10), RGB(1, 2, 250)) << "glyph changed in place";
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) skinData->Buttons->Bitmap->SetPixel(x, y, RGB(9, 9, 9));
  EXPECT_EQ(Render(*skinner, 75, 25).Pixel(5, 5), RGB(9, 9, 9)) << "skin image changed in place";
  EXPECT_EQ(Render(*skinner, 90, 30).Pixel(85, 27), RGB(9, 9, 9)) << "another size";
  skinData->Buttons->Bitmap->SetPixel(0, 0, kMagenta);
  skinData->Buttons->Trans = 1;
  EXPECT_EQ(Render(*skinner, 75, 25).Pixel(0, 0), kFace) << "keyed corner over the face";
  skinData->Colours[skin::ciButtonFace] = static_cast<fw::TColor>(RGB(7, 77, 177));
  EXPECT_EQ(Render(*skinner, 75, 25).Pixel(0, 0), RGB(7, 77, 177)) << "another face colour";
  skinData->Buttons->Bitmap = SolidStrip(5, 10, 10, ButtonFrameColour);
  EXPECT_EQ(Render(*skinner, 75, 25).Pixel(5, 5), ButtonFrameColour(1)) << "another skin image";
}

TEST(ButtonCaptionTest, OnlyTheFirstDoubleBarBreaksTheLine) {
  EXPECT_EQ(skin::ReplaceFirst(L"One||Two||Three", L"||", L"\r\n"), L"One\r\nTwo||Three");
  EXPECT_EQ(skin::ReplaceFirst(L"Plain", L"||", L"\r\n"), L"Plain");
}

// ---- Clicks ------------------------------------------------------------------------------------

// A plain parent window that counts the BN_CLICKED notifications it receives.
struct ClickCounter {
  static inline std::vector<WPARAM> commands;
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) commands.push_back(wParam);
    return DefWindowProcA(window, msg, wParam, lParam);
  }
  ClickCounter() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = Proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "ButtonSkinnerClickParent";
    RegisterClassA(&cls);
    parent = CreateWindowExA(0, cls.lpszClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 40, 200, 100, nullptr,
                             nullptr, cls.hInstance, nullptr);
    commands.clear();
  }
  ~ClickCounter() { DestroyWindow(parent); }
  HWND Button(int id) const {
    return CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 75, 25, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  }
  HWND parent;
};

// Presses at (5, 5) and releases at `release`, as the mouse does, then lets posted messages run.
void PressAndRelease(HWND button, POINT release, bool leaveBetween) {
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  if (leaveBetween) SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
  testutil::PumpMessages(20);
}

TEST_F(ButtonSkinnerTest, SkinnedDialogButtonNotifiesAsTheSystemButtonDoes) {
  struct Case {
    const char* name;
    POINT release;
    bool leave;
  };
  const Case cases[] = {
      {"click", {6, 6}, false}, {"released outside", {-20, 40}, false}, {"dragged off", {-20, 40}, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClickCounter native;
    PressAndRelease(native.Button(41), c.release, c.leave);
    ReleaseCapture();
    const std::vector<WPARAM> expected = ClickCounter::commands;

    ClickCounter skinned;
    const HWND button = skinned.Button(41);
    auto* skinner = new skin::TSkinButton(nullptr);
    skinner->InitHandle(button, skinData.get(), &canvas, &host);
    PressAndRelease(button, c.release, c.leave);
    EXPECT_EQ(ClickCounter::commands, expected);
    delete skinner;
  }
  EXPECT_EQ(ClickCounter::commands.size(), 0u) << "the last case clicks nothing";
}

TEST_F(ButtonSkinnerTest, FrameworkButtonClicksOncePerClickByMouseKeyboardAndCode) {
  fw::TButton* button = NewButton("&Go");
  int clicks = 0;
  button->OnClick = {"", fw::TNotifyEvent([&](fw::TObject*) { ++clicks; })};
  Attach<skin::TSkinButton>(button);
  PressAndRelease(button->Handle(), {6, 6}, false);
  EXPECT_EQ(clicks, 1) << "mouse";
  PressAndRelease(button->Handle(), {-5, 6}, false);
  EXPECT_EQ(clicks, 1) << "released outside";
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  testutil::PumpMessages(20);
  EXPECT_EQ(clicks, 2) << "BM_CLICK, as the dialog manager's Alt+letter sends";
  SetForegroundWindow(form->Handle());
  SetFocus(button->Handle());
  SendMessageA(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(button->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
  testutil::PumpMessages(20);
  if (GetFocus() == button->Handle()) {
    EXPECT_EQ(clicks, 3) << "space";
  }
}

// ---- Check boxes and radio buttons -----------------------------------------------------------

TEST(CheckFrameTest, LongStripsTranslateTheState) {
  struct Case {
    int state, frames;
    bool indeterminate, disabled;
    int frame;
  };
  const Case checks[] = {{1, 4, false, false, 1}, {2, 4, false, false, 2},  {4, 4, true, false, 4},
                         {4, 4, true, true, 4},   {1, 12, false, false, 1}, {2, 12, false, false, 5},
                         {3, 12, false, true, 4}, {4, 12, false, true, 8},  {4, 12, true, false, 9},
                         {4, 12, true, true, 12}};
  for (const Case& c : checks)
    EXPECT_EQ(skin::CheckImageFrame(c.state, c.frames, c.indeterminate, c.disabled), c.frame)
        << c.state << " of " << c.frames;
  EXPECT_EQ(skin::RadioImageFrame(2, 8), 5);
  EXPECT_EQ(skin::RadioImageFrame(3, 8), 4);
  EXPECT_EQ(skin::RadioImageFrame(4, 8), 8);
  EXPECT_EQ(skin::RadioImageFrame(4, 4), 4);
}

TEST_F(ButtonSkinnerTest, CheckBoxShowsTheFrameOfItsState) {
  struct Case {
    const char* name;
    fw::TCheckBoxState state;
    bool enabled;
    int frame;
  };
  const Case cases[] = {{"unchecked", fw::TCheckBoxState::cbUnchecked, true, 1},
                        {"checked", fw::TCheckBoxState::cbChecked, true, 2},
                        {"disabled", fw::TCheckBoxState::cbUnchecked, false, 3},
                        {"checked disabled", fw::TCheckBoxState::cbChecked, false, 4},
                        {"grayed", fw::TCheckBoxState::cbGrayed, true, 4},
                        {"grayed disabled", fw::TCheckBoxState::cbGrayed, false, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* box = new fw::TCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 97, 17);
    box->SetAllowGrayed(true);
    box->SetState(c.state);
    box->SetEnabled(c.enabled);
    auto* skinner = Attach<skin::TSkinCheckBox>(box);
    EXPECT_EQ(skinner->FKind, 1);
    fw::TBitmap shown = Render(*skinner, 97, 17);
    EXPECT_EQ(shown.Pixel(6, 8), StripColour(c.frame)) << "glyph at the left, centred";
    EXPECT_EQ(shown.Pixel(90, 1), kFace) << "face behind the caption";
    delete box;
  }
}

TEST_F(ButtonSkinnerTest, TwelveFrameStripAndLeftTextRightToLeft) {
  skinData->Buttons->CheckBitmap = SolidStrip(12, 13, 13, StripColour);
  skinData->Buttons->CheckFrames = 12;
  auto* box = new fw::TCheckBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 97, 17);
  box->SetAlignment(fw::TAlignment::taLeftJustify);
  box->SetBiDiMode(fw::TBiDiMode::bdRightToLeft);
  box->SetAllowGrayed(true);
  box->SetState(fw::TCheckBoxState::cbGrayed);
  box->SetCaption("ab");
  auto* skinner = Attach<skin::TSkinCheckBox>(box);
  fw::TBitmap shown = Render(*skinner, 97, 17);
  EXPECT_EQ(shown.Pixel(97 - 7, 8), StripColour(9)) << "grayed: frame 9 of 12, at the right";
  EXPECT_EQ(shown.Pixel(3, 8), kFace);
  // The caption ends right before the glyph: some ink in the last 20 pixels before it.
  bool ink = false;
  for (int x = 97 - 13 - 2 - 20; x < 97 - 13 - 2; ++x)
    for (int y = 0; y < 17; ++y) ink = ink || shown.Pixel(x, y) != kFace;
  EXPECT_TRUE(ink) << "right-aligned caption";
  delete box;
}

TEST_F(ButtonSkinnerTest, RadioButtonFollowsCheckedAndWithoutImagesKeepsItsOwnLook) {
  auto* radio = new fw::TRadioButton(form);
  radio->SetParent(form);
  radio->SetBounds(10, 40, 113, 17);
  radio->SetChecked(true);
  auto* skinner = Attach<skin::TSkinRadioButton>(radio);
  EXPECT_EQ(Render(*skinner, 113, 17).Pixel(6, 8), StripColour(2));
  radio->SetEnabled(false);
  EXPECT_EQ(Render(*skinner, 113, 17).Pixel(6, 8), StripColour(4));

  skinData->Buttons->RadioBitmap = std::make_unique<fw::TBitmap>();
  fw::TBitmap target(113, 17);
  target.SetPixel(6, 8, RGB(1, 2, 3));
  skinner->DrawControl(target.DC(), RECT{0, 0, 113, 17});
  EXPECT_EQ(target.Pixel(6, 8), RGB(1, 2, 3));
  EXPECT_EQ(skinner->FKind, 0) << "the control paints itself from now on";
}

// Check boxes of a data-aware kind: the framework has none, so these publish the property names
// that such classes of other libraries have.
class TDataFieldCheckBox : public fw::TCustomCheckBox {
  FW_DECLARE_CLASS()

 public:
  using TCustomCheckBox::TCustomCheckBox;
  [[nodiscard]] std::string DataField() const { return dataField_; }
  void SetDataField(const std::string& value) { dataField_ = value; }

 private:
  std::string dataField_;
};

const fw::ClassInfo& TDataFieldCheckBox::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TDataFieldCheckBox>("TDataFieldCheckBox", &fw::TCustomCheckBox::StaticClass())
          .String("DataField", &TDataFieldCheckBox::DataField, &TDataFieldCheckBox::SetDataField)
          .Build();
  return info;
}

class TDataBindingCheckBox : public fw::TCustomCheckBox {
  FW_DECLARE_CLASS()

 public:
  using TCustomCheckBox::TCustomCheckBox;
  [[nodiscard]] std::string DataBinding() const { return binding_; }
  void SetDataBinding(const std::string& value) { binding_ = value; }

 private:
  std::string binding_;
};

const fw::ClassInfo& TDataBindingCheckBox::StaticClass() {
  static const fw::ClassInfo info =
      fw::ClassBuilder<TDataBindingCheckBox>("TDataBindingCheckBox", &fw::TCustomCheckBox::StaticClass())
          .String("DataBinding", &TDataBindingCheckBox::DataBinding, &TDataBindingCheckBox::SetDataBinding)
          .Build();
  return info;
}

TEST_F(ButtonSkinnerTest, DataAwareCheckBoxesFollowTheirOwnRules) {
  auto frameOf = [&](fw::TCustomCheckBox* box) {
    auto* skinner = Attach<skin::TSkinCheckBox>(box);
    return Render(*skinner, 97, 17).Pixel(6, 8);
  };
  auto place = [&](fw::TCustomCheckBox* box) {
    box->SetParent(form);
    box->SetBounds(10, 10, 97, 17);
    return box;
  };
  // BM_SETCHECK with the indeterminate value: a two-state box shows the check state the window
  // took, a data-aware one the remembered value, indeterminate.
  auto* plain = place(new fw::TCheckBox(form));
  auto* dataField = place(new TDataFieldCheckBox(form));
  const COLORREF plainShown = frameOf(plain);
  const COLORREF dataShown = frameOf(dataField);
  EXPECT_EQ(plainShown, StripColour(1));
  EXPECT_EQ(dataShown, StripColour(1)) << "nothing remembered yet: the window's state";
  for (fw::TCustomCheckBox* box :
       {static_cast<fw::TCustomCheckBox*>(plain), static_cast<fw::TCustomCheckBox*>(dataField)})
    SendMessageA(box->Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
  skin::TSkinCheckBox* dataSkinner = nullptr;
  for (int i = 0; i < dataField->ComponentCount(); ++i)
    if (auto* s = dynamic_cast<skin::TSkinCheckBox*>(dataField->Component(i))) dataSkinner = s;
  ASSERT_NE(dataSkinner, nullptr);
  EXPECT_EQ(Render(*dataSkinner, 97, 17).Pixel(6, 8), StripColour(4));
  if (plain->State() == fw::TCheckBoxState::cbChecked) {
    skin::TSkinCheckBox* plainSkinner = nullptr;
    for (int i = 0; i < plain->ComponentCount(); ++i)
      if (auto* s = dynamic_cast<skin::TSkinCheckBox*>(plain->Component(i))) plainSkinner = s;
    ASSERT_NE(plainSkinner, nullptr);
    EXPECT_EQ(Render(*plainSkinner, 97, 17).Pixel(6, 8), StripColour(2)) << "the window took checked";
  }
  SendMessageA(dataField->Handle(), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(Render(*dataSkinner, 97, 17).Pixel(6, 8), StripColour(2));

  // A box with DataBinding always shows unchecked, plus the disabled offset.
  struct BindingCase {
    fw::TCheckBoxState state;
    bool enabled;
    int frame;
  };
  for (const BindingCase& c :
       {BindingCase{fw::TCheckBoxState::cbChecked, true, 1}, BindingCase{fw::TCheckBoxState::cbUnchecked, true, 1},
        BindingCase{fw::TCheckBoxState::cbChecked, false, 3}}) {
    auto* bound = place(new TDataBindingCheckBox(form));
    bound->SetState(c.state);
    bound->SetEnabled(c.enabled);
    EXPECT_EQ(frameOf(bound), StripColour(c.frame)) << static_cast<int>(c.state) << " enabled " << c.enabled;
    delete bound;
  }
  delete plain;
  delete dataField;
}

TEST_F(ButtonSkinnerTest, CheckBoxRemembersBmSetCheck) {
  auto* box = new fw::TCheckBox(form);
  box->SetParent(form);
  auto* skinner = Attach<skin::TSkinCheckBox>(box);
  EXPECT_EQ(skinner->FCheckValue, 0);
  SendMessageA(box->Handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(skinner->FCheckValue, 3);
}

// ---- A control freed by its own click ----------------------------------------------------------

enum class SelfFreeingKind { Button, BitBtn, CheckBox, RadioButton, SpeedButton };

struct SelfFreeingCase {
  const char* name;
  SelfFreeingKind kind;
  bool skinned;
  bool byClickMessage;  // BM_CLICK (the dialog manager's way) instead of the mouse
};

class SelfFreeingClickTest : public ButtonSkinnerTest {
 protected:
  // The control of the case, skinned when asked, whose click handler deletes it.
  fw::TControl* NewSelfFreeing(const SelfFreeingCase& c) {
    fw::TControl* control = nullptr;
    switch (c.kind) {
      case SelfFreeingKind::Button:
        control = new fw::TButton(form);
        break;
      case SelfFreeingKind::BitBtn: {
        auto* button = new fw::TBitBtn(form);
        button->Glyph()->SetData(GlyphFile(16, 8, kGlyph));
        button->SetNumGlyphs(2);
        control = button;
        break;
      }
      case SelfFreeingKind::CheckBox:
        control = new fw::TCheckBox(form);
        break;
      case SelfFreeingKind::RadioButton:
        control = new fw::TRadioButton(form);
        break;
      case SelfFreeingKind::SpeedButton:
        control = new fw::TSpeedButton(form);
        break;
    }
    control->SetParent(form);
    control->SetBounds(10, 10, 75, 25);
    control->SetCaption("Free me");
    // Whatever the handler touches after the delete must not be the control's.
    control->OnClick = {"", fw::TNotifyEvent([this](fw::TObject* sender) {
                          ++clicks;
                          delete static_cast<fw::TControl*>(sender);
                          ++handlerFinished;
                        })};
    if (c.skinned) {
      switch (c.kind) {
        case SelfFreeingKind::Button:
          Attach<skin::TSkinButton>(static_cast<fw::TButton*>(control));
          break;
        case SelfFreeingKind::BitBtn:
          Attach<skin::TSkinBitButton>(static_cast<fw::TBitBtn*>(control));
          break;
        case SelfFreeingKind::CheckBox:
          Attach<skin::TSkinCheckBox>(static_cast<fw::TCheckBox*>(control));
          break;
        case SelfFreeingKind::RadioButton:
          Attach<skin::TSkinRadioButton>(static_cast<fw::TRadioButton*>(control));
          break;
        case SelfFreeingKind::SpeedButton:
          (new skin::TSkinSpeedButton(control))->InitSpeedButton(&host, skinData.get(), &canvas);
          break;
      }
    }
    testutil::PumpMessages(5);
    return control;
  }

  // Clicks the control as the case says; the control is gone afterwards.
  void ClickAway(const SelfFreeingCase& c, fw::TControl* control) {
    if (c.kind == SelfFreeingKind::SpeedButton) {
      // A windowless button gets the mouse through its parent's window.
      const HWND parent = form->Handle();
      SendMessageA(parent, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
      SendMessageA(parent, WM_LBUTTONUP, 0, MAKELPARAM(15, 15));
    } else {
      const HWND window = static_cast<fw::TWinControl*>(control)->Handle();
      if (c.byClickMessage) {
        SendMessageA(window, BM_CLICK, 0, 0);
      } else {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
      }
      EXPECT_FALSE(IsWindow(window)) << "the window went with the control";
    }
    ReleaseCapture();
    testutil::PumpMessages(10);
  }

  int clicks = 0;
  int handlerFinished = 0;
};

TEST_F(SelfFreeingClickTest, ControlFreedByItsOwnClickLeavesNothingBehind) {
  const SelfFreeingCase cases[] = {
      {"button", SelfFreeingKind::Button, false, false},
      {"button by BM_CLICK", SelfFreeingKind::Button, false, true},
      {"skinned button", SelfFreeingKind::Button, true, false},
      {"skinned button by BM_CLICK", SelfFreeingKind::Button, true, true},
      {"bit button", SelfFreeingKind::BitBtn, false, false},
      {"skinned bit button", SelfFreeingKind::BitBtn, true, false},
      {"skinned bit button by BM_CLICK", SelfFreeingKind::BitBtn, true, true},
      {"check box", SelfFreeingKind::CheckBox, false, false},
      {"skinned check box", SelfFreeingKind::CheckBox, true, false},
      {"skinned check box by BM_CLICK", SelfFreeingKind::CheckBox, true, true},
      {"skinned radio button", SelfFreeingKind::RadioButton, true, false},
      {"speed button", SelfFreeingKind::SpeedButton, false, false},
      {"skinned speed button", SelfFreeingKind::SpeedButton, true, false},
  };
  auto round = [&] {
    for (const SelfFreeingCase& c : cases) {
      SCOPED_TRACE(c.name);
      clicks = handlerFinished = 0;
      const int before = form->ControlCount();
      ClickAway(c, NewSelfFreeing(c));
      EXPECT_EQ(clicks, 1);
      EXPECT_EQ(handlerFinished, 1);
      EXPECT_EQ(form->ControlCount(), before) << "the control left its parent";
      EXPECT_TRUE(host.list.empty()) << "the skinner left its form skinner's list";
    }
  };
  round();  // the first round makes what the system keeps (fonts, caches)
  const auto gdi = test_support::CountGdiObjects();
  const auto user = test_support::CountUserObjects();
  for (int i = 0; i < 5; ++i) round();
  if (!gdi || !user) GTEST_SKIP() << "no object counts here";
  EXPECT_EQ(test_support::CountGdiObjects(), gdi);
  EXPECT_EQ(test_support::CountUserObjects(), user);
}

// ---- Resources ---------------------------------------------------------------------------------

TEST_F(ButtonSkinnerTest, ManyAttachPaintAndFreeCyclesLeaveNoObjects) {
  auto cycle = [&] {
    auto* button = new fw::TBitBtn(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 75, 25);
    button->SetCaption("Cycle");
    button->Glyph()->SetData(GlyphFile(8, 8, kGlyph));
    auto* box = new fw::TCheckBox(form);
    box->SetParent(form);
    box->SetCaption("Cycle");
    Attach<skin::TSkinBitButton>(button)->PaintControl(nullptr);
    Attach<skin::TSkinCheckBox>(box)->PaintControl(nullptr);
    testutil::PumpMessages(1);
    delete button;
    delete box;
  };
  cycle();
  const auto gdi = test_support::CountGdiObjects();
  const auto user = test_support::CountUserObjects();
  for (int i = 0; i < 60; ++i) cycle();
  if (!gdi || !user) GTEST_SKIP() << "no object counts here";
  EXPECT_EQ(test_support::CountGdiObjects(), gdi);
  EXPECT_EQ(test_support::CountUserObjects(), user);
}

}  // namespace
