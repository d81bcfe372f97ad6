// The main window: the clipboard history list, its preview and commands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "app/viewer_chain.h"
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
// The main window's timers: the watch over the clipboard-viewer chain, and the deferred refresh
// of the history list.
inline constexpr UINT_PTR kChainWatchTimer = 0x7A01;
inline constexpr UINT_PTR kListRefreshTimer = 0x7A02;
// New records are drawn at most this long after they were added: while texts arrive in quick
// succession the list's scroll bars and rows are refreshed once for many of them, not for each.
inline constexpr UINT kListRefreshDelayMs = 50;

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

  // Leaves and rejoins the clipboard-viewer chain and records the text on the clipboard (the
  // watch does this when the chain no longer reaches the window). A clipboard held open by
  // another program is not reported here: the text is recorded at a later tick of the watch.
  void RejoinViewerChain();

  // How the home page is opened; tests replace it to see the call without starting a browser.
  static std::function<void(HWND owner, const char* verb, const char* file)> ShellOpen;

 private:
  void WMChangeCBChain(fw::TMessage& message);
  void WMDrawClipboard(fw::TMessage& message);
  void WatchViewerChain();
  // Records the clipboard's text unless it is no text, carries a "do not record" marker or is
  // listed already; `sequence` is the clipboard sequence number read before. Raises the
  // framework's clipboard error when the clipboard stays open and unchanged.
  void CaptureClipboardText(DWORD sequence);
  // The same, but a clipboard that stays open leaves the capture for the next tick of the watch.
  void CaptureQuietly(DWORD sequence);
  void AddRecord(std::string text);
  void DeferListRefresh();
  // Draws the records added since the list was last drawn, now.
  void RefreshList();

  ViewerChainWatch chainWatch_;
  // While the watch rejoins the chain, notices capture quietly.
  bool quietCapture_ = false;
  // A quiet capture found the clipboard held open: the watch tries again.
  bool capturePending_ = false;
  // The sequence number of the contents read last; forgotten when records are deleted, so that
  // deleted texts can be recorded again.
  bool captured_ = false;
  DWORD capturedSequence_ = 0;
  // WM_DRAWCLIPBOARD handlers running, the outermost included.
  int noticeDepth_ = 0;
  bool listRefreshPending_ = false;
};

}  // namespace pastelle
