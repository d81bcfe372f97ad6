// Controls: TControl (position, alignment, anchors, font, colour, mouse events and the
// replaceable window method), TGraphicControl (drawn by its parent, no window of its own) and
// TWinControl (a real window: a native control class or one of the framework's own).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/font.h"
#include "framework/messages.h"

namespace fw {

class TWinControl;
class TPopupMenu;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
extern const EnumType kAlignType;

// Reading order and alignment of text; the right-to-left modes also mirror the scroll bar side.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
extern const EnumType kBiDiModeType;

enum TAnchorKind : uint32_t { akLeft, akTop, akRight, akBottom };
using TAnchors = uint32_t;
inline constexpr TAnchors kDefaultAnchors = (1u << akLeft) | (1u << akTop);
extern const EnumType kAnchorKindType;

// The window method: sees every message of the control first. The skin engine replaces it and
// passes on what it does not handle.
using TWndMethod = std::function<void(TMessage&)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Keys and buttons held during a mouse event: the MK_* flags of the message (MK_SHIFT, MK_CONTROL,
// MK_LBUTTON, ...).
using TShiftState = uint32_t;
// OnMouseDown: the button pressed and the point in client coordinates.
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
inline constexpr const char* kMouseEventSignature = "TMouseEvent";

class TControl : public TComponent {
  FW_DECLARE_CLASS()

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // Geometry, relative to the parent's client area.
  [[nodiscard]] int Left() const { return left_; }
  [[nodiscard]] int Top() const { return top_; }
  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  [[nodiscard]] RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  [[nodiscard]] virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
  [[nodiscard]] virtual int ClientWidth() const { return ClientRect().right; }
  [[nodiscard]] virtual int ClientHeight() const { return ClientRect().bottom; }

  [[nodiscard]] TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  [[nodiscard]] TComponent* GetParentComponent() const override;

  [[nodiscard]] TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  [[nodiscard]] TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);

  [[nodiscard]] bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  [[nodiscard]] bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // The caption of buttons, labels and panels; the text of edits.
  [[nodiscard]] virtual std::string Caption() const { return text_; }
  virtual void SetCaption(const std::string& text);

  [[nodiscard]] TColor Color() const { return color_; }
  void SetColor(TColor color);
  [[nodiscard]] bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  [[nodiscard]] TFont* Font() const { return font_.get(); }
  [[nodiscard]] bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  [[nodiscard]] TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  [[nodiscard]] const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  [[nodiscard]] TBiDiMode BiDiMode() const { return biDiMode_; }
  virtual void SetBiDiMode(TBiDiMode mode);
  [[nodiscard]] bool UseRightToLeftReading() const { return biDiMode_ != TBiDiMode::bdLeftToRight; }
  // The menu that a right click on the control opens.
  [[nodiscard]] TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  TMethod OnClick;
  TMethod OnDblClick;
  TMethod OnMouseEnter;
  TMethod OnMouseLeave;
  TMethod OnMouseDown;  // TMouseEvent

  // The replaceable window method and the message entry point that goes through it.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // The control's own handling; WindowProc calls it unless replaced.
  virtual void WndProc(TMessage& message);
  // What happens to a message that nobody handled.
  virtual void DefaultHandler(TMessage& message) { (void)message; }

  virtual void Invalidate();
  virtual void Click();
  virtual void DblClick();
  // A mouse button went down over the control: fires OnMouseDown.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);

  // Screen position of a client point of this control.
  [[nodiscard]] POINT ClientToScreen(POINT point) const;

 protected:
  // The parent's size changed: move or stretch this control by its anchors.
  void ApplyAnchors(int parentWidth, int parentHeight);
  // Remembers the current bounds as the reference for the anchors.
  void UpdateAnchorOrigin();
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void BoundsChanged() {}
  void Notification(TComponent* component) override;
  void RequestParentAlign();

  friend class TWinControl;

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_ = kDefaultAnchors;
  struct AnchorOrigin {
    RECT bounds{};
    int parentWidth = 0, parentHeight = 0;
    bool valid = false;
  } anchorOrigin_;
  bool anchoring_ = false;
  bool visible_ = true;
  bool enabled_ = true;
  bool clicking_ = false;
  std::string text_;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TCursor cursor_ = crDefault;
  std::string hint_;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
  TPopupMenu* popupMenu_ = nullptr;
};

// A control without a window of its own: its parent paints it (WM_PAINT with the parent's DC
// in wParam, origin at the control) and hands it the mouse messages over its area.
class TGraphicControl : public TControl {
  FW_DECLARE_CLASS()

