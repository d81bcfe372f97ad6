#include "tools/skinpack/contact_sheet.h"

#include <algorithm>

#include "tools/skinimage/bitmap_font.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinpack/element_layout.h"
#include "tools/skinpack/skin_archive.h"
#include "tools/skinpack/window_preview.h"

namespace skinpack {
namespace {

using skinimage::Image;
using skinimage::MakeRgb;
using skinimage::Rgb;

constexpr int kSheetWidth = 1280;
constexpr int kMargin = 12;
constexpr int kGap = 14;        // between frames
constexpr int kTickLength = 5;  // margin ticks outside a frame
constexpr Rgb kBackground = MakeRgb(246, 246, 246);
constexpr Rgb kText = MakeRgb(30, 30, 30);
constexpr Rgb kDimText = MakeRgb(140, 140, 140);
constexpr Rgb kTick = MakeRgb(230, 40, 40);
constexpr Rgb kRule = MakeRgb(210, 210, 210);
constexpr Rgb kProblem = MakeRgb(200, 0, 0);

int ZoomFor(int width, int height) {
  for (int zoom : {4, 3, 2})
    if (width * zoom <= 320 && height * zoom <= 200) return zoom;
  return 1;
}

// Draws (or, with `draw` false, only measures) the sheet; returns its height.
class SheetWriter {
 public:
  SheetWriter(Image* target) : image_(target) {}

  int y = kMargin;

  void Text(int x, int at_y, const std::string& text, Rgb colour, int scale = 1) {
    if (image_) skinimage::DrawText(*image_, x, at_y, text, colour, scale);
  }
  void Line(int at_y) {
    if (image_) image_->HorizontalLine(kMargin, kSheetWidth - kMargin, at_y, kRule);
  }
  void Picture(const Image& picture, int x, int at_y) {
    if (image_) image_->Draw(picture, x, at_y);
  }
  void Fill(const skinimage::Rect& area, Rgb colour) {
    if (image_) image_->Fill(area, colour);
  }

