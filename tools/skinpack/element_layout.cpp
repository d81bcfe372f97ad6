#include "tools/skinpack/element_layout.h"

#include <algorithm>

#include "skin/resources/element_frames.h"
#include "skin/resources/skin_reader.h"
#include "tools/skinpack/skin_archive.h"
#include "tools/skinpack/skin_contents.h"

namespace skinpack {
namespace {

using skin::SkinElement;

// Labels for n frames: the given ones, then "frame i" for any more.
std::vector<std::string> Fit(std::vector<std::string> labels, int frames) {
  for (int i = static_cast<int>(labels.size()); i < frames; ++i) labels.push_back("frame " + std::to_string(i + 1));
  labels.resize(static_cast<size_t>(std::max(frames, 0)));
  return labels;
}

// The margins the program never stretches, where each element keeps them: most in the section's
// LeftWidth, TopHeight, RightWidth and BottomHeight, as also a bitmap of no element (read like
// MinCaption's).
void ReadMargins(FrameLayout& layout, const skin::ElementFrames* element, const skin::TQuickIni& ini,
                 const DefinitionValue& item) {
  auto integer = [&](const std::string& name, int fallback) {
    return static_cast<int>(ini.ReadInteger(item.section, name, fallback));
  };
  switch (element != nullptr ? element->element : SkinElement::kMinCaption) {
    case SkinElement::kBorderLeft:
    case SkinElement::kBorderRight:
    case SkinElement::kBorderTop:
    case SkinElement::kBorderBottom: {
      // Along the border: the fixed ends of the strip.
      const int first = integer(item.key + "TopHeight", 0);
      const int last = integer(item.key + "BotHeight", 0);
      (layout.vertical ? layout.left : layout.top) = first;
      (layout.vertical ? layout.right : layout.bottom) = last;
      return;
    }
    case SkinElement::kMenuBar:
      layout.left = integer("TileLeftMenu", 1);
      layout.right = integer("TileRightMenu", 1);
      return;
    case SkinElement::kTitle:
      layout.left = integer("TXTBackleft", 0);
      layout.right = integer("TXTBackRight", 0);
      return;
    case SkinElement::kCheckBox:
    case SkinElement::kRadioButton:
    case SkinElement::kScrollbar:
    case SkinElement::kExtraImages:
    case SkinElement::kTrackbarThumbHorz:
    case SkinElement::kTrackbarThumbVert:
    case SkinElement::kTrackbarThumbLeft:
    case SkinElement::kTrackbarThumbRight:
    case SkinElement::kTrackbarThumbUp:
    case SkinElement::kTrackbarThumbDown:
    case SkinElement::kMdiControls:
    case SkinElement::kUpDownHorz:
    case SkinElement::kUpDownHorzGlyph:
    case SkinElement::kUpDownVert:
    case SkinElement::kUpDownVertGlyph:
    case SkinElement::kCaptionButton:
      return;  // drawn whole, stretched or centred
    default:
      break;
  }
  layout.left = integer("LeftWidth", 0);
  layout.top = integer("TopHeight", 0);
  layout.right = integer("RightWidth", 0);
  layout.bottom = integer("BottomHeight", 0);
  if (element && element->element == SkinElement::kTabPane) {
    layout.left = std::min(layout.left, 4);
    layout.top = std::min(layout.top, 4);
    layout.right = std::min(layout.right, 4);
    layout.bottom = std::min(layout.bottom, 4);
  }
}

bool Keyed(skin::FrameKeying keying, const skin::TQuickIni& ini, const DefinitionValue& item) {
  switch (keying) {
    case skin::FrameKeying::kOpaque:
      return false;
    case skin::FrameKeying::kKeyed:
      return true;
    case skin::FrameKeying::kTransKey:
      return ini.ReadInteger(item.section, "Trans", 0) == 1;
    case skin::FrameKeying::kBorderTransKey:
      return ini.ReadInteger(item.section, item.key + "Trans", 1) == 1;
  }
  return false;
}

}  // namespace

int CaptionButtonFrames(int width, int height, int action) {
  return skin::CaptionButtonFrameCount({width, height}, action);
}

std::vector<FrameLayout> DescribeBitmaps(const skin::TQuickIni& ini, const ImageSizeLookup& image_size) {
  std::vector<FrameLayout> layouts;
  for (const DefinitionValue& item : DefinitionValues(ini)) {
    const std::optional<std::string> entry = skin::BitmapEntryName(item.value);
    if (!entry) continue;
    FrameLayout layout;
    layout.section = item.section;
    layout.key = item.key;
    layout.entry = *entry;
    const skin::ElementFrames* element = skin::FindElementFrames(item.section, item.key);
    if (element != nullptr) {
      layout.element = element->element;
      // Only the rules that depend on the image look it up.
      skin::FrameImageSize size;
      if (element->rule == skin::FrameCountRule::kFromImage || element->rule == skin::FrameCountRule::kCaptionButton) {
        if (const auto found = image_size(layout.entry)) size = {found->first, found->second};
      }
      layout.frames = skin::BuildFrameCount(*element, ini, item.section, size);
      layout.vertical = element->stacked;
      layout.keyed = Keyed(element->keying, ini, item);
      for (const skin::FrameName& name : skin::FrameNamesOf(*element, layout.frames))
        layout.labels.push_back(std::string(name.label) + (name.drawn ? "" : "*"));
    } else {
      // Not an element of the program: cut by its own "Frame" key.
      layout.frames = static_cast<int>(ini.ReadInteger(item.section, "Frame", 1));
      layout.keyed = Keyed(skin::FrameKeying::kTransKey, ini, item);
    }
    ReadMargins(layout, element, ini, item);
    layout.frames = std::max(layout.frames, 1);
    layout.labels = Fit(std::move(layout.labels), layout.frames);
    layouts.push_back(std::move(layout));
  }
  return layouts;
}

}  // namespace skinpack
