#include "framework/menus.h"

#include <algorithm>
#include <map>

#include "framework/graphics/canvas.h"
#include "framework/image_list.h"

namespace fw {

namespace {

// Every live item by its command identifier; identifiers are reused once their item is gone.
std::map<UINT, TMenuItem*>& ItemsByCommand() {
  static std::map<UINT, TMenuItem*> items;
  return items;
}

UINT AllocateCommand(TMenuItem* item) {
  auto& items = ItemsByCommand();
  UINT command = 1;
  for (const auto& [used, _] : items) {
    if (used != command) break;
    ++command;
  }
  items[command] = item;
  return command;
}

// Takes every entry out of a native menu without destroying the submenus: each item owns its own.
void DetachEntries(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
}

// The font that the system draws menus with, made once.
HFONT MenuFont() {
  static const UniqueFont font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return UniqueFont(CreateFontIndirectA(&metrics.lfMenuFont));
  }();
  return font.get();
}

// The hidden window that owns the popup menus while they are open: it answers their owner-draw
// messages.
LRESULT CALLBACK PopupOwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MEASUREITEM || msg == WM_DRAWITEM) {
    TMessage message{msg, wParam, lParam, 0};
    if (DispatchMenuOwnerDraw(message)) return message.Result;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

HWND PopupOwnerWindow() {
  static const UniqueWindow window = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PopupOwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TPopupMenuOwner";
    RegisterClassA(&wc);
    return UniqueWindow(CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        wc.hInstance, nullptr));
  }();
  return window.get();
}

const char* KeyName(int key) {
  switch (key) {
    case VK_BACK:
      return "BkSp";
    case VK_TAB:
      return "Tab";
    case VK_RETURN:
      return "Enter";
    case VK_ESCAPE:
      return "Esc";
    case VK_SPACE:
      return "Space";
    case VK_PRIOR:
      return "PgUp";
    case VK_NEXT:
      return "PgDn";
    case VK_END:
      return "End";
    case VK_HOME:
      return "Home";
    case VK_LEFT:
      return "Left";
    case VK_UP:
      return "Up";
    case VK_RIGHT:
      return "Right";
    case VK_DOWN:
      return "Down";
    case VK_INSERT:
      return "Ins";
    case VK_DELETE:
      return "Del";
    default:
      return nullptr;
  }
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  int key = shortCut & 0xFF;
  std::string name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    name = std::string(1, static_cast<char>(key));
  else if (key >= VK_F1 && key <= VK_F24)
    name = "F" + std::to_string(key - VK_F1 + 1);
  else if (const char* known = KeyName(key))
    name = known;
  if (name.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

// ---- TMenuItem ------------------------------------------------------------------------------

const ClassInfo& TMenuItem::StaticClass() {
  static const ClassInfo info = ClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClass())
                                    .Creatable()
                                    .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                    .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                                    .Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
                                    .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                                    .String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
                                    .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
                                    .Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
                                    .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                                    .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
                                    .Event("OnClick", &TMenuItem::OnClick)
                                    .Event("OnDrawItem", &TMenuItem::OnDrawItem, kMenuDrawItemSignature)
                                    .Event("OnMeasureItem", &TMenuItem::OnMeasureItem, kMenuMeasureItemSignature)
                                    .Build();
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand(this)) {}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
  for (TMenuItem* child : items_) child->parent_ = nullptr;
  items_.clear();
  if (handle_) DetachEntries(handle_.get());
  ItemsByCommand().erase(command_);
}

void TMenuItem::SetCaption(const std::string& value) { Assign(caption_, value); }
void TMenuItem::SetChecked(bool value) { Assign(checked_, value); }
void TMenuItem::SetRadioItem(bool value) { Assign(radioItem_, value); }
void TMenuItem::SetEnabled(bool value) { Assign(enabled_, value); }
void TMenuItem::SetVisible(bool value) { Assign(visible_, value); }
void TMenuItem::SetDefault(bool value) { Assign(default_, value); }
void TMenuItem::SetShortCut(TShortCut value) { Assign(shortCut_, value); }
void TMenuItem::SetImageIndex(int value) { Assign(imageIndex_, value); }