 public:
  explicit TGraphicControl(TComponent* owner);
  void WndProc(TMessage& message) override;
  void Invalidate() override;

 protected:
  virtual void Paint(HDC dc) = 0;
};

// What a windowed control's window is made of.
struct TCreateParams {
  std::string caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
  std::string className;     // the framework's window class, named after the control's class
  std::string superclassOf;  // a native class whose behaviour the window keeps, e.g. "BUTTON"
  UINT classStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
  FW_DECLARE_CLASS()

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // Paints the visible windowless children into a DC of the client area (a painter that draws
  // the control itself puts them back on top this way).
  void PaintControls(HDC dc);

  // The window, made on first use (with the parent's window first).
  [[nodiscard]] HWND Handle();
  [[nodiscard]] bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { (void)Handle(); }
  void DestroyHandle();

  [[nodiscard]] int TabOrder() const;
  void SetTabOrder(int order);
  [[nodiscard]] bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }

  [[nodiscard]] int ControlCount() const { return static_cast<int>(controls_.size()); }
  [[nodiscard]] TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  // The visible child under a client point (graphic controls included), or nullptr.
  [[nodiscard]] TControl* ControlAtPos(POINT point, bool includeWindowed) const;

  // Focusable windowed controls below this one, in tab order, all levels.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  [[nodiscard]] bool Focused() const;
  [[nodiscard]] bool CanFocus() const;
  void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void SetBiDiMode(TBiDiMode mode) override;
  [[nodiscard]] std::string Caption() const override;
  void SetCaption(const std::string& text) override;
  [[nodiscard]] RECT ClientRect() const override;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Invalidate() override;
  void Loaded() override;

  // Lays out the children by their alignment, then by their anchors.
  void AlignControls();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists (children are made after it).
  virtual void CreateWindowHandle(const TCreateParams& params);
  virtual void InitializeWindow() {}
  // A child was added, removed, moved, resized, shown or hidden.
  virtual void ChildBoundsChanged() {}
  // Makes the window again (native styles that only take effect at creation), keeping its text.
  void RecreateWnd();

  // Paints the background and the graphic children into a DC of the client area. Controls of
  // the framework's own classes paint through this, double-buffered.
  virtual void PaintWindow(HDC dc);
  void PaintHandler(TMessage& message);
  // The brush for the control's colour, made on first use.
  [[nodiscard]] HBRUSH ColorBrush() const;

  void FontChanged() override;
  void ColorChanged() override;

  bool ownPainting_ = false;  // true for windows the framework paints itself (panels, forms)

 private:
  friend class TControl;
  static LRESULT CALLBACK StandardWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void ReflectToChild(TMessage& message, HWND child);
  bool RouteMouseToGraphic(TMessage& message);
  void UpdateMouseTracking();
  void UpdateWindowFont();
  bool ShowPopupMenu(LPARAM screenPoint);

  HWND handle_ = nullptr;
  WNDPROC defaultProc_ = nullptr;
  std::vector<TControl*> controls_;  // children in creation order; not owned
  std::vector<TWinControl*> tabList_;
  int tabOrderWanted_ = -1;
  bool tabStop_ = false;
  int alignDisabled_ = 0;
  bool alignPending_ = false;
  TControl* captureControl_ = nullptr;
  mutable UniqueBrush colorBrush_;
};

// The framework's tag on each of its windows: the window property under this atom holds the
// control object. Its text is "ControlOfs" with the module instance and the thread id.
[[nodiscard]] ATOM ControlAtom();
[[nodiscard]] UINT ControlMessage();
// The framework control behind a window, or nullptr.
[[nodiscard]] TWinControl* FindControl(HWND window);

}  // namespace fw
