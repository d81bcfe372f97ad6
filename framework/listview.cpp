#include "framework/listview.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "framework/text.h"

namespace fw {

const EnumType kViewStyleType{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};

// ---- Columns --------------------------------------------------------------------------------

const ClassInfo& TListColumn::StaticClass() {
  static const ClassInfo info = ClassBuilder<TListColumn>("TListColumn", &TCollectionItem::StaticClass())
                                    .String("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
                                    .Integer("Width", &TListColumn::Width, &TListColumn::SetWidth)
                                    .Build();
  return info;
}

void TListColumn::SetCaption(const std::string& caption) {
  caption_ = caption;
  Changed();
}

int TListColumn::Width() const {
  auto* columns = static_cast<TListColumns*>(Collection());
  TListView* view = columns ? columns->Owner() : nullptr;
  if (view && view->HandleAllocated()) {
    int width = static_cast<int>(SendMessageA(view->Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
    if (width > 0 || width_ == 0) return width;
  }
  return width_;
}

void TListColumn::SetWidth(int width) {
  width_ = width;
  auto* columns = static_cast<TListColumns*>(Collection());
  TListView* view = columns ? columns->Owner() : nullptr;
  if (view && view->HandleAllocated())
    SendMessageA(view->Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(Index()), MAKELPARAM(width, 0));
}

const ClassInfo& TListColumns::StaticClass() {
  static const ClassInfo info = ClassBuilder<TListColumns>("TListColumns", &TCollection::StaticClass()).Build();
  return info;
}

void TListColumns::Update(TCollectionItem* item) {
  (void)item;
  if (owner_) owner_->UpdateColumns();
}

// ---- Items ----------------------------------------------------------------------------------

void TListItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  int index = Index();
  if (owner_->HandleAllocated() && index >= 0)
    SendMessageA(owner_->Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

void TListItem::AddSubItem(std::string text) {
  subItems_.push_back(std::move(text));
  int index = Index();
  if (owner_->HandleAllocated() && index >= 0) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.iSubItem = static_cast<int>(subItems_.size());
    item.pszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(owner_->Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

int TListItem::Index() const { return owner_->Items()->IndexOf(this); }

bool TListItem::Selected() const {
  int index = Index();
  if (!owner_->HandleAllocated() || index < 0) return false;
  return SendMessageA(owner_->Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool selected) {
  int index = Index();
  if (index < 0) return;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  SendMessageA(owner_->Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

int TListItems::IndexOf(const TListItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

TListItem* TListItems::Add() {
  items_.push_back(std::make_unique<TListItem>(owner_));
  int index = Count() - 1;
  if (owner_->HandleAllocated()) InsertIntoControl(index);
  return items_.back().get();
}

TListItem* TListItems::Add(std::string caption, std::vector<std::string> subItems) {
  auto item = std::make_unique<TListItem>(owner_);
  item->caption_ = std::move(caption);
  item->subItems_ = std::move(subItems);
  items_.push_back(std::move(item));
  if (owner_->HandleAllocated()) InsertIntoControl(Count() - 1);
  return items_.back().get();
}

void TListItems::InsertIntoControl(int index) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = LPSTR_TEXTCALLBACKA;
  HWND handle = owner_->Handle();
  SendMessageA(handle, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  const auto& subItems = items_[static_cast<size_t>(index)]->SubItems();
  for (size_t i = 0; i < subItems.size(); ++i) {
    item.iSubItem = static_cast<int>(i + 1);
    SendMessageA(handle, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void TListItems::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  // The control forgets the row first, so that it never asks for a freed item's text.
  if (owner_->HandleAllocated()) SendMessageA(owner_->Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
  items_.erase(items_.begin() + index);
}

void TListItems::Clear() {
  if (owner_->HandleAllocated()) SendMessageA(owner_->Handle(), LVM_DELETEALLITEMS, 0, 0);
  items_.clear();
}

void TListItems::BeginUpdate() {
  if (updateCount_++ == 0 && owner_->HandleAllocated()) SendMessageA(owner_->Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0 || !owner_->HandleAllocated()) return;
  HWND handle = owner_->Handle();
  SendMessageA(handle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle, nullptr, FALSE);
}

// ---- TListView ------------------------------------------------------------------------------

const ClassInfo& TCustomListView::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCustomListView>("TCustomListView", &TWinControl::StaticClass()).Build();
  return info;
}

const ClassInfo& TListView::StaticClass() {
  static const ClassInfo info =
      ClassBuilder<TListView>("TListView", &TCustomListView::StaticClass())
          .Creatable()
          .SubObject("Columns", TListColumns::StaticClass(), &TListView::Columns)
          .Boolean("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect)
          .Boolean("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly)
          .Boolean("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect)
          .Enumeration("ViewStyle", kViewStyleType, &TListView::ViewStyle, &TListView::SetViewStyle)
          .Build();
  return info;
}

TListView::TListView(TComponent* owner)
    : TCustomListView(owner),
      columns_(std::make_unique<TListColumns>(this)),
      items_(std::make_unique<TListItems>(this)) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetColor(clWindow);
}

TListView::~TListView() {
  // The window goes before the items whose texts it shows.
  DestroyHandle();
}

void TListView::CreateParams(TCreateParams& params) {
  TCustomListView::CreateParams(params);
  params.superclassOf = WC_LISTVIEWA;
  params.exStyle |= WS_EX_CLIENTEDGE;
  static constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  params.style |= kViewStyles[static_cast<int>(viewStyle_)];
  if (!multiSelect_) params.style |= LVS_SINGLESEL;
  if (!readOnly_) params.style |= LVS_EDITLABELS;
}

void TListView::InitializeWindow() {
  HWND handle = Handle();
  if (rowSelect_) SendMessageA(handle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  UpdateColors();
  UpdateColumns();
  for (int i = 0; i < items_->Count(); ++i) items_->InsertIntoControl(i);
}

void TListView::SetRowSelect(bool value) {
  rowSelect_ = value;
  if (HandleAllocated())
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, value ? LVS_EX_FULLROWSELECT : 0);
}

void TListView::UpdateColumns() {
  if (!HandleAllocated()) return;
  HWND handle = Handle();
  while (SendMessageA(handle, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < columns_->Count(); ++i) {
    TListColumn* column = Column(i);
    LVCOLUMNA lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    std::string caption = column->Caption();
    lvc.pszText = caption.data();
    lvc.cx = column->StoredWidth();
    lvc.iSubItem = i;
    SendMessageA(handle, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&lvc));
  }
}

void TListView::UpdateColors() {
  if (!HandleAllocated()) return;
  COLORREF back = ColorToRGB(Color());
  SendMessageA(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
  SendMessageA(Handle(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->Color())));
}

void TListView::ColorChanged() {
  TCustomListView::ColorChanged();
  UpdateColors();
}

void TListView::FontChanged() {
  TCustomListView::FontChanged();
  UpdateColors();
}

TListItem* TListView::Selected() const {
  if (!HandleAllocated()) return nullptr;
  int index = static_cast<int>(
      SendMessageA(const_cast<TListView*>(this)->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  return index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr;
}

int TListView::SelCount() const {
  if (!HandleAllocated()) return 0;
  return static_cast<int>(SendMessageA(const_cast<TListView*>(this)->Handle(), LVM_GETSELECTEDCOUNT, 0, 0));
}

void TListView::FillDisplayInfo(NMHDR* header) {
  // The A and W forms share the layout up to the text pointer.
  auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
  LVITEMA& item = info->item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  if (item.iItem < 0 || item.iItem >= items_->Count()) {
    item.pszText[0] = '\0';
    return;
  }
  const TListItem* row = items_->Item(item.iItem);
  static const std::string kEmpty;
  const std::string& text = item.iSubItem == 0 ? row->Caption()
                            : static_cast<size_t>(item.iSubItem) <= row->SubItems().size()
                                ? row->SubItems()[static_cast<size_t>(item.iSubItem - 1)]
                                : kEmpty;
  if (header->code == LVN_GETDISPINFOW) {
    std::wstring wide = AnsiToWideText(text.substr(0, static_cast<size_t>(item.cchTextMax)));
    size_t n = std::min(wide.size(), static_cast<size_t>(item.cchTextMax - 1));
    auto* target = reinterpret_cast<wchar_t*>(item.pszText);
    std::memcpy(target, wide.data(), n * sizeof(wchar_t));
    target[n] = L'\0';
  } else {
    size_t n = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    // Never end the display text in the middle of a double-byte character.
    size_t cut = 0;
    while (cut < n) {
      size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[cut])) ? 2 : 1;
      if (cut + step > n) break;
      cut += step;
    }
    std::memcpy(item.pszText, text.data(), cut);
    item.pszText[cut] = '\0';
  }
}

void TListView::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    switch (header->code) {
      case LVN_GETDISPINFOA:
      case LVN_GETDISPINFOW:
        FillDisplayInfo(header);
        return;
      case NM_CLICK:
        Click();
        return;
      case NM_DBLCLK:
        DblClick();
        return;
      default:
        break;
    }
  }
  TCustomListView::WndProc(message);
}

}  // namespace fw