int TMenuItem::MenuIndex() const {
  if (!parent_) return -1;
  auto it = std::find(parent_->items_.begin(), parent_->items_.end(), this);
  return static_cast<int>(it - parent_->items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  RebuildHandle();
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  RebuildHandle();
  Changed();
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

TMenuItem* TMenuItem::Find(UINT command) {
  if (command_ == command) return this;
  for (TMenuItem* child : items_)
    if (TMenuItem* found = child->Find(command)) return found;
  return nullptr;
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    handle_.reset(rootIsBar_ ? CreateMenu() : CreatePopupMenu());
    RebuildHandle();
  }
  return handle_.get();
}

void TMenuItem::FillItemInfo(MENUITEMINFOA& info, std::string& text) {
  TMenu* menu = GetParentMenu();
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
  info.fType = 0;
  if (IsLine()) info.fType |= MFT_SEPARATOR;
  if (radioItem_) info.fType |= MFT_RADIOCHECK;
  if (menu && menu->OwnerDraw()) info.fType |= MFT_OWNERDRAW;
  info.fState = (enabled_ ? MFS_ENABLED : MFS_GRAYED) | (checked_ ? MFS_CHECKED : 0) | (default_ ? MFS_DEFAULT : 0);
  info.wID = command_;
  info.hSubMenu = items_.empty() ? nullptr : Handle();
  info.dwItemData = command_;
  text = caption_;
  if (std::string keys = ShortCutToText(shortCut_); !keys.empty()) text += "\t" + keys;
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
}

void TMenuItem::RebuildHandle() {
  if (!handle_) return;
  HMENU menu = handle_.get();
  DetachEntries(menu);
  UINT position = 0;
  for (TMenuItem* child : items_) {
    if (!child->visible_) continue;
    MENUITEMINFOA info{};
    std::string text;
    child->FillItemInfo(info, text);
    InsertMenuItemA(menu, position++, TRUE, &info);
  }
}

void TMenuItem::Changed() {
  if (parent_) parent_->RebuildHandle();
  if (TMenu* menu = GetParentMenu()) menu->MenuChanged();
}

void TMenuItem::Click() { FireNotify(OnClick, this); }

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
  if (auto* handler = OnMeasureItem.As<void(TObject*, TCanvas*, int&, int&)>()) {
    (*handler)(this, canvas, width, height);
    return;
  }
  if (IsLine()) {
    width = 10;
    height = 8;
    return;
  }
  HDC dc = canvas->Handle();
  SelectObjectGuard font(dc, MenuFont());
  std::string text = caption_;
  if (std::string keys = ShortCutToText(shortCut_); !keys.empty()) text += "\t" + keys;
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  TMenu* menu = GetParentMenu();
  int glyph = menu && menu->Images() ? menu->Images()->Width() : 16;
  width = r.right + glyph + 8;
  height = std::max<int>(r.bottom + 4, GetSystemMetrics(SM_CYMENU));
}

