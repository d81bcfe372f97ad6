#include "tools/skinpack/window_preview.h"

#include <algorithm>
#include <string>

#include "skin/resources/element_frames.h"
#include "tools/skinimage/bitmap_font.h"
#include "tools/skinimage/bmp_file.h"
#include "tools/skinpack/skin_archive.h"

namespace skinpack {
namespace {

using skinimage::Image;
using skinimage::MakeRgb;
using skinimage::Rect;
using skinimage::Rgb;

constexpr int kWindowW = 360, kWindowH = 150;
constexpr int kGap = 14;  // between the two windows
constexpr Rgb kBackground = MakeRgb(246, 246, 246);
constexpr const char* kPersonality = "Personality";

std::optional<Image> DecodeEntry(const DecodedSkin& skin, const std::string& entry) {
  const std::vector<uint8_t>* bytes = skin.Find(entry);
  std::string error;
  return bytes ? skinimage::DecodeBmp(*bytes, error) : std::nullopt;
}

// Frame `index` (from 1) of an image of `frames` frames; a frame past the last is the last.
Image FrameOf(const Image& image, int frames, int index, bool stacked) {
  frames = std::max(frames, 1);
  const int i = std::clamp(index, 1, frames) - 1;
  if (stacked) {
    const int fh = image.Height() / frames;
    return image.Crop({0, i * fh, image.Width(), (i + 1) * fh});
  }
  const int fw = image.Width() / frames;
  return image.Crop({i * fw, 0, (i + 1) * fw, image.Height()});
}

int Integer(const DecodedSkin& skin, const std::string& section, const std::string& key, int fallback) {
  return static_cast<int>(skin.definition.ReadInteger(section, key, fallback));
}

// A colour of the Colours section: its first three numbers are red, green and blue.
Rgb SkinColour(const DecodedSkin& skin, const std::string& key, Rgb fallback) {
  const std::string text = skin.definition.ReadString("Colours", key, "");
  int numbers[3] = {0, 0, 0}, found = 0;
  for (size_t i = 0; i < text.size() && found < 3;) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = (value * 10 + (text[i] - '0')) % 256;
    numbers[found++] = value;
  }
  return found == 3 ? MakeRgb(numbers[0], numbers[1], numbers[2]) : fallback;
}

// Nearest-neighbour nine-slice: corners copied, edges and centre stretched. The window border
// pieces the program tiles have uniform middles, which look the same stretched.
void DrawNineSlice(Image& target, const Rect& to, const Image& frame, int left, int top, int right, int bottom) {
  const int w = to.Width(), h = to.Height(), fw = frame.Width(), fh = frame.Height();
  if (w < left + right) left = right = 0;
  if (h < top + bottom) top = bottom = 0;
  auto map = [](int at, int size, int first, int last, int source) {
    if (at < first) return at;
    if (at >= size - last) return source - (size - at);
    const int middle = size - first - last, source_middle = source - first - last;
    return middle > 0 && source_middle > 0 ? first + (at - first) * source_middle / middle : first;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      target.Set(to.left + x, to.top + y, frame.At(map(x, w, left, right, fw), map(y, h, top, bottom, fh)));
}

// The caption text plate: the frame's left part, its middle repeated, its right part, each
// stretched to the rectangle's height; magenta left transparent.
void DrawTextPlate(Image& target, const Rect& to, const Image& frame, int left, int right) {
  const int fw = frame.Width(), fh = frame.Height(), middle = fw - left - right;
  if (to.Empty() || fh <= 0 || middle <= 0) return;
  for (int x = 0; x < to.Width(); ++x) {
    int from = left + (x - left) % middle;
    if (x < left) from = x;
    if (x >= to.Width() - right) from = fw - (to.Width() - x);
    for (int y = 0; y < to.Height(); ++y) {
      const Rgb pixel = frame.At(from, y * fh / to.Height());
      if (pixel != skinimage::kMagenta) target.Set(to.left + x, to.top + y, pixel);
    }
  }
}

// Whether a Visibility or Visibility1 code shows a button on a normal (not maximised) window with
// a system menu and minimize and maximize boxes, no help box, that is not a dialog; codes that
// ask the window itself show nothing here.
bool Shown(int code, bool active) {
  switch (code) {
    case 0:
    case 2:
    case 6:
    case 8:
      return true;
    case 3:
      return active;
    case 4:
      return !active;
    default:
      return code >= 201 && code <= 999;
  }
}

// Stands in for the window icon, which the program takes from the window: the program's clipboard
// at the small icon size, as much of the 16 × 16 square as the real icon fills.
void DrawIconStandIn(Image& target, int x, int y) {
  static constexpr const char* kRows[] = {
      "                ", "      cccc      ", "  bbbcc  ccbbb  ", "  bbbccccccbbb  ",
      "  bbwwwwwwwwbb  ", "  bbwwwwwwwwbb  ", "  bbwllllllwbb  ", "  bbwwwwwwwwbb  ",
      "  bbwllllllwbb  ", "  bbwwwwwwwwbb  ", "  bbwllllllwbb  ", "  bbwwwwwwwwbb  ",
      "  bbwllllwwwbb  ", "  bbwwwwwwwwbb  ", "  bbbbbbbbbbbb  ", "   bbbbbbbbbb   ",
  };
  for (int row = 0; row < 16; ++row) {
    for (int column = 0; column < 16; ++column) {
      switch (kRows[row][column]) {
        case 'c':
          target.Set(x + column, y + row, MakeRgb(96, 110, 128));
          break;
        case 'b':
          target.Set(x + column, y + row, MakeRgb(115, 186, 245));
          break;
        case 'w':
          target.Set(x + column, y + row, skinimage::kWhite);
          break;
        case 'l':
          target.Set(x + column, y + row, MakeRgb(0, 64, 128));
          break;
        default:
          break;
      }
    }
  }
}
constexpr int kIconSize = 16;  // the system's small icon

struct CaptionButton {
  int action, align, x, y, visibility, visibility1;
  const FrameLayout* layout;  // its image, when it has one
};

bool IsIconAction(int action) { return action == 3 || action == 11; }

// The caption buttons as the element build keeps them: every section whose name begins with
// "BUTTON" but for the push, check and radio button sections, and but for a section with Action
// -1 that is not always visible.
std::vector<CaptionButton> CaptionButtons(const DecodedSkin& skin, const std::vector<FrameLayout>& layouts) {
  std::vector<std::string> sections;
  skin.definition.ReadSections(&sections);
  std::vector<CaptionButton> buttons;
  for (const std::string& section : sections) {
    const std::string upper = [&] {
      std::string text = section;
      for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      return text;
    }();
    if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
        upper == "BUTTON.CHECKBOX")
      continue;
    const int action = Integer(skin, section, "Action", 0);
    if (action == -1 && Integer(skin, section, "Visibility", -1) != 0) continue;
    CaptionButton button{action,
                         Integer(skin, section, "Align", 0),
                         Integer(skin, section, "XCoord", 0),
                         Integer(skin, section, "YCoord", 0),
                         Integer(skin, section, "Visibility", 0),
                         Integer(skin, section, "Visibility1", action == -1 ? -1 : 0),
                         nullptr};
    for (const FrameLayout& layout : layouts)
      if (layout.element == skin::SkinElement::kCaptionButton && LowerAscii(layout.section) == LowerAscii(section))
        button.layout = &layout;
    buttons.push_back(button);
  }
  return buttons;
}

const FrameLayout* Find(const std::vector<FrameLayout>& layouts, skin::SkinElement element) {
  for (const FrameLayout& layout : layouts)
    if (layout.element == element) return &layout;
  return nullptr;
}

}  // namespace

