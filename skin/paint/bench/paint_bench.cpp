// Timing of the skin painters, run by hand (not a test). DrawSkinElement of a 632 × 56 caption
// image with two frames, nine-sliced into 655 × 56 and 1920 × 56, opaque and transparent, with
// the centre stretched and tiled, beside one BitBlt of the same area as the floor; FillGradient
// with its ramp cached against recomputed on every call. Build the Windows tree, then:
//   source tools/wine-session.sh; wine_session_start BUILD/win private
//   wine BUILD/win/skin/paint/bench/skin_paint_bench.exe [--out DIR]; wine_session_stop
// With --out, the drawn captions are also written to DIR as .bmp files to look at.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/paint/platform_family.h"
#include "skin/paint/skin_paint.h"
#include "skin/resources/element_frames.h"
#include "skin/resources/imgutil.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFrameWidth = 316;
// The caption's frames, as the window borders hold them.
constexpr int kFrames = skin::ActiveFrames::kCount;
constexpr int kActive = skin::ActiveFrames::kActive;
constexpr int kInactive = skin::ActiveFrames::kInactive;
constexpr int kHeight = 56;
constexpr COLORREF kKey = RGB(255, 0, 255);

// A caption image of two frames (active, inactive): a vertical gradient, a darker rim, a
// pattern in the middle so that tiling shows, and rounded top corners in the key colour.
fw::TBitmap CaptionImage() {
  fw::TBitmap image(kFrames * kFrameWidth, kHeight, fw::pf24bit);
  for (int frame = 0; frame < kFrames; ++frame) {
    const int left = frame * kFrameWidth;
    const RECT area{left, 0, left + kFrameWidth, kHeight};
    skin::FillGradient(image.DC(), area, frame ? RGB(150, 160, 175) : RGB(70, 130, 220),
                       skin::GradientDirection::Vertical, frame ? RGB(110, 115, 130) : RGB(20, 60, 140));
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kFrameWidth; ++x) {
        const bool rim = x < 2 || x >= kFrameWidth - 2 || y < 2 || y >= kHeight - 2;
        if (rim) image.SetPixel(left + x, y, RGB(10, 20, 50));
        if (!rim && x > 60 && x < kFrameWidth - 110 && (x / 4 + y / 4) % 2 == 0) {
          const COLORREF c = image.Pixel(left + x, y);
          image.SetPixel(left + x, y, RGB(GetRValue(c) + 20, GetGValue(c) + 20, GetBValue(c)));
        }
        // Rounded corners of radius 8 at the top.
        const int radius = 8;
        const int dx = x < radius ? radius - x : x >= kFrameWidth - radius ? x - (kFrameWidth - radius - 1) : 0;
        const int dy = y < radius ? radius - y : 0;
        if (dx > 0 && dy > 0 && dx * dx + dy * dy > radius * radius) {
          image.SetPixel(left + x, y, kKey);
        }
      }
    }
  }
  return image;
}

// Median over batches of the time of one call, in microseconds.
double MicrosPerCall(const std::function<void()>& call, int calls_per_batch) {
  for (int i = 0; i < calls_per_batch / 4 + 1; ++i) call();
  std::vector<double> batches;
  for (int batch = 0; batch < 7; ++batch) {
    const auto start = Clock::now();
    for (int i = 0; i < calls_per_batch; ++i) call();
    GdiFlush();
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    batches.push_back(spent.count() / calls_per_batch);
  }
  std::sort(batches.begin(), batches.end());
  return batches[batches.size() / 2];
}

void WriteBmp(const fw::TBitmap& bitmap, const std::string& path) {
  const int stride = bitmap.RowBytes();
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = bitmap.Width();
  info.biHeight = -bitmap.Height();
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(bitmap.BytesPerPixel() * 8);
  info.biCompression = BI_RGB;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride) * bitmap.Height();
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    for (int y = 0; y < bitmap.Height(); ++y) std::fwrite(bitmap.ScanLine(y), stride, 1, out);
    std::fclose(out);
  }
}