void TMenuItem::DrawItem(TCanvas* canvas, const RECT& rect, bool selected) {
  if (auto* handler = OnDrawItem.As<void(TObject*, TCanvas*, const RECT&, bool)>()) {
    (*handler)(this, canvas, rect, selected);
    return;
  }
  HDC dc = canvas->Handle();
  RECT r = rect;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    r.top += (r.bottom - r.top) / 2 - 1;
    DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
    return;
  }
  TMenu* menu = GetParentMenu();
  int glyph = menu && menu->Images() ? menu->Images()->Width() : 16;
  if (menu && menu->Images() && imageIndex_ >= 0)
    menu->Images()->Draw(dc, r.left + 2, r.top + (r.bottom - r.top - menu->Images()->Height()) / 2, imageIndex_,
                         enabled_);
  SelectObjectGuard font(dc, MenuFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled_ ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  r.left += glyph + 6;
  r.right -= 8;
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, DT_SINGLELINE | DT_VCENTER);
  if (std::string keys = ShortCutToText(shortCut_); !keys.empty())
    DrawTextA(dc, keys.c_str(), static_cast<int>(keys.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

bool DispatchMenuOwnerDraw(TMessage& message) {
  auto& items = ItemsByCommand();
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (measure->CtlType != ODT_MENU) return false;
    auto it = items.find(static_cast<UINT>(measure->itemData));
    if (it == items.end()) return false;
    WindowDC screen(nullptr);
    TCanvas canvas(screen.get());
    canvas.SetFont(MenuFont());
    int width = static_cast<int>(measure->itemWidth), height = static_cast<int>(measure->itemHeight);
    it->second->MeasureItem(&canvas, width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    message.Result = TRUE;
    return true;
  }
  if (message.Msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (draw->CtlType != ODT_MENU) return false;
    auto it = items.find(static_cast<UINT>(draw->itemData));
    if (it == items.end()) return false;
    SavedDCState state(draw->hDC);
    TCanvas canvas(draw->hDC);
    canvas.SetFont(MenuFont());
    it->second->DrawItem(&canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
    message.Result = TRUE;
    return true;
  }
  return false;
}

// ---- TMenu ----------------------------------------------------------------------------------

const ClassInfo& TMenu::StaticClass() {
  static const ClassInfo info = ClassBuilder<TMenu>("TMenu", &TComponent::StaticClass())
                                    .Reference<TImageList>("Images", &TMenu::Images, &TMenu::SetImages)
                                    .Boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                                    .Build();
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  // The items outlive a menu that is freed first: they no longer belong to it.
  items_->menu_ = nullptr;
}

void TMenu::SetOwnerDraw(bool value) {
  if (ownerDraw_ == value) return;
  ownerDraw_ = value;
  // Every native item changes its type: rebuild the whole tree.
  std::function<void(TMenuItem*)> rebuild = [&](TMenuItem* item) {
    item->RebuildHandle();
    for (TMenuItem* child : item->items_) rebuild(child);
  };
  rebuild(items_.get());
  MenuChanged();
}

void TMenu::SetImages(TImageList* value) {
  images_ = value;
  MenuChanged();
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command);
  if (!item || item == items_.get()) return false;
  item->Click();
  return true;
}

// ---- TMainMenu ------------------------------------------------------------------------------

const ClassInfo& TMainMenu::StaticClass() {
  static const ClassInfo info = ClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClass()).Creatable().Build();
  return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { Items()->rootIsBar_ = true; }

TMainMenu::~TMainMenu() {
  // A window destroys the menu it shows: take ours back first.
  if (window_ && IsWindow(window_) && Items()->HandleAllocated() && GetMenu(window_) == Handle())
    SetMenu(window_, nullptr);
}

void TMainMenu::MenuChanged() {
  if (!window_ || !IsWindow(window_)) return;
  // Whoever took the bar off the window (a skinned menu bar) gets it back with the change and is
  // told about it.
  if (GetMenu(window_) != Handle()) SetMenu(window_, Handle());
  SendMessageA(window_, CM_MENUCHANGED, 0, 0);
  DrawMenuBar(window_);
}

// ---- TPopupMenu -----------------------------------------------------------------------------

const ClassInfo& TPopupMenu::StaticClass() {
  static const ClassInfo info = ClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClass())
                                    .Creatable()
                                    .Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
                                    .Event("OnPopup", &TPopupMenu::OnPopup)
                                    .Build();
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
  FireNotify(OnPopup, this);
  HWND owner = PopupOwnerWindow();
  UINT command = static_cast<UINT>(
      TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, owner, nullptr));
  // The menu loop may leave a WM_NULL behind for the owner; the chosen item runs after the loop.
  if (command) DispatchCommand(command);
}

}  // namespace fw
