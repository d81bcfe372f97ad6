#include "skin/form/tests/frame_test_skins.h"

#include <fstream>
#include <iterator>

#include "skin/form/tests/skin_manage_fixture.h"
#include "tests/support/win_test_util.h"

namespace frametest {
namespace {

using skinimage::Image;
using skinimage::Rgb;

// Two frames of a border piece, side by side (`stacked` false) or one above the other; with
// `transparent`, the piece's outermost corners are magenta.
Image BorderImage(int width, int height, FrameColours colours, bool stacked, bool transparent) {
  const int frameWidth = stacked ? width : width * 2;
  const int frameHeight = stacked ? height * 2 : height;
  Image image(frameWidth, frameHeight);
  for (int frame = 0; frame < 2; ++frame) {
    const Rgb colour = frame == 0 ? colours.active : colours.inactive;
    const int left = stacked ? 0 : frame * width;
    const int top = stacked ? frame * height : 0;
    image.Fill({left, top, left + width, top + height}, colour);
    if (transparent) {
      image.Set(left, top, skinimage::kMagenta);
      image.Set(left + width - 1, top, skinimage::kMagenta);
    }
  }
  return image;
}

std::string Line(const std::string& key, int value) { return key + "=" + std::to_string(value) + "\r\n"; }

std::string ColourLine(const std::string& key, Rgb colour) {
  return key + "=" + std::to_string(skinimage::RedOf(colour)) + " " + std::to_string(skinimage::GreenOf(colour)) + " " +
         std::to_string(skinimage::BlueOf(colour)) + "\r\n";
}

}  // namespace

const std::vector<ShippedSkin>& ShippedSkins() {
  // One line per skin of the program.
  static const std::vector<ShippedSkin> skins = {
      {"sky blue", &DefaultSkin},
      {"midnight", &MidnightSkin},
  };
  return skins;
}

Bytes DefaultSkin() { return DefaultSkinStream(); }

Bytes MidnightSkin() {
  static const Bytes stored = [] {
    std::ifstream file(testutil::WindowsPathOf(std::string(PASTELLE_SKINS_DIR) + "/midnight.skin"), std::ios::binary);
    return skintest::TestSkin::Wrap(Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
  }();
  return stored;
}

std::vector<ButtonSpec> StandardButtons() {
  const auto button = [](int action, int x, int visibility, int visibility1, Rgb normal) {
    ButtonSpec recipe;
    recipe.action = action;
    recipe.x = x;
    recipe.visibility = visibility;
    recipe.visibility1 = visibility1;
    // Pressed darker, hot lighter, inactive darker still.
    recipe.colours[0] = normal;
    recipe.colours[1] = skinimage::Mix(normal, skinimage::kBlack, 1, 2);
    recipe.colours[2] = skinimage::Mix(normal, skinimage::kWhite, 1, 2);
    recipe.colours[3] = skinimage::Mix(normal, skinimage::kBlack, 3, 4);
    return recipe;
  };
  return {
      button(0, 25, 0, 0, 0xC00000),  // close
      button(1, 49, 2, 6, 0x00A000),  // maximize
      button(1, 49, 1, 0, 0x00A0A0),  // restore
      button(2, 73, 8, 0, 0x0000C0),  // minimize
  };
}

Bytes SolidFrameSkin(const FrameSkinSpec& recipe) {
  skintest::TestSkin skin;
  std::string& text = skin.definition;
  text += "[TitlebarSkin]\r\nSkinName=solid\r\n\r\n[Personality]\r\n";
  if (recipe.borders) {
    skin.Bitmap("left.bmp", BorderImage(recipe.side, recipe.length, kLeftColours, false, recipe.transparent));
    skin.Bitmap("right.bmp", BorderImage(recipe.side, recipe.length, kRightColours, false, recipe.transparent));
    skin.Bitmap("top.bmp", BorderImage(recipe.length, recipe.top, kTopColours, true, recipe.transparent));
    skin.Bitmap("bottom.bmp", BorderImage(recipe.length, recipe.bottom, kBottomColours, true, recipe.transparent));
    for (const char* name : {"Left", "Right", "Top", "Bottom"}) {
      std::string lower = name;
      lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
      text += std::string(name) + "=" + lower + ".bmp\r\n";
      text += Line(std::string(name) + "Frame", 2);
      text += Line(std::string(name) + "Stretch", 1);
      text += Line(std::string(name) + "Trans", recipe.transparent ? 1 : 0);
      text += Line(std::string(name) + "TopHeight", 2);
      text += Line(std::string(name) + "BotHeight", 2);
    }
  }
  if (recipe.title) {
    text += Line("TextShift", recipe.textShift);
    text += Line("TextShiftVert", 0);
    text += Line("TextRightClip", recipe.textRightClip);
    text += Line("TextAlignment", recipe.textAlignment);
  }
  text += "\r\n[Colours]\r\n";
  text += ColourLine("ButtonFace", kFaceColour);
  text += ColourLine("TitleTextActive", kTitleActiveColour);
  text += ColourLine("TitleTextNoActive", kTitleInactiveColour);
  for (size_t i = 0; i < recipe.buttons.size(); ++i) {
    const ButtonSpec& button = recipe.buttons[i];
    const std::string image = "button" + std::to_string(i) + ".bmp";
    text += "\r\n[Button" + std::to_string(i) + "]\r\n";
    if (button.image) {
      Image strip(button.width * 4, button.height);
      for (int frame = 0; frame < 4; ++frame)
        strip.Fill({frame * button.width, 0, (frame + 1) * button.width, button.height}, button.colours[frame]);
      skin.Bitmap(image, strip);
      text += "ButtonImage=" + image + "\r\n" + Line("Frame", 4);
    }
    text += Line("Align", button.align) + Line("XCoord", button.x) + Line("YCoord", button.y) +
            Line("Action", button.action) + Line("Visibility", button.visibility) +
            Line("Visibility1", button.visibility1);
  }
  return skin.Stored();
}

}  // namespace frametest
