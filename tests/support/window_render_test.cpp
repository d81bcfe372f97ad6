#include "tests/support/window_render.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/handles.h"
#include "skin/core/skin_messages.h"
#include "tests/support/message_recorder.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::RenderWindow;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// The client of a pattern window: four quadrants of known colours, split at the client's middle.
constexpr COLORREF kTopLeft = RGB(0xC0, 0x10, 0x10);
constexpr COLORREF kTopRight = RGB(0x10, 0xC0, 0x10);
constexpr COLORREF kBottomLeft = RGB(0x10, 0x10, 0xC0);
constexpr COLORREF kBottomRight = RGB(0xC0, 0xC0, 0x10);

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  fw::UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

void PaintPattern(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  const int midX = client.right / 2;
  const int midY = client.bottom / 2;
  Fill(dc, RECT{0, 0, midX, midY}, kTopLeft);
  Fill(dc, RECT{midX, 0, client.right, midY}, kTopRight);
  Fill(dc, RECT{0, midY, midX, client.bottom}, kBottomLeft);
  Fill(dc, RECT{midX, midY, client.right, client.bottom}, kBottomRight);
}

// WM_PAINT and WM_PRINTCLIENT paint the same pattern.
LRESULT CALLBACK PatternProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      fw::PaintDC paint(window);
      PaintPattern(window, paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintPattern(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

const char* RegisterClassOnce(const char* name, WNDPROC procedure, HBRUSH background = nullptr) {
  WNDCLASSA wc{};
  if (GetClassInfoA(Instance(), name, &wc)) return name;
  wc.lpfnWndProc = procedure;
  wc.hInstance = Instance();
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
  return name;
}

fw::UniqueWindow MakeWindow(const char* className, DWORD style, int width, int height, HWND parent = nullptr,
                            int x = 40, int y = 40) {
  return fw::UniqueWindow(
      CreateWindowExA(0, className, "render", style, x, y, width, height, parent, nullptr, Instance(), nullptr));
}

// A solid class background and no painting of its own: the client comes from WM_ERASEBKGND.
constexpr COLORREF kBackground = RGB(0x33, 0x66, 0x99);

const char* BackgroundClass() {
  static fw::UniqueBrush brush(CreateSolidBrush(kBackground));
  return RegisterClassOnce("PastelleRenderBackground", DefWindowProcA, brush.get());
}

const char* PatternClass() { return RegisterClassOnce("PastelleRenderPattern", PatternProcedure); }

// A stand-in for a skinned window: it paints its whole frame in one colour when asked with
// SKM_PAINTFRAMETO and the engine's magic number, and answers with that number.
constexpr COLORREF kSkinFrame = RGB(0x2A, 0x7F, 0xD4);
HDC g_lastFrameDC = nullptr;

// Where the client area lies inside the window.
RECT ClientInWindow(HWND window) {
  RECT bounds;
  RECT client;
  POINT topLeft{0, 0};
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  ClientToScreen(window, &topLeft);
  const int left = topLeft.x - bounds.left;
  const int top = topLeft.y - bounds.top;
  return RECT{left, top, left + client.right, top + client.bottom};
}

void FillFrame(HWND window, HDC dc) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  const RECT client = ClientInWindow(window);
  fw::SavedDCState state(dc);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  Fill(dc, RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top}, kSkinFrame);
}

LRESULT CALLBACK FakeSkinnedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == skin::SKM_PAINTFRAMETO && lParam == skin::kSkinMagic) {
    g_lastFrameDC = reinterpret_cast<HDC>(wParam);
    if (wParam) FillFrame(window, reinterpret_cast<HDC>(wParam));
    return skin::kSkinMagic;
  }
  return PatternProcedure(window, message, wParam, lParam);
}

// Paints the skin colour like the stand-in but answers 1, as windows do that only know the
// number for something else: the renderer must not take its frame.
LRESULT CALLBACK WrongAnswerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == skin::SKM_PAINTFRAMETO) {
    if (wParam) FillFrame(window, reinterpret_cast<HDC>(wParam));
    return 1;
  }
  return PatternProcedure(window, message, wParam, lParam);
}

// The pattern's corners and the pixels on both sides of its seams.
void ExpectPatternAt(const fw::TBitmap& image, const RECT& client) {
  const int midX = client.left + (client.right - client.left) / 2;
  const int midY = client.top + (client.bottom - client.top) / 2;
  const int right = client.right - 1;
  const int bottom = client.bottom - 1;
  EXPECT_EQ(image.Pixel(client.left, client.top), kTopLeft);
  EXPECT_EQ(image.Pixel(right, client.top), kTopRight);
  EXPECT_EQ(image.Pixel(client.left, bottom), kBottomLeft);
  EXPECT_EQ(image.Pixel(right, bottom), kBottomRight);
  EXPECT_EQ(image.Pixel(midX - 1, client.top), kTopLeft);
  EXPECT_EQ(image.Pixel(midX, client.top), kTopRight);
  EXPECT_EQ(image.Pixel(client.left, midY - 1), kTopLeft);
  EXPECT_EQ(image.Pixel(client.left, midY), kBottomLeft);
  EXPECT_EQ(image.Pixel(midX - 1, midY - 1), kTopLeft);
  EXPECT_EQ(image.Pixel(midX, midY), kBottomRight);
}

