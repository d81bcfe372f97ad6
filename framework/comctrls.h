// Thin wrappers over the native common controls: progress bar, track bar, up-down, date-time
// picker, header, status bar, tab control and page control, and the framework-painted tab set.
// Each keeps its published values itself and hands them to its window when it has one; values the
// user can change (positions, the selected tab) are read back from the window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/collection.h"
#include "framework/control.h"
#include "framework/stdctrls.h"

namespace fw {

// Registers the common control classes once per process.
void InitCommonControlsOnce();

// ---- Progress bar ---------------------------------------------------------------------------

enum class TProgressBarOrientation { pbHorizontal, pbVertical };
extern const EnumType kProgressBarOrientationType;

class TProgressBar : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TProgressBar(TComponent* owner);
  [[nodiscard]] int Min() const { return min_; }
  void SetMin(int value);
  [[nodiscard]] int Max() const { return max_; }
  void SetMax(int value);
  [[nodiscard]] int Position() const;
  void SetPosition(int value);
  [[nodiscard]] TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);
  [[nodiscard]] bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);
  [[nodiscard]] int Step() const { return step_; }
  void SetStep(int value);
  // Advances the position by Step.
  void StepIt();

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  TProgressBarOrientation orientation_ = TProgressBarOrientation::pbHorizontal;
  bool smooth_ = false;
};

// ---- Track bar ------------------------------------------------------------------------------

enum class TTrackBarOrientation { trHorizontal, trVertical };
extern const EnumType kTrackBarOrientationType;
enum class TTickStyle { tsNone, tsAuto, tsManual };
extern const EnumType kTickStyleType;
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
extern const EnumType kTickMarkType;

class TTrackBar : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TTrackBar(TComponent* owner);
  [[nodiscard]] int Min() const { return min_; }
  void SetMin(int value);
  [[nodiscard]] int Max() const { return max_; }
  void SetMax(int value);
  [[nodiscard]] int Position() const;
  void SetPosition(int value);
  [[nodiscard]] TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  [[nodiscard]] int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  [[nodiscard]] TTickStyle TickStyle() const { return tickStyle_; }
  void SetTickStyle(TTickStyle value);
  [[nodiscard]] TTickMark TickMarks() const { return tickMarks_; }
  void SetTickMarks(TTickMark value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
  TTickStyle tickStyle_ = TTickStyle::tsAuto;
  TTickMark tickMarks_ = TTickMark::tmBottomRight;
};

// ---- Up-down --------------------------------------------------------------------------------

enum class TUDOrientation { udHorizontal, udVertical };
extern const EnumType kUDOrientationType;

class TCustomUpDown : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomUpDown(TComponent* owner);
  [[nodiscard]] int Min() const { return min_; }
  void SetMin(int value);
  [[nodiscard]] int Max() const { return max_; }
  void SetMax(int value);
  [[nodiscard]] int Position() const;
  void SetPosition(int value);
  // The control whose text shows the position; the up-down sits at its right edge.
  [[nodiscard]] TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  [[nodiscard]] TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  [[nodiscard]] bool Wrap() const { return wrap_; }
  void SetWrap(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  void Notification(TComponent* component) override;

 private:
  void UpdateRange();
  int min_ = 0, max_ = 100, position_ = 0;
  TWinControl* associate_ = nullptr;
  TUDOrientation orientation_ = TUDOrientation::udVertical;
  bool wrap_ = false;
};

class TUpDown : public TCustomUpDown {
  FW_DECLARE_CLASS()

 public:
  using TCustomUpDown::TCustomUpDown;
};

// ---- Date-time picker -----------------------------------------------------------------------

enum class TDTDateMode { dmComboBox, dmUpDown };
extern const EnumType kDTDateModeType;
enum class TDateTimeKind { dtkDate, dtkTime };
extern const EnumType kDateTimeKindType;

class TDateTimePicker : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TDateTimePicker(TComponent* owner);
  [[nodiscard]] TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode value);
  [[nodiscard]] TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  // The window's text is the date or time it shows, not a caption.
  [[nodiscard]] std::string Caption() const override { return TControl::Caption(); }
  void SetCaption(const std::string& text) override { TControl::SetCaption(text); }

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TDTDateMode dateMode_ = TDTDateMode::dmComboBox;
  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
};

// ---- Header ---------------------------------------------------------------------------------

class THeaderControl;

class THeaderSection : public TCollectionItem {
  FW_DECLARE_CLASS()

 public:
  using TCollectionItem::TCollectionItem;
  [[nodiscard]] const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  [[nodiscard]] int Width() const;
  void SetWidth(int value);
  [[nodiscard]] TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  [[nodiscard]] int StoredWidth() const { return width_; }

 private:
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

class THeaderSections : public TCollection {
  FW_DECLARE_CLASS()

 public:
  explicit THeaderSections(THeaderControl* owner) : owner_(owner) {}
  [[nodiscard]] THeaderSection* Section(int index) const { return static_cast<THeaderSection*>(Item(index)); }
  [[nodiscard]] THeaderControl* Owner() const { return owner_; }
  void Update(TCollectionItem* item) override;

 protected:
  std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<THeaderSection>(this); }

 private:
  THeaderControl* owner_;
};

