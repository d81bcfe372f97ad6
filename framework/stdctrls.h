// The standard controls: labels, panels, the native button kinds (push, bit, check and radio
// buttons), group boxes and radio groups, edits and memos, combo and list boxes, scroll bars and
// splitters.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/graphics/bitmap.h"
#include "framework/strings.h"

namespace fw {

// A caption drawn by its parent, optionally transparent.
class TLabel : public TGraphicControl {
  FW_DECLARE_CLASS()

 public:
  explicit TLabel(TComponent* owner);
  [[nodiscard]] bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

 protected:
  void Paint(HDC dc) override;

 private:
  bool transparent_ = false;
};

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
extern const EnumType kBevelCutType;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
extern const EnumType kAlignmentType;

enum class TBorderStyle { bsNone, bsSingle };
extern const EnumType kBorderStyleType;

// A container painted by the framework: colour, bevels and a centred caption.
class TCustomPanel : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomPanel(TComponent* owner);
  [[nodiscard]] TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  [[nodiscard]] TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;

 private:
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
  TBevelCut bevelInner_ = TBevelCut::bvNone;
};

class TPanel : public TCustomPanel {
  FW_DECLARE_CLASS()

 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

// The controls built on the native BUTTON class: a click arrives as BN_CLICKED from the parent.
class TButtonControl : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TButtonControl(TComponent* owner);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // The button reported BN_CLICKED.
  virtual void Clicked() { Click(); }
};

// Values of ModalResult: what a button answers for the dialog it closes.
extern const IntegerIdents kModalResultIdents;

class TButton : public TButtonControl {
  FW_DECLARE_CLASS()

 public:
  explicit TButton(TComponent* owner);
  // The button that Enter presses (drawn with the default frame).
  [[nodiscard]] bool Default() const { return default_; }
  void SetDefault(bool value);
  // The button that Escape presses.
  [[nodiscard]] bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  [[nodiscard]] int32_t ModalResult() const { return modalResult_; }
  void SetModalResult(int32_t value) { modalResult_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int32_t modalResult_ = 0;
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
extern const EnumType kButtonLayoutType;

// The glyph of a button: a strip of NumGlyphs images side by side (up, disabled, down, latched
// down), placed by Layout, Margin (-1 centres glyph and caption) and Spacing (-1 spreads them).
class TButtonGlyph {
 public:
  TButtonGlyph();
  virtual ~TButtonGlyph();
  [[nodiscard]] TBitmap* Glyph() const { return glyph_.get(); }
  [[nodiscard]] int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  [[nodiscard]] TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  [[nodiscard]] int Margin() const { return margin_; }
  void SetMargin(int value);
  [[nodiscard]] int Spacing() const { return spacing_; }
  void SetSpacing(int value);

 protected:
  // A value changed: the button repaints.
  virtual void GlyphChanged() = 0;

 private:
  std::unique_ptr<TBitmap> glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};

// Publishes the glyph properties of a button class.
template <typename T>
ClassBuilder<T>& PublishButtonGlyph(ClassBuilder<T>& builder) {
  return builder.SubObject("Glyph", TBitmap::StaticClass(), &T::Glyph)
      .Enumeration("Layout", kButtonLayoutType, &T::Layout, &T::SetLayout)
      .Integer("Margin", &T::Margin, &T::SetMargin)
      .Integer("NumGlyphs", &T::NumGlyphs, &T::SetNumGlyphs)
      .Integer("Spacing", &T::Spacing, &T::SetSpacing);
}

// What a bit button is for. A kind other than bkCustom gives the button its dialog result, its
// Default or Cancel role and, while the caption is empty, the kind's caption; bkClose closes the
// button's form when clicked. A kind brings no picture: the glyph is always the Glyph property.
enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore };
extern const EnumType kBitBtnKindType;

// A push button that also carries a glyph. The native button shows the caption; the glyph is
// published for painters that draw the whole button.
class TBitBtn : public TButton, public TButtonGlyph {
  FW_DECLARE_CLASS()

 public:
  explicit TBitBtn(TComponent* owner) : TButton(owner) {}
  [[nodiscard]] TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind value);
  void Click() override;

 protected:
  void GlyphChanged() override { Invalidate(); }

 private:
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
extern const EnumType kCheckBoxStateType;

// A check box (BS_AUTOCHECKBOX, or BS_AUTO3STATE when it may be grayed). Its State is the
// window's check state; changing it from code fires OnClick as a click does.
class TCustomCheckBox : public TButtonControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomCheckBox(TComponent* owner);
  [[nodiscard]] TCheckBoxState State() const;
  void SetState(TCheckBoxState value);
  [[nodiscard]] bool Checked() const { return State() == TCheckBoxState::cbChecked; }
  void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  [[nodiscard]] bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value);
  // taLeftJustify puts the caption left of the box.
  [[nodiscard]] TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Clicked() override;

 private:
  [[nodiscard]] DWORD ButtonStyle() const;
  void UpdateButtonStyle();

  TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  FW_DECLARE_CLASS()

 public:
  explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

// A radio button: checking one unchecks the other radio buttons of the same parent.
class TRadioButton : public TButtonControl {
  FW_DECLARE_CLASS()

 public:
  explicit TRadioButton(TComponent* owner);
  [[nodiscard]] bool Checked() const { return checked_; }
  void SetChecked(bool value);
  [[nodiscard]] TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Clicked() override;

