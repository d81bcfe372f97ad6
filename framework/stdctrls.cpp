#include "framework/stdctrls.h"

#include <algorithm>

#include "framework/form.h"

namespace fw {

// ---- TLabel ---------------------------------------------------------------------------------

const ClassInfo& TLabel::StaticClass() {
  static const ClassInfo info = ClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClass())
                                    .Creatable()
                                    .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
                                    .Build();
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Invalidate();
}

void TLabel::Paint(HDC dc) {
  RECT r = ClientRect();
  if (!transparent_) {
    UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &r, brush.get());
  }
  SelectObjectGuard font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
  std::string text = Caption();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK);
}

// ---- TCustomPanel, TPanel -------------------------------------------------------------------

const EnumType kBevelCutType{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
const EnumType kAlignmentType{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const EnumType kBorderStyleType{"TBorderStyle", {"bsNone", "bsSingle"}};

const ClassInfo& TCustomPanel::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomPanel>("TCustomPanel", &TWinControl::StaticClass())
          .Enumeration("BevelInner", kBevelCutType, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
          .Enumeration("BevelOuter", kBevelCutType, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
          .Build();
  return info;
}

const ClassInfo& TPanel::StaticClass() {
  static const ClassInfo info = ClassBuilder<TPanel>("TPanel", &TCustomPanel::StaticClass()).Creatable().Build();
  return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
  ownPainting_ = true;
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TBevelCut value) {
  bevelOuter_ = value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value) {
  bevelInner_ = value;
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

void TCustomPanel::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  FillRect(dc, &r, ColorBrush());
  auto edge = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvRaised)
      DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    else if (cut == TBevelCut::bvLowered)
      DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else if (cut == TBevelCut::bvSpace)
      InflateRect(&r, -1, -1);
  };
  edge(bevelOuter_);
  edge(bevelInner_);
  if (std::string text = Caption(); !text.empty()) {
    SelectObjectGuard font(dc, Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | (UseRightToLeftReading() ? DT_RTLREADING : 0));
  }
  PaintControls(dc);
}

// ---- Native control helpers -----------------------------------------------------------------

namespace {

// Sets or clears style bits of a live window and has it redrawn.
void ChangeWindowStyle(HWND window, DWORD clear, DWORD set) {
  if (!window) return;
  DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  SetWindowLongA(window, GWL_STYLE, static_cast<LONG>((style & ~clear) | set));
  InvalidateRect(window, nullptr, TRUE);
}

// Answers WM_CTLCOLOR* for a native control with the control's colour and font colour.
void AnswerControlColor(TMessage& message, TColor font, TColor back, HBRUSH brush) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(font));
  SetBkColor(dc, ColorToRGB(back));
  message.Result = reinterpret_cast<LRESULT>(brush);
}

// Puts the items into a native list (combo box or list box), emptied first.
void FillNativeList(HWND window, UINT resetMessage, UINT addMessage, const TStrings& items) {
  SendMessageA(window, resetMessage, 0, 0);
  for (const std::string& item : items.Strings())
    SendMessageA(window, addMessage, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// The item index to keep: -1 outside the items, except while a description is read, where the
// items may still come.
int KeptItemIndex(int value, int count, bool loading) {
  if (value >= 0 && (value < count || loading)) return value;
  return -1;
}

}  // namespace

// ---- TButtonControl -------------------------------------------------------------------------

const ClassInfo& TButtonControl::StaticClass() {
  static const ClassInfo info = ClassBuilder<TButtonControl>("TButtonControl", &TWinControl::StaticClass()).Build();
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.superclassOf = "BUTTON";
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) {
        Clicked();
        return;
      }
      break;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
      AnswerControlColor(message, Font()->Color(), Color(), ColorBrush());
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

// ---- TButton --------------------------------------------------------------------------------

const IntegerIdents kModalResultIdents{{{"mrNone", 0},
                                        {"mrOk", IDOK},
                                        {"mrCancel", IDCANCEL},
                                        {"mrAbort", IDABORT},
                                        {"mrRetry", IDRETRY},
                                        {"mrIgnore", IDIGNORE},
                                        {"mrYes", IDYES},
                                        {"mrNo", IDNO}}};

const ClassInfo& TButton::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TButton>("TButton", &TButtonControl::StaticClass())
          .Creatable()
          .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel)
          .Boolean("Default", &TButton::Default, &TButton::SetDefault)
          .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, &kModalResultIdents)
          .Build();
  return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// ---- TBitBtn --------------------------------------------------------------------------------

