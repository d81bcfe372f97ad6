#include "skin/form/tests/skin_manage_fixture.h"

#include <fstream>
#include <iterator>

#include "framework/registry.h"
#include "skin/core/skin_messages.h"
#include "skin/form/skinning.h"
#include "tests/support/win_test_util.h"

namespace {

// FALSE for WM_INITDIALOG too: giving the dialog the focus would activate it.
INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

std::vector<uint8_t> DefaultSkinStream() {
  static const std::vector<uint8_t> bytes = [] {
    std::ifstream file(testutil::WindowsPathOf(PASTELLE_DEFAULT_SKIN_STREAM), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }();
  return bytes;
}

HINSTANCE OtherModule() { return GetModuleHandleA("user32.dll"); }

void SkinManageTest::SetUp() {
  app = std::make_unique<fw::TApplication>();
  app->Initialize();
  skin::InstallSkinning();
  skin::CreateSkinManagerIfMissing();
  manager = skin::SkinManager();
  ASSERT_NE(manager, nullptr);
  manager->InstallHook();
}

void SkinManageTest::TearDown() {
  for (HWND window : windows)
    if (IsWindow(window)) DestroyWindow(window);
  app.reset();
  skin::DestroySkinManager();
  manager = nullptr;
}

skin::TSkinData* SkinManageTest::AddSkinData(skin::TSkinFormType type, fw::TComponent* owner) {
  return AddSkinDataFrom(DefaultSkinStream(), type, owner);
}

skin::TSkinData* SkinManageTest::AddSkinDataFrom(const std::vector<uint8_t>& stored, skin::TSkinFormType type,
                                                 fw::TComponent* owner) {
  auto* data = new skin::TSkinData(owner ? owner : app.get());
  data->SetSkinFormtype(type);
  data->SetSkinStream(stored);
  EXPECT_FALSE(data->SkinEmpty()) << "the skin did not load";
  manager->RegisterSkinData(data);
  return data;
}

void SkinManageTest::EnableSkinning() {
  if (manager->RunState() == skin::kRunStateIdle) {
    manager->PostCommand(skin::kSkinCommandActivate, skin::kSkinCommandDelayMs);
  } else {
    manager->SetEnabled(true);
  }
  ASSERT_TRUE(manager->Enabled());
}

HWND SkinManageTest::CreateTestWindow(const std::string& className, DWORD style, DWORD exStyle, HWND parent,
                                      HINSTANCE module, int width, int height) {
  HWND window = CreateHiddenTestWindow(className, style, exStyle, parent, module, width, height);
  if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

HWND SkinManageTest::CreateHiddenTestWindow(const std::string& className, DWORD style, DWORD exStyle, HWND parent,
                                            HINSTANCE module, int width, int height) {
  // Classes are registered by this module; a window "of another module" is one created with
  // that module's instance, which a global class allows.
  HINSTANCE self = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (!GetClassInfoA(self, className.c_str(), &existing)) {
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = self;
    wc.lpszClassName = className.c_str();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_NE(RegisterClassA(&wc), 0) << className;
  }
  HWND window = CreateWindowExA(exStyle, className.c_str(), className.c_str(), style & ~WS_VISIBLE, 40, 40, width,
                                height, parent, nullptr, module ? module : self, nullptr);
  EXPECT_NE(window, nullptr) << className;
  if (window) windows.push_back(window);
  return window;
}

HWND SkinManageTest::CreatePlainDialog(DWORD style, HINSTANCE module) {
  // No menu, the default class, no title, no controls.
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } dialogTemplate{};
  // Shown without activation below, so that only the test decides when it is skinned.
  dialogTemplate.header.style = style & ~WS_VISIBLE;
  dialogTemplate.header.cx = 160;
  dialogTemplate.header.cy = 90;
  HWND dialog = CreateDialogIndirectParamA(module ? module : GetModuleHandleA(nullptr), &dialogTemplate.header, nullptr,
                                           PlainDialogProc, 0);
  EXPECT_NE(dialog, nullptr);
  if (dialog) {
    windows.push_back(dialog);
    if (style & WS_VISIBLE) ShowWindow(dialog, SW_SHOWNOACTIVATE);
  }
  return dialog;
}

fw::TForm* SkinManageTest::ShowForm(int32_t tag) {
  auto* form = new fw::TForm(app.get());
  form->SetTag(tag);
  form->SetBounds(60, 60, 300, 200);
  form->Show();
  testutil::PumpMessages(5);
  return form;
}

bool SkinManageTest::AnswersSkinned(HWND window) { return SendMessageA(window, skin::SKM_ISSKINNED, 0, 0) == 1; }
