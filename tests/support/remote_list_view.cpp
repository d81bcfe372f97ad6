#include "tests/support/remote_list_view.h"

#include <commctrl.h>

namespace testutil {

namespace {
constexpr DWORD kAnswerTimeoutMs = 10000;
}

RemoteListView::RemoteListView(HWND list, DWORD process)
    : list_(list), process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process)) {
  if (process_)
    remote_ = static_cast<char*>(
        VirtualAllocEx(process_, nullptr, sizeof(LVITEMA) + kTextBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

RemoteListView::~RemoteListView() {
  if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

int RemoteListView::Count() const {
  DWORD_PTR count = 0;
  if (!SendMessageTimeoutA(list_, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &count)) return -1;
  return static_cast<int>(count);
}

std::string RemoteListView::Text(int row) const {
  if (!remote_) return {};
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = remote_ + sizeof(LVITEMA);
  item.cchTextMax = static_cast<int>(kTextBytes);
  const char nothing = '\0';
  if (!WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr) ||
      !WriteProcessMemory(process_, item.pszText, &nothing, 1, nullptr))
    return {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(list_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote_),
                           SMTO_NORMAL, kAnswerTimeoutMs, &length))
    return {};
  std::string text(kTextBytes, '\0');
  if (!ReadProcessMemory(process_, item.pszText, text.data(), kTextBytes, nullptr)) return {};
  text.resize(text.find('\0') == std::string::npos ? kTextBytes - 1 : text.find('\0'));
  return text;
}

std::vector<std::string> RemoteListView::Texts() const {
  std::vector<std::string> texts;
  const int count = Count();
  for (int row = 0; row < count; ++row) texts.push_back(Text(row));
  return texts;
}

}  // namespace testutil