class THeaderControl : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit THeaderControl(TComponent* owner);
  [[nodiscard]] THeaderSections* Sections() const { return sections_.get(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  friend class THeaderSections;
  void UpdateSections();
  std::unique_ptr<THeaderSections> sections_;
};

// ---- Status bar -----------------------------------------------------------------------------

class TStatusBar;

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
extern const EnumType kStatusPanelBevelType;

class TStatusPanel : public TCollectionItem {
  FW_DECLARE_CLASS()

 public:
  using TCollectionItem::TCollectionItem;
  [[nodiscard]] const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  [[nodiscard]] int Width() const { return width_; }
  void SetWidth(int value);
  [[nodiscard]] TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  [[nodiscard]] TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);

 private:
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TStatusPanelBevel bevel_ = TStatusPanelBevel::pbLowered;
};

class TStatusPanels : public TCollection {
  FW_DECLARE_CLASS()

 public:
  explicit TStatusPanels(TStatusBar* owner) : owner_(owner) {}
  [[nodiscard]] TStatusPanel* Panel(int index) const { return static_cast<TStatusPanel*>(Item(index)); }
  void Update(TCollectionItem* item) override;

 protected:
  std::unique_ptr<TCollectionItem> CreateItem() override { return std::make_unique<TStatusPanel>(this); }

 private:
  TStatusBar* owner_;
};

class TStatusBar : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TStatusBar(TComponent* owner);
  [[nodiscard]] TStatusPanels* Panels() const { return panels_.get(); }
  [[nodiscard]] bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  [[nodiscard]] const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& value);
  [[nodiscard]] bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;

 private:
  friend class TStatusPanels;
  void UpdatePanels();
  std::unique_ptr<TStatusPanels> panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
};

// ---- Tab control and page control -----------------------------------------------------------

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
extern const EnumType kTabStyleType;
enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
extern const EnumType kTabPositionType;

class TCustomTabControl : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TCustomTabControl(TComponent* owner);
  [[nodiscard]] TTabStyle Style() const { return style_; }
  void SetStyle(TTabStyle value);
  [[nodiscard]] TTabPosition TabPosition() const { return tabPosition_; }
  void SetTabPosition(TTabPosition value);
  [[nodiscard]] bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool value);
  [[nodiscard]] bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  // The area inside the tabs and the frame, in client coordinates.
  [[nodiscard]] RECT DisplayRect();

  TMethod OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWindow() override;
  // The texts of the tabs, in order.
  [[nodiscard]] virtual std::vector<std::string> TabTexts() const = 0;
  // The user selected another tab.
  virtual void Change() { FireNotify(OnChange, this); }
  void UpdateTabs();
  [[nodiscard]] int CurrentTab() const;
  void SelectTab(int index);

 private:
  void Recreate();
  TTabStyle style_ = TTabStyle::tsTabs;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  bool multiLine_ = false;
  bool ownerDraw_ = false;
};

class TTabControl : public TCustomTabControl {
  FW_DECLARE_CLASS()

 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
  [[nodiscard]] std::vector<std::string> Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::string>& value);
  [[nodiscard]] int TabIndex() const;
  void SetTabIndex(int value);

 protected:
  [[nodiscard]] std::vector<std::string> TabTexts() const override { return tabs_; }
  void InitializeWindow() override;

 private:
  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
};

class TPageControl;

class TTabSheet : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  [[nodiscard]] TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* value);
  [[nodiscard]] bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  [[nodiscard]] int PageIndex() const;
  void SetPageIndex(int value);
  void SetCaption(const std::string& text) override;
  void SetParent(TWinControl* parent) override;

 private:
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
};

class TPageControl : public TCustomTabControl {
  FW_DECLARE_CLASS()

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  [[nodiscard]] int PageCount() const { return static_cast<int>(pages_.size()); }
  [[nodiscard]] TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  [[nodiscard]] TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  [[nodiscard]] int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  [[nodiscard]] std::vector<std::string> TabTexts() const override;
  void InitializeWindow() override;
  void Change() override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void PagesChanged();
  void LayoutPages();
  // The position of a page's tab among the visible tabs, or -1.
  [[nodiscard]] int TabOfPage(const TTabSheet* page) const;

  std::vector<TTabSheet*> pages_;  // not owned
  TTabSheet* activePage_ = nullptr;
};

// ---- Tab set --------------------------------------------------------------------------------

// A strip of tabs drawn by the framework below a pane, selected tab joined to it.
class TTabSet : public TWinControl {
  FW_DECLARE_CLASS()

 public:
  explicit TTabSet(TComponent* owner);
  [[nodiscard]] std::vector<std::string> Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::string>& value);
  [[nodiscard]] int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int value);
  [[nodiscard]] int StartMargin() const { return startMargin_; }
  void SetStartMargin(int value);
  [[nodiscard]] int EndMargin() const { return endMargin_; }
  void SetEndMargin(int value);
  [[nodiscard]] int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int value);
  // The rectangle of a visible tab, in client coordinates; empty for a tab that is not shown.
  [[nodiscard]] RECT TabRect(int index);

  TMethod OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void PaintWindow(HDC dc) override;

 private:
  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
  int startMargin_ = 5;
  int endMargin_ = 5;
  int firstIndex_ = 0;
};

}  // namespace fw
