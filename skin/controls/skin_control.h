// TSkinControl, the base of every control skinner. A control skinner attaches to one control's
// window, sees every message of that window before the window's own handling and draws the
// control's skinned look from the skin component's element records.
//
// It attaches either to a framework control (InitControl: through the control's window method) or
// to a bare window (InitHandle: through the window's procedure chain); both ways are SkinnerBase's,
// and both put back exactly what they replaced, only while it is still the installed one. The
// form skinner that made it keeps it in its list of skinners (ISkinnerHost), tells it when the
// skin changes and frees it; the control that owns it frees it too when the control goes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/graphics/canvas.h"
#include "framework/messages.h"
#include "skin/controls/skinner_base.h"
#include "skin/core/skin_data.h"

namespace skin {

class TSkinControl;

// The form skinner as its control skinners see it: the list that holds them.
class ISkinnerHost {
 public:
  // True when the skinner was already listed; otherwise appends it.
  virtual bool AddSkinner(TSkinControl* skinner) = 0;
  virtual void RemoveSkinner(TSkinControl* skinner) = 0;

 protected:
  ~ISkinnerHost() = default;
};

// What the mouse and keyboard do to a control.
enum TSkinControlStateFlag : uint8_t {
  scHot = 1,   // the mouse is over the window
  scDown = 2,  // the left button or the space key holds the control pressed
};
using TSkinControlState = uint8_t;

// FLifeState values.
inline constexpr int kSkinnerCreated = 0;
inline constexpr int kSkinnerAttached = 1;
inline constexpr int kSkinnerDestroyed = 6;  // the window received WM_NCDESTROY

class TSkinControl : public fw::TComponent, public SkinnerBase {
  FW_DECLARE_CLASS()

 public:
  // Owner: the skinned framework control, or the form skinner for a bare window.
  explicit TSkinControl(fw::TComponent* owner);
  ~TSkinControl() override;

  // Attaches to the owner control; a second call does nothing.
  virtual void InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor);
  // Attaches to a window that has no framework control; a second call does nothing.
  virtual void InitHandle(HWND window, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form);
  // Stops skinning: messages pass unchanged from now on, and the control's colour goes back.
  virtual void Unskin();
  // True when the message is to go on to the previous procedure and then to AfterMessage; false
  // when it was handled here and its Result stands.
  virtual bool BeforeMessage(fw::TMessage& message);
  virtual void AfterMessage(fw::TMessage& message);
  // Paints the whole window, frame included, on `dc` or, when it is 0, on the window's DC.
  virtual void PaintControl(HDC dc);
  // Draws the skinned look into `rect` (0, 0, width, height of the window).
  virtual void DrawControl(HDC dc, const RECT& rect);
  // The skin changed: the colour is taken again and the control redrawn.
  virtual void SkinChanged();
  [[nodiscard]] virtual bool IsSkinnable() const { return true; }

  // The message entry of the window.
  void SkinWndProc(fw::TMessage& message);
  using SkinnerBase::CallDefault;
  // Invalidates and updates the window (or the windowless control).
  void Redraw();
  void FillFace(HDC dc, const RECT& rect) const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  // The parent's published Color, or `defaultColor` without a parent or such a property.
  [[nodiscard]] fw::TColor GetParentColor(fw::TColor defaultColor) const;
  [[nodiscard]] LONG GetWindowLongEx(HWND window, int index) const;
  // The focus rectangle around the caption as DrawSkinText would place it with `flags` in `rect`.
  void DrawTextFocus(HDC dc, UINT flags, const RECT& rect) const;
  // Raises the framework control's MouseDown with the left button at the message's point.
  void ForwardMouseDown(const fw::TMessage& message) const;
  // The hot state shared by the skinners that light up under the mouse: WM_MOUSEMOVE over the
  // enabled window makes it hot (redrawn, WM_MOUSELEAVE asked for); WM_MOUSELEAVE takes hot and
  // down away (redrawn). True when the message was one of the two.
  bool TrackHotState(const fw::TMessage& message);

  [[nodiscard]] HWND Handle() const { return FHandle; }
  [[nodiscard]] fw::TControl* Control() const { return FControl; }
  [[nodiscard]] ISkinnerHost* Host() const { return FForm; }
  // Called by the form skinner that lets go of this skinner.
  void ForgetHost() { FForm = nullptr; }

  TSkinControlState FState = 0;
  fw::TCanvas* FCanvas = nullptr;           // the form skinner's scratch canvas (not owned)
  bool FEnabled = false;                    // the window was enabled when last drawn
  bool FFocused = false;                    // the window had the keyboard focus when last drawn
  std::wstring FCaption;                    // the caption the drawing code shows
  bool FActive = true;                      // skinning is on
  bool FUnicode = false;                    // IsWindowUnicode of FHandle at attach
  TSkinData* FSkinData = nullptr;           // the skin component (not owned)
  HWND FHandle = nullptr;                   // the skinned window
  fw::TControl* FControl = nullptr;         // the framework control; nullptr for a bare window
  RECT FWindowRect{};                       // window rectangle (screen) before the last full repaint
  fw::TControl* FGraphicControl = nullptr;  // a windowless control redrawn through Invalidate
  bool FSetColor = false;                   // the control's Color was replaced by ButtonFace at attach
  fw::TColor FOldColor = fw::clBtnFace;     // its Color before that
  bool FInitialized = false;                // attached; a second InitControl does nothing
  int FLifeState = kSkinnerCreated;
  ISkinnerHost* FForm = nullptr;  // the form skinner whose list holds this skinner
  int FKind = 0;                  // a style number of the subclass's own

 protected:
  void HandleMessage(fw::TMessage& message) final { SkinWndProc(message); }
  void WindowDestroyed() noexcept override { FLifeState = kSkinnerDestroyed; }
  // Registers with the form skinner (once).
  void Register(ISkinnerHost* form);
  [[nodiscard]] fw::TColor FaceColor() const;
};

// Free routines shared by the skinners.

// Adds DT_RTLREADING when the skinner's control (or windowless control) reads right to left.
[[nodiscard]] UINT AddBiDiFlags(const TSkinControl& skinner, UINT flags);
// Gives `destination` the size and pixel format of `source` and draws the source into it.
void CopyBitmap(const fw::TBitmap& source, fw::TBitmap& destination);
// WS_POPUP, or the parent is the desktop's drop-down owner (0x10014), as a combo box's list is.
[[nodiscard]] bool IsPopupWindow(HWND window);
// WM_PAINT of a skinner that paints the whole window itself: DrawControl on the wParam DC or on
// BeginPaint's.
void OwnPaint(TSkinControl& skinner, fw::TMessage& message);
// WM_ERASEBKGND of such a skinner: the parent's background under the control; result 1.
void OwnEraseBackground(TSkinControl& skinner, fw::TMessage& message);

}  // namespace skin
