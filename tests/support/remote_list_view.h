// Reads the rows of a list view that belongs to another process, the way an accessibility tool
// does: the item structure and the text buffer live in that process's memory.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testutil {

class RemoteListView {
 public:
  // `list` is a list view window of the process `process` (opened by this object).
  RemoteListView(HWND list, DWORD process);
  ~RemoteListView();
  RemoteListView(const RemoteListView&) = delete;
  RemoteListView& operator=(const RemoteListView&) = delete;

  [[nodiscard]] bool Valid() const { return remote_ != nullptr; }
  // The number of rows; -1 when the list does not answer.
  [[nodiscard]] int Count() const;
  // The caption of a row (at most the first 4095 bytes).
  [[nodiscard]] std::string Text(int row) const;
  [[nodiscard]] std::vector<std::string> Texts() const;

 private:
  static constexpr size_t kTextBytes = 4096;
  HWND list_;
  HANDLE process_ = nullptr;
  char* remote_ = nullptr;  // an LVITEMA followed by the text buffer, in the other process
};

}  // namespace testutil
