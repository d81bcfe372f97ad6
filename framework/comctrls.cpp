#include "framework/comctrls.h"

#include <commctrl.h>

#include <algorithm>

namespace fw {

void InitCommonControlsOnce() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES |
                                               ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                               ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)done;
}

namespace {

// Makes the window again, for values that live in its style.
void RecreateHandle(TWinControl& control) {
  if (!control.HandleAllocated()) return;
  control.DestroyHandle();
  control.HandleNeeded();
}

// Changes a value of the window's style, keeping the position that the user may have changed.
template <typename T>
void SetStyleValue(TWinControl& control, T& field, T value, int& position, int current) {
  if (field == value) return;
  position = current;
  field = value;
  RecreateHandle(control);
}

}  // namespace

// ---- TProgressBar ---------------------------------------------------------------------------

const EnumType kProgressBarOrientationType{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};

const ClassInfo& TProgressBar::StaticClass() {
  static const ClassInfo info = ClassBuilder<TProgressBar>("TProgressBar", &TWinControl::StaticClass())
                                    .Creatable()
                                    .Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax)
                                    .Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin)
                                    .Enumeration("Orientation", kProgressBarOrientationType, &TProgressBar::Orientation,
                                                 &TProgressBar::SetOrientation)
                                    .Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
                                    .Boolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
                                    .Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep)
                                    .Build();
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = PROGRESS_CLASSA;
  if (orientation_ == TProgressBarOrientation::pbVertical) params.style |= PBS_VERTICAL;
  if (smooth_) params.style |= PBS_SMOOTH;
}

