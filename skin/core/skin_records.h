// The skin element records: one record per element of a decoded skin (frame borders, caption
// text and caption buttons, push/check/radio buttons, tabs, scroll bars, combo and up-down parts,
// progress and track bars, menus, group boxes, headers, status bars). The skin component owns
// them and refills them on every load; painters only read them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/font.h"
#include "framework/graphics/bitmap.h"

namespace skin {

using fw::TColor;

// One skin element. The four margins are kept in the order left, top, right, bottom so that
// they read as one rectangle; `Bitmap` holds `Frame` state images side by side.
class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name);
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  int32_t LeftWidth = 0;
  int32_t TopHeight = 0;
  int32_t RightWidth = 0;
  int32_t BottomHeight = 0;
  std::unique_ptr<fw::TBitmap> Bitmap;
  int32_t Trans = 0;
  int32_t Tile = 0;
  std::string Name;
  int32_t Frame = 0;
  int32_t Style = 0;
  int32_t NormalColour = 0;
  int32_t MouseOverColour = 0;
  int32_t PressedColour = 0;
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

// Frame borders and the elements with a second image (tabs, up-down, combo button, progress).
class TDataSkinBorder : public TDataSkinObject {
 public:
  explicit TDataSkinBorder(std::string name);
  std::unique_ptr<fw::TBitmap> Bitmap2;

  // The four frame borders keep their "Stretch" key in Tile: 1 stretches the centre, anything
  // else tiles it (the opposite of Tile in every other element).
  [[nodiscard]] int32_t Stretch() const { return Tile; }
  void SetStretch(int32_t value) { Tile = value; }
};

// The caption text. LeftWidth, TopHeight and RightWidth hold TextShift, TextShiftVert and
// TextRightClip (read and written through those names; BottomHeight stays 0); Bitmap holds the
// text background image.
class TDataSkinTitle : public TDataSkinObject {
 public:
  explicit TDataSkinTitle(std::string name);

  // Left offset of left-aligned caption text.
  [[nodiscard]] int32_t TextShift() const { return LeftWidth; }
  void SetTextShift(int32_t value) { LeftWidth = value; }
  // Twice the caption text's downward offset.
  [[nodiscard]] int32_t TextShiftVert() const { return TopHeight; }
  void SetTextShiftVert(int32_t value) { TopHeight = value; }
  // Room kept free right of the caption text.
  [[nodiscard]] int32_t TextRightClip() const { return RightWidth; }
  void SetTextRightClip(int32_t value) { RightWidth = value; }

  int32_t TextAlignment = 0;
  int32_t Textbackground = 0;
  int32_t FontHeight = 0;
  int32_t TXTBackleft = 0;
  int32_t TXTBackRight = 0;
  TColor ActiveTextColour = fw::clNone;
  TColor InActiveTextColour = fw::clNone;
};

// Push buttons with the check box and radio button images.
class TDataSkinButton : public TDataSkinObject {
 public:
  explicit TDataSkinButton(std::string name);
  std::unique_ptr<fw::TBitmap> CheckBitmap;
  std::unique_ptr<fw::TBitmap> RadioBitmap;
  int32_t RadioFrames = 0;
  int32_t CheckFrames = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// One caption button.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  explicit TDataSkinSysButton(std::string name);
  int32_t Action = 0;
  int32_t Align = 0;
  int32_t Xcoord = 0;
  int32_t Ycoord = 0;
  int32_t CombineOp = 0;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

// Group boxes: the label background's shifts and alignment.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  explicit TDataSkinBoxLabel(std::string name);
  int32_t BackgroundLeftShift = 0;
  int32_t BackgroundRightShift = 0;
  int32_t BackgroundAlignment = 0;
};

}  // namespace skin
