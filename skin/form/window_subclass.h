// Subclassing windows without generated machine code. A skinner replaces a window's procedure
// (GWL_WNDPROC) with the one static procedure of its kind, which finds the skinner in a table
// keyed by window. Everything the skinner does not keep goes on to the previous procedure, wide
// or ANSI as the replacement was installed. A skinner puts the previous procedure back only while
// its own is still the one installed; when another procedure was installed after it, the window
// stays in the table without a skinner and the static procedure passes its messages straight on
// until the window is destroyed.
//
// A skinner can be freed while one of its own messages is still being handled (a modal loop
// inside the message runs a command that frees it); LifeToken notices that, so the handling
// never touches the freed object afterwards.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

namespace skin {

// Replaces the window procedure, through the wide API when `unicode`; returns the previous one
// (nullptr when the window refused).
WNDPROC ReplaceWindowProc(HWND window, WNDPROC procedure, bool unicode) noexcept;
// The window's procedure, read the way it was installed.
WNDPROC InstalledWindowProc(HWND window, bool unicode) noexcept;
// Passes a message on to a saved procedure (DefWindowProc when there is none).
LRESULT CallSavedWindowProc(WNDPROC previous, bool unicode, HWND window, UINT msg, WPARAM wParam,
                            LPARAM lParam) noexcept;

// Tells code that calls out of an object (into a window's previous procedure, into event
// handlers) whether the object was freed meanwhile. An object keeps one LifeToken; a LifeWatch
// taken before the call answers afterwards.
class LifeWatch {
 public:
  explicit LifeWatch(const std::shared_ptr<char>& token) noexcept : token_(token) {}
  [[nodiscard]] bool ObjectGone() const noexcept { return token_.expired(); }

 private:
  std::weak_ptr<char> token_;
};

class LifeToken {
 public:
  LifeToken() : token_(std::make_shared<char>()) {}
  LifeToken(const LifeToken&) = delete;
  LifeToken& operator=(const LifeToken&) = delete;
  [[nodiscard]] LifeWatch Watch() const noexcept { return LifeWatch(token_); }

 private:
  std::shared_ptr<char> token_;
};

// The windows that skinners of one kind subclass. Skinner must offer
//   LRESULT DispatchWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
template <typename Skinner>
class SubclassTable {
 public:
  // Installs the kind's procedure on the window for the skinner; returns the previous procedure,
  // or nullptr when the window could not be subclassed.
  static WNDPROC Subclass(HWND window, Skinner* skinner, bool unicode) noexcept {
    if (!window || !IsWindow(window)) return nullptr;
    if (auto it = Table().find(window); it != Table().end()) {
      // A layer of this kind is still in the window's chain. A skinner can take the place of a
      // released one while that layer is on top; a second layer of the same kind would route
      // its messages back into the first one.
      if (it->second.skinner || InstalledWindowProc(window, it->second.unicode) != Procedure) return nullptr;
      it->second.skinner = skinner;
      return it->second.previous;
    }
    WNDPROC previous = ReplaceWindowProc(window, Procedure, unicode);
    if (!previous) return nullptr;
    Table()[window] = Entry{skinner, previous, unicode};
    return previous;
  }

  // Lets go of the window: the previous procedure goes back while the kind's procedure is still
  // the installed one; otherwise the window keeps passing its messages through. True when the
  // previous procedure was put back.
  static bool Unsubclass(HWND window) noexcept {
    auto it = Table().find(window);
    if (it == Table().end()) return false;
    if (!IsWindow(window)) {
      Table().erase(it);
      return false;
    }
    if (InstalledWindowProc(window, it->second.unicode) == Procedure) {
      ReplaceWindowProc(window, it->second.previous, it->second.unicode);
      Table().erase(it);
      return true;
    }
    it->second.skinner = nullptr;
    return false;
  }

  // The procedure every window of this kind gets.
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = Table().find(window);
    if (it == Table().end()) return DefWindowProcA(window, msg, wParam, lParam);
    if (Skinner* skinner = it->second.skinner) return skinner->DispatchWindowMessage(msg, wParam, lParam);
    Entry passThrough = it->second;
    if (msg == WM_NCDESTROY) Table().erase(it);
    return CallSavedWindowProc(passThrough.previous, passThrough.unicode, window, msg, wParam, lParam);
  }

  // Windows in the table, with or without a skinner (for tests).
  [[nodiscard]] static size_t Size() noexcept { return Table().size(); }

 private:
  struct Entry {
    Skinner* skinner = nullptr;
    WNDPROC previous = nullptr;
    bool unicode = false;
  };
  static std::unordered_map<HWND, Entry>& Table() noexcept {
    static std::unordered_map<HWND, Entry> table;
    return table;
  }
};

}  // namespace skin
