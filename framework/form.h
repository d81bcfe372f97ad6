// Top-level forms: read from a stored form description, centred on the screen when asked,
// with OnCreate, OnDestroy and OnResize.
#pragma once

#include <string>
#include <string_view>

#include "framework/control.h"

namespace fw {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
extern const EnumType kFormBorderStyleType;
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };
extern const EnumType kPositionType;

// An icon from the program's resources, in every size the resource holds.
class TIcon : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  [[nodiscard]] const std::string& ResourceName() const { return resourceName_; }
  void SetResourceName(const std::string& name);
  // The resource's image nearest to the given size, or nullptr.
  [[nodiscard]] HICON Handle(int size) const;

 private:
  std::string resourceName_;
  mutable UniqueIcon big_, small_;
};

// The base of top-level forms.
class TCustomForm : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomForm(TComponent* owner) : TWinControl(owner) {}
};

class TForm : public TCustomForm {
  FW_DECLARE_CLASS()

 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  [[nodiscard]] int ClientWidth() const override;
  [[nodiscard]] int ClientHeight() const override;
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  [[nodiscard]] RECT ClientRect() const override;
  [[nodiscard]] TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value) { borderStyle_ = value; }
  [[nodiscard]] TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  [[nodiscard]] TIcon* Icon() const { return icon_.get(); }
  // The menu bar: the menu's native menu is the window's, and its items' commands reach their OnClick.
  [[nodiscard]] TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  void Show();
  void Hide() { SetVisible(false); }
  // Closes the form; closing the main form ends the application.
  void Close();

  // The control that has or last had the focus inside this form.
  [[nodiscard]] TWinControl* ActiveControl() const { return activeControl_; }
  // Moves the focus to the next (or previous) focusable control in tab order.
  void SelectNext(bool forward);
  // Alt+letter: clicks the control whose caption carries that accelerator.
  bool DialogChar(char key);
  // Enter clicks the default button (or the push button that has the focus), Escape the cancel
  // button, unless the window that has the key takes it itself (a multi-line edit, an open list).
  bool DialogKey(WPARAM key, HWND target);

  TMethod OnCreate;
  TMethod OnDestroy;
  TMethod OnResize;

  void WndProc(TMessage& message) override;
  void BeforeDestruction() override;

 protected:
  // Reads the stored description of this form (UTF-8 text), then fires OnCreate.
  void LoadDescription(std::string_view description);
  // The description stored as an RCDATA resource of the program.
  static std::string ResourceText(const char* name);

  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  virtual void Resize() { FireNotify(OnResize, this); }
  void Notification(TComponent* component) override;

 private:
  void ApplyPosition();

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TPosition position_ = TPosition::poDesigned;
  std::unique_ptr<TIcon> icon_;
  TWinControl* activeControl_ = nullptr;
  bool shownOnce_ = false;
  TMainMenu* menu_ = nullptr;
};

}  // namespace fw
