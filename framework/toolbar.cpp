#include "framework/toolbar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/comctrls.h"
#include "framework/image_list.h"
#include "framework/menus.h"

namespace fw {

const EnumType kToolButtonStyleType{"TToolButtonStyle",
                                    {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"}};
const EnumType kCustomDrawStateType{"TCustomDrawStateItem",
                                    {"cdsSelected", "cdsGrayed", "cdsDisabled", "cdsChecked", "cdsFocused",
                                     "cdsDefault", "cdsHot", "cdsMarked", "cdsIndeterminate"}};

// ---- TToolButton ----------------------------------------------------------------------------

const ClassInfo& TToolButton::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TToolButton>("TToolButton", &TGraphicControl::StaticClass())
          .Creatable()
          .Boolean("Down", &TToolButton::Down, &TToolButton::SetDown)
          .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
          .Enumeration("Style", kToolButtonStyleType, &TToolButton::Style, &TToolButton::SetStyle)
          .Build();
  return info;
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { TControl::SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton() {
  if (toolBar_) toolBar_->RemoveButton(this);
}

TComponent* TToolButton::GetParentComponent() const { return toolBar_; }

void TToolButton::SetParentComponent(TComponent* parent) {
  // The bar's window holds the buttons; they are not child controls the bar would paint.
  if (auto* bar = dynamic_cast<TToolBar*>(parent)) SetToolBar(bar);
}

void TToolButton::SetToolBar(TToolBar* value) {
  if (toolBar_ == value) return;
  if (toolBar_) toolBar_->RemoveButton(this);
  toolBar_ = value;
  if (toolBar_) toolBar_->InsertButton(this);
}

void TToolButton::SetStyle(TToolButtonStyle value) {
  style_ = value;
  if (toolBar_) toolBar_->ButtonChanged(this);
}

void TToolButton::SetImageIndex(int value) {
  imageIndex_ = value;
  if (toolBar_) toolBar_->ButtonChanged(this);
}

bool TToolButton::Down() const {
  if (toolBar_ && toolBar_->HandleAllocated()) {
    // -1: the bar does not show this button (yet).
    LRESULT state = SendMessageA(toolBar_->Handle(), TB_GETSTATE, static_cast<WPARAM>(command_), 0);
    if (state != -1) return (state & TBSTATE_CHECKED) != 0;
  }
  return down_;
}

void TToolButton::SetDown(bool value) {
  down_ = value;
  if (toolBar_ && toolBar_->HandleAllocated())
    SendMessageA(toolBar_->Handle(), TB_CHECKBUTTON, static_cast<WPARAM>(command_), MAKELPARAM(value, 0));
}

void TToolButton::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (toolBar_ && toolBar_->HandleAllocated())
    SendMessageA(toolBar_->Handle(), TB_ENABLEBUTTON, static_cast<WPARAM>(command_), MAKELPARAM(enabled, 0));
}

void TToolButton::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (toolBar_) toolBar_->ButtonChanged(this);
}

void TToolButton::SetCaption(const std::string& text) {
  TControl::SetCaption(text);
  if (toolBar_) toolBar_->ButtonChanged(this);
}

RECT TToolButton::ItemRect() const {
  RECT r{};
  if (toolBar_ && toolBar_->HandleAllocated()) {
    LRESULT index = SendMessageA(toolBar_->Handle(), TB_COMMANDTOINDEX, static_cast<WPARAM>(command_), 0);
    if (index >= 0)
      SendMessageA(toolBar_->Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  }
  return r;
}

void TToolButton::Click() {
  if (menuItem_ && menuItem_->Count() > 0 && toolBar_ && toolBar_->HandleAllocated()) {
    // A menu button opens its item's submenu below itself.
    RECT r = ItemRect();
    POINT p{r.left, r.bottom};
    ::ClientToScreen(toolBar_->Handle(), &p);
    UINT command = static_cast<UINT>(
        TrackPopupMenu(menuItem_->Handle(), TPM_LEFTALIGN | TPM_RETURNCMD, p.x, p.y, 0, toolBar_->Handle(), nullptr));
    if (TMenu* menu = menuItem_->GetParentMenu(); command && menu) menu->DispatchCommand(command);
    return;
  }
  if (menuItem_) {
    menuItem_->Click();
    return;
  }
  TGraphicControl::Click();
}

// ---- TToolBar -------------------------------------------------------------------------------

const ClassInfo& TToolBar::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TToolBar>("TToolBar", &TWinControl::StaticClass())
          .Creatable()
          .Integer("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
          .Integer("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
          .Boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
          .Reference<TImageList>("Images", &TToolBar::Images, &TToolBar::SetImages)
          .Reference<TMainMenu>("Menu", &TToolBar::Menu, &TToolBar::SetMenu)
          .Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
          .Event("OnCustomDraw", &TToolBar::OnCustomDraw, kTBCustomDrawSignature)
          .Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton, kTBCustomDrawBtnSignature)
          .Build();
  return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
  SetColor(clBtnFace);
}

TToolBar::~TToolBar() {
  DestroyHandle();
  for (TToolButton* button : buttons_) button->toolBar_ = nullptr;
  buttons_.clear();
}

void TToolBar::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = TOOLBARCLASSNAMEA;
  // The framework places the bar (Align); the native control lays out and draws the buttons.
  params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (flat_) params.style |= TBSTYLE_FLAT;
}

void TToolBar::InitializeWindow() {
  HWND handle = Handle();
  SendMessageA(handle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(handle, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  SendMessageA(handle, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
  RebuildButtons();
}

void TToolBar::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  if (HandleAllocated()) {
    HWND handle = Handle();
    SetWindowLongA(handle, GWL_STYLE, (GetWindowLongA(handle, GWL_STYLE) & ~TBSTYLE_FLAT) | (value ? TBSTYLE_FLAT : 0));
    InvalidateRect(handle, nullptr, TRUE);
  }
}

void TToolBar::SetShowCaptions(bool value) {
  showCaptions_ = value;
  RebuildButtons();
}

void TToolBar::SetImages(TImageList* value) {
  images_ = value;
  if (HandleAllocated()) {
    SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
    RebuildButtons();
  }
}

void TToolBar::SetButtonWidth(int value) {
  buttonWidth_ = std::max(value, 0);
  if (HandleAllocated()) {
    SendMessageA(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
    RebuildButtons();
  }
}

void TToolBar::SetButtonHeight(int value) {
  buttonHeight_ = std::max(value, 0);
  if (HandleAllocated()) {
    SendMessageA(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
    RebuildButtons();
  }
}

void TToolBar::SetMenu(TMainMenu* value) {
  menu_ = value;
  FreeNotification(menu_);
  BuildMenuButtons();
}

void TToolBar::Notification(TComponent* component) {
  TWinControl::Notification(component);
  // The menu, or one of the items its buttons stand for, is going.
  bool menuGoes = component == menu_;
  bool itemGoes = std::any_of(menuButtons_.begin(), menuButtons_.end(),
                              [&](const auto& button) { return button->MenuItem() == component; });
  if (menuGoes) menu_ = nullptr;
  if ((menuGoes || itemGoes) && !HasState(ComponentState::Destroying)) BuildMenuButtons();
}

void TToolBar::BuildMenuButtons() {
  for (auto& button : menuButtons_) button->SetToolBar(nullptr);
  menuButtons_.clear();
  if (!menu_) return;
  TMenuItem* items = menu_->Items();
  for (int i = 0; i < items->Count(); ++i) {
    auto button = std::make_unique<TToolButton>(nullptr);
    button->SetMenuItem(items->Items(i));
    FreeNotification(items->Items(i));
    button->TControl::SetCaption(items->Items(i)->Caption());
    button->SetToolBar(this);
    menuButtons_.push_back(std::move(button));
  }
  // A menu's buttons show their captions: they have no images.
  showCaptions_ = true;
  RebuildButtons();
}

void TToolBar::InsertButton(TToolButton* button) {
  button->command_ = nextCommand_++;
  buttons_.push_back(button);
  RebuildButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
  buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
  if (!HasState(ComponentState::Destroying)) RebuildButtons();
}

void TToolBar::ButtonChanged(TToolButton* button) {
  (void)button;
  RebuildButtons();
}

TToolButton* TToolBar::ButtonByCommand(int command) const {
  for (TToolButton* button : buttons_)
    if (button->command_ == command) return button;
  return nullptr;
}

void TToolBar::RebuildButtons() {
  if (!HandleAllocated()) return;
  HWND handle = Handle();
  // Keep what the user changed on the buttons being replaced.
  for (TToolButton* button : buttons_) button->down_ = button->Down();
  while (SendMessageA(handle, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(handle, TB_DELETEBUTTON, 0, 0);
  for (TToolButton* button : buttons_) {
    if (!button->Visible()) continue;
    static constexpr BYTE kStyles[] = {BTNS_BUTTON, BTNS_CHECK, BTNS_DROPDOWN, BTNS_SEP, BTNS_SEP};
    std::string caption = button->Caption();
    TBBUTTON native{};
    native.iBitmap = images_ && button->imageIndex_ >= 0 ? button->imageIndex_ : I_IMAGENONE;
    native.idCommand = button->command_;
    native.fsState =
        static_cast<BYTE>((button->Enabled() ? TBSTATE_ENABLED : 0) | (button->down_ ? TBSTATE_CHECKED : 0));
    native.fsStyle = kStyles[static_cast<int>(button->style_)];
    native.iString = showCaptions_ && !caption.empty() ? reinterpret_cast<INT_PTR>(caption.c_str()) : -1;
    SendMessageA(handle, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&native));
  }
  // The button objects take the places the bar gave them.
  for (TToolButton* button : buttons_) {
    RECT r = button->ItemRect();
    button->TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw) {
  NMCUSTOMDRAW& header = draw.nmcd;
  if (header.dwDrawStage == CDDS_PREPAINT) {
    LRESULT result = CDRF_DODEFAULT;
    if (auto* handler = OnCustomDraw.As<void(TToolBar*, const RECT&, bool&)>()) {
      bool defaultDraw = true;
      canvas_.SetHandle(header.hdc);
      (*handler)(this, ClientRect(), defaultDraw);
      canvas_.SetHandle(nullptr);
      if (!defaultDraw) return CDRF_SKIPDEFAULT;
    }
    if (OnCustomDrawButton.Assigned()) result |= CDRF_NOTIFYITEMDRAW;
    return result;
  }
  if (header.dwDrawStage == CDDS_ITEMPREPAINT) {
    auto* handler = OnCustomDrawButton.As<void(TToolBar*, TToolButton*, TCustomDrawState, bool&)>();
    TToolButton* button = ButtonByCommand(static_cast<int>(header.dwItemSpec));
    if (!handler || !button) return CDRF_DODEFAULT;
    bool defaultDraw = true;
    canvas_.SetHandle(header.hdc);
    (*handler)(this, button, header.uItemState & 0x1FF, defaultDraw);
    canvas_.SetHandle(nullptr);
    return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
  }
  return CDRF_DODEFAULT;
}

void TToolBar::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (TToolButton* button = ButtonByCommand(LOWORD(message.WParam))) button->Click();
    return;
  }
  if (message.Msg == CN_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    if (header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      message.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(message.LParam));
      return;
    }
    if (header->code == static_cast<UINT>(TBN_DROPDOWN)) {
      if (TToolButton* button = ButtonByCommand(reinterpret_cast<NMTOOLBARA*>(message.LParam)->iItem)) button->Click();
      message.Result = TBDDRET_DEFAULT;
      return;
    }
  }
  TWinControl::WndProc(message);
}

// ---- TCoolBar -------------------------------------------------------------------------------

const ClassInfo& TCoolBand::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCoolBand>("TCoolBand", &TCollectionItem::StaticClass())
                                    .Boolean("Break", &TCoolBand::Break, &TCoolBand::SetBreak)
                                    .Integer("Color", &TCoolBand::Color, &TCoolBand::SetColor, &kColorIdents)
                                    .Reference<TWinControl>("Control", &TCoolBand::Control, &TCoolBand::SetControl)
                                    .Boolean("ParentColor", &TCoolBand::ParentColor, &TCoolBand::SetParentColor)
                                    .String("Text", &TCoolBand::Text, &TCoolBand::SetText)
                                    .Integer("Width", &TCoolBand::Width, &TCoolBand::SetWidth)
                                    .Build();
  return info;
}

TCoolBar* TCoolBand::Bar() const {
  auto* bands = static_cast<TCoolBands*>(Collection());
  return bands ? bands->Owner() : nullptr;
}

void TCoolBand::SetControl(TWinControl* value) {
  control_ = value;
  if (TCoolBar* bar = Bar()) bar->FreeNotification(value);
  Changed();
}

void TCoolBand::SetText(const std::string& value) {
  text_ = value;
  Changed();
}

TColor TCoolBand::Color() const {
  TCoolBar* bar = Bar();
  return parentColor_ && bar ? bar->Color() : color_;
}

void TCoolBand::SetColor(TColor value) {
  color_ = value;
  parentColor_ = false;
  Changed();
}

void TCoolBand::SetParentColor(bool value) {
  parentColor_ = value;
  Changed();
}

int TCoolBand::Width() const {
  TCoolBar* bar = Bar();
  if (bar && bar->HandleAllocated()) {
    REBARBANDINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_SIZE;
    if (SendMessageA(bar->Handle(), RB_GETBANDINFOA, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&info)))
      return static_cast<int>(info.cx);
  }
  return width_;
}

void TCoolBand::SetWidth(int value) {
  width_ = std::max(value, 0);
  Changed();
}

void TCoolBand::SetBreak(bool value) {
  break_ = value;
  Changed();
}

const ClassInfo& TCoolBands::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCoolBands>("TCoolBands", &TCollection::StaticClass()).Build();
  return info;
}

void TCoolBands::Update(TCollectionItem* item) {
  (void)item;
  if (owner_) owner_->UpdateBands();
}

const ClassInfo& TCoolBar::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCoolBar>("TCoolBar", &TWinControl::StaticClass())
                                    .Creatable()
                                    .SubObject("Bands", TCoolBands::StaticClass(), &TCoolBar::Bands)
                                    .Build();
  return info;
}

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner), bands_(std::make_unique<TCoolBands>(this)) {
  SetBounds(0, 0, 150, 75);
  SetAlign(TAlign::alTop);
  SetColor(clBtnFace);
}

