// Menus: trees of TMenuItem objects that build native menus (HMENU, owned and freed here). A main
// menu becomes a form's menu bar; a popup menu opens at a point or on a control's right click.
// With OwnerDraw every native item is owner-drawn and WM_MEASUREITEM / WM_DRAWITEM reach the
// items' OnMeasureItem / OnDrawItem events.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/component.h"
#include "framework/handles.h"
#include "framework/messages.h"

namespace fw {

class TCanvas;
class TImageList;
class TMenu;

// ShortCut values: a virtual key with modifier bits.
using TShortCut = int32_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
// "Ctrl+S", "Shift+Del", "F5"; empty for 0.
[[nodiscard]] std::string ShortCutToText(TShortCut shortCut);

using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas* canvas, const RECT& rect, bool selected)>;
inline constexpr const char* kMenuDrawItemSignature = "TMenuDrawItemEvent";
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas* canvas, int& width, int& height)>;
inline constexpr const char* kMenuMeasureItemSignature = "TMenuMeasureItemEvent";

class TMenuItem : public TComponent {
  FW_DECLARE_CLASS()

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  [[nodiscard]] bool Checked() const { return checked_; }
  void SetChecked(bool value);
  [[nodiscard]] bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  [[nodiscard]] bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  [[nodiscard]] bool Visible() const { return visible_; }
  void SetVisible(bool value);
  [[nodiscard]] bool Default() const { return default_; }
  void SetDefault(bool value);
  [[nodiscard]] TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  [[nodiscard]] int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  [[nodiscard]] const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  [[nodiscard]] bool IsLine() const { return caption_ == "-"; }

  // The tree.
  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  [[nodiscard]] TMenuItem* Parent() const { return parent_; }
  [[nodiscard]] int MenuIndex() const;
  // Adds a child at the end (the item leaves its previous parent).
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // The menu the tree belongs to, or nullptr.
  [[nodiscard]] TMenu* GetParentMenu() const;
  // The item with that command in this subtree, or nullptr.
  [[nodiscard]] TMenuItem* Find(UINT command);

  // The native command identifier of this item (unique in the process, from 1).
  [[nodiscard]] UINT Command() const { return command_; }
  // The native menu that lists this item's children, made on first use.
  [[nodiscard]] HMENU Handle();
  [[nodiscard]] bool HandleAllocated() const { return static_cast<bool>(handle_); }

  TMethod OnClick;
  TMethod OnDrawItem;
  TMethod OnMeasureItem;

  virtual void Click();
  // The item's size and look: its own events when assigned, the plain system look otherwise.
  void MeasureItem(TCanvas* canvas, int& width, int& height);
  void DrawItem(TCanvas* canvas, const RECT& rect, bool selected);

  void SetParentComponent(TComponent* parent) override;
  [[nodiscard]] TComponent* GetParentComponent() const override;

 private:
  template <typename T>
  void Assign(T& field, const T& value) {
    field = value;
    Changed();
  }
  friend class TMenu;
  friend class TMainMenu;
  void Changed();
  void RebuildHandle();
  void FillItemInfo(MENUITEMINFOA& info, std::string& text);

  std::string caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  TShortCut shortCut_ = 0;
  int imageIndex_ = -1;
  std::string hint_;
  UINT command_ = 0;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;          // set on the root item of a menu only
  std::vector<TMenuItem*> items_;  // not owned: every item belongs to its owner component
  UniqueMenu handle_;
  bool rootIsBar_ = false;
};

class TMenu : public TComponent {
  FW_DECLARE_CLASS()

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item: its children are the menu's top-level items.
  [[nodiscard]] TMenuItem* Items() const { return items_.get(); }
  [[nodiscard]] HMENU Handle() const { return items_->Handle(); }
  [[nodiscard]] bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  [[nodiscard]] TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);

  // The item with that command, or nullptr.
  [[nodiscard]] TMenuItem* FindItem(UINT command) const { return items_->Find(command); }
  // Runs the OnClick of the item with that command; false when no item has it.
  bool DispatchCommand(UINT command);

 protected:
  // A native item changed: the window showing this menu redraws it.
  virtual void MenuChanged() {}

 private:
  friend class TMenuItem;
  std::unique_ptr<TMenuItem> items_;
  bool ownerDraw_ = false;
  TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
  FW_DECLARE_CLASS()

 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  // The window whose menu bar shows this menu (set by the form). A change of the menu puts it back
  // on the window and sends the window CM_MENUCHANGED.
  [[nodiscard]] HWND WindowHandle() const { return window_; }
  void SetWindowHandle(HWND window) { window_ = window; }

 protected:
  void MenuChanged() override;

 private:
  HWND window_ = nullptr;
};

class TPopupMenu : public TMenu {
  FW_DECLARE_CLASS()

 public:
  explicit TPopupMenu(TComponent* owner);
  [[nodiscard]] bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  // The control whose right click opened the menu, or nullptr.
  [[nodiscard]] TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

  TMethod OnPopup;

  // Shows the menu with its top-left corner at a screen point and runs the chosen item's OnClick.
  virtual void Popup(int x, int y);

 private:
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
};

// Answers WM_MEASUREITEM and WM_DRAWITEM for owner-drawn items of the framework's menus; false for
// any other item.
bool DispatchMenuOwnerDraw(TMessage& message);

}  // namespace fw
