// A skin manager with its hook on this test thread, skin components holding the program's
// default skin, and plain test windows of this module or of another one.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_manage.h"
#include "skin/form/form_skinner.h"

class SkinManageTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A component holding the default skin, registered with the manager (owner: the given
  // component, else the test).
  skin::TSkinData* AddSkinData(skin::TSkinFormType type = skin::sfMainform, fw::TComponent* owner = nullptr);
  // The same with another skin (stored-skin property data).
  skin::TSkinData* AddSkinDataFrom(const std::vector<uint8_t>& stored, skin::TSkinFormType type = skin::sfMainform,
                                   fw::TComponent* owner = nullptr);
  // Lets the manager skin new windows, as the main component's loading does.
  void EnableSkinning();

  // A window of a class registered by this module (or by `module`) with the given name, style
  // and extended style; made visible without activation. Destroyed at the end of the test.
  HWND CreateTestWindow(const std::string& className, DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0,
                        HWND parent = nullptr, HINSTANCE module = nullptr, int width = 200, int height = 150);
  // The same window, not shown.
  HWND CreateHiddenTestWindow(const std::string& className, DWORD style = WS_OVERLAPPEDWINDOW, DWORD exStyle = 0,
                              HWND parent = nullptr, HINSTANCE module = nullptr, int width = 200, int height = 150);
  // A modeless dialog ("#32770") of this module (or of `module`) from a template without
  // controls. Destroyed at the end of the test.
  HWND CreatePlainDialog(DWORD style, HINSTANCE module = nullptr);
  // A framework form, shown (and so activated); freed at the end of the test.
  fw::TForm* ShowForm(int32_t tag = 0);

  [[nodiscard]] skin::TWinSkinForm* SkinnerOf(HWND window) const {
    return static_cast<skin::TWinSkinForm*>(manager->FindFormSkinner(window));
  }
  // What a window answers when asked whether it is skinned.
  [[nodiscard]] static bool AnswersSkinned(HWND window);

  skin::TSkinManage* manager = nullptr;
  std::unique_ptr<fw::TApplication> app;
  std::vector<HWND> windows;
};

// Another module of this process, for windows that are not the program's.
HINSTANCE OtherModule();
// The program's default skin as the main form's description stores it.
std::vector<uint8_t> DefaultSkinStream();
