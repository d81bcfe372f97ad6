#include "app/viewer_chain.h"

namespace pastelle {

HWND LiveWindowOrNull(HWND window) { return window && IsWindow(window) ? window : nullptr; }

void LeaveClipboardChain(HWND window, HWND nextViewer) {
  // The system refuses to relink the chain to a window that no longer exists.
  ChangeClipboardChain(window, LiveWindowOrNull(nextViewer));
}

void RejoinClipboardChain(HWND window, HWND& nextViewer) {
  const HWND after = LiveWindowOrNull(nextViewer);
  nextViewer = after;
  LeaveClipboardChain(window, after);
  // The WM_DRAWCLIPBOARD of the join reaches the window inside this call, and is passed on to
  // `after`: a viewer that was cut off learns of the clipboard as it is now.
  const HWND head = SetClipboardViewer(window);
  if (!head || head == window || head == after) return;
  // The former head follows this window from now on. If it (or a viewer behind it) still passes
  // notices to this window, because it joined while the chain had no head and kept this window
  // as the one after it, the chain would run in a circle: relink that viewer past this window.
  SendMessageA(head, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(after));
  nextViewer = head;
}

ViewerChainWatch::Verdict ViewerChainWatch::Check(DWORD sequence) {
  if (suspect_) {
    suspect_ = false;
    // A notice read at or after the suspected change: it arrived late, but it arrived.
    if (static_cast<LONG>(noticed_ - suspected_) >= 0) return Verdict::kIntact;
    return Verdict::kBroken;
  }
  if (sequence == noticed_) return Verdict::kIntact;
  suspect_ = true;
  suspected_ = sequence;
  return Verdict::kSuspect;
}

}  // namespace pastelle