const EnumType kButtonLayoutType{"TButtonLayout", {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

TButtonGlyph::TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {}

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 4);
  GlyphChanged();
}

void TButtonGlyph::SetLayout(TButtonLayout value) {
  layout_ = value;
  GlyphChanged();
}

void TButtonGlyph::SetMargin(int value) {
  margin_ = std::max(value, -1);
  GlyphChanged();
}

void TButtonGlyph::SetSpacing(int value) {
  spacing_ = std::max(value, -1);
  GlyphChanged();
}

const EnumType kBitBtnKindType{
    "TBitBtnKind",
    {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort", "bkRetry", "bkIgnore"}};

const ClassInfo& TBitBtn::StaticClass() {
  static const ClassInfo info =
      PublishButtonGlyph(ClassBuilder<TBitBtn>("TBitBtn", &TButton::StaticClass()).Creatable())
          .Enumeration("Kind", kBitBtnKindType, &TBitBtn::Kind, &TBitBtn::SetKind)
          .Build();
  return info;
}

void TBitBtn::SetKind(TBitBtnKind value) {
  kind_ = value;
  if (value == TBitBtnKind::bkCustom) return;
  struct KindTraits {
    int32_t modalResult;
    const char* caption;
  };
  static constexpr KindTraits kTraits[] = {
      {0, ""},       {IDOK, "OK"},  {IDCANCEL, "Cancel"}, {0, "&Help"},        {IDYES, "&Yes"},
      {IDNO, "&No"}, {0, "&Close"}, {IDABORT, "Abort"},   {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
  const KindTraits& traits = kTraits[static_cast<size_t>(value)];
  SetModalResult(traits.modalResult);
  SetDefault(value == TBitBtnKind::bkOK || value == TBitBtnKind::bkYes);
  SetCancel(value == TBitBtnKind::bkCancel || value == TBitBtnKind::bkNo);
  if (Caption().empty()) SetCaption(traits.caption);
}

void TBitBtn::Click() {
  if (kind_ != TBitBtnKind::bkClose) {
    TButton::Click();
    return;
  }
  TWinControl* form = Parent();
  while (form && !dynamic_cast<TForm*>(form)) form = form->Parent();
  if (auto* closing = dynamic_cast<TForm*>(form)) closing->Close();
}

// ---- TCustomCheckBox, TCheckBox -------------------------------------------------------------

const EnumType kCheckBoxStateType{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};

const ClassInfo& TCustomCheckBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomCheckBox>("TCustomCheckBox", &TButtonControl::StaticClass())
          .Enumeration("Alignment", kAlignmentType, &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment)
          .Boolean("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)
          .Boolean("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked)
          .Enumeration("State", kCheckBoxStateType, &TCustomCheckBox::State, &TCustomCheckBox::SetState)
          .Build();
  return info;
}

const ClassInfo& TCheckBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCheckBox>("TCheckBox", &TCustomCheckBox::StaticClass()).Creatable().Build();
  return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 97, 17);
  SetParentColor(true);
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= ButtonStyle();
}

void TCustomCheckBox::InitializeWindow() { SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0); }

TCheckBoxState TCustomCheckBox::State() const {
  if (!HandleAllocated()) return state_;
  LRESULT check = SendMessageA(const_cast<TCustomCheckBox*>(this)->Handle(), BM_GETCHECK, 0, 0);
  if (check == BST_CHECKED) return TCheckBoxState::cbChecked;
  if (check == BST_INDETERMINATE) return TCheckBoxState::cbGrayed;
  return TCheckBoxState::cbUnchecked;
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
  if (State() == value) return;
  state_ = value;
  if (HandleAllocated()) {
    UpdateButtonStyle();
    SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
  if (!HasState(ComponentState::Loading)) Click();
}

void TCustomCheckBox::Clicked() {
  state_ = State();  // the native box has already moved to its next state
  UpdateButtonStyle();
  Click();
}

DWORD TCustomCheckBox::ButtonStyle() const {
  // A grayed state set from code needs the three-state style too; clicks only reach it when
  // AllowGrayed is set.
  bool threeState = allowGrayed_ || state_ == TCheckBoxState::cbGrayed;
  return (threeState ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | (alignment_ == TAlignment::taLeftJustify ? BS_LEFTTEXT : 0);
}

void TCustomCheckBox::SetAllowGrayed(bool value) {
  allowGrayed_ = value;
  UpdateButtonStyle();
}

void TCustomCheckBox::SetAlignment(TAlignment value) {
  alignment_ = value;
  UpdateButtonStyle();
}

void TCustomCheckBox::UpdateButtonStyle() {
  if (HandleAllocated()) ChangeWindowStyle(Handle(), BS_TYPEMASK | BS_LEFTTEXT, ButtonStyle());
}

// ---- TRadioButton ---------------------------------------------------------------------------

const ClassInfo& TRadioButton::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TRadioButton>("TRadioButton", &TButtonControl::StaticClass())
          .Creatable()
          .Enumeration("Alignment", kAlignmentType, &TRadioButton::Alignment, &TRadioButton::SetAlignment)
          .Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
          .Build();
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 113, 17);
  SetParentColor(true);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  // Not BS_AUTORADIOBUTTON: the framework unchecks the siblings itself, the same way for clicks
  // and for code.
  params.style |= BS_RADIOBUTTON;
  if (alignment_ == TAlignment::taLeftJustify) params.style |= BS_LEFTTEXT;
}

void TRadioButton::InitializeWindow() { SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : 0, 0); }

void TRadioButton::SetChecked(bool value) {
  if (checked_ == value) return;
  checked_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, value ? BST_CHECKED : 0, 0);
  if (!value) return;
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i)
      if (auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i)); sibling && sibling != this)
        sibling->SetChecked(false);
  }
  if (!HasState(ComponentState::Loading)) Click();
}

