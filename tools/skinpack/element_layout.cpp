#include "tools/skinpack/element_layout.h"

#include <algorithm>

#include "skin/resources/skin_reader.h"
#include "tools/skinpack/skin_archive.h"
#include "tools/skinpack/skin_contents.h"

namespace skinpack {
namespace {

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::vector<std::string> Repeat(const std::vector<std::string>& prefixes,
                                const std::vector<std::string>& states) {
  std::vector<std::string> labels;
  for (const std::string& prefix : prefixes)
    for (const std::string& state : states) labels.push_back(prefix.empty() ? state : prefix + " " + state);
  return labels;
}

// Labels for n frames: the given ones, then "frame i" for any more.
std::vector<std::string> Fit(std::vector<std::string> labels, int frames) {
  for (int i = static_cast<int>(labels.size()); i < frames; ++i) labels.push_back("frame " + std::to_string(i + 1));
  labels.resize(static_cast<size_t>(std::max(frames, 0)));
  return labels;
}

const std::vector<std::string> kButtonStates = {"normal", "pressed", "disabled", "hot"};

std::vector<std::string> CheckLabels(int frames, bool radio) {
  if (frames == 12 && !radio) return Repeat({"unchecked", "checked", "mixed"}, {"normal", "hot*", "pressed*", "disabled"});
  if (frames == 8 && radio) return Repeat({"unchecked", "checked"}, {"normal", "hot*", "pressed*", "disabled"});
  return {"unchecked", "checked", "unchecked disabled", "checked disabled"};
}

// Frames of check or radio images without a frame key: width div 13 for images under 16 pixels
// high, else width div 16, at least 4.
int CheckFramesFromImage(int frames, const std::optional<std::pair<int, int>>& size) {
  if (frames > 0 || !size) return frames > 0 ? frames : 4;
  const int unit = size->second < 16 ? 13 : 16;
  return std::max(size->first / unit, 4);
}

}  // namespace

int CaptionButtonFrames(int width, int height, int action) {
  if (action < 0 || height <= 0) return 6;
  // width / height <= 3.8, compared in integers
  return width * 10 <= height * 38 ? 3 : 6;
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
    const std::string section = Upper(item.section);
    const std::string key = Upper(item.key);
    auto integer = [&](const char* name, int fallback) {
      return static_cast<int>(ini.ReadInteger(item.section, name, fallback));
    };
    auto margins = [&] {
      layout.left = integer("LeftWidth", 0);
      layout.top = integer("TopHeight", 0);
      layout.right = integer("RightWidth", 0);
      layout.bottom = integer("BottomHeight", 0);
    };
    const bool is_image = key == "IMAGE";

    if (section == "PERSONALITY" && (key == "LEFT" || key == "RIGHT" || key == "TOP" || key == "BOTTOM")) {
      const std::string name = item.key;
      layout.frames = integer((name + "Frame").c_str(), 1);
      layout.vertical = key == "TOP" || key == "BOTTOM";
      const int first = integer((name + "TopHeight").c_str(), 0);
      const int last = integer((name + "BotHeight").c_str(), 0);
      if (layout.vertical) {
        layout.left = first;
        layout.right = last;
      } else {
        layout.top = first;
        layout.bottom = last;
      }
      layout.keyed = integer((name + "Trans").c_str(), 1) == 1;
      layout.labels = {"active", "inactive"};
    } else if (section == "PERSONALITY" && key == "MENUBAR") {
      layout.frames = 2;
      layout.vertical = true;
      layout.left = integer("TileLeftMenu", 1);
      layout.right = integer("TileRightMenu", 1);
      layout.labels = {"active", "inactive"};
    } else if (section == "PERSONALITY" && key == "TEXTBACK") {
      layout.frames = 2;
      layout.keyed = true;
      layout.left = integer("TXTBackleft", 0);
      layout.right = integer("TXTBackRight", 0);
      layout.labels = {"active", "inactive"};
    } else if (section == "BUTTONS" && key == "BITMAP") {
      margins();
      layout.frames = 5;
      layout.keyed = integer("Trans", 0) == 1;
      layout.labels = {"normal", "pressed", "disabled", "hot", "focused"};
    } else if (section == "BUTTONS" && (key == "CHECKBUTTON" || key == "RADIOBUTTON")) {
      const bool radio = key == "RADIOBUTTON";
      layout.frames = CheckFramesFromImage(integer(radio ? "RadioButtonFrame" : "CheckButtonFrame", 0),
                                           image_size(layout.entry));
      layout.keyed = true;
      layout.labels = CheckLabels(layout.frames, radio);
    } else if (section == "PROGRESS" && key == "BITMAP") {
      margins();
      layout.frames = integer("Style", 0) != 0 ? 1 : 2;
      layout.keyed = true;
      layout.labels = layout.frames == 1 ? std::vector<std::string>{"trough"}
                                         : std::vector<std::string>{"empty", "filled"};
    } else if (section == "PROGRESS.CHUNK" && is_image) {
      margins();
      layout.frames = std::max(integer("Frame", 0), 1);
      layout.keyed = true;
      layout.labels = {"chunk"};
    } else if (section == "TABS" && is_image) {
      margins();
      layout.frames = 5;
      layout.keyed = integer("Trans", 0) == 1;
      layout.labels = {"normal", "selected", "hot*", "disabled*", "focused*"};
    } else if (section == "TAB.PANE" && is_image) {
      margins();
      layout.left = std::min(layout.left, 4);
      layout.top = std::min(layout.top, 4);
      layout.right = std::min(layout.right, 4);
      layout.bottom = std::min(layout.bottom, 4);
      layout.labels = {"pane"};
    } else if (section == "COMBOBUTTON" && is_image) {
      margins();
      layout.frames = 4;
      layout.keyed = true;
      layout.labels = kButtonStates;
    } else if (section == "STATUSBAREDGES" && is_image) {
      margins();
      layout.frames = 3;
      layout.labels = {"lowered", "raised", "flat"};
    } else if (section == "HEADERBAR" && is_image) {
      margins();
      layout.frames = integer("Frame", 0) == 0 ? 5 : integer("Frame", 0);
      layout.keyed = integer("Trans", 0) == 1;
      layout.labels = {"normal", "hot", "pressed*", "disabled*", "selected*"};
    } else if (section == "SCROLLBAR" && is_image) {
      layout.frames = 23;
      layout.keyed = true;
      const std::vector<std::string> arrow = {"normal", "pressed", "disabled*", "hot"};
      layout.labels = Repeat({"left", "right", "up", "down"}, arrow);
      for (const char* grip : {"h-grip", "v-grip"})
        for (const char* state : {"normal", "pressed", "hot"}) layout.labels.push_back(std::string(grip) + " " + state);
      layout.labels.push_back("spare*");
    } else if ((section == "HORZSCROLL" || section == "VERTSCROLL") && is_image) {
      margins();
      layout.frames = 4;
      layout.keyed = integer("Trans", 0) == 1;
      layout.labels = {"normal", "pressed*", "disabled", "hot*"};
    } else if ((section == "HORZSCROLLTHUMB" || section == "VERTSCROLLTHUMB") && is_image) {
      margins();
      layout.frames = integer("FrameCount", 3);
      layout.keyed = integer("Trans", 0) == 1;
      layout.labels = {"normal", "pressed", "hot", "disabled*"};
    } else if (section == "MENUITEM" && is_image) {
      margins();
      layout.frames = 5;
      layout.keyed = integer("Trans", 0) == 1;
      layout.labels = {"normal", "separator", "pressed*", "selected", "disabled*"};
    } else if (section == "EXTRAIMAGES" && is_image) {
      layout.frames = 5;
      layout.keyed = true;
      layout.labels = Repeat({"arrow"}, kButtonStates);
      layout.labels.push_back("size grip");
    } else if (section.rfind("TRACKBAR.THUMB", 0) == 0 && is_image) {
      layout.frames = 5;
      layout.keyed = true;
      layout.labels = {"flat*", "normal", "hot*", "pressed*", "disabled*"};
    } else if ((section == "TRACK" || section == "TRACKVERT") && is_image) {
      margins();
      layout.frames = std::max(integer("Frame", 1), 1);
      layout.labels = {"channel"};
    } else if (section == "MDICONTROLS" && is_image) {
      layout.frames = 12;
      layout.keyed = true;
      layout.labels = Repeat({"min", "restore", "close"}, {"normal", "pressed", "disabled*", "hot"});
    } else if (section.rfind("UPDOWN.", 0) == 0 && (is_image || key == "GLYPHIMAGE")) {
      layout.frames = 8;
      layout.keyed = true;
      const bool horizontal = section == "UPDOWN.HORZ";
      layout.labels = Repeat({horizontal ? "left" : "up", horizontal ? "right" : "down"}, kButtonStates);
    } else if (section.rfind("BUTTON", 0) == 0 && key == "BUTTONIMAGE") {
      const int action = integer("Action", 0);
      layout.frames = integer("frame", 0);
      if (layout.frames == 0) {
        const auto size = image_size(layout.entry);
        layout.frames = size ? CaptionButtonFrames(size->first, size->second, action) : 6;
      }
      layout.keyed = true;
      layout.labels = {"normal", "pressed", "hot", "inactive", "disabled*", "inactive hot*"};
    } else if (section == "MINCAPTION" && is_image) {
      // Not drawn by the program; its margins only fit frames stacked top to bottom.
      margins();
      layout.frames = std::max(integer("Frame", 1), 1);
      layout.vertical = true;
      layout.labels = {"active*", "inactive*"};
    } else {
      margins();
      layout.frames = std::max(integer("Frame", 1), 1);
      layout.keyed = integer("Trans", 0) == 1;
    }
    layout.frames = std::max(layout.frames, 1);
    layout.labels = Fit(std::move(layout.labels), layout.frames);
    layouts.push_back(std::move(layout));
  }
  return layouts;
}

}  // namespace skinpack
