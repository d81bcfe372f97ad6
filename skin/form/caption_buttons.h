// The objects of a skinned frame's non-client area that react to the mouse: TNCObject, the base
// shared with the menu-bar buttons, and TWinSysButton, one caption button of the skin. A form
// skinner has at most one hot object; the mouse protocol that drives them is in
// caption_buttons.cpp.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/paint/skin_paint.h"

namespace skin {

class TWinSkinForm;
class TDataSkinSysButton;

// The states of a non-client object (State).
enum TNCObjectState : int32_t { osNormal = 1, osPressed = 2, osHot = 3 };

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm& form) : Form(&form) {}
  virtual ~TNCObject() = default;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  // On every mouse move over the object.
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm* Form;
  RECT BoundsRect{};  // relative to the window's top-left corner
  uint8_t Visible = 0;
  int32_t State = osNormal;
  uint8_t Enabled = 1;
};

class TWinSysButton final : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& form, const TDataSkinSysButton& record, size_t index)
      : TNCObject(form), SkinButton(&record), Index(index) {}

  // Draws the button in its state into the window DC.
  void Paint() override;
  // Draws the button in `state` into `dc` (whose origin is the window's top-left corner).
  void PaintTo(HDC dc, int32_t state);

  const TDataSkinSysButton* SkinButton;  // the record; valid until the next skin build
  size_t Index;                          // its place in SysButtons and in the caption layout

 private:
  // Frame `frame` of `frames` of the image, stretched to the button's size and keyed; made when
  // it is first drawn at that size.
  const KeyedImage& FrameImage(int frames, int frame, int width, int height);

  std::vector<KeyedImage> frameImages_;  // by frame number; empty entries not made yet
  SIZE frameImagesSize_{};
};

// The hint text shown over a caption button of `action`; nullptr when it has none.
[[nodiscard]] const char* CaptionButtonHint(int32_t action);

}  // namespace skin