// A light checkerboard, so that keyed pixels show in the written pictures.
void Checker(fw::TBitmap& target) {
  for (int y = 0; y < target.Height(); ++y) {
    for (int x = 0; x < target.Width(); ++x) {
      target.SetPixel(x, y, (x / 8 + y / 8) % 2 ? RGB(235, 235, 235) : RGB(200, 200, 200));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string out_dir;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--out") out_dir = argv[i + 1];
  }

  const fw::TBitmap caption = CaptionImage();
  const skin::FrameMargins margins{60, 6, 110, 6};
  fw::TBitmap target(1920, kHeight, fw::pf32bit);
  Checker(target);

  std::printf("DrawSkinElement of a %d x %d caption image (2 frames), margins 60/6/110/6\n", caption.Width(),
              caption.Height());
  std::printf("%-34s %12s %12s %8s\n", "case", "us/call", "BitBlt us", "ratio");
  for (int width : {655, 1920}) {
    fw::TBitmap same_size(width, kHeight, fw::pf32bit);
    const double floor =
        MicrosPerCall([&] { BitBlt(target.DC(), 0, 0, width, kHeight, same_size.DC(), 0, 0, SRCCOPY); }, 400);
    for (int tile : {0, 1}) {
      for (int trans : {0, 1}) {
        const skin::SkinElementImage element{&caption, margins, tile, trans};
        const RECT rect{0, 0, width, kHeight};
        const double spent =
            MicrosPerCall([&] { skin::DrawSkinElement(target.DC(), rect, kFrames, kActive, element); }, 100);
        char name[64];
        std::snprintf(name, sizeof name, "%d x %d %s %s", width, kHeight, tile ? "tiled" : "stretched",
                      trans ? "transparent" : "opaque");
        std::printf("%-34s %12.1f %12.1f %8.1f\n", name, spent, floor, spent / floor);
        if (!out_dir.empty()) {
          fw::TBitmap picture(width, kHeight, fw::pf32bit);
          Checker(picture);
          skin::DrawSkinElement(picture.DC(), rect, kFrames, trans ? kInactive : kActive, element);
          std::string file = out_dir + "\\caption_" + std::to_string(width) + (tile ? "_tiled" : "_stretched") +
                             (trans ? "_transparent_frame2" : "_opaque_frame1") + ".bmp";
          WriteBmp(picture, file);
        }
      }
    }
  }

  // Where the time of a transparent element goes: composing, then keying on either path.
  std::printf("\nParts of DrawSkinElement (stretched centre)\n");
  std::printf("%-34s %12s %12s %12s\n", "size", "compose us", "MaskBlt us", "3 blits us");
  for (int width : {655, 1920}) {
    const RECT rect{0, 0, width, kHeight};
    const double compose = MicrosPerCall(
        [&] {
          (void)skin::StretchFrame(rect, caption, margins, skin::FrameStrip::SideBySide, skin::CentreFill::Stretch,
                                   kFrames, kActive);
        },
        100);
    const fw::TBitmap composed = skin::StretchFrame(rect, caption, margins, skin::FrameStrip::SideBySide,
                                                    skin::CentreFill::Stretch, kFrames, kActive);
    double keyed[2] = {};
    for (int path = 0; path < 2; ++path) {
      skin::ScopedPlatformFamily family(path ? skin::PlatformFamily::Windows9x : skin::PlatformFamily::WindowsNT);
      keyed[path] = MicrosPerCall([&] { skin::DrawTransparent(target.DC(), rect, composed, skin::kKeyColor); }, 100);
    }
    std::printf("%-34d %12.1f %12.1f %12.1f\n", width, compose, keyed[0], keyed[1]);
  }

  std::printf("\nFillGradient, vertical\n");
  std::printf("%-34s %12s %12s %8s\n", "rectangle", "cached us", "uncached us", "ratio");
  for (const SIZE size : {SIZE{10, 40}, SIZE{200, 600}, SIZE{1920, 56}}) {
    fw::TBitmap surface(size.cx, size.cy, fw::pf32bit);
    const RECT rect{0, 0, size.cx, size.cy};
    const double cached = MicrosPerCall(
        [&] {
          skin::FillGradient(surface.DC(), rect, RGB(240, 240, 240), skin::GradientDirection::Vertical,
                             RGB(90, 100, 120));
        },
        200);
    // 17 colour pairs in turn: the 16-slot ring never holds the one asked for.
    int turn = 0;
    const double uncached = MicrosPerCall(
        [&] {
          skin::FillGradient(surface.DC(), rect, RGB(240, 240, 240 - (turn++ % 17)), skin::GradientDirection::Vertical,
                             RGB(90, 100, 120));
        },
        200);
    char name[64];
    std::snprintf(name, sizeof name, "%ld x %ld", size.cx, size.cy);
    std::printf("%-34s %12.1f %12.1f %8.2f\n", name, cached, uncached, uncached / cached);
  }
  return 0;
}
