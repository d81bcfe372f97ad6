// The panel, group box, header and status bar skinners: exact pixels of controls drawn into
// bitmaps from a skin whose every frame is one plain colour, the hot section under the mouse, the
// colour swap of panels, bad input and the GDI objects they leave behind.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/stdctrls.h"
#include "skin/controls/box_skinner.h"
#include "skin/controls/group_box_skinner.h"
#include "skin/controls/header_skinner.h"
#include "skin/controls/status_bar_skinner.h"
#include "skin/controls/tests/list_host.h"
#include "skin/core/skin_messages.h"
#include "tests/support/resource_count.h"
#include "tests/support/win_test_util.h"

namespace {

constexpr COLORREF kFace = 0x00336699, kShadow = 0x00102030, kBackdrop = 0x00ABCDEF;
constexpr COLORREF kHeaderFrames[] = {0x00110000, 0x00002200, 0x00000033, 0x00440044, 0x00550055};
constexpr COLORREF kEdgeFrames[] = {0x00600000, 0x00006000, 0x00000060};  // lowered, raised, none
constexpr COLORREF kButtonText = 0x00E0D0C0;
constexpr COLORREF kGrip = 0x0000C000, kStatusText = 0x00FFFFFF, kHeaderText = 0x000000FF;

using testutil::ListHost;

// A strip of `colours.size()` frames side by side, each `width` × `height` of one colour.
std::unique_ptr<fw::TBitmap> Frames(const std::vector<COLORREF>& colours, int width, int height) {
  auto bitmap = std::make_unique<fw::TBitmap>(width * static_cast<int>(colours.size()), height);
  for (size_t i = 0; i < colours.size(); ++i)
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) bitmap->SetPixel(static_cast<int>(i) * width + x, y, colours[i]);
  return bitmap;
}

std::unique_ptr<skin::TDataSkinObject> Element(const char* name, const std::vector<COLORREF>& colours, int size) {
  auto element = std::make_unique<skin::TDataSkinObject>(name);
  element->Bitmap = Frames(colours, size, size);
  element->Frame = static_cast<int>(colours.size());
  return element;
}

// A bitmap of the window's size filled with kBackdrop.
fw::TBitmap Backdrop(int width, int height) {
  fw::TBitmap image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, kBackdrop);
  return image;
}

// The columns in [left, right) of row band [top, bottom) holding a pixel other than `background`.
std::pair<int, int> InkColumns(const fw::TBitmap& image, int left, int right, int top, int bottom,
                               COLORREF background) {
  int first = -1, last = -1;
  for (int x = left; x < right; ++x)
    for (int y = top; y < bottom; ++y)
      if (image.Pixel(x, y) != background) {
        if (first < 0) first = x;
        last = x;
      }
  return {first, last};
}

class BoxSkinnersTest : public testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<fw::TApplication>();
    app->Initialize();
    form = new fw::TForm(app.get());
    form->SetBounds(40, 40, 420, 300);
    form->Show();
    testutil::PumpMessages(5);
    skinData = std::make_unique<skin::TSkinData>(nullptr);
    skinData->Colours[skin::ciButtonFace] = kFace;
    skinData->Colours[skin::ciButtonShadow] = kShadow;
    skinData->Colours[skin::ciWindowText] = kHeaderText;
    skinData->Colours[skin::ciButtonText] = kButtonText;
    skinData->ColourSet[skin::ciWindowText] = true;
    skinData->FaceBrush.reset(CreateSolidBrush(kFace));
    skinData->Headerbar = Element("Headerbar", {std::begin(kHeaderFrames), std::end(kHeaderFrames)}, 12);
    skinData->StatusBarEdges = Element("StatusBarEdges", {std::begin(kEdgeFrames), std::end(kEdgeFrames)}, 6);
    skinData->StatusBarEdges->NormalColour2 = kStatusText;
    skinData->ExtraImages = Element("ExtraImages", {0, 0, 0, 0, kGrip}, 4);
  }
  void TearDown() override { app.reset(); }

  HWND Child(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int width, int height) {
    HWND window = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, width, height,
                                  form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return window;
  }

  HWND Header(std::initializer_list<std::pair<std::wstring, int>> sections, int width = 200) {
    HWND header = Child(WC_HEADERW, L"", 0, 0, width, 20);
    int i = 0;
    for (const auto& [text, format] : sections) {
      std::wstring copy = text;
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
      item.pszText = copy.data();
      item.cxy = i == 0 ? 60 : 80;
      item.fmt = HDF_STRING | format;
      SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i++), reinterpret_cast<LPARAM>(&item));
    }
    return header;
  }

  static fw::TBitmap Draw(skin::TSkinControl& skinner) {
    RECT window{};
    GetWindowRect(skinner.FHandle, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    fw::TBitmap image = Backdrop(width, height);
    skinner.DrawControl(image.DC(), RECT{0, 0, width, height});
    return image;
  }

  std::unique_ptr<fw::TApplication> app;
  fw::TForm* form = nullptr;
  std::unique_ptr<skin::TSkinData> skinData;
  fw::TCanvas canvas;
  ListHost host;
};

