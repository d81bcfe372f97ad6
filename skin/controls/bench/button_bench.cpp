// Paint of a skinned 75 x 25 bit button with a glyph and a caption against one BitBlt of the same
// size, measured side by side in one run; and how many times the button repaints while the mouse
// moves within it. Run by hand:
//   bash /work/wrun.sh build/win build/win/skin/controls/bench/skin_button_bench.exe
#include <windows.h>

#include <cstdio>
#include <memory>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/stdctrls.h"
#include "skin/controls/button_skinner.h"

namespace {

class ListHost : public skin::ISkinnerHost {
 public:
  bool AddSkinner(skin::TSkinControl*) override { return false; }
  void RemoveSkinner(skin::TSkinControl*) override {}
};

// Counts the draws of the skinner.
class CountingBitButton : public skin::TSkinBitButton {
 public:
  using TSkinBitButton::TSkinBitButton;
  void DrawControl(HDC dc, const RECT& rect) override {
    ++draws;
    TSkinBitButton::DrawControl(dc, rect);
  }
  int draws = 0;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  fw::TApplication app;
  app.Initialize();
  auto* form = new fw::TForm(&app);
  form->SetBounds(40, 40, 200, 100);
  form->Show();
  auto skin = std::make_unique<skin::TSkinData>(nullptr);
  skin->Buttons->Bitmap = std::make_unique<fw::TBitmap>(5 * 20, 21);
  skin->Buttons->LeftWidth = skin->Buttons->RightWidth = 4;
  skin->Buttons->TopHeight = skin->Buttons->BottomHeight = 4;
  skin->Buttons->Trans = 1;
  auto* button = new fw::TBitBtn(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 75, 25);
  button->SetCaption("&Delete");
  fw::TBitmap glyph(32, 16);
  for (int x = 0; x < 32; ++x)
    for (int y = 0; y < 16; ++y) glyph.SetPixel(x, y, (x + y) % 3 ? RGB(0, 128, 0) : RGB(255, 0, 255));
  button->Glyph()->SetData(glyph.Data());
  button->SetNumGlyphs(2);
  ListHost host;
  fw::TCanvas canvas;
  auto* skinner = new CountingBitButton(button);
  skinner->InitControl(&host, skin.get(), &canvas, false);

  constexpr int kRounds = 2000;
  fw::TBitmap target(75, 25), source(75, 25);
  LARGE_INTEGER t0, t1, t2;
  QueryPerformanceCounter(&t0);
  for (int i = 0; i < kRounds; ++i) skinner->DrawControl(target.DC(), RECT{0, 0, 75, 25});
  QueryPerformanceCounter(&t1);
  for (int i = 0; i < kRounds; ++i) BitBlt(target.DC(), 0, 0, 75, 25, source.DC(), 0, 0, SRCCOPY);
  GdiFlush();
  QueryPerformanceCounter(&t2);
  const double paint = Seconds(t0, t1) / kRounds * 1e6, blit = Seconds(t1, t2) / kRounds * 1e6;
  std::printf("bit button 75x25 with glyph: %.1f us per paint; BitBlt 75x25: %.2f us; ratio %.0f\n", paint, blit,
              paint / blit);

  // Hover: 100 moves inside the button make it hot once.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  skinner->draws = 0;
  for (int i = 0; i < 100; ++i) {
    SendMessageA(button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5 + i % 60, 5 + i % 15));
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  std::printf("hover: %d repaints for 100 mouse moves within the button\n", skinner->draws);
  return 0;
}