void TRadioButton::Clicked() {
  if (checked_) {
    Click();
  } else {
    SetChecked(true);
  }
}

void TRadioButton::SetAlignment(TAlignment value) {
  alignment_ = value;
  if (HandleAllocated()) ChangeWindowStyle(Handle(), BS_LEFTTEXT, value == TAlignment::taLeftJustify ? BS_LEFTTEXT : 0);
}

// ---- TCustomGroupBox, TGroupBox -------------------------------------------------------------

const ClassInfo& TCustomGroupBox::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCustomGroupBox>("TCustomGroupBox", &TWinControl::StaticClass()).Build();
  return info;
}

const ClassInfo& TGroupBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TGroupBox>("TGroupBox", &TCustomGroupBox::StaticClass()).Creatable().Build();
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  ownPainting_ = true;
  SetBounds(0, 0, 185, 105);
  SetParentColor(true);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

int TCustomGroupBox::CaptionHeight() const {
  HDC screen = GetDC(nullptr);
  int height = 0;
  {
    SelectObjectGuard font(screen, Font()->Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    height = metrics.tmHeight;
  }
  ReleaseDC(nullptr, screen);
  return height;
}

RECT TCustomGroupBox::ClientRect() const {
  RECT r = TWinControl::ClientRect();
  // Inside the frame, below the caption line.
  r.top += CaptionHeight();
  InflateRect(&r, -2, 0);
  r.bottom -= 2;
  if (r.bottom < r.top) r.bottom = r.top;
  if (r.right < r.left) r.right = r.left;
  return r;
}

void TCustomGroupBox::PaintWindow(HDC dc) {
  RECT whole = TWinControl::ClientRect();
  FillRect(dc, &whole, ColorBrush());
  int captionHeight = CaptionHeight();
  RECT frame = whole;
  frame.top += captionHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (std::string text = Caption(); !text.empty()) {
    SelectObjectGuard font(dc, Font()->Handle());
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    bool rightToLeft = UseRightToLeftReading();
    int width = extent.cx + 4;
    RECT label{whole.left + 8, whole.top, whole.left + 8 + width, whole.top + captionHeight};
    if (rightToLeft) label = {whole.right - 8 - width, whole.top, whole.right - 8, whole.top + captionHeight};
    FillRect(dc, &label, ColorBrush());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &label,
              DT_CENTER | DT_SINGLELINE | (rightToLeft ? DT_RTLREADING : 0));
  }
  PaintControls(dc);
}

