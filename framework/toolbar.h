// Bars: the tool bar (native ToolbarWindow32) with its TToolButton children and custom-draw
// events, and the cool bar (native ReBarWindow32), a container of bands that each hold a control.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/collection.h"
#include "framework/control.h"
#include "framework/graphics/canvas.h"

namespace fw {

class TImageList;
class TMainMenu;
class TMenuItem;
class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
extern const EnumType kToolButtonStyleType;

// A button of a tool bar. The bar's window draws it; the object keeps its values and its events.
class TToolButton : public TGraphicControl {
  FW_DECLARE_CLASS()

 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;

  [[nodiscard]] TToolBar* ToolBar() const { return toolBar_; }
  void SetToolBar(TToolBar* value);
  [[nodiscard]] TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle value);
  [[nodiscard]] int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  [[nodiscard]] bool Down() const;
  void SetDown(bool value);
  void SetEnabled(bool enabled) override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::string& text) override;
  // The menu item this button stands for (a tool bar built from a menu), or nullptr.
  [[nodiscard]] TMenuItem* MenuItem() const { return menuItem_; }
  void SetMenuItem(TMenuItem* item) { menuItem_ = item; }
  // The button's native command identifier inside its bar.
  [[nodiscard]] int Command() const { return command_; }
  // The button's rectangle in the bar, from the bar's window.
  [[nodiscard]] RECT ItemRect() const;

  void SetParentComponent(TComponent* parent) override;
  [[nodiscard]] TComponent* GetParentComponent() const override;
  void Click() override;

 protected:
  void Paint(HDC dc) override { (void)dc; }

 private:
  friend class TToolBar;
  TToolBar* toolBar_ = nullptr;
  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
  int imageIndex_ = -1;
  bool down_ = false;
  int command_ = 0;
  TMenuItem* menuItem_ = nullptr;
};

// Custom-draw states of a tool bar button (cdsSelected is bit 0, as the native CDIS_ flags).
enum TCustomDrawStateItem : uint32_t {
  cdsSelected,
  cdsGrayed,
  cdsDisabled,
  cdsChecked,
  cdsFocused,
  cdsDefault,
  cdsHot,
  cdsMarked,
  cdsIndeterminate
};
using TCustomDrawState = uint32_t;
extern const EnumType kCustomDrawStateType;

using TTBCustomDrawEvent = std::function<void(TToolBar* sender, const RECT& rect, bool& defaultDraw)>;
inline constexpr const char* kTBCustomDrawSignature = "TTBCustomDrawEvent";
using TTBCustomDrawBtnEvent =
    std::function<void(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw)>;
inline constexpr const char* kTBCustomDrawBtnSignature = "TTBCustomDrawBtnEvent";

class TToolBar : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;

  [[nodiscard]] bool Flat() const { return flat_; }
  void SetFlat(bool value);
  [[nodiscard]] bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  [[nodiscard]] TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  [[nodiscard]] int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int value);
  [[nodiscard]] int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int value);
  // A main menu whose top-level items become the bar's buttons; a button opens its item's submenu.
  [[nodiscard]] TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* value);

  [[nodiscard]] int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  [[nodiscard]] TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // The canvas the custom-draw events paint on: the DC of the paint in progress.
  [[nodiscard]] TCanvas* Canvas() { return &canvas_; }

  TMethod OnCustomDraw;
  TMethod OnCustomDrawButton;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Notification(TComponent* component) override;

 private:
  friend class TToolButton;
  void InsertButton(TToolButton* button);
  void RemoveButton(TToolButton* button);
  void RebuildButtons();
  void ButtonChanged(TToolButton* button);
  [[nodiscard]] TToolButton* ButtonByCommand(int command) const;
  LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
  void BuildMenuButtons();

  bool flat_ = false;
  bool showCaptions_ = false;
  TImageList* images_ = nullptr;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  TMainMenu* menu_ = nullptr;
  std::vector<TToolButton*> buttons_;                      // not owned, in bar order
  std::vector<std::unique_ptr<TToolButton>> menuButtons_;  // made for the menu's items
  int nextCommand_ = 1;
  TCanvas canvas_;
};

class TCoolBar;

class TCoolBand : public TCollectionItem {
  FW_DECLARE_CLASS()

 public:
  using TCollectionItem::TCollectionItem;
  [[nodiscard]] TWinControl* Control() const { return control_; }
  void SetControl(TWinControl* value);
  [[nodiscard]] const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  [[nodiscard]] TColor Color() const;
  void SetColor(TColor value);
  [[nodiscard]] bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  [[nodiscard]] int Width() const;
  void SetWidth(int value);
  [[nodiscard]] bool Break() const { return break_; }
  void SetBreak(bool value);

 private:
  friend class TCoolBar;
  [[nodiscard]] TCoolBar* Bar() const;
  TWinControl* control_ = nullptr;
  std::string text_;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  int width_ = 100;
  bool break_ = true;
};

class TCoolBands : public TCollection {
  FW_DECLARE_CLASS()

 public:
  explicit TCoolBands(TCoolBar* owner) : owner_(owner) {}
  [[nodiscard]] TCoolBand* Band(int index) const { return static_cast<TCoolBand*>(Item(index)); }
  [[nodiscard]] TCoolBar* Owner() const { return owner_; }
  void Update(TCollectionItem* item) override;

 protected:
  std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<TCoolBand>(this); }

 private:
  TCoolBar* owner_;
};

class TCoolBar : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;
  [[nodiscard]] TCoolBands* Bands() const { return bands_.get(); }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void ColorChanged() override;
  void Notification(TComponent* component) override;

 private:
  friend class TCoolBands;
  friend class TCoolBand;
  void UpdateBands();
  std::unique_ptr<TCoolBands> bands_;
};

}  // namespace fw