 private:
  bool checked_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

// A container that draws an etched frame with its caption over the top edge; aligned children
// are placed inside the frame.
class TCustomGroupBox : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomGroupBox(TComponent* owner);
  [[nodiscard]] RECT ClientRect() const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  // Height of the caption line in the control's font.
  [[nodiscard]] int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
  FW_DECLARE_CLASS()

 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

// A group box holding one radio button per item, laid out in Columns; ItemIndex is the checked
// one (-1 for none). The buttons belong to the group.
class TCustomRadioGroup : public TCustomGroupBox {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomRadioGroup(TComponent* owner);
  [[nodiscard]] TStrings* Items() const { return items_.get(); }
  [[nodiscard]] int ItemIndex() const;
  void SetItemIndex(int value);
  [[nodiscard]] int Columns() const { return columns_; }
  void SetColumns(int value);
  [[nodiscard]] int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  [[nodiscard]] TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

 protected:
  void BoundsChanged() override;
  void FontChanged() override;

 private:
  void UpdateButtons();
  void ArrangeButtons();

  std::unique_ptr<TStrings> items_;
  std::vector<TRadioButton*> buttons_;  // owned as components of the group
  int itemIndex_ = -1;
  int columns_ = 1;
};

class TRadioGroup : public TCustomRadioGroup {
  FW_DECLARE_CLASS()

 public:
  explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
};

// The controls built on the native EDIT class.
class TCustomEdit : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomEdit(TComponent* owner);
  [[nodiscard]] std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  [[nodiscard]] bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // 0: no limit of the control's own.
  [[nodiscard]] int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  // Shown in place of every character; empty for none.
  [[nodiscard]] std::string PasswordChar() const { return passwordChar_ ? std::string(1, passwordChar_) : ""; }
  void SetPasswordChar(const std::string& value);
  [[nodiscard]] TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  void WndProc(TMessage& message) override;

  TMethod OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
  char passwordChar_ = 0;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

class TEdit : public TCustomEdit {
  FW_DECLARE_CLASS()

 public:
  explicit TEdit(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const EnumType kScrollStyleType;

// A multi-line edit without a length limit.
class TCustomMemo : public TCustomEdit {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomMemo(TComponent* owner);
  [[nodiscard]] TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
  [[nodiscard]] bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TScrollStyle scrollBars_ = TScrollStyle::ssNone;
  bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
  FW_DECLARE_CLASS()

 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
extern const EnumType kComboBoxStyleType;

// The native COMBOBOX: Items are the list, ItemIndex the selected entry (-1 for none), Style the
// native kind (changing it makes the window again).
class TCustomComboBox : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;
  [[nodiscard]] TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  [[nodiscard]] TStrings* Items() const { return items_.get(); }
  [[nodiscard]] int ItemIndex() const;
  void SetItemIndex(int value);
  [[nodiscard]] std::string Text() const { return Caption(); }
  void SetText(const std::string& text);
  // Entries the open list shows without scrolling.
  [[nodiscard]] int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  void WndProc(TMessage& message) override;

  TMethod OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  void FillWindow();

  std::unique_ptr<TStrings> items_;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
};

class TComboBox : public TCustomComboBox {
  FW_DECLARE_CLASS()

 public:
  explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};

// The native LISTBOX: Items, ItemIndex (the caret entry when several may be selected).
class TCustomListBox : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;
  [[nodiscard]] TStrings* Items() const { return items_.get(); }
  [[nodiscard]] int ItemIndex() const;
  void SetItemIndex(int value);
  [[nodiscard]] bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  void FillWindow();

  std::unique_ptr<TStrings> items_;
  int itemIndex_ = -1;
  bool multiSelect_ = false;
};

class TListBox : public TCustomListBox {
  FW_DECLARE_CLASS()

 public:
  explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
};

enum class TScrollBarKind { sbHorizontal, sbVertical };
extern const EnumType kScrollBarKindType;

// The native SCROLLBAR control. Position is the window's; scrolling moves it by SmallChange or
// LargeChange and fires OnChange.
class TScrollBar : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TScrollBar(TComponent* owner);
  [[nodiscard]] TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  [[nodiscard]] int Min() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  [[nodiscard]] int Max() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  [[nodiscard]] int Position() const;
  void SetPosition(int value) { SetParams(value, min_, max_); }
  [[nodiscard]] int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  [[nodiscard]] int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  [[nodiscard]] int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }
  // Position, Min and Max at once; the position is kept inside the range.
  void SetParams(int position, int min, int max);
  void WndProc(TMessage& message) override;
  void Loaded() override;

  TMethod OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  void UpdateWindow();
  [[nodiscard]] int Clamped(int position) const;

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
  int smallChange_ = 1, largeChange_ = 1;
};

// A bar that resizes the aligned control before it when dragged.
class TSplitter : public TGraphicControl {
  FW_DECLARE_CLASS()

 public:
  explicit TSplitter(TComponent* owner);
  [[nodiscard]] int MinSize() const { return minSize_; }
  void SetMinSize(int value) { minSize_ = value; }
  void WndProc(TMessage& message) override;

 protected:
  void Paint(HDC dc) override;

 private:
  // The control that this splitter resizes: the one aligned alike right before it.
  TControl* FindResizedControl() const;
  // The room left for the controls that take what remains (alClient).
  int SpaceAfter() const;

  int minSize_ = 30;
  bool dragging_ = false;
  POINT dragStart_{};
  int startSize_ = 0;
  TControl* resized_ = nullptr;
};

}  // namespace fw