// ---- TCustomRadioGroup, TRadioGroup ---------------------------------------------------------

const ClassInfo& TCustomRadioGroup::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomRadioGroup>("TCustomRadioGroup", &TCustomGroupBox::StaticClass())
          .Integer("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns)
          .Integer("ItemIndex", &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex)
          .SubObject("Items", TStrings::StaticClass(), &TCustomRadioGroup::Items)
          .Build();
  return info;
}

const ClassInfo& TRadioGroup::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TRadioGroup>("TRadioGroup", &TCustomRadioGroup::StaticClass()).Creatable().Build();
  return info;
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner), items_(std::make_unique<TStrings>()) {
  items_->OnChange = [this] { UpdateButtons(); };
}

int TCustomRadioGroup::ItemIndex() const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->Checked()) return static_cast<int>(i);
  return buttons_.empty() ? itemIndex_ : -1;
}

void TCustomRadioGroup::SetItemIndex(int value) {
  itemIndex_ = value;
  if (value >= 0 && value < ButtonCount()) {
    buttons_[static_cast<size_t>(value)]->SetChecked(true);
  } else if (!buttons_.empty()) {
    itemIndex_ = -1;
    for (TRadioButton* button : buttons_) button->SetChecked(false);
  }
}

void TCustomRadioGroup::SetColumns(int value) {
  columns_ = std::clamp(value, 1, 16);
  ArrangeButtons();
}

void TCustomRadioGroup::UpdateButtons() {
  int wanted = itemIndex_;
  for (TRadioButton* button : buttons_) Free(button);
  buttons_.clear();
  for (int i = 0; i < items_->Count(); ++i) {
    auto* button = new TRadioButton(this);
    button->SetCaption((*items_)[i]);
    button->SetBiDiMode(BiDiMode());
    button->SetParent(this);
    // A button of the group reports a click as the group's.
    button->OnClick.handler = TNotifyEvent([this](TObject*) { FireNotify(OnClick, this); });
    buttons_.push_back(button);
  }
  ArrangeButtons();
  if (wanted >= 0 && wanted < ButtonCount()) buttons_[static_cast<size_t>(wanted)]->SetChecked(true);
}

void TCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  RECT area = ClientRect();
  InflateRect(&area, -6, 0);
  int count = ButtonCount();
  int columns = std::min(columns_, count);
  int rows = (count + columns - 1) / columns;
  int width = std::max<int>((area.right - area.left) / columns, 0);
  int height = std::max<int>((area.bottom - area.top) / rows, 0);
  for (int i = 0; i < count; ++i) {
    int column = i / rows, row = i % rows;
    buttons_[static_cast<size_t>(i)]->SetBounds(area.left + column * width, area.top + row * height, width, height);
  }
}

void TCustomRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}

// ---- TCustomEdit, TEdit ---------------------------------------------------------------------

const ClassInfo& TCustomEdit::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomEdit>("TCustomEdit", &TWinControl::StaticClass())
          .Enumeration("BorderStyle", kBorderStyleType, &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
          .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
          .String("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar)
          .Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
          .String("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
          .Event("OnChange", &TCustomEdit::OnChange)
          .Build();
  return info;
}

const ClassInfo& TEdit::StaticClass() {
  static const ClassInfo info = ClassBuilder<TEdit>("TEdit", &TCustomEdit::StaticClass()).Creatable().Build();
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.superclassOf = "EDIT";
  if (borderStyle_ == TBorderStyle::bsSingle) params.exStyle |= WS_EX_CLIENTEDGE;
  if (readOnly_) params.style |= ES_READONLY;
  if (passwordChar_) params.style |= ES_PASSWORD;
}

void TCustomEdit::InitializeWindow() {
  // 0 lifts the native control's own limit.
  SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_) SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  maxLength_ = std::max(value, 0);
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetPasswordChar(const std::string& value) {
  passwordChar_ = value.empty() ? '\0' : value[0];
  if (HandleAllocated()) {
    SendMessageA(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      AnswerControlColor(message, Font()->Color(), Color(), ColorBrush());
      return;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == EN_CHANGE) {
        FireNotify(OnChange, this);
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 121, 21); }

void TEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style |= ES_AUTOHSCROLL;
}

// ---- TCustomMemo, TMemo ---------------------------------------------------------------------

const EnumType kScrollStyleType{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

const ClassInfo& TCustomMemo::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomMemo>("TCustomMemo", &TCustomEdit::StaticClass())
          .Enumeration("ScrollBars", kScrollStyleType, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
          .Boolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
          .Build();
  return info;
}

const ClassInfo& TMemo::StaticClass() {
  static const ClassInfo info = ClassBuilder<TMemo>("TMemo", &TCustomMemo::StaticClass()).Creatable().Build();
  return info;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 185, 89); }

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
  if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_VSCROLL;
  if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth) params.style |= WS_HSCROLL;
}