 private:
  Image* image_;
};

std::string Describe(const FrameLayout& layout, const skinimage::BmpInfo& info) {
  std::string text = std::to_string(info.width) + "x" + std::to_string(info.height) + ", " +
                     std::to_string(info.bits_per_pixel) + " bpp, " + std::to_string(layout.frames) +
                     (layout.frames == 1 ? " frame" : " frames") + (layout.vertical ? " stacked" : "");
  if (layout.left || layout.top || layout.right || layout.bottom)
    text += ", margins L" + std::to_string(layout.left) + " T" + std::to_string(layout.top) + " R" +
            std::to_string(layout.right) + " B" + std::to_string(layout.bottom);
  text += layout.keyed ? ", magenta transparent" : ", opaque";
  return text;
}

void WriteElement(SheetWriter& sheet, const DecodedSkin& skin, const FrameLayout& layout) {
  sheet.Text(kMargin, sheet.y, "[" + layout.section + "] " + layout.key + " = " + layout.entry, kText, 2);
  sheet.y += 2 * skinimage::kCellHeight + 2;
  const std::vector<uint8_t>* bytes = skin.Find(layout.entry);
  std::string error = "missing from the skin";
  std::optional<Image> image;
  std::optional<skinimage::BmpInfo> info;
  if (bytes != nullptr) {
    info = skinimage::ReadBmpInfo(*bytes, error);
    if (info) image = skinimage::DecodeBmp(*bytes, error);
  }
  if (!image) {
    sheet.Text(kMargin, sheet.y, "cannot show: " + error, kProblem);
    sheet.y += skinimage::kCellHeight + kGap;
    return;
  }
  sheet.Text(kMargin, sheet.y, Describe(layout, *info), kDimText);
  sheet.y += skinimage::kCellHeight + 4;
  // The whole bitmap at its own size.
  sheet.Picture(*image, kMargin, sheet.y);
  sheet.y += image->Height() + 8;

  const int fw = layout.vertical ? image->Width() : image->Width() / layout.frames;
  const int fh = layout.vertical ? image->Height() / layout.frames : image->Height();
  const int zoom = ZoomFor(fw, fh);
  const int cell_w = std::max(fw * zoom, 60);
  int x = kMargin + kTickLength + 2;
  int row_top = sheet.y + kTickLength + 2;
  for (int i = 0; i < layout.frames; ++i) {
    if (x + cell_w > kSheetWidth - kMargin && x > kMargin + kTickLength + 2) {
      x = kMargin + kTickLength + 2;
      row_top += fh * zoom + 2 * skinimage::kCellHeight + kGap;
    }
    const skinimage::Rect from =
        layout.vertical ? skinimage::Rect{0, i * fh, fw, (i + 1) * fh} : skinimage::Rect{i * fw, 0, (i + 1) * fw, fh};
    sheet.Picture(image->Crop(from).Magnified(zoom), x, row_top);
    // Ticks where the margins end: never-stretched pixels lie outside them.
    auto tick_x = [&](int at) {
      sheet.Fill({x + at * zoom, row_top - kTickLength - 1, x + at * zoom + 1, row_top - 1}, kTick);
    };
    auto tick_y = [&](int at) {
      sheet.Fill({x - kTickLength - 1, row_top + at * zoom, x - 1, row_top + at * zoom + 1}, kTick);
    };
    if (layout.left) tick_x(layout.left);
    if (layout.right) tick_x(fw - layout.right);
    if (layout.top) tick_y(layout.top);
    if (layout.bottom) tick_y(fh - layout.bottom);
    const std::string& label = layout.labels[static_cast<size_t>(i)];
    const bool spare = !label.empty() && label.back() == '*';
    sheet.Text(x, row_top + fh * zoom + 3, std::to_string(i + 1) + " " + label, spare ? kDimText : kText);
    x += std::max(cell_w, skinimage::TextWidth(std::to_string(i + 1) + " " + label)) + kGap;
  }
  sheet.y = row_top + fh * zoom + skinimage::kCellHeight + 6 + kGap;
  sheet.Line(sheet.y - kGap / 2);
}

int WriteSheet(SheetWriter& sheet, const DecodedSkin& skin, const std::string& title) {
  sheet.Text(kMargin, sheet.y, title, kText, 3);
  sheet.y += 3 * skinimage::kCellHeight + 4;
  const std::string author = skin.definition.ReadString("TitlebarSkin", "SkinAuthor", "");
  sheet.Text(kMargin, sheet.y,
             "archive version " + std::to_string(skin.format_version) + ", " + std::to_string(skin.entries.size()) +
                 " entries, " + std::to_string(skin.decoded_length) + " bytes expanded; definition " +
                 skin.definition_name + (author.empty() ? "" : "; by " + author),
             kText);
  sheet.y += skinimage::kCellHeight + 2;
  sheet.Text(kMargin, sheet.y,
             "Frames at up to 4x zoom. Red ticks: where the nine-slice margins end. "
             "A label with * is a frame the program never draws.",
             kDimText);
  sheet.y += skinimage::kCellHeight + kGap;
  sheet.Line(sheet.y - kGap / 2);
  auto image_size = [&](const std::string& entry) -> std::optional<std::pair<int, int>> {
    const std::vector<uint8_t>* bytes = skin.Find(entry);
    std::string ignored;
    if (bytes == nullptr) return std::nullopt;
    const auto info = skinimage::ReadBmpInfo(*bytes, ignored);
    if (!info) return std::nullopt;
    return std::pair{info->width, info->height};
  };
  const std::vector<FrameLayout> layouts = DescribeBitmaps(skin.definition, image_size);
  if (const std::optional<Image> preview = WindowPreview(skin, layouts)) {
    sheet.Text(kMargin, sheet.y,
               "Window border, caption text and caption buttons put together (text in this sheet's font, a "
               "clipboard standing in for the window icon)",
               kText);
    sheet.y += skinimage::kCellHeight + 4;
    sheet.Picture(*preview, kMargin, sheet.y);
    sheet.y += preview->Height() + kGap;
    sheet.Line(sheet.y - kGap / 2);
  }
  for (const FrameLayout& layout : layouts) WriteElement(sheet, skin, layout);
  return sheet.y + kMargin;
}

}  // namespace

Image RenderContactSheet(const DecodedSkin& skin, const std::string& title) {
  SheetWriter measure(nullptr);
  const int height = WriteSheet(measure, skin, title);
  Image sheet(kSheetWidth, height, kBackground);
  SheetWriter draw(&sheet);
  WriteSheet(draw, skin, title);
  return sheet;
}

}  // namespace skinpack