// ---- Panels --------------------------------------------------------------------------------

TEST_F(BoxSkinnersTest, PanelTakesTheFaceColourFollowsTheSkinAndGetsItsOwnBack) {
  auto* panel = new fw::TPanel(form);
  panel->SetParent(form);
  panel->SetColor(0x0000FFFF);
  const LONG_PTR procedure = GetWindowLongPtrW(panel->Handle(), GWLP_WNDPROC);
  auto* skinner = new skin::TSkinBox(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, true);
  EXPECT_EQ(panel->Color(), static_cast<fw::TColor>(kFace));
  EXPECT_EQ(host.list, std::vector<skin::TSkinControl*>{skinner});
  EXPECT_EQ(GetWindowLongPtrW(panel->Handle(), GWLP_WNDPROC), procedure) << "a panel is never subclassed";
  EXPECT_EQ(SendMessageW(panel->Handle(), skin::SKM_ISSKINNED, 0, 0), 0);

  skinData->Colours[skin::ciButtonFace] = 0x00445566;
  skinner->SkinChanged();
  EXPECT_EQ(panel->Color(), 0x00445566);
  skinner->Unskin();
  EXPECT_EQ(panel->Color(), 0x0000FFFF);
}

TEST_F(BoxSkinnersTest, PanelAttachedWithoutSetColorKeepsItsColour) {
  auto* panel = new fw::TPanel(form);
  panel->SetParent(form);
  panel->SetColor(0x0000FFFF);
  auto* skinner = new skin::TSkinBox(panel);
  skinner->InitControl(&host, skinData.get(), &canvas, false);
  skinner->SkinChanged();
  EXPECT_EQ(panel->Color(), 0x0000FFFF);
  skinner->Unskin();
  EXPECT_EQ(panel->Color(), 0x0000FFFF);
}

TEST_F(BoxSkinnersTest, BareDialogErasesWithTheFaceColour) {
  HWND box = Child(L"STATIC", L"", 0, 0, 40, 30);
  skin::TSkinBoxH skinner(nullptr);
  skinner.InitHandle(box, skinData.get(), &canvas, &host);
  fw::TBitmap image = Backdrop(40, 30);
  EXPECT_EQ(SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.DC()), 0), 0);
  EXPECT_EQ(image.Pixel(0, 0), kFace);
  EXPECT_EQ(image.Pixel(39, 29), kFace);
}

// ---- Group boxes ---------------------------------------------------------------------------

struct GroupCaseRow {
  DWORD exStyle;
  int frameX;    // a pixel of the frame's top line next to the caption
  int captionX;  // the caption's own edge pixel, on the face colour
};

TEST_F(BoxSkinnersTest, GroupBoxCaptionSitsEightPixelsFromItsEdge) {
  for (const GroupCaseRow& row : {GroupCaseRow{0, 7, 8}, GroupCaseRow{WS_EX_RIGHT, 152, 151}}) {
    HWND box = Child(L"BUTTON", L"Caption", BS_GROUPBOX, row.exStyle, 160, 80);
    skin::TSkinGroupBox skinner(nullptr);
    skinner.InitHandle(box, skinData.get(), &canvas, &host);
    EXPECT_EQ(skinner.FKind, 0);
    const fw::TBitmap image = Draw(skinner);

    SIZE zero{};
    {
      fw::TBitmap probe(4, 4);
      SelectObject(probe.DC(), GetStockObject(DEFAULT_GUI_FONT));
      GetTextExtentPoint32W(probe.DC(), L"0", 1, &zero);
    }
    const int top = zero.cy / 2 - 1;
    EXPECT_EQ(image.Pixel(row.frameX, top), kShadow) << row.exStyle;
    EXPECT_NE(image.Pixel(row.captionX, top), kShadow) << "the caption covers the line: " << row.exStyle;
    EXPECT_EQ(image.Pixel(1, 40), kShadow) << "left side of the frame";
    EXPECT_EQ(image.Pixel(158, 40), kShadow) << "right side of the frame";
    EXPECT_EQ(image.Pixel(80, 78), kShadow) << "bottom of the frame";
    EXPECT_EQ(image.Pixel(0, 40), kFace) << "the window's own frame is erased";
    DestroyWindow(box);
  }
}

