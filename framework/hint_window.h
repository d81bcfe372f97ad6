// A hint: a small borderless window with a text, shown at a screen rectangle.
#pragma once

#include <windows.h>

#include <string>

#include "framework/font.h"
#include "framework/handles.h"

namespace fw {

class THintWindow {
 public:
  THintWindow();
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;

  // The rectangle, at (0, 0), that the text needs, lines wrapped at maxWidth pixels.
  [[nodiscard]] RECT CalcHintRect(int maxWidth, const std::string& text);
  // Shows the text in the given screen rectangle, above every other window, without activating.
  void ActivateHint(const RECT& screenRect, const std::string& text);
  void Hide();
  [[nodiscard]] bool Showing() const { return window_ && IsWindowVisible(window_.get()); }
  [[nodiscard]] HWND Handle() const { return window_.get(); }
  [[nodiscard]] const std::string& Text() const { return text_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);

  UniqueWindow window_;
  UniqueFont font_;
  std::string text_;
};

}  // namespace fw
