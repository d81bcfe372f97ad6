// A modeless dialog built from a dialog template of the program's resources, holding the common
// native controls: push buttons (one default, one disabled), check boxes (two-state, checked,
// three-state), radio buttons, a group box, edits, combo boxes of every style, a list box, scroll
// bars, a tab control, a tree view, a tool bar, a size grip, buttons of every style (flat,
// owner-drawn, bitmap, push-like, right to left) and an extended combo box.
#define OEMRESOURCE  // the system check-mark bitmap of the bitmap button
#include <windows.h>

#include <commctrl.h>

#include <array>

#include "framework/handles.h"
#include "tools/gallery/page_registry.h"
#include "tools/gallery/page_support.h"
#include "tools/gallery/res/gallery_ids.h"

namespace gallery {
namespace {

void FillToolBar(HWND toolBar) {
  SendMessageA(toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
  SendMessageA(toolBar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
  std::array<TBBUTTON, 5> buttons{{
      {STD_FILENEW, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {STD_FILEOPEN, 2, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
      {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
      {STD_COPY, 3, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, {}, 0, 0},
      {STD_DELETE, 4, 0, BTNS_BUTTON, {}, 0, 0},
  }};
  SendMessageA(toolBar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void FillTree(HWND tree) {
  TVINSERTSTRUCTA item{};
  item.hParent = TVI_ROOT;
  item.hInsertAfter = TVI_LAST;
  item.item.mask = TVIF_TEXT;
  item.item.pszText = const_cast<char*>("Skins");
  auto root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  for (const char* name : {"sky blue", "another skin"}) {
    item.hParent = root;
    item.item.pszText = const_cast<char*>(name);
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
}

void FillControls(HWND dialog, HBITMAP glyph) {
  FillToolBar(GetDlgItem(dialog, IDC_TOOL_BAR));
  FillTree(GetDlgItem(dialog, IDC_TREE));
  CheckDlgButton(dialog, IDC_CHECK_BOX_CHECKED, BST_CHECKED);
  CheckDlgButton(dialog, IDC_CHECK_BOX_3STATE, BST_INDETERMINATE);
  CheckRadioButton(dialog, IDC_RADIO_1, IDC_RADIO_3, IDC_RADIO_2);
  SetDlgItemTextA(dialog, IDC_EDIT, "Single-line edit");
  SetDlgItemTextA(dialog, IDC_EDIT_MULTILINE, "Multi-line edit\r\nsecond line\r\nthird line\r\nfourth line");
  for (int combo : {IDC_COMBO_SIMPLE, IDC_COMBO_DROPDOWN, IDC_COMBO_DROPDOWNLIST}) {
    for (const char* text : {"First", "Second", "Third", "Fourth"})
      SendDlgItemMessageA(dialog, combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, 1, 0);
  }
  for (const char* text : {"List item 1", "List item 2", "List item 3", "List item 4", "List item 5"})
    SendDlgItemMessageA(dialog, IDC_LIST_BOX, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  SendDlgItemMessageA(dialog, IDC_LIST_BOX, LB_SETCURSEL, 2, 0);
  SCROLLINFO scroll{sizeof scroll, SIF_ALL, 0, 100, 20, 30, 0};
  SetScrollInfo(GetDlgItem(dialog, IDC_SCROLL_HORZ), SB_CTL, &scroll, FALSE);
  SetScrollInfo(GetDlgItem(dialog, IDC_SCROLL_VERT), SB_CTL, &scroll, FALSE);
  COMBOBOXEXITEMA item{};
  item.mask = CBEIF_TEXT;
  for (const char* text : {"Extended 1", "Extended 2", "Extended 3"}) {
    item.iItem = -1;
    item.pszText = const_cast<char*>(text);
    SendDlgItemMessageA(dialog, IDC_COMBO_EX, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendDlgItemMessageA(dialog, IDC_COMBO_EX, CB_SETCURSEL, 0, 0);
  SendDlgItemMessageA(dialog, IDC_BITMAP_BUTTON, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph));
  HWND tab = GetDlgItem(dialog, IDC_TAB);
  TCITEMA page{};
  page.mask = TCIF_TEXT;
  int index = 0;
  for (const char* text : {"Tab 1", "Tab 2", "Tab 3"}) {
    page.pszText = const_cast<char*>(text);
    SendMessageA(tab, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&page));
  }
}

// Keeps the size grip in the bottom-right corner as the dialog is resized.
void PlaceSizeGrip(HWND dialog) {
  HWND grip = GetDlgItem(dialog, IDC_SIZE_GRIP);
  RECT client{};
  RECT bounds{};
  GetClientRect(dialog, &client);
  GetWindowRect(grip, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  SetWindowPos(grip, nullptr, client.right - width, client.bottom - height, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The owner-drawn button draws itself as the system draws a push button, in its own colours.
void DrawOwnerButton(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, RGB(0x80, 0, 0x80));
  DrawTextA(item.hDC, "Owner", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

INT_PTR CALLBACK ControlsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      FillControls(dialog, reinterpret_cast<HBITMAP>(lParam));
      return TRUE;
    case WM_SIZE:
      PlaceSizeGrip(dialog);
      return TRUE;
    case WM_DRAWITEM:
      DrawOwnerButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DESTROY:
      // The bitmap belongs to the page; the button only shows it.
      SendDlgItemMessageA(dialog, IDC_BITMAP_BUTTON, BM_SETIMAGE, IMAGE_BITMAP, 0);
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) ShowWindow(dialog, SW_HIDE);
      return TRUE;
    case WM_CLOSE:
      ShowWindow(dialog, SW_HIDE);
      return TRUE;
    default:
      return FALSE;
  }
}

class NativeDialogPage final : public GalleryPage {
 public:
  [[nodiscard]] std::string Name() const override { return "dialog"; }
  [[nodiscard]] std::string Title() const override { return "Native dialog from a template"; }

  void Open(PageHost& host) override {
    Close();
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&classes);
    if (!glyph_) glyph_.reset(LoadBitmapA(nullptr, MAKEINTRESOURCEA(OBM_CHECK)));
    dialog_.reset(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NATIVE_CONTROLS),
                                     host.OwnerWindow(), ControlsDialogProc, reinterpret_cast<LPARAM>(glyph_.get())));
    if (dialog_) ShowWindowAt(dialog_.get(), host);
  }

  void Close() override { dialog_.reset(); }

  [[nodiscard]] std::vector<GalleryWindow> Windows() const override {
    if (!IsShown(dialog_.get())) return {};
    return {{Name() + "-controls", dialog_.get()}};
  }

  bool PreTranslateMessage(MSG& msg) override {
    return IsShown(dialog_.get()) && IsDialogMessageA(dialog_.get(), &msg);
  }

 private:
  fw::UniqueBitmap glyph_;  // the bitmap button's image; outlives the dialog
  fw::UniqueWindow dialog_;
};

}  // namespace

std::unique_ptr<GalleryPage> MakeNativeDialogPage() { return std::make_unique<NativeDialogPage>(); }

}  // namespace gallery