TEST_F(BoxSkinnersTest, GroupBoxWithoutCaptionShowsItsWholeTopLine) {
  HWND box = Child(L"BUTTON", L"", BS_GROUPBOX, 0, 160, 80);
  skin::TSkinGroupBox skinner(nullptr);
  skinner.InitHandle(box, skinData.get(), &canvas, &host);
  const fw::TBitmap image = Draw(skinner);
  SIZE zero{};
  fw::TBitmap probe(4, 4);
  SelectObject(probe.DC(), GetStockObject(DEFAULT_GUI_FONT));
  GetTextExtentPoint32W(probe.DC(), L"0", 1, &zero);
  for (int x = 4; x < 156; ++x) ASSERT_EQ(image.Pixel(x, zero.cy / 2 - 1), kShadow) << x;
}

TEST_F(BoxSkinnersTest, FrameworkGroupBoxPaintsItselfOnTheFaceColour) {
  auto* group = new fw::TGroupBox(form);
  group->SetParent(form);
  group->SetBounds(10, 10, 150, 90);
  group->SetCaption("Options");
  auto* skinner = new skin::TSkinGroupBox(group);
  skinner->InitControl(&host, skinData.get(), &canvas, true);
  EXPECT_EQ(skinner->FKind, 1);
  fw::TBitmap image = Backdrop(150, 90);
  fw::TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(image.DC()), 0, 0};
  skinner->SkinWndProc(paint);
  EXPECT_EQ(image.Pixel(0, 0), kFace) << "the whole rectangle is filled";
  EXPECT_EQ(image.Pixel(75, 60), kFace);
  EXPECT_EQ(image.Pixel(1, 60), kShadow);
  EXPECT_EQ(skinner->FCaption, L"Options");
  auto hasColour = [](const fw::TBitmap& drawn, COLORREF colour) {
    for (int x = 0; x < drawn.Width(); ++x)
      for (int y = 0; y < 16; ++y)
        if (drawn.Pixel(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(hasColour(image, kButtonText)) << "the default font colour gives way to the skin's";

  group->Font()->SetColor(0x000000FF);
  image = Backdrop(150, 90);
  fw::TMessage again{WM_PAINT, reinterpret_cast<WPARAM>(image.DC()), 0, 0};
  skinner->SkinWndProc(again);
  EXPECT_TRUE(hasColour(image, 0x000000FF)) << "a colour the program chose stays";
  EXPECT_FALSE(hasColour(image, kButtonText));
}

// ---- Header --------------------------------------------------------------------------------

TEST_F(BoxSkinnersTest, HeaderDrawsSectionsAndTheStripInFrameOneAndTheHotSectionInFrameTwo) {
  HWND header = Header({{L"One", HDF_LEFT}, {L"Two", HDF_RIGHT}});
  skin::TSkinHeader skinner(nullptr);
  skinner.InitHandle(header, skinData.get(), &canvas, &host);
  EXPECT_EQ(skinner.FHotSection, -1);
  fw::TBitmap image = Draw(skinner);
  EXPECT_EQ(image.Pixel(1, 1), kHeaderFrames[0]);
  EXPECT_EQ(image.Pixel(139, 1), kHeaderFrames[0]);
  EXPECT_EQ(image.Pixel(140, 1), kHeaderFrames[0]) << "the strip right of the last section";
  EXPECT_EQ(image.Pixel(199, 19), kHeaderFrames[0]);
  ASSERT_EQ(skinner.FSectionRects.size(), 2u);
  EXPECT_EQ(skinner.FSectionRects[1].left, 63);
  EXPECT_EQ(skinner.FSectionRects[1].right, 137);

  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(100, 10));
  EXPECT_EQ(skinner.FHotSection, 1);
  image = Draw(skinner);
  EXPECT_EQ(image.Pixel(61, 1), kHeaderFrames[1]);
  EXPECT_EQ(image.Pixel(1, 1), kHeaderFrames[0]);
  EXPECT_EQ(image.Pixel(150, 1), kHeaderFrames[0]);

  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(61, 10));  // between the hot insets: unchanged
  EXPECT_EQ(skinner.FHotSection, 1);
  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(skinner.FHotSection, 0);
  SendMessageW(header, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(skinner.FHotSection, -1);
  image = Draw(skinner);
  EXPECT_EQ(image.Pixel(61, 1), kHeaderFrames[0]);
}

TEST_F(BoxSkinnersTest, PrintingTheClientAreaGivesTheSkinnedLook) {
  HWND header = Header({{L"One", HDF_LEFT}});
  HWND bar = Child(STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 300, 22);
  skin::TSkinHeader headerSkinner(nullptr);
  skin::TSkinStatusBar barSkinner(nullptr);
  headerSkinner.InitHandle(header, skinData.get(), &canvas, &host);
  barSkinner.InitHandle(bar, skinData.get(), &canvas, &host);
  fw::TBitmap image = Backdrop(300, 22);
  SendMessageW(header, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC()), PRF_CLIENT);
  EXPECT_EQ(image.Pixel(150, 5), kHeaderFrames[0]);
  SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC()), PRF_CLIENT);
  EXPECT_EQ(image.Pixel(299, 11), kEdgeFrames[0]);
}

