// The Windows bindings of the skin resources' hooks: a real message box and the locale compare.
#include "skin/resources/platform_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/resources/platform_hooks.h"
#include "skin/resources/quick_ini.h"
#include "skin/resources/skin_reader.h"
#include "skin/resources/tests/skin_archive_builder.h"

namespace {

using namespace skin::testing;

// What a dialog looked like when it was activated; the hook then presses its OK button.
struct SeenDialog {
  std::string text;
  std::vector<int> button_ids;
};

std::vector<SeenDialog>* g_seen = nullptr;

BOOL CALLBACK CollectButton(HWND child, LPARAM param) {
  char class_name[32] = {};
  GetClassNameA(child, class_name, sizeof class_name);
  if (lstrcmpiA(class_name, "Button") == 0) {
    reinterpret_cast<SeenDialog*>(param)->button_ids.push_back(GetDlgCtrlID(child));
  }
  return TRUE;
}

LRESULT CALLBACK AnswerDialogs(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && g_seen != nullptr) {
    const auto window = reinterpret_cast<HWND>(wparam);
    char class_name[16] = {};
    GetClassNameA(window, class_name, sizeof class_name);
    if (lstrcmpA(class_name, "#32770") == 0) {
      SeenDialog seen;
      char text[256] = {};
      GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the message box's text control
      seen.text = text;
      EnumChildWindows(window, CollectButton, reinterpret_cast<LPARAM>(&seen));
      g_seen->push_back(seen);
      PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

class SkinResourcesWin32 : public testing::Test {
 protected:
  void SetUp() override {
    previous_message_ = skin::SetMessageDialogHook({});
    previous_compare_ = skin::SetTextEqualIgnoreCaseHook({});
    skin::BindSkinResourcesToWindows();
  }
  void TearDown() override {
    skin::SetMessageDialogHook(std::move(previous_message_));
    skin::SetTextEqualIgnoreCaseHook(std::move(previous_compare_));
  }

 private:
  skin::MessageDialogHook previous_message_;
  skin::TextEqualIgnoreCaseHook previous_compare_;
};

TEST_F(SkinResourcesWin32, UnknownVersionShowsOneMessageBoxWithOnlyOk) {
  std::vector<SeenDialog> seen;
  g_seen = &seen;
  HHOOK hook = SetWindowsHookExA(WH_CBT, AnswerDialogs, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);

  skin::TMemoryStream source(SkinFile(Archive({{"a.bmp", BytesOf("x")}}, {10000, 0})));
  skin::TSkinReader reader;
  const bool read = reader.ReadArchive(source);

  UnhookWindowsHookEx(hook);
  g_seen = nullptr;
  EXPECT_FALSE(read);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "This is Older Skin File\rPlease update to new version !");
  EXPECT_EQ(seen[0].button_ids, std::vector<int>{IDOK});
}

TEST_F(SkinResourcesWin32, SectionNamesCompareUnderTheUserLocale) {
  const std::string text = "[Form]\r\nk=v\r\n[Caption Bar]\r\nk=w\r\n";
  skin::TMemoryStream stream(BytesOf(text));
  skin::TQuickIni ini;
  ini.LoadFromStream(&stream);
  EXPECT_EQ(ini.ReadString("FORM", "k", "-"), "v");
  EXPECT_EQ(ini.ReadString("caption bar", "k", "-"), "w");
  EXPECT_EQ(ini.ReadString("CaptionBar", "k", "-"), "-");
  EXPECT_EQ(ini.ReadString("Form ", "k", "-"), "-");
}

}  // namespace
