// The main window: the clipboard history list, its preview and commands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/form.h"
#include "framework/listview.h"
#include "framework/stdctrls.h"
#include "skin/core/skin_data.h"

namespace pastelle {

// The address that the home page link opens.
inline constexpr const char* kHomePageUrl = "https://pastelle.example.com/";
// The named mutex that allows one running instance.
inline constexpr const char* kInstanceMutexName = "lumtra";
inline constexpr int32_t kHistoryCapacity = 1000;

class TForm1 : public fw::TForm {
  FW_DECLARE_CLASS()

 public:
  explicit TForm1(fw::TComponent* owner);

  fw::TSplitter* Splitter1 = nullptr;
  fw::TMemo* Memo1 = nullptr;
  fw::TPanel* Panel1 = nullptr;
  fw::TBitBtn* BitBtn1 = nullptr;
  fw::TBitBtn* BitBtn2 = nullptr;
  fw::TListView* ListView1 = nullptr;
  fw::TLabel* Label1 = nullptr;
  fw::TPanel* Panel2 = nullptr;
  fw::TBitBtn* BitBtn6 = nullptr;
  fw::TLabel* Label_url = nullptr;
  skin::TSkinData* SkinData1 = nullptr;
  int32_t MaxRecords = 0;
  HWND NextViewer = nullptr;

  void FormCreate(fw::TObject* sender);
  void FormDestroy(fw::TObject* sender);
  void FormResize(fw::TObject* sender);
  void ListView1Click(fw::TObject* sender);
  void ListView1DblClick(fw::TObject* sender);
  void BitBtn1Click(fw::TObject* sender);
  void BitBtn2Click(fw::TObject* sender);
  void BitBtn5Click(fw::TObject* sender);
  void Label_urlClick(fw::TObject* sender);
  void Label_urlMouseEnter(fw::TObject* sender);
  void Label_urlMouseLeave(fw::TObject* sender);

  void WndProc(fw::TMessage& message) override;

  // How the home page is opened; tests replace it to see the call without starting a browser.
  static std::function<void(HWND owner, const char* verb, const char* file)> ShellOpen;

 private:
  void WMChangeCBChain(fw::TMessage& message);
  void WMDrawClipboard(fw::TMessage& message);
};

}  // namespace pastelle