TEST_F(BoxSkinnersTest, HeaderTextAlignsInsideItsSection) {
  HWND header = Header({{L"One", HDF_LEFT}, {L"Right", HDF_RIGHT}});
  skin::TSkinHeader skinner(nullptr);
  skinner.InitHandle(header, skinData.get(), &canvas, &host);
  const fw::TBitmap image = Draw(skinner);

  // Where the glyphs of the text start and end inside its own extent.
  fw::TBitmap probe = Backdrop(100, 20);
  SelectObject(probe.DC(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(probe.DC(), TRANSPARENT);
  SIZE right{}, one{};
  GetTextExtentPoint32W(probe.DC(), L"Right", 5, &right);
  GetTextExtentPoint32W(probe.DC(), L"One", 3, &one);
  TextOutW(probe.DC(), 0, 0, L"Right", 5);
  const auto [rightFirst, rightLast] = InkColumns(probe, 0, 100, 0, 20, kBackdrop);
  probe = Backdrop(100, 20);
  SelectObject(probe.DC(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(probe.DC(), TRANSPARENT);
  TextOutW(probe.DC(), 0, 0, L"One", 3);
  const auto [oneFirst, oneLast] = InkColumns(probe, 0, 100, 0, 20, kBackdrop);

  const auto [textFirst, textLast] = InkColumns(image, 60, 140, 0, 20, kHeaderFrames[0]);
  EXPECT_EQ(textLast, 140 - 2 - right.cx + rightLast) << "right-aligned text ends 2 pixels inside the section";
  const auto [leftFirst, leftLast] = InkColumns(image, 0, 60, 0, 20, kHeaderFrames[0]);
  EXPECT_EQ(leftFirst, 3 + oneFirst) << "left-aligned text starts 3 pixels in";
  EXPECT_EQ(image.Pixel(textLast, 0), kHeaderFrames[0]);
  bool textColour = false;
  for (int x = 60; x < 140; ++x)
    for (int y = 0; y < 20; ++y) textColour |= image.Pixel(x, y) == kHeaderText;
  EXPECT_TRUE(textColour) << "the skin's WindowText colour";
  (void)textFirst;
  (void)leftLast;
  (void)one;
  (void)oneLast;
  (void)rightFirst;
}

TEST_F(BoxSkinnersTest, LongHeaderTextEndsInsideItsSection) {
  const std::wstring huge(5000, L'W');
  HWND header = Header({{huge, HDF_LEFT}, {huge, HDF_RIGHT}});
  skin::TSkinHeader skinner(nullptr);
  skinner.InitHandle(header, skinData.get(), &canvas, &host);
  const fw::TBitmap image = Draw(skinner);
  const auto [first, last] = InkColumns(image, 60, 200, 0, 20, kHeaderFrames[0]);
  EXPECT_GE(first, 60);
  EXPECT_LT(last, 140) << "the text is cut at its section's edge";
  EXPECT_GT(last, 100) << "with an ellipsis at the end, not dropped";
  EXPECT_EQ(image.Pixel(150, 10), kHeaderFrames[0]);
}

TEST_F(BoxSkinnersTest, HeaderWithoutTheSkinElementPaintsItself) {
  skinData->Headerbar.reset();
  HWND header = Header({{L"One", HDF_LEFT}});
  skin::TSkinHeader skinner(nullptr);
  skinner.InitHandle(header, skinData.get(), &canvas, &host);
  const fw::TBitmap image = Draw(skinner);
  EXPECT_EQ(image.Pixel(5, 5), kBackdrop) << "nothing drawn";
  fw::TBitmap erased = Backdrop(200, 20);
  SendMessageW(header, WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.DC()), 0);
  SendMessageW(header, WM_PAINT, reinterpret_cast<WPARAM>(erased.DC()), 0);
  EXPECT_NE(erased.Pixel(100, 10), kBackdrop) << "the header's own painting ran";
}

TEST_F(BoxSkinnersTest, HeaderResizedToNothingPaintsNothing) {
  HWND header = Header({{L"One", HDF_LEFT}, {L"", HDF_CENTER}});
  skin::TSkinHeader skinner(nullptr);
  skinner.InitHandle(header, skinData.get(), &canvas, &host);
  SetWindowPos(header, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  fw::TBitmap image = Backdrop(4, 4);
  skinner.DrawControl(image.DC(), RECT{0, 0, 0, 0});
  EXPECT_EQ(image.Pixel(0, 0), kBackdrop);
  SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
  EXPECT_TRUE(IsWindow(header));
}

TEST_F(BoxSkinnersTest, ListViewHeaderIsSkinnedOnce) {
  HWND list = Child(WC_LISTVIEWW, L"", LVS_REPORT, 0, 200, 100);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 80;
  column.pszText = const_cast<wchar_t*>(L"Time");
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  fw::TComponent owner(nullptr);
  skin::TSkinHeader* first = skin::SkinListViewHeader(&owner, list, skinData.get(), &canvas, &host);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->FHandle, reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)));
  EXPECT_EQ(skin::SkinListViewHeader(&owner, list, skinData.get(), &canvas, &host), nullptr);
  EXPECT_EQ(host.list.size(), 1u);
  EXPECT_EQ(skin::SkinListViewHeader(&owner, nullptr, skinData.get(), &canvas, &host), nullptr);
}

// ---- Status bar ----------------------------------------------------------------------------

TEST_F(BoxSkinnersTest, SimpleStatusBarIsOneLoweredPanelWithItsText) {
  HWND bar = Child(STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, 300, 22);
  SendMessageW(bar, SB_SIMPLE, TRUE, 0);
  SendMessageW(bar, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(L"Ready"));
  skin::TSkinStatusBar skinner(nullptr);
  skinner.InitHandle(bar, skinData.get(), &canvas, &host);
  const fw::TBitmap image = Draw(skinner);
  EXPECT_EQ(image.Pixel(0, 0), kEdgeFrames[0]);
  EXPECT_EQ(image.Pixel(299, 21), kEdgeFrames[0]) << "across the whole bar";
  const auto [first, last] = InkColumns(image, 0, 300, 0, 22, kEdgeFrames[0]);
  EXPECT_GE(first, 2) << "text 2 pixels in";
  EXPECT_LT(last, 60);
  bool textColour = false;
  for (int x = first; x <= last; ++x)
    for (int y = 0; y < 22; ++y) textColour |= image.Pixel(x, y) == kStatusText;
  EXPECT_TRUE(textColour) << "the text takes the edges' NormalColour2";
}

TEST_F(BoxSkinnersTest, StatusPanelsShowTheirBevelsEvenWhenEmpty) {
  HWND bar =
      Child(STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | SBARS_SIZEGRIP, 0, 300, 22);
  const int edges[] = {100, 200, -1};
  SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  SendMessageW(bar, SB_SETTEXTW, 0 | SBT_POPOUT, reinterpret_cast<LPARAM>(L"Raised"));
  SendMessageW(bar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L""));
  SendMessageW(bar, SB_SETTEXTW, 2 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(L"Flat"));
  skin::TSkinStatusBar skinner(nullptr);
  skinner.InitHandle(bar, skinData.get(), &canvas, &host);
  fw::TBitmap image = Draw(skinner);
  RECT first{};
  SendMessageW(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&first));
  EXPECT_EQ(image.Pixel(90, first.top), kEdgeFrames[1]) << "raised";
  EXPECT_EQ(image.Pixel(101, first.top), kEdgeFrames[1]) << "2 pixels wider than the bar says";
  EXPECT_EQ(image.Pixel(90, first.top - 1), kFace) << "above the panels";
  EXPECT_EQ(image.Pixel(150, first.top), kEdgeFrames[0]) << "an empty panel keeps its lowered bevel";
  EXPECT_EQ(image.Pixel(150, 11), kEdgeFrames[0]);
  EXPECT_EQ(image.Pixel(290, first.top), kEdgeFrames[2]) << "no bevel";
  EXPECT_EQ(image.Pixel(298, 20), kGrip) << "grip's corner one pixel inside";
  EXPECT_EQ(image.Pixel(295, 17), kGrip);
  EXPECT_EQ(image.Pixel(294, 16), kEdgeFrames[2]);
  EXPECT_EQ(image.Pixel(299, 21), kEdgeFrames[2]);

  // Without the edges element: plain one-pixel 3D frames; without extra images: no grip.
  skinData->StatusBarEdges.reset();
  skinData->ExtraImages.reset();
  image = Draw(skinner);
  RECT empty{};
  SendMessageW(bar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&empty));
  EXPECT_EQ(image.Pixel(empty.left, empty.top), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(image.Pixel(empty.right + 1, empty.bottom - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(image.Pixel(empty.left + 10, empty.top + 5), kFace);
  EXPECT_EQ(image.Pixel(298, 20), kFace) << "no grip";
}

TEST_F(BoxSkinnersTest, StatusBarWithHugeTextOrNoSizeDrawsWithoutHarm) {
  HWND bar = Child(STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 300, 22);
  const std::wstring huge(20000, L'x');
  SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(huge.c_str()));
  skin::TSkinStatusBar skinner(nullptr);
  skinner.InitHandle(bar, skinData.get(), &canvas, &host);
  const fw::TBitmap image = Draw(skinner);
  EXPECT_EQ(image.Pixel(299, 11), kEdgeFrames[0]) << "one panel to the bar's end";
  SetWindowPos(bar, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
  RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_TRUE(IsWindow(bar));
}

// ---- Resources -----------------------------------------------------------------------------

TEST_F(BoxSkinnersTest, ManyCyclesLeaveNoObjectsBehind) {
  auto cycle = [&] {
    HWND header = Header({{L"One", HDF_LEFT}, {L"Two", HDF_CENTER}});
    HWND bar = Child(STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | SBARS_SIZEGRIP, 0, 300, 22);
    HWND box = Child(L"BUTTON", L"Box", BS_GROUPBOX, WS_EX_RIGHT, 160, 80);
    {
      skin::TSkinHeader headerSkinner(nullptr);
      skin::TSkinStatusBar barSkinner(nullptr);
      skin::TSkinGroupBox boxSkinner(nullptr);
      headerSkinner.InitHandle(header, skinData.get(), &canvas, &host);
      barSkinner.InitHandle(bar, skinData.get(), &canvas, &host);
      boxSkinner.InitHandle(box, skinData.get(), &canvas, &host);
      SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(100, 10));
      for (HWND window : {header, bar, box})
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      (void)Draw(headerSkinner);
      (void)Draw(barSkinner);
      (void)Draw(boxSkinner);
      SendMessageW(header, WM_MOUSELEAVE, 0, 0);
    }
    for (HWND window : {header, bar, box}) DestroyWindow(window);
  };
  cycle();  // the shared status bitmap and the controls' classes are made once
  const auto gdi = test_support::CountGdiObjects();
  const auto user = test_support::CountUserObjects();
  for (int i = 0; i < 200; ++i) cycle();
  if (gdi) {
    EXPECT_EQ(test_support::CountGdiObjects(), gdi);
  }
  if (user) {
    EXPECT_EQ(test_support::CountUserObjects(), user);
  }
}

}  // namespace
