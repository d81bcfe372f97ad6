// A window's place in the clipboard-viewer chain, and its repair.
//
// The chain is a list that the viewers keep themselves: the system knows only the first viewer,
// and each viewer passes WM_DRAWCLIPBOARD on to the one after it. A viewer that ends without
// ChangeClipboardChain (a crash, a kill) takes the rest of the chain with it: the viewers behind it
// are never told about a change again. ViewerChainWatch notices that from the clipboard sequence
// number, and RejoinClipboardChain puts the window back at the head of the chain.
#pragma once

#include <windows.h>

namespace pastelle {

// `window` when it is a window that still exists, else nullptr: a viewer that has died is no place
// to pass notices to or to relink the chain to.
[[nodiscard]] HWND LiveWindowOrNull(HWND window);

// Leaves the chain: the viewer in front of `window` is relinked to `nextViewer` (to nobody when
// that one has died).
void LeaveClipboardChain(HWND window, HWND nextViewer);

// Leaves the chain where it still reaches `window`, then joins it again at the head; `nextViewer`
// becomes the viewer that follows. While nobody heads the chain (the dead viewer was the first),
// the viewers behind `window` stay behind it. Joining sends `window` a WM_DRAWCLIPBOARD at once,
// as it does on every join. No loop can form when two viewers do this at the same time: the
// viewer that was at the head is told that `window` has left its place behind it.
void RejoinClipboardChain(HWND window, HWND& nextViewer);

// Decides from the clipboard sequence number whether WM_DRAWCLIPBOARD still reaches the window.
// Check is called about once a second; when the sequence number moved past the last notice, it
// answers kSuspect and wants to be called again after a short delay (a notice may be on its way
// through a slow viewer); if by then no notice has come for that change, the chain is broken.
class ViewerChainWatch {
 public:
  static constexpr UINT kIntervalMs = 1000;
  static constexpr UINT kConfirmDelayMs = 200;

  enum class Verdict { kIntact, kSuspect, kBroken };

  explicit ViewerChainWatch(DWORD sequence = 0) : noticed_(sequence) {}

  // A WM_DRAWCLIPBOARD arrived; `sequence` is the clipboard sequence number read for it (before the
  // clipboard is read, so that everything up to it has been seen).
  void Noticed(DWORD sequence) { noticed_ = sequence; }
  Verdict Check(DWORD sequence);
  // When Check wants to be called next.
  [[nodiscard]] UINT NextCheckDelayMs() const { return suspect_ ? kConfirmDelayMs : kIntervalMs; }

 private:
  DWORD noticed_;
  DWORD suspected_ = 0;
  bool suspect_ = false;
};

}  // namespace pastelle
