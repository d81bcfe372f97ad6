#include "framework/graphics/canvas.h"

#include <gtest/gtest.h>

#include <ostream>

#include "framework/graphics/bitmap.h"
#include "tests/support/resource_count.h"

namespace {

using fw::TBitmap;
using fw::TCanvas;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

TBitmap Filled(int width, int height, COLORREF color) {
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, color);
  }
  return bitmap;
}

TEST(Canvas, FillRectUsesTheBrushColourAndResolvesSystemColours) {
  TBitmap bitmap = Filled(4, 1, 0);
  TCanvas canvas(bitmap.DC());
  canvas.SetBrushColor(0x0000FF);
  canvas.FillRect(RECT{0, 0, 2, 1});
  canvas.SetBrushColor(fw::clBtnFace);
  canvas.FillRect(RECT{2, 0, 3, 1});
  EXPECT_EQ(bitmap.Pixel(0, 0), kRed);
  EXPECT_EQ(bitmap.Pixel(1, 0), kRed);
  EXPECT_EQ(bitmap.Pixel(2, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(bitmap.Pixel(3, 0), RGB(0, 0, 0));  // the right edge is excluded
}

TEST(Canvas, DrawKeysOutTheTransparentColourOnlyWhenTransparent) {
  TBitmap sprite(2, 1);
  sprite.SetPixel(0, 0, kMagenta);
  sprite.SetPixel(1, 0, kRed);

  struct Case {
    bool transparent;
    COLORREF expected_left;
  };
  for (const Case& c : {Case{true, kGreen}, Case{false, kMagenta}}) {
    TBitmap target = Filled(4, 2, kGreen);
    sprite.SetTransparent(c.transparent);
    target.Canvas().Draw(1, 1, sprite);
    EXPECT_EQ(target.Pixel(1, 1), c.expected_left);
    EXPECT_EQ(target.Pixel(2, 1), kRed);
    EXPECT_EQ(target.Pixel(0, 1), kGreen);
    EXPECT_EQ(target.Pixel(3, 1), kGreen);
    EXPECT_EQ(target.Pixel(1, 0), kGreen);
  }
}

TEST(Canvas, StretchDrawAndCopyRectScaleByRepeatingPixels) {
  TBitmap sprite(2, 1);
  sprite.SetPixel(0, 0, kMagenta);
  sprite.SetPixel(1, 0, kRed);
  sprite.SetTransparent(true);
  TBitmap target = Filled(6, 2, kGreen);
  target.Canvas().StretchDraw(RECT{0, 0, 6, 2}, sprite);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ(target.Pixel(x, y), x < 3 ? kGreen : kRed) << x;
  }
  TBitmap copy = Filled(4, 1, 0);
  copy.Canvas().CopyRect(RECT{0, 0, 4, 1}, sprite.DC(), RECT{0, 0, 2, 1});
  EXPECT_EQ(copy.Pixel(0, 0), kMagenta);
  EXPECT_EQ(copy.Pixel(1, 0), kMagenta);
  EXPECT_EQ(copy.Pixel(2, 0), kRed);
  EXPECT_EQ(copy.Pixel(3, 0), kRed);
}

TEST(Canvas, BorrowedDcGetsItsOwnFontBackAndKeepsNoneOfOurs) {
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  {
    TCanvas canvas(dc);
    canvas.SetFont(font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    canvas.SetFontColor(0x0000FF);
    EXPECT_EQ(GetTextColor(dc), kRed);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
    canvas.SetHandle(dc);  // the font follows the canvas to its new DC
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  }
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);
  EXPECT_TRUE(DeleteObject(font));  // not selected anywhere any more
  DeleteDC(dc);
}

// What a DC's owner set up: the objects selected into it and the attributes drawing depends on.
struct DcState {
  HGDIOBJ font, brush, pen, bitmap;
  COLORREF text_color, background_color;
  int background_mode, stretch_mode, rop2;
  UINT text_align;

  static DcState Of(HDC dc) {
    return {GetCurrentObject(dc, OBJ_FONT),
            GetCurrentObject(dc, OBJ_BRUSH),
            GetCurrentObject(dc, OBJ_PEN),
            GetCurrentObject(dc, OBJ_BITMAP),
            GetTextColor(dc),
            GetBkColor(dc),
            GetBkMode(dc),
            GetStretchBltMode(dc),
            GetROP2(dc),
            GetTextAlign(dc)};
  }
  bool operator==(const DcState&) const = default;
};

void PrintTo(const DcState& s, std::ostream* out) {
  *out << "font " << s.font << " brush " << s.brush << " pen " << s.pen << " bitmap " << s.bitmap << std::hex
       << " text colour " << s.text_color << " background " << s.background_color << std::dec << " mode "
       << s.background_mode << " stretch " << s.stretch_mode << " rop2 " << s.rop2 << " align " << s.text_align;
}

TEST(Canvas, ABorrowedDcGetsEverySelectedObjectAndAttributeBack) {
  // The owner's DC: a surface, its own font, brush and pen, and attributes unlike the defaults.
  TBitmap surface = Filled(8, 8, kGreen);
  fw::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  fw::UniqueFont owner_font(CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
  fw::UniqueBrush owner_brush(CreateSolidBrush(RGB(1, 2, 3)));
  fw::UniquePen owner_pen(CreatePen(PS_SOLID, 1, RGB(4, 5, 6)));
  fw::SelectObjectGuard bitmap(dc.get(), surface.Handle());
  fw::SelectObjectGuard font(dc.get(), owner_font.get());
  fw::SelectObjectGuard brush(dc.get(), owner_brush.get());
  fw::SelectObjectGuard pen(dc.get(), owner_pen.get());
  SetTextColor(dc.get(), RGB(7, 8, 9));
  SetBkColor(dc.get(), RGB(10, 11, 12));
  SetBkMode(dc.get(), TRANSPARENT);
  SetStretchBltMode(dc.get(), HALFTONE);
  SetROP2(dc.get(), R2_XORPEN);
  SetTextAlign(dc.get(), TA_RIGHT | TA_BOTTOM);
  const DcState owners = DcState::Of(dc.get());

  HFONT canvas_font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
  TBitmap sprite(2, 2);
  sprite.SetPixel(0, 0, kMagenta);
  auto draw_everything = [&](TCanvas& canvas) {
    canvas.SetFont(canvas_font);
    canvas.SetFontColor(0x0000FF);
    canvas.SetBrushColor(fw::clBtnFace);
    canvas.FillRect(RECT{0, 0, 4, 4});
    sprite.SetTransparent(true);
    canvas.Draw(4, 4, sprite);
    sprite.SetTransparent(false);
    canvas.StretchDraw(RECT{0, 4, 4, 8}, sprite);
    canvas.CopyRect(RECT{4, 0, 8, 4}, sprite.DC(), RECT{0, 0, 2, 2});
  };

  {
    TCanvas canvas(dc.get());
    draw_everything(canvas);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), canvas_font);
    EXPECT_EQ(GetTextColor(dc.get()), kRed);
    EXPECT_EQ(surface.Pixel(0, 0), GetSysColor(COLOR_BTNFACE));  // it did draw on the owner's surface
    canvas.SetHandle(nullptr);
    EXPECT_EQ(DcState::Of(dc.get()), owners) << "let go by SetHandle";
    canvas.SetHandle(dc.get());
    draw_everything(canvas);
  }
  EXPECT_EQ(DcState::Of(dc.get()), owners) << "let go by the destructor";
}