TCoolBar::~TCoolBar() {
  // The bands' windows go with the bar, before the bands.
  DestroyHandle();
}

void TCoolBar::CreateParams(TCreateParams& params) {
  InitCommonControlsOnce();
  TWinControl::CreateParams(params);
  params.superclassOf = REBARCLASSNAMEA;
  params.style |= WS_CLIPCHILDREN | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | RBS_VARHEIGHT | RBS_BANDBORDERS;
}

void TCoolBar::InitializeWindow() { UpdateBands(); }

void TCoolBar::WndProc(TMessage& message) {
  // The native bar paints its bands only; the rest of it shows the bar's colour.
  if (message.Msg == WM_ERASEBKGND && HandleAllocated()) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(reinterpret_cast<HDC>(message.WParam), &client, ColorBrush());
  }
  TWinControl::WndProc(message);
}

void TCoolBar::ColorChanged() {
  TWinControl::ColorChanged();
  UpdateBands();
}

void TCoolBar::Notification(TComponent* component) {
  TWinControl::Notification(component);
  bool changed = false;
  for (int i = 0; i < bands_->Count(); ++i) {
    if (bands_->Band(i)->control_ != component) continue;
    bands_->Band(i)->control_ = nullptr;
    changed = true;
  }
  if (changed && !HasState(ComponentState::Destroying)) UpdateBands();
}

void TCoolBar::UpdateBands() {
  if (!HandleAllocated()) return;
  HWND handle = Handle();
  while (SendMessageA(handle, RB_GETBANDCOUNT, 0, 0) > 0) SendMessageA(handle, RB_DELETEBAND, 0, 0);
  for (int i = 0; i < bands_->Count(); ++i) {
    TCoolBand* band = bands_->Band(i);
    std::string text = band->Text();
    REBARBANDINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_COLORS | RBBIM_SIZE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID;
    info.fStyle = RBBS_CHILDEDGE | (band->Break() ? RBBS_BREAK : 0);
    info.clrFore = GetSysColor(COLOR_BTNTEXT);
    info.clrBack = ColorToRGB(band->Color());
    info.lpText = text.data();
    info.cx = static_cast<UINT>(band->width_);
    info.wID = static_cast<UINT>(i);
    // Only a control placed on the bar can be a band's child window.
    TWinControl* control = band->Control();
    info.hwndChild = control && control->Parent() == this ? control->Handle() : nullptr;
    info.cyMinChild = control ? static_cast<UINT>(control->Height()) : 0;
    SendMessageA(handle, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
  }
}

}  // namespace fw
