// Skinned scroll bars. The system's scroll bars of a control are not repainted: drawn bars
// (TWScrollbar windows) are laid exactly over them, draw the skin's arrows, track and thumb, and
// hand every press back to the real bar as a non-client press, so that scrolling, auto-repeat and
// thumb tracking stay exactly the system's.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/handles.h"
#include "skin/controls/scroll_bar_geometry.h"
#include "skin/controls/skin_control.h"

namespace skin {

// Which bar a drawn bar covers.
enum TBarKind : int {
  bkHorizontal = 0,  // the window's horizontal bar
  bkVertical = 1,    // the window's vertical bar
  bkControl = 2,     // a scroll bar control: the whole window
};

// One drawn scroll bar: a child window of the target's parent, directly above the target in
// z-order. It is a window of its own class rather than a framework control, so that the
// parent's framework child list (alignment, tab order, painting) never sees it.
class TWScrollbar {
 public:
  explicit TWScrollbar(TSkinControl* skinner);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  void AttachToControl(fw::TWinControl* control, int kind);
  void AttachToHandle(HWND target, int kind);
  // Reads the covered bar and shows, places or hides the drawn bar over it.
  void UpdatePosition();
  void HideBar();
  void Invalidate() const;
  // Invalidates the bar when the covered bar's thumb, state or place differ from what was last
  // painted: the system repaints its own bar far more often than it changes.
  void RefreshIfChanged();
  void SetEnabled(bool enabled) const;
  // The part under a point of the drawn bar's client area.
  [[nodiscard]] int HitTest(POINT point) const;
  [[nodiscard]] HWND Window() const { return window_.get(); }
  // Paints the bar into `dc` (the drawn bar's client area at 0, 0).
  void Paint(HDC dc);

  int FBarLength = 0;
  int FThumbStart = 0;
  int FThumbEnd = 0;
  POINT FScreenOrigin{};
  POINT FDragCursor{};
  int FDragThumb = 0;
  int FVertical = 0;
  int FHotPart = kNoPart;
  int FArrowSize = 0;
  HWND FTarget = nullptr;
  fw::TWinControl* FTargetControl = nullptr;
  TSkinControl* FSkinner = nullptr;
  int FBarKind = bkHorizontal;
  RECT FBarRect{};  // the bar in the target's client coordinates
  bool FBarVisible = false;
  bool FTracking = false;

 private:
  // What the covered bar looks like now.
  struct Geometry {
    RECT bar{};  // screen coordinates (kinds 0 and 1), the parent's client coordinates (kind 2)
    ThumbSpan thumb;
    DWORD state = 0;
  };
  [[nodiscard]] bool ReadGeometry(Geometry& geometry) const;
  void EnsureWindow();
  void Press(LPARAM lParam);
  void Release(LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  fw::UniqueWindow window_;
  bool enabled_ = true;
  Geometry painted_;  // what the last paint showed
  int paintedHotPart_ = kNoPart;
  bool paintedTracking_ = false;
};

// Framework controls with window scroll bars: two drawn bars and, with a border, a flat frame.
class TSkinScrollbar : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;

  // Attaches to a control with scroll bars (the owner).
  virtual void InitScrollControl(fw::TControl* control, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form);
  void Unskin() override;
  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChanged() override;

  void UpdateBars();
  // The flat frame: ButtonShadow outside, ButtonFace inside.
  void PaintBorder(HDC dc) const;

  std::unique_ptr<TWScrollbar> FHorzBar;
  std::unique_ptr<TWScrollbar> FVertBar;
  bool FOwnBorder = false;

 private:
  void FreeBars();
};

// A list view: its scroll bars as TSkinScrollbar's, and its header skinned.
class TSkinListView : public TSkinScrollbar {
  FW_DECLARE_CLASS()

 public:
  using TSkinScrollbar::TSkinScrollbar;
  void InitScrollControl(fw::TControl* control, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form) override;

  TSkinControl* FHeader = nullptr;  // the header's skinner, owned by the list view control
};

// A window of no framework control with window scroll bars (a simple combo box's list, for one):
// two drawn bars, attached by handle.
class TSkinScrollbarH : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbarH() override;

  void InitHandle(HWND window, TSkinData* skinData, fw::TCanvas* canvas, ISkinnerHost* form) override;
  void Unskin() override;
  bool BeforeMessage(fw::TMessage& message) override;
  void AfterMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  void UpdateBars();

  std::unique_ptr<TWScrollbar> FHorzBar;
  std::unique_ptr<TWScrollbar> FVertBar;

 private:
  void FreeBars();
};

// A scroll bar control: one drawn bar over the whole control.
class TSkinScControl : public TSkinControl {
  FW_DECLARE_CLASS()

 public:
  using TSkinControl::TSkinControl;
  ~TSkinScControl() override;

  void InitControl(ISkinnerHost* form, TSkinData* skinData, fw::TCanvas* canvas, bool setColor) override;
  void Unskin() override;
  void AfterMessage(fw::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  std::unique_ptr<TWScrollbar> FScrollbar;
};

}  // namespace skin