// ---- TCustomComboBox, TComboBox -------------------------------------------------------------

const EnumType kComboBoxStyleType{
    "TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};

const ClassInfo& TCustomComboBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomComboBox>("TCustomComboBox", &TWinControl::StaticClass())
          .Integer("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
          .SubObject("Items", TStrings::StaticClass(), &TCustomComboBox::Items)
          .Integer("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex)
          .Enumeration("Style", kComboBoxStyleType, &TCustomComboBox::Style, &TCustomComboBox::SetStyle)
          .String("Text", &TCustomComboBox::Text, &TCustomComboBox::SetText)
          .Event("OnChange", &TCustomComboBox::OnChange)
          .Build();
  return info;
}

const ClassInfo& TComboBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TComboBox>("TComboBox", &TCustomComboBox::StaticClass()).Creatable().Build();
  return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
  items_->OnChange = [this] { FillWindow(); };
}

TCustomComboBox::~TCustomComboBox() { items_->OnChange = nullptr; }

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.superclassOf = "COMBOBOX";
  params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (style_) {
    case TComboBoxStyle::csDropDown:
      params.style |= CBS_DROPDOWN;
      break;
    case TComboBoxStyle::csSimple:
      params.style |= CBS_SIMPLE;
      break;
    case TComboBoxStyle::csDropDownList:
      params.style |= CBS_DROPDOWNLIST;
      break;
    case TComboBoxStyle::csOwnerDrawFixed:
      params.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
      break;
    case TComboBoxStyle::csOwnerDrawVariable:
      params.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
      break;
  }
  // A drop-down combo box takes the height of its open list at creation; it shows itself closed.
  if (style_ != TComboBoxStyle::csSimple) params.height += dropDownCount_ * std::max(Height() - 6, 12);
}

void TCustomComboBox::InitializeWindow() { FillWindow(); }

void TCustomComboBox::FillWindow() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  std::string text = Caption();  // emptying the list empties the edit too
  FillNativeList(window, CB_RESETCONTENT, CB_ADDSTRING, *items_);
  SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  if (itemIndex_ < 0 && style_ != TComboBoxStyle::csDropDownList) SetWindowTextA(window, text.c_str());
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (style_ == value) return;
  itemIndex_ = ItemIndex();
  style_ = value;
  RecreateWnd();
}

int TCustomComboBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  return static_cast<int>(SendMessageA(const_cast<TCustomComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value) {
  itemIndex_ = KeptItemIndex(value, items_->Count(), HasState(ComponentState::Loading));
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void TCustomComboBox::SetText(const std::string& text) {
  int found = items_->IndexOf(text);
  if (style_ == TComboBoxStyle::csDropDownList || found >= 0) {
    SetItemIndex(found);
    if (found >= 0) return;
  }
  SetCaption(text);
}

void TCustomComboBox::SetDropDownCount(int value) {
  // The open list's height is fixed when the window is made.
  dropDownCount_ = std::max(value, 1);
  RecreateWnd();
}

void TCustomComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC:
      AnswerControlColor(message, Font()->Color(), Color(), ColorBrush());
      return;
    case CN_COMMAND:
      switch (HIWORD(message.WParam)) {
        case CBN_SELCHANGE:
          itemIndex_ = ItemIndex();
          FireNotify(OnChange, this);
          Click();
          return;
        case CBN_EDITCHANGE:
          FireNotify(OnChange, this);
          return;
        default:
          break;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

// ---- TCustomListBox, TListBox ---------------------------------------------------------------

const ClassInfo& TCustomListBox::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TCustomListBox>("TCustomListBox", &TWinControl::StaticClass())
          .SubObject("Items", TStrings::StaticClass(), &TCustomListBox::Items)
          .Integer("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex)
          .Boolean("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect)
          .Build();
  return info;
}

const ClassInfo& TListBox::StaticClass() {
  static const ClassInfo info = ClassBuilder<TListBox>("TListBox", &TCustomListBox::StaticClass()).Creatable().Build();
  return info;
}

TCustomListBox::TCustomListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStrings>()) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  items_->OnChange = [this] { FillWindow(); };
}

TCustomListBox::~TCustomListBox() { items_->OnChange = nullptr; }

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.superclassOf = "LISTBOX";
  params.style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (multiSelect_) params.style |= LBS_EXTENDEDSEL;
  params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::InitializeWindow() { FillWindow(); }

void TCustomListBox::FillWindow() {
  if (!HandleAllocated()) return;
  FillNativeList(Handle(), LB_RESETCONTENT, LB_ADDSTRING, *items_);
  SetItemIndex(itemIndex_);
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return itemIndex_;
  HWND window = const_cast<TCustomListBox*>(this)->Handle();
  if (!multiSelect_) return static_cast<int>(SendMessageA(window, LB_GETCURSEL, 0, 0));
  return SendMessageA(window, LB_GETCOUNT, 0, 0) > 0 ? static_cast<int>(SendMessageA(window, LB_GETCARETINDEX, 0, 0))
                                                     : -1;
}

void TCustomListBox::SetItemIndex(int value) {
  itemIndex_ = KeptItemIndex(value, items_->Count(), HasState(ComponentState::Loading));
  if (!HandleAllocated()) return;
  HWND window = Handle();
  if (!multiSelect_) {
    SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  } else {
    SendMessageA(window, LB_SETSEL, FALSE, -1);
    if (itemIndex_ >= 0) {
      SendMessageA(window, LB_SETSEL, TRUE, itemIndex_);
      SendMessageA(window, LB_SETCARETINDEX, static_cast<WPARAM>(itemIndex_), FALSE);
    }
  }
}

void TCustomListBox::SetMultiSelect(bool value) {
  if (multiSelect_ == value) return;
  itemIndex_ = ItemIndex();
  multiSelect_ = value;
  RecreateWnd();
}

void TCustomListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_CTLCOLORLISTBOX:
      AnswerControlColor(message, Font()->Color(), Color(), ColorBrush());
      return;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == LBN_SELCHANGE) {
        itemIndex_ = ItemIndex();
        Click();
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

// ---- TScrollBar -----------------------------------------------------------------------------

const EnumType kScrollBarKindType{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

const ClassInfo& TScrollBar::StaticClass() {
  static const ClassInfo info = ClassBuilder<TScrollBar>("TScrollBar", &TWinControl::StaticClass())
                                    .Creatable()
                                    .Enumeration("Kind", kScrollBarKindType, &TScrollBar::Kind, &TScrollBar::SetKind)
                                    .Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
                                    .Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax)
                                    .Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin)
                                    .Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
                                    .Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
                                    .Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
                                    .Event("OnChange", &TScrollBar::OnChange)
                                    .Build();
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, 17);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.superclassOf = "SCROLLBAR";
  params.style |= kind_ == TScrollBarKind::sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::InitializeWindow() { UpdateWindow(); }

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  max_ = std::max(max_, min_);
  position_ = Clamped(position_);
  UpdateWindow();
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (kind_ == value) return;
  kind_ = value;
  if (!HasState(ComponentState::Loading)) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

int TScrollBar::Position() const {
  if (!HandleAllocated()) return position_;
  return static_cast<int>(SendMessageA(const_cast<TScrollBar*>(this)->Handle(), SBM_GETPOS, 0, 0));
}

int TScrollBar::Clamped(int position) const {
  int last = pageSize_ > 0 ? max_ - pageSize_ + 1 : max_;
  return std::clamp(position, min_, std::max(min_, last));
}

void TScrollBar::SetParams(int position, int min, int max) {
  // While a description is read, Min, Max and Position come one by one in any order.
  bool loading = HasState(ComponentState::Loading);
  int before = Position();
  min_ = min;
  max_ = loading ? max : std::max(max, min);
  position_ = loading ? position : Clamped(position);
  UpdateWindow();
  if (!loading && position_ != before) FireNotify(OnChange, this);
}

void TScrollBar::SetPageSize(int value) {
  pageSize_ = std::max(value, 0);
  position_ = Clamped(position_);
  UpdateWindow();
}

void TScrollBar::UpdateWindow() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, min_, max_, static_cast<UINT>(pageSize_), position_, 0};
  SendMessageA(Handle(), SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    int position = position_ = Position();
    switch (LOWORD(message.WParam)) {
      case SB_LINEUP:
        position -= smallChange_;
        break;
      case SB_LINEDOWN:
        position += smallChange_;
        break;
      case SB_PAGEUP:
        position -= largeChange_;
        break;
      case SB_PAGEDOWN:
        position += largeChange_;
        break;
      case SB_TOP:
        position = min_;
        break;
      case SB_BOTTOM:
        position = max_;
        break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        SendMessageA(Handle(), SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
        position = info.nTrackPos;
        break;
      }
      default:
        break;
    }
    SetPosition(position);
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TSplitter ------------------------------------------------------------------------------

const ClassInfo& TSplitter::StaticClass() {
  static const ClassInfo info = ClassBuilder<TSplitter>("TSplitter", &TGraphicControl::StaticClass())
                                    .Creatable()
                                    .Integer("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize)
                                    .Build();
  return info;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 3, 100);
  SetAlign(TAlign::alLeft);
  SetCursor(crHSplit);
  SetParentColor(true);
}

void TSplitter::Paint(HDC dc) {
  RECT r = ClientRect();
  UniqueBrush brush(CreateSolidBrush(ColorToRGB(Color())));
  FillRect(dc, &r, brush.get());
}

TControl* TSplitter::FindResizedControl() const {
  TWinControl* parent = Parent();
  if (!parent) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    switch (Align()) {
      case TAlign::alTop:
        if (c->Top() + c->Height() == Top()) return c;
        break;
      case TAlign::alBottom:
        if (c->Top() == Top() + Height()) return c;
        break;
      case TAlign::alLeft:
        if (c->Left() + c->Width() == Left()) return c;
        break;
      case TAlign::alRight:
        if (c->Left() == Left() + Width()) return c;
        break;
      default:
        break;
    }
  }
  return nullptr;
}

