#include "tools/gallery/image_file.h"

#include <windows.h>

#include <vector>

#include "framework/handles.h"
#include "tools/skinimage/image.h"
#include "tools/skinimage/png_file.h"

namespace gallery {

bool WritePngFile(const fw::TBitmap& image, const std::string& path) {
  if (image.Empty()) return false;
  std::vector<skinimage::Rgb> pixels;
  pixels.reserve(static_cast<size_t>(image.Width()) * static_cast<size_t>(image.Height()));
  for (int y = 0; y < image.Height(); ++y) {
    const std::uint8_t* row = image.ScanLine(y);
    for (int x = 0; x < image.Width(); ++x) {
      const std::uint8_t* pixel = row + static_cast<size_t>(x) * static_cast<size_t>(image.BytesPerPixel());
      pixels.push_back(skinimage::MakeRgb(pixel[2], pixel[1], pixel[0]));
    }
  }
  const std::vector<uint8_t> png =
      skinimage::EncodePng(skinimage::Image(image.Width(), image.Height(), std::move(pixels)));
  HANDLE created = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created == INVALID_HANDLE_VALUE) return false;
  fw::UniqueKernelHandle file(created);
  DWORD written = 0;
  return WriteFile(file.get(), png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
         written == png.size();
}

}  // namespace gallery