void TProgressBar::InitializeWindow() {
  HWND handle = Handle();
  SendMessageA(handle, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageA(handle, PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
  SendMessageA(handle, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

int TProgressBar::Position() const {
  if (!HandleAllocated()) return position_;
  return static_cast<int>(SendMessageA(const_cast<TProgressBar*>(this)->Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetMin(int value) {
  min_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TProgressBar::SetMax(int value) {
  max_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TProgressBar::SetPosition(int value) {
  position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetStep(int value) {
  step_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
}

void TProgressBar::StepIt() {
  // The native control wraps past the end; the framework's bar stops there.
  SetPosition(Position() + step_);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  SetStyleValue(*this, orientation_, value, position_, Position());
}

void TProgressBar::SetSmooth(bool value) { SetStyleValue(*this, smooth_, value, position_, Position()); }

// ---- TTrackBar ------------------------------------------------------------------------------

const EnumType kTrackBarOrientationType{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
const EnumType kTickStyleType{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};
const EnumType kTickMarkType{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};

const ClassInfo& TTrackBar::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TTrackBar>("TTrackBar", &TWinControl::StaticClass())
          .Creatable()
          .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
          .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax)
          .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin)
          .Enumeration("Orientation", kTrackBarOrientationType, &TTrackBar::Orientation, &TTrackBar::SetOrientation)
          .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
          .Enumeration("TickMarks", kTickMarkType, &TTrackBar::TickMarks, &TTrackBar::SetTickMarks)
          .Enumeration("TickStyle", kTickStyleType, &TTrackBar::TickStyle, &TTrackBar::SetTickStyle)
          .Build();
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = TRACKBAR_CLASSA;
  params.style |= orientation_ == TTrackBarOrientation::trVertical ? TBS_VERT : TBS_HORZ;
  if (tickStyle_ == TTickStyle::tsNone)
    params.style |= TBS_NOTICKS;
  else if (tickStyle_ == TTickStyle::tsAuto)
    params.style |= TBS_AUTOTICKS;
  if (tickMarks_ == TTickMark::tmBoth)
    params.style |= TBS_BOTH;
  else if (tickMarks_ == TTickMark::tmTopLeft)
    params.style |= TBS_TOP;  // TBS_LEFT for vertical bars
}

void TTrackBar::InitializeWindow() {
  HWND handle = Handle();
  SendMessageA(handle, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageA(handle, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageA(handle, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendMessageA(handle, TBM_SETPOS, TRUE, position_);
}

int TTrackBar::Position() const {
  if (!HandleAllocated()) return position_;
  return static_cast<int>(SendMessageA(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETRANGEMIN, TRUE, min_);
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max_);
}

void TTrackBar::SetPosition(int value) {
  position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  SetStyleValue(*this, orientation_, value, position_, Position());
}
void TTrackBar::SetTickStyle(TTickStyle value) { SetStyleValue(*this, tickStyle_, value, position_, Position()); }
void TTrackBar::SetTickMarks(TTickMark value) { SetStyleValue(*this, tickMarks_, value, position_, Position()); }

// ---- TCustomUpDown --------------------------------------------------------------------------

const EnumType kUDOrientationType{"TUDOrientation", {"udHorizontal", "udVertical"}};

const ClassInfo& TCustomUpDown::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCustomUpDown>("TCustomUpDown", &TWinControl::StaticClass()).Build();
  return info;
}

const ClassInfo& TUpDown::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TUpDown>("TUpDown", &TCustomUpDown::StaticClass())
          .Creatable()
          .Reference<TWinControl>("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
          .Integer("Max", &TUpDown::Max, &TUpDown::SetMax)
          .Integer("Min", &TUpDown::Min, &TUpDown::SetMin)
          .Enumeration("Orientation", kUDOrientationType, &TUpDown::Orientation, &TUpDown::SetOrientation)
          .Integer("Position", &TUpDown::Position, &TUpDown::SetPosition)
          .Boolean("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap)
          .Build();
  return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

void TCustomUpDown::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = UPDOWN_CLASSA;
  params.style |= UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (orientation_ == TUDOrientation::udHorizontal) params.style |= UDS_HORZ;
  if (wrap_) params.style |= UDS_WRAP;
}

void TCustomUpDown::InitializeWindow() {
  HWND handle = Handle();
  UpdateRange();
  if (associate_) SendMessageA(handle, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageA(handle, UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::UpdateRange() {
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

int TCustomUpDown::Position() const {
  if (!HandleAllocated()) return position_;
  BOOL failed = FALSE;
  auto value = static_cast<int>(
      SendMessageA(const_cast<TCustomUpDown*>(this)->Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
  return failed ? position_ : value;
}

void TCustomUpDown::SetMin(int value) {
  min_ = value;
  UpdateRange();
}

void TCustomUpDown::SetMax(int value) {
  max_ = value;
  UpdateRange();
}

void TCustomUpDown::SetPosition(int value) {
  position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::Notification(TComponent* component) {
  TWinControl::Notification(component);
  if (component == associate_) associate_ = nullptr;
}

void TCustomUpDown::SetAssociate(TWinControl* value) {
  if (value == this) return;
  associate_ = value;
  FreeNotification(value);
  if (HandleAllocated())
    SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_ ? associate_->Handle() : nullptr), 0);
}

void TCustomUpDown::SetOrientation(TUDOrientation value) {
  SetStyleValue(*this, orientation_, value, position_, Position());
}

void TCustomUpDown::SetWrap(bool value) { SetStyleValue(*this, wrap_, value, position_, Position()); }

// ---- TDateTimePicker ------------------------------------------------------------------------

const EnumType kDTDateModeType{"TDTDateMode", {"dmComboBox", "dmUpDown"}};
const EnumType kDateTimeKindType{"TDateTimeKind", {"dtkDate", "dtkTime"}};

const ClassInfo& TDateTimePicker::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TDateTimePicker>("TDateTimePicker", &TWinControl::StaticClass())
          .Creatable()
          .Enumeration("DateMode", kDTDateModeType, &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode)
          .Enumeration("Kind", kDateTimeKindType, &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
          .Build();
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 186, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = DATETIMEPICK_CLASSA;
  params.exStyle |= WS_EX_CLIENTEDGE;
  // Times are always edited with arrows: the calendar only picks dates.
  if (kind_ == TDateTimeKind::dtkTime)
    params.style |= DTS_TIMEFORMAT;
  else if (dateMode_ == TDTDateMode::dmUpDown)
    params.style |= DTS_UPDOWN;
}

void TDateTimePicker::SetDateMode(TDTDateMode value) {
  if (dateMode_ == value) return;
  dateMode_ = value;
  RecreateHandle(*this);
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (kind_ == value) return;
  kind_ = value;
  RecreateHandle(*this);
}

// ---- THeaderControl -------------------------------------------------------------------------

const ClassInfo& THeaderSection::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<THeaderSection>("THeaderSection", &TCollectionItem::StaticClass())
          .Enumeration("Alignment", kAlignmentType, &THeaderSection::Alignment, &THeaderSection::SetAlignment)
          .String("Text", &THeaderSection::Text, &THeaderSection::SetText)
          .Integer("Width", &THeaderSection::Width, &THeaderSection::SetWidth)
          .Build();
  return info;
}

void THeaderSection::SetText(const std::string& value) {
  text_ = value;
  Changed();
}

void THeaderSection::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed();
}

int THeaderSection::Width() const {
  auto* sections = static_cast<THeaderSections*>(Collection());
  THeaderControl* header = sections ? sections->Owner() : nullptr;
  if (header && header->HandleAllocated()) {
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    if (SendMessageA(header->Handle(), HDM_GETITEMA, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item)))
      return item.cxy;
  }
  return width_;
}

void THeaderSection::SetWidth(int value) {
  width_ = std::max(value, 0);
  Changed();
}

const ClassInfo& THeaderSections::StaticClass() {
  static const ClassInfo info = ClassBuilder<THeaderSections>("THeaderSections", &TCollection::StaticClass()).Build();
  return info;
}

void THeaderSections::Update(TCollectionItem* item) {
  (void)item;
  if (owner_) owner_->UpdateSections();
}

const ClassInfo& THeaderControl::StaticClass() {
  static const ClassInfo info = ClassBuilder<THeaderControl>("THeaderControl", &TWinControl::StaticClass())
                                    .Creatable()
                                    .SubObject("Sections", THeaderSections::StaticClass(), &THeaderControl::Sections)
                                    .Build();
  return info;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>(this)) {
  SetBounds(0, 0, 200, 17);
  SetAlign(TAlign::alTop);
}

void THeaderControl::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = WC_HEADERA;
  params.style |= HDS_BUTTONS | HDS_HORZ | HDS_FULLDRAG;
}

void THeaderControl::InitializeWindow() { UpdateSections(); }

void THeaderControl::UpdateSections() {
  if (!HandleAllocated()) return;
  HWND handle = Handle();
  while (SendMessageA(handle, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageA(handle, HDM_DELETEITEM, 0, 0);
  static constexpr int kFormats[] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER};
  for (int i = 0; i < sections_->Count(); ++i) {
    THeaderSection* section = sections_->Section(i);
    std::string text = section->Text();
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    item.cxy = section->StoredWidth();
    item.fmt = HDF_STRING | kFormats[static_cast<int>(section->Alignment())];
    SendMessageA(handle, HDM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

// ---- TStatusBar -----------------------------------------------------------------------------

const EnumType kStatusPanelBevelType{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};

const ClassInfo& TStatusPanel::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TStatusPanel>("TStatusPanel", &TCollectionItem::StaticClass())
          .Enumeration("Alignment", kAlignmentType, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
          .Enumeration("Bevel", kStatusPanelBevelType, &TStatusPanel::Bevel, &TStatusPanel::SetBevel)
          .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
          .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
          .Build();
  return info;
}

void TStatusPanel::SetText(const std::string& value) {
  text_ = value;
  Changed();
}
void TStatusPanel::SetWidth(int value) {
  width_ = std::max(value, 0);
  Changed();
}
void TStatusPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Changed();
}
void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  bevel_ = value;
  Changed();
}

const ClassInfo& TStatusPanels::StaticClass() {
  static const ClassInfo info = ClassBuilder<TStatusPanels>("TStatusPanels", &TCollection::StaticClass()).Build();
  return info;
}

void TStatusPanels::Update(TCollectionItem* item) {
  (void)item;
  if (owner_) owner_->UpdatePanels();
}

const ClassInfo& TStatusBar::StaticClass() {
  static const ClassInfo info = ClassBuilder<TStatusBar>("TStatusBar", &TWinControl::StaticClass())
                                    .Creatable()
                                    .SubObject("Panels", TStatusPanels::StaticClass(), &TStatusBar::Panels)
                                    .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
                                    .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
                                    .Boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
                                    .Build();
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(this)) {
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
  SetColor(clBtnFace);
}

void TStatusBar::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = STATUSCLASSNAMEA;
  // The framework places the bar (Align); the native control only draws it.
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (sizeGrip_) params.style |= SBARS_SIZEGRIP;
}

void TStatusBar::InitializeWindow() { UpdatePanels(); }

void TStatusBar::SetSimplePanel(bool value) {
  simplePanel_ = value;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::string& value) {
  simpleText_ = value;
  UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (sizeGrip_ == value) return;
  sizeGrip_ = value;
  RecreateHandle(*this);
}

void TStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  HWND handle = Handle();
  bool simple = simplePanel_ || panels_->Count() == 0;
  SendMessageA(handle, SB_SIMPLE, simple, 0);
  if (simple) {
    SendMessageA(handle, SB_SETTEXTA, SB_SIMPLEID | SBT_NOBORDERS, reinterpret_cast<LPARAM>(simpleText_.c_str()));
    return;
  }
  // Right edges; the last panel reaches the bar's end.
  std::vector<int> edges;
  int x = 0;
  for (int i = 0; i < panels_->Count(); ++i) {
    x += panels_->Panel(i)->Width();
    edges.push_back(i + 1 == panels_->Count() ? -1 : x);
  }
  SendMessageA(handle, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  static constexpr WPARAM kBevels[] = {SBT_NOBORDERS, 0, SBT_POPOUT};
  for (int i = 0; i < panels_->Count(); ++i) {
    TStatusPanel* panel = panels_->Panel(i);
    // A tab before the text centres it, two put it at the right.
    static const char* const kAlignPrefix[] = {"", "\t\t", "\t"};
    std::string text = kAlignPrefix[static_cast<int>(panel->Alignment())] + panel->Text();
    SendMessageA(handle, SB_SETTEXTA, static_cast<WPARAM>(i) | kBevels[static_cast<int>(panel->Bevel())],
                 reinterpret_cast<LPARAM>(text.c_str()));
  }
}

// ---- TCustomTabControl ----------------------------------------------------------------------

const EnumType kTabStyleType{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
const EnumType kTabPositionType{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};

const ClassInfo& TCustomTabControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomTabControl>("TCustomTabControl", &TWinControl::StaticClass())
          .Boolean("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine)
          .Boolean("OwnerDraw", &TCustomTabControl::OwnerDraw, &TCustomTabControl::SetOwnerDraw)
          .Enumeration("Style", kTabStyleType, &TCustomTabControl::Style, &TCustomTabControl::SetStyle)
          .Enumeration("TabPosition", kTabPositionType, &TCustomTabControl::TabPosition,
                       &TCustomTabControl::SetTabPosition)
          .Event("OnChange", &TCustomTabControl::OnChange)
          .Build();
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = WC_TABCONTROLA;
  params.style |= WS_CLIPCHILDREN;
  if (style_ == TTabStyle::tsButtons) params.style |= TCS_BUTTONS;
  if (style_ == TTabStyle::tsFlatButtons) params.style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  if (multiLine_) params.style |= TCS_MULTILINE;
  if (ownerDraw_) params.style |= TCS_OWNERDRAWFIXED;
  switch (tabPosition_) {
    case TTabPosition::tpTop:
      break;
    case TTabPosition::tpBottom:
      params.style |= TCS_BOTTOM;
      break;
    // Tabs at a side need several rows.
    case TTabPosition::tpLeft:
      params.style |= TCS_VERTICAL | TCS_MULTILINE;
      break;
    case TTabPosition::tpRight:
      params.style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
      break;
  }
}

void TCustomTabControl::InitializeWindow() { UpdateTabs(); }

void TCustomTabControl::Recreate() {
  if (!HandleAllocated()) return;
  int current = CurrentTab();
  RecreateHandle(*this);
  SelectTab(current);
}

void TCustomTabControl::SetStyle(TTabStyle value) {
  if (style_ == value) return;
  style_ = value;
  Recreate();
}

void TCustomTabControl::SetTabPosition(TTabPosition value) {
  if (tabPosition_ == value) return;
  tabPosition_ = value;
  Recreate();
}

void TCustomTabControl::SetMultiLine(bool value) {
  if (multiLine_ == value) return;
  multiLine_ = value;
  Recreate();
}

void TCustomTabControl::SetOwnerDraw(bool value) {
  if (ownerDraw_ == value) return;
  ownerDraw_ = value;
  Recreate();
}

void TCustomTabControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  HWND handle = Handle();
  int current = CurrentTab();
  SendMessageA(handle, TCM_DELETEALLITEMS, 0, 0);
  std::vector<std::string> texts = TabTexts();
  for (size_t i = 0; i < texts.size(); ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = texts[i].data();
    SendMessageA(handle, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  if (current >= 0 && current < static_cast<int>(texts.size())) SendMessageA(handle, TCM_SETCURSEL, current, 0);
}

int TCustomTabControl::CurrentTab() const {
  if (!HandleAllocated()) return -1;
  return static_cast<int>(SendMessageA(const_cast<TCustomTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SelectTab(int index) {
  if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

RECT TCustomTabControl::DisplayRect() {
  RECT r = ClientRect();
  if (HandleAllocated()) SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomTabControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(message.LParam)->code == static_cast<UINT>(TCN_SELCHANGE)) {
    Change();
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TTabControl ----------------------------------------------------------------------------

const ClassInfo& TTabControl::StaticClass() {
  static const ClassInfo info = ClassBuilder<TTabControl>("TTabControl", &TCustomTabControl::StaticClass())
                                    .Creatable()
                                    .StringList("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs)
                                    .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
                                    .Build();
  return info;
}

void TTabControl::SetTabs(const std::vector<std::string>& value) {
  tabs_ = value;
  if (tabIndex_ >= static_cast<int>(tabs_.size())) tabIndex_ = tabs_.empty() ? -1 : 0;
  UpdateTabs();
}

int TTabControl::TabIndex() const { return HandleAllocated() ? CurrentTab() : tabIndex_; }

void TTabControl::SetTabIndex(int value) {
  if (value < -1 || value >= static_cast<int>(tabs_.size())) return;
  tabIndex_ = value;
  SelectTab(value);
}

void TTabControl::InitializeWindow() {
  TCustomTabControl::InitializeWindow();
  SelectTab(tabIndex_);
}

// ---- TTabSheet ------------------------------------------------------------------------------

const ClassInfo& TTabSheet::StaticClass() {
  static const ClassInfo info = ClassBuilder<TTabSheet>("TTabSheet", &TWinControl::StaticClass())
                                    .Creatable()
                                    .Integer("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
                                    .Boolean("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
                                    .Build();
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  ownPainting_ = true;
  SetColor(clBtnFace);
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
  TWinControl::SetParent(parent);
  auto* pages = dynamic_cast<TPageControl*>(parent);
  if (pages != pageControl_) {
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = pages;
    if (pageControl_) pageControl_->InsertPage(this);
  }
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

void TTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (pageControl_) pageControl_->PagesChanged();
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
  if (pageControl_) pageControl_->MovePage(this, value);
}

void TTabSheet::SetCaption(const std::string& text) {
  TWinControl::SetCaption(text);
  if (pageControl_) pageControl_->PagesChanged();
}

// ---- TPageControl ---------------------------------------------------------------------------

const ClassInfo& TPageControl::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TPageControl>("TPageControl", &TCustomTabControl::StaticClass())
          .Creatable()
          .Reference<TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
          .Integer("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex)
          .Build();
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
}

std::vector<std::string> TPageControl::TabTexts() const {
  std::vector<std::string> texts;
  for (TTabSheet* page : pages_)
    if (page->TabVisible()) texts.push_back(page->Caption());
  return texts;
}

int TPageControl::TabOfPage(const TTabSheet* page) const {
  int tab = 0;
  for (TTabSheet* p : pages_) {
    if (!p->TabVisible()) continue;
    if (p == page) return tab;
    ++tab;
  }
  return -1;
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  PagesChanged();
  if (!activePage_ && !HasState(ComponentState::Loading)) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (activePage_ == page) activePage_ = nullptr;
  if (HasState(ComponentState::Destroying)) return;
  PagesChanged();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  pages_.erase(it);
  index = std::clamp(index, 0, PageCount());
  pages_.insert(pages_.begin() + index, page);
  PagesChanged();
}

void TPageControl::PagesChanged() {
  UpdateTabs();
  if (activePage_) SelectTab(TabOfPage(activePage_));
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this) return;
  activePage_ = page;
  // Only the active sheet is shown.
  for (TTabSheet* p : pages_) p->SetVisible(p == page);
  SelectTab(page ? TabOfPage(page) : -1);
  LayoutPages();
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  if (!activePage_ && !pages_.empty())
    SetActivePage(pages_.front());
  else
    SetActivePage(activePage_);
}

void TPageControl::InitializeWindow() {
  TCustomTabControl::InitializeWindow();
  if (activePage_) SelectTab(TabOfPage(activePage_));
}

void TPageControl::LayoutPages() {
  RECT r = DisplayRect();
  for (TTabSheet* page : pages_) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::Change() {
  int tab = CurrentTab();
  for (TTabSheet* page : pages_) {
    if (TabOfPage(page) == tab) {
      SetActivePage(page);
      break;
    }
  }
  TCustomTabControl::Change();
}

void TPageControl::WndProc(TMessage& message) {
  TCustomTabControl::WndProc(message);
  if (message.Msg == WM_SIZE) LayoutPages();
}

// ---- TTabSet --------------------------------------------------------------------------------

const ClassInfo& TTabSet::StaticClass() {
  static const ClassInfo info = ClassBuilder<TTabSet>("TTabSet", &TWinControl::StaticClass())
                                    .Creatable()
                                    .Integer("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin)
                                    .Integer("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex)
                                    .Integer("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin)
                                    .StringList("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs)
                                    .Integer("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
                                    .Event("OnChange", &TTabSet::OnChange)
                                    .Build();
  return info;
}

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) {
  ownPainting_ = true;
  SetBounds(0, 0, 185, 21);
  SetColor(clBtnFace);
}

void TTabSet::SetTabs(const std::vector<std::string>& value) {
  tabs_ = value;
  if (tabIndex_ >= static_cast<int>(tabs_.size())) tabIndex_ = tabs_.empty() ? -1 : 0;
  firstIndex_ = std::clamp(firstIndex_, 0, std::max(static_cast<int>(tabs_.size()) - 1, 0));
  Invalidate();
}

void TTabSet::SetTabIndex(int value) {
  if (value < -1 || value >= static_cast<int>(tabs_.size()) || value == tabIndex_) return;
  tabIndex_ = value;
  Invalidate();
  if (!HasState(ComponentState::Loading)) FireNotify(OnChange, this);
}

void TTabSet::SetStartMargin(int value) {
  startMargin_ = std::max(value, 0);
  Invalidate();
}

void TTabSet::SetEndMargin(int value) {
  endMargin_ = std::max(value, 0);
  Invalidate();
}

void TTabSet::SetFirstIndex(int value) {
  firstIndex_ = std::clamp(value, 0, std::max(static_cast<int>(tabs_.size()) - 1, 0));
  Invalidate();
}

RECT TTabSet::TabRect(int index) {
  if (index < firstIndex_ || index >= static_cast<int>(tabs_.size())) return {};
  WindowDC screen(nullptr);
  SelectObjectGuard font(screen.get(), Font()->Handle());
  int x = startMargin_;
  int limit = ClientWidth() - endMargin_;
  for (int i = firstIndex_; i < static_cast<int>(tabs_.size()); ++i) {
    SIZE size{};
    const std::string& text = tabs_[static_cast<size_t>(i)];
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    int width = size.cx + 9;
    if (x + width > limit) return {};
    if (i == index) return {x, 0, x + width, ClientHeight()};
    x += width;
  }
  return {};
}

void TTabSet::PaintWindow(HDC dc) {
  RECT client = ClientRect();
  FillRect(dc, &client, ColorBrush());
  // The pane's edge runs along the top; the selected tab joins it.
  RECT line{client.left, client.top, client.right, client.top + 1};
  FillRect(dc, &line, GetSysColorBrush(COLOR_3DDKSHADOW));
  SelectObjectGuard font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  for (int i = firstIndex_; i < static_cast<int>(tabs_.size()); ++i) {
    RECT r = TabRect(i);
    if (IsRectEmpty(&r)) break;
    RECT face{r.left, r.top, r.right, r.bottom - 2};
    FillRect(dc, &face, i == tabIndex_ ? GetSysColorBrush(COLOR_BTNFACE) : GetSysColorBrush(COLOR_3DLIGHT));
    DrawEdge(dc, &face, EDGE_RAISED, BF_LEFT | BF_RIGHT | BF_BOTTOM);
    const std::string& text = tabs_[static_cast<size_t>(i)];
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  PaintControls(dc);
}

void TTabSet::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN) {
    POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    for (int i = firstIndex_; i < static_cast<int>(tabs_.size()); ++i) {
      RECT r = TabRect(i);
      if (IsRectEmpty(&r)) break;
      if (PtInRect(&r, p)) {
        SetTabIndex(i);
        break;
      }
    }
  }
  TWinControl::WndProc(message);
}

}  // namespace fw