int TSplitter::SpaceAfter() const {
  TWinControl* parent = Parent();
  RECT client = parent->ClientRect();
  bool vertical = Align() == TAlign::alTop || Align() == TAlign::alBottom;
  int total = vertical ? client.bottom : client.right;
  int used = 0;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible() || c->Align() == TAlign::alNone || c->Align() == TAlign::alClient) continue;
    bool sameAxis = (c->Align() == TAlign::alTop || c->Align() == TAlign::alBottom) == vertical;
    if (sameAxis) used += vertical ? c->Height() : c->Width();
  }
  return total - used;
}

void TSplitter::WndProc(TMessage& message) {
  bool vertical = Align() == TAlign::alTop || Align() == TAlign::alBottom;
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      resized_ = FindResizedControl();
      if (resized_) {
        dragging_ = true;
        GetCursorPos(&dragStart_);
        startSize_ = vertical ? resized_->Height() : resized_->Width();
      }
      break;
    case WM_MOUSEMOVE:
      if (dragging_ && resized_) {
        POINT p;
        GetCursorPos(&p);
        int delta = vertical ? p.y - dragStart_.y : p.x - dragStart_.x;
        if (Align() == TAlign::alBottom || Align() == TAlign::alRight) delta = -delta;
        int current = vertical ? resized_->Height() : resized_->Width();
        // The resized control keeps MinSize, and so does the space that the rest fills.
        int wanted = std::max(startSize_ + delta, minSize_);
        wanted = std::min(wanted, current + SpaceAfter() - minSize_);
        wanted = std::max(wanted, std::min(current, minSize_));
        if (wanted != current) {
          if (vertical)
            resized_->SetHeight(wanted);
          else
            resized_->SetWidth(wanted);
          if (Parent()) UpdateWindow(Parent()->Handle());
        }
      }
      break;
    case WM_LBUTTONUP:
      dragging_ = false;
      resized_ = nullptr;
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

}  // namespace fw