TEST(Canvas, WithoutADcEverythingIsANoOp) {
  TCanvas canvas;
  TBitmap sprite(1, 1);
  canvas.SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  canvas.SetFontColor(fw::clWhite);
  canvas.FillRect(RECT{0, 0, 1, 1});
  canvas.Draw(0, 0, sprite);
  canvas.CopyRect(RECT{0, 0, 1, 1}, sprite.DC(), RECT{0, 0, 1, 1});
  EXPECT_EQ(canvas.Handle(), nullptr);
}

TEST(Canvas, NothingLeaksOverThousandsOfColourChanges) {
  TBitmap target(4, 4);
  TBitmap sprite(2, 2);
  sprite.SetTransparent(true);
  auto churn = [&](int i) {
    target.Canvas().SetBrushColor(RGB(i & 0xFF, 0, 0));
    target.Canvas().FillRect(RECT{0, 0, 2, 2});
    target.Canvas().Draw(1, 1, sprite);
    TCanvas borrowed(target.DC());
    borrowed.SetFont(static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)));
    borrowed.SetBrushColor(fw::clWindow);
    borrowed.FillRect(RECT{2, 2, 4, 4});
  };
  churn(0);
  const auto before = test_support::CountGdiObjects();
  ASSERT_TRUE(before.has_value());
  for (int i = 1; i < 3000; ++i) churn(i);
  EXPECT_EQ(test_support::CountGdiObjects(), before);
}

}  // namespace
