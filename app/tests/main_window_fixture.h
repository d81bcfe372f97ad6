// A running main window in this test process, with a second clipboard viewer behind it in the
// chain that counts the notifications the main window passes on.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "framework/application.h"

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts a text on the clipboard and waits until the main window has handled the change.
  void Copy(const std::string& text);
  void CopyImageOnly();
  [[nodiscard]] int RowCount() const { return form->ListView1->Items()->Count(); }
  [[nodiscard]] std::string Row(int index) const { return form->ListView1->Items()->Item(index)->Caption(); }
  // Adds rows without the clipboard, for filling the history quickly.
  void AddRows(int count, const std::string& prefix);
  void SelectOnly(std::initializer_list<int> rows);

  std::unique_ptr<fw::TApplication> app;
  pastelle::TForm1* form = nullptr;

  // The viewer that follows the main window in the chain.
  HWND follower = nullptr;
  HWND followerNext = nullptr;
  int followerDrawCount = 0;
  // The clipboard sequence number at each of the follower's notices.
  std::vector<DWORD> followerSequences;
  int followerChainCount = 0;
  WPARAM lastChainWParam = 0;
  LPARAM lastChainLParam = 0;
  // Runs inside the follower's WM_DRAWCLIPBOARD, before the main window reads the clipboard.
  std::function<void()> onFollowerDraw;

 private:
  static LRESULT CALLBACK FollowerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
};
