// The system clipboard as text.
#pragma once

#include <windows.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace fw {

class EClipboardException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TClipboard {
 public:
  // Opening is tried again and again for about 100 ms: other programs hold the clipboard open
  // briefly all the time. The first attempts follow each other at once and the later ones after
  // a millisecond, so that a reader waiting behind a writer gets in as soon as the writer closes.
  // After that, "Cannot open clipboard" is raised.
  static constexpr DWORD kOpenTimeoutMs = 100;
  static constexpr int kOpenImmediateAttempts = 20;
  static constexpr DWORD kOpenRetryPauseMs = 1;

  // The clipboard held open for several reads of one and the same contents (nobody else can
  // change them meanwhile). Opening raises EClipboardException as above.
  class Session {
   public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Every format on the clipboard.
    [[nodiscard]] std::vector<UINT> Formats() const;
    // The CF_TEXT contents (empty when there are none), up to its first NUL and never beyond the
    // clipboard's memory block.
    [[nodiscard]] std::string Text() const;
    // At most `limit` bytes of a format held in a memory block; empty when the format is missing,
    // is not a memory block or its block is empty.
    [[nodiscard]] std::string Bytes(UINT format, size_t limit) const;
  };

  [[nodiscard]] bool HasFormat(UINT format) const;
  [[nodiscard]] std::string AsText() const;
  // Replaces the clipboard contents with a text.
  void SetAsText(const std::string& text);
};

// The process's clipboard object.
TClipboard& Clipboard();

}  // namespace fw
