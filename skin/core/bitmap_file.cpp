#include "skin/core/bitmap_file.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "framework/handles.h"

namespace skin {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

uint32_t U32(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | (static_cast<uint32_t>(bytes[at + 1]) << 8) |
         (static_cast<uint32_t>(bytes[at + 2]) << 16) |
         (static_cast<uint32_t>(bytes[at + 3]) << 24);
}
uint16_t U16(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// What GDI is handed: a BITMAPINFOHEADER followed by the colour table or the three masks.
struct DibDescription {
  std::vector<uint32_t> info;  // uint32_t storage keeps the header aligned
  const uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;  // always positive
  int bits = 0;
};

bool Describe(std::span<const uint8_t> file, DibDescription& dib) {
  if (file.size() < kFileHeaderSize + kCoreHeaderSize || file[0] != 'B' || file[1] != 'M')
    return false;
  const uint32_t header_size = U32(file, kFileHeaderSize);
  const size_t header_at = kFileHeaderSize;
  int64_t width = 0, height = 0;
  int bits = 0;
  uint32_t compression = BI_RGB, colours_used = 0;
  size_t palette_entry_size = 4;
  if (header_size == kCoreHeaderSize) {
    width = U16(file, header_at + 4);
    height = U16(file, header_at + 6);
    bits = U16(file, header_at + 10);
    palette_entry_size = 3;
  } else if (header_size >= kInfoHeaderSize && header_size <= file.size() - header_at) {
    width = static_cast<int32_t>(U32(file, header_at + 4));
    height = static_cast<int32_t>(U32(file, header_at + 8));
    bits = U16(file, header_at + 14);
    compression = U32(file, header_at + 16);
    colours_used = U32(file, header_at + 32);
  } else {
    return false;
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
      width * height > kMaxBitmapPixels)
    return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  const bool bitfields = compression == BI_BITFIELDS;
  if (compression != BI_RGB && !(bitfields && (bits == 16 || bits == 32))) return false;

  // Masks follow a 40-byte header; larger headers carry them inside.
  size_t table_at = header_at + header_size;
  uint32_t masks[3] = {};
  if (bitfields) {
    const size_t masks_at = header_size == kInfoHeaderSize ? table_at : header_at + kInfoHeaderSize;
    if (masks_at + 12 > file.size()) return false;
    for (int i = 0; i < 3; ++i) masks[i] = U32(file, masks_at + 4 * static_cast<size_t>(i));
    if (header_size == kInfoHeaderSize) table_at += 12;
  }
  uint32_t palette_entries = 0;
  if (bits <= 8) {
    const uint32_t full = 1u << bits;
    palette_entries = colours_used == 0 || colours_used > full ? full : colours_used;
  }
  const size_t palette_bytes = palette_entries * palette_entry_size;
  if (table_at + palette_bytes > file.size()) return false;

  const size_t row_bytes = ((static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32) * 4;
  const size_t pixel_bytes = row_bytes * static_cast<size_t>(height);
  // The declared offset wins when the rows fit behind it; some writers leave it 0.
  size_t pixels_at = U32(file, 10);
  if (pixels_at < table_at + palette_bytes || pixels_at > file.size() ||
      file.size() - pixels_at < pixel_bytes) {
    pixels_at = table_at + palette_bytes;
    if (file.size() - pixels_at < pixel_bytes) return false;
  }

  dib.info.assign((sizeof(BITMAPINFOHEADER) + 3 * sizeof(uint32_t) + 256 * sizeof(RGBQUAD)) / 4, 0);
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib.info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = static_cast<LONG>(width);
  header->biHeight = static_cast<LONG>(top_down ? -height : height);
  header->biPlanes = 1;
  header->biBitCount = static_cast<WORD>(bits);
  header->biCompression = bitfields ? BI_BITFIELDS : BI_RGB;
  header->biClrUsed = palette_entries;
  auto* table = reinterpret_cast<uint8_t*>(header + 1);
  if (bitfields) {
    std::memcpy(table, masks, sizeof masks);
  } else {
    for (uint32_t i = 0; i < palette_entries; ++i) {
      const uint8_t* entry = file.data() + table_at + i * palette_entry_size;
      RGBQUAD quad{entry[0], entry[1], entry[2], 0};
      std::memcpy(table + i * sizeof(RGBQUAD), &quad, sizeof quad);
    }
  }
  dib.pixels = file.data() + pixels_at;
  dib.width = static_cast<int>(width);
  dib.height = static_cast<int>(height);
  dib.bits = bits;
  return true;
}

}  // namespace

bool LoadBitmapFile(fw::TBitmap& target, std::span<const uint8_t> file) {
  target = fw::TBitmap();
  DibDescription dib;
  if (!Describe(file, dib)) return false;
  fw::TBitmap image(dib.width, dib.height, dib.bits == 32 ? fw::pf32bit : fw::pf24bit);
  const int copied = StretchDIBits(
      image.DC(), 0, 0, dib.width, dib.height, 0, 0, dib.width, dib.height, dib.pixels,
      reinterpret_cast<const BITMAPINFO*>(dib.info.data()), DIB_RGB_COLORS, SRCCOPY);
  if (copied == 0 || copied == static_cast<int>(GDI_ERROR)) return false;
  GdiFlush();
  target = std::move(image);
  return true;
}

bool LoadBitmapResource(fw::TBitmap& target, const char* name) {
  target = fw::TBitmap();
  fw::UniqueBitmap resource(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!resource) return false;
  BITMAP info{};
  if (!GetObjectA(resource.get(), sizeof info, &info) || info.bmWidth < 1 || info.bmHeight < 1)
    return false;
  fw::TBitmap image(info.bmWidth, info.bmHeight, fw::pf24bit);
  fw::UniqueMemoryDC source(CreateCompatibleDC(nullptr));
  if (!source) return false;
  {
    fw::SelectObjectGuard selected(source.get(), resource.get());
    BitBlt(image.DC(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  target = std::move(image);
  return true;
}

}  // namespace skin