// Every pixel of the window outside its client area.
int FramePixelsOtherThan(const fw::TBitmap& image, const RECT& client, COLORREF colour) {
  int others = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if ((x < client.left || x >= client.right || y < client.top || y >= client.bottom) && image.Pixel(x, y) != colour)
        ++others;
  return others;
}

TEST(WindowRender, ClientPatternLandsExactlyAtTheClientOffset) {
  auto window = MakeWindow(PatternClass(), WS_POPUP | WS_BORDER | WS_VISIBLE, 121, 91);
  ASSERT_TRUE(window);
  const auto rendered = RenderWindow(window.get());
  ASSERT_EQ(rendered.image.Width(), 121);
  ASSERT_EQ(rendered.image.Height(), 91);
  EXPECT_FALSE(rendered.frameFromSkin);
  const RECT client = ClientInWindow(window.get());
  ASSERT_EQ(client.left, 1);
  ASSERT_EQ(client.top, 1);
  ExpectPatternAt(rendered.image, client);
  // WS_BORDER: one pixel of the window-frame colour all round.
  EXPECT_EQ(FramePixelsOtherThan(rendered.image, client, GetSysColor(COLOR_WINDOWFRAME)), 0);
}

TEST(WindowRender, PlainWindowLooksAsItDoesOnScreen) {
  auto window = MakeWindow(PatternClass(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150);
  ASSERT_TRUE(window);
  SetForegroundWindow(window.get());
  UpdateWindow(window.get());
  testutil::PumpMessages(50);
  const auto rendered = RenderWindow(window.get());
  ASSERT_EQ(rendered.image.Width(), 200);
  ASSERT_EQ(rendered.image.Height(), 150);
  ExpectPatternAt(rendered.image, ClientInWindow(window.get()));

  fw::TBitmap screen(200, 150, fw::pf32bit);
  {
    fw::WindowDC windowDC(window.get(), fw::WindowDC::Area::Window);
    BitBlt(screen.DC(), 0, 0, 200, 150, windowDC.get(), 0, 0, SRCCOPY);
  }
  int differing = 0;
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 200; ++x)
      if (rendered.image.Pixel(x, y) != screen.Pixel(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
  EXPECT_NE(rendered.image.Pixel(100, 5), testutil::kUnpaintedColour) << "the caption was not painted";
}

TEST(WindowRender, HiddenWindowStillRendersItsClient) {
  auto window = MakeWindow(PatternClass(), WS_OVERLAPPEDWINDOW, 160, 120);
  ASSERT_TRUE(window);
  const auto rendered = RenderWindow(window.get());
  ExpectPatternAt(rendered.image, ClientInWindow(window.get()));
}

TEST(WindowRender, ClassBackgroundComesFromEraseBackground) {
  auto window = MakeWindow(BackgroundClass(), WS_POPUP | WS_VISIBLE, 50, 40);
  ASSERT_TRUE(window);
  const auto rendered = RenderWindow(window.get());
  EXPECT_EQ(rendered.image.Pixel(0, 0), kBackground);
  EXPECT_EQ(rendered.image.Pixel(49, 39), kBackground);
  EXPECT_EQ(FramePixelsOtherThan(rendered.image, RECT{0, 0, 0, 0}, kBackground), 0);
}

TEST(WindowRender, ChildrenAreRenderedInZOrderAndClippedToTheParent) {
  auto parent = MakeWindow(BackgroundClass(), WS_POPUP | WS_BORDER | WS_VISIBLE, 200, 150);
  ASSERT_TRUE(parent);
  // Client coordinates; the parent's client starts at (1, 1) of the window.
  HWND below = CreateWindowExA(0, PatternClass(), "", WS_CHILD | WS_VISIBLE, 20, 30, 60, 40, parent.get(), nullptr,
                               Instance(), nullptr);
  HWND above = CreateWindowExA(0, PatternClass(), "", WS_CHILD | WS_VISIBLE, 60, 40, 40, 40, parent.get(), nullptr,
                               Instance(), nullptr);
  HWND hidden =
      CreateWindowExA(0, PatternClass(), "", WS_CHILD, 120, 10, 30, 30, parent.get(), nullptr, Instance(), nullptr);
  HWND overhanging = CreateWindowExA(0, PatternClass(), "", WS_CHILD | WS_VISIBLE, 170, 100, 60, 80, parent.get(),
                                     nullptr, Instance(), nullptr);
  ASSERT_TRUE(below && above && hidden && overhanging);
  // New children go to the bottom of the z-order: put `above` on top of `below`.
  SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  const auto rendered = RenderWindow(parent.get());
  const auto& image = rendered.image;

  // In window coordinates `below` covers x 21..80, y 31..70, `above` x 61..100, y 41..80.
  ExpectPatternAt(image, RECT{61, 41, 101, 81});
  EXPECT_EQ(image.Pixel(21, 31), kTopLeft);  // `below`'s corners where nothing covers them
  EXPECT_EQ(image.Pixel(80, 31), kTopRight);
  EXPECT_EQ(image.Pixel(21, 70), kBottomLeft);
  EXPECT_EQ(image.Pixel(60, 69), kBottomRight);  // the seam between the two children
  EXPECT_EQ(image.Pixel(61, 69), kBottomLeft);
  EXPECT_EQ(image.Pixel(121, 11), kBackground);  // the hidden child is not rendered
  // The overhanging child covers x 171..230, y 101..180 and is cut at the parent's client.
  EXPECT_EQ(image.Pixel(171, 101), kTopLeft);
  EXPECT_EQ(image.Pixel(198, 140), kTopLeft);
  EXPECT_EQ(image.Pixel(198, 148), kBottomLeft);
  EXPECT_EQ(image.Pixel(199, 120), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(image.Pixel(180, 149), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(image.Pixel(10, 10), kBackground);
}

TEST(WindowRender, PixelsOutsideTheWindowRegionStayUnpainted) {
  auto window = MakeWindow(PatternClass(), WS_POPUP | WS_VISIBLE, 100, 80);
  ASSERT_TRUE(window);
  ASSERT_TRUE(SetWindowRgn(window.get(), CreateRectRgn(10, 10, 90, 70), TRUE));  // the window owns the region
  const auto rendered = RenderWindow(window.get());
  EXPECT_EQ(rendered.image.Pixel(9, 9), testutil::kUnpaintedColour);
  EXPECT_EQ(rendered.image.Pixel(10, 10), kTopLeft);
  EXPECT_EQ(rendered.image.Pixel(89, 69), kBottomRight);
  EXPECT_EQ(rendered.image.Pixel(90, 69), testutil::kUnpaintedColour);
  EXPECT_EQ(rendered.image.Pixel(89, 70), testutil::kUnpaintedColour);
  EXPECT_EQ(rendered.image.Pixel(50, 75), testutil::kUnpaintedColour);
}

TEST(WindowRender, SkinnedWindowsFrameComesFromPaintFrameTo) {
  auto window = MakeWindow(RegisterClassOnce("PastelleRenderFakeSkinned", FakeSkinnedProcedure),
                           WS_OVERLAPPEDWINDOW | WS_VISIBLE, 180, 140);
  ASSERT_TRUE(window);
  testutil::MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(window.get()));
  const auto rendered = RenderWindow(window.get());

  static constexpr testutil::ExpectedMessage kRenderSequence[] = {
      {skin::SKM_PAINTFRAMETO, testutil::kSent | testutil::kLParam, 0, skin::kSkinMagic},
      {WM_ERASEBKGND, testutil::kSent},
      {WM_PRINTCLIENT, testutil::kSent | testutil::kLParam, 0, PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN},
  };
  EXPECT_MESSAGE_SEQUENCE(recorder, kRenderSequence, "RenderWindow of a skinned window");
  EXPECT_TRUE(rendered.frameFromSkin);
  EXPECT_EQ(g_lastFrameDC, rendered.image.DC()) << "the frame was not painted straight into the image";
  const RECT client = ClientInWindow(window.get());
  ASSERT_GT(client.top, 10) << "expected a caption";
  EXPECT_EQ(FramePixelsOtherThan(rendered.image, client, kSkinFrame), 0);
  ExpectPatternAt(rendered.image, client);
}

TEST(WindowRender, WindowAnsweringWithoutTheMagicGetsTheSystemFrame) {
  auto window = MakeWindow(RegisterClassOnce("PastelleRenderWrongAnswer", WrongAnswerProcedure),
                           WS_OVERLAPPEDWINDOW | WS_VISIBLE, 180, 140);
  ASSERT_TRUE(window);
  UpdateWindow(window.get());
  testutil::MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(window.get()));
  const auto rendered = RenderWindow(window.get());

  static constexpr testutil::ExpectedMessage kRenderSequence[] = {
      {skin::SKM_PAINTFRAMETO, testutil::kSent | testutil::kLParam, 0, skin::kSkinMagic},
      {WM_PRINT, testutil::kSent | testutil::kLParam, 0, PRF_NONCLIENT},
      {WM_ERASEBKGND, testutil::kSent},
      {WM_PRINTCLIENT, testutil::kSent | testutil::kLParam, 0, PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN},
  };
  EXPECT_MESSAGE_SEQUENCE(recorder, kRenderSequence, "RenderWindow of a window that answers 1");
  EXPECT_FALSE(rendered.frameFromSkin);
  const RECT client = ClientInWindow(window.get());
  EXPECT_NE(rendered.image.Pixel(0, 0), kSkinFrame);
  EXPECT_NE(rendered.image.Pixel(client.left + 40, client.top / 2), kSkinFrame);
  EXPECT_NE(rendered.image.Pixel(client.left + 40, client.top / 2), testutil::kUnpaintedColour);
  ExpectPatternAt(rendered.image, client);
}

}  // namespace