std::optional<Image> WindowPreview(const DecodedSkin& skin, const std::vector<FrameLayout>& layouts) {
  using skin::ActiveFrames;
  using skin::SkinElement;
  const SkinElement kBorders[4] = {SkinElement::kBorderLeft, SkinElement::kBorderRight, SkinElement::kBorderTop,
                                   SkinElement::kBorderBottom};
  const FrameLayout* pieces[4] = {};
  std::optional<Image> images[4];
  for (int i = 0; i < 4; ++i) {
    pieces[i] = Find(layouts, kBorders[i]);
    if (pieces[i] == nullptr) return std::nullopt;
    images[i] = DecodeEntry(skin, pieces[i]->entry);
    if (!images[i]) return std::nullopt;
  }
  const FrameLayout* plate = Find(layouts, SkinElement::kTitle);
  const std::optional<Image> plate_image = plate ? DecodeEntry(skin, plate->entry) : std::nullopt;
  const std::vector<CaptionButton> buttons = CaptionButtons(skin, layouts);

  Image preview(2 * kWindowW + kGap, kWindowH, kBackground);
  for (const bool active : {true, false}) {
    const int state = active ? ActiveFrames::kActive : ActiveFrames::kInactive;
    Image frames[4];
    for (int i = 0; i < 4; ++i) frames[i] = FrameOf(*images[i], pieces[i]->frames, state, pieces[i]->vertical);
    Image window(kWindowW, kWindowH, skinimage::kWhite);
    const int bl = frames[0].Width(), br = frames[1].Width(), bt = frames[2].Height(), bb = frames[3].Height();
    DrawNineSlice(window, {0, 0, bl, kWindowH}, frames[0], 0, pieces[0]->top, 0, pieces[0]->bottom);
    DrawNineSlice(window, {kWindowW - br, 0, kWindowW, kWindowH}, frames[1], 0, pieces[1]->top, 0, pieces[1]->bottom);
    DrawNineSlice(window, {bl, 0, kWindowW - br, bt}, frames[2], pieces[2]->left, 0, pieces[2]->right, 0);
    DrawNineSlice(window, {bl, kWindowH - bb, kWindowW - br, kWindowH}, frames[3], pieces[3]->left, 0, pieces[3]->right,
                  0);

    // The caption text: measured, widened by the plate's ends, placed by TextAlignment, clipped
    // TextRightClip before the right edge; the plate behind it.
    const std::string caption = active ? "Active window" : "Inactive window";
    const Rect area = {bl, 0, kWindowW - br, bt};
    const int plate_left = Integer(skin, kPersonality, "TXTBackleft", 0);
    const int plate_right = Integer(skin, kPersonality, "TXTBackRight", 0);
    const int clip = Integer(skin, kPersonality, "TextRightClip", 0);
    const int text_width = skinimage::TextWidth(caption) + plate_left + plate_right;
    int dx = 0;
    switch (Integer(skin, kPersonality, "TextAlignment", 0)) {
      case 0:
        dx = Integer(skin, kPersonality, "TextShift", 0);
        break;
      case 1:
        dx = (area.Width() - text_width) / 2;
        break;
      case 2:
        dx = area.Width() - clip - text_width;
        break;
      default:
        break;
    }
    const int dy = (area.Height() - skinimage::kCellHeight) / 2 + Integer(skin, kPersonality, "TextShiftVert", 0) / 2;
    Rect text = {area.left + dx, area.top + dy, area.left + dx + text_width, area.top + dy + skinimage::kCellHeight};
    text.right = std::min(text.right, area.right - clip);
    if (plate_image)
      DrawTextPlate(window, {text.left, area.top, text.right, area.bottom},
                    FrameOf(*plate_image, plate->frames, state, plate->vertical), plate_left, plate_right);
    skinimage::DrawText(window, text.left + plate_left, text.top, caption,
                        SkinColour(skin, active ? "TitleTextActive" : "TitleTextNoActive",
                                   active ? MakeRgb(255, 255, 255) : MakeRgb(212, 208, 200)));

    // The caption buttons, each one frame of its image (the window icon for the icon actions):
    // frame 1 on an active window, the inactive frame on an inactive one when the image has it.
    for (const CaptionButton& button : buttons) {
      if (!Shown(button.visibility, active) || !Shown(button.visibility1, active)) continue;
      std::optional<Image> image;
      if (!IsIconAction(button.action) && button.layout) {
        const std::optional<Image> strip = DecodeEntry(skin, button.layout->entry);
        const int count = button.layout->frames;
        if (strip)
          image = FrameOf(*strip, count,
                          active || count < skin::CaptionButtonFrames::kInactive ? skin::CaptionButtonFrames::kNormal
                                                                                 : skin::CaptionButtonFrames::kInactive,
                          false);
      }
      const int width = IsIconAction(button.action) ? kIconSize : image ? image->Width() : 0;
      if (width == 0) continue;
      int x = 0;
      switch (button.align) {
        case 0:
          x = button.x;
          break;
        case 1:
          x = kWindowW - button.x;
          break;
        case 2:
        case 8:
          x = text.left - width - button.x;
          break;
        case 3:
        case 9:
          x = text.right + button.x;
          break;
        default:
          continue;
      }
      if (IsIconAction(button.action))
        DrawIconStandIn(window, x, button.y);
      else
        window.DrawKeyed(*image, image->Bounds(), x, button.y, skinimage::kMagenta);
    }
    preview.DrawKeyed(window, window.Bounds(), active ? 0 : kWindowW + kGap, 0, skinimage::kMagenta);
  }
  return preview;
}

}  // namespace skinpack
