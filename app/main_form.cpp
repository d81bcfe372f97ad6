#include "app/main_form.h"

#include <shellapi.h>

#include "app/do_not_record.h"
#include "app/time_text.h"
#include "framework/application.h"
#include "framework/clipboard.h"
#include "framework/text.h"

namespace pastelle {

using fw::TObject;

const fw::ClassInfo& TForm1::StaticClass() {
  static const fw::ClassInfo info = fw::ClassBuilder<TForm1>("TForm1", &fw::TForm::StaticClass())
                                        .Field("Splitter1", &TForm1::Splitter1)
                                        .Field("Memo1", &TForm1::Memo1)
                                        .Field("Panel1", &TForm1::Panel1)
                                        .Field("BitBtn1", &TForm1::BitBtn1)
                                        .Field("BitBtn2", &TForm1::BitBtn2)
                                        .Field("ListView1", &TForm1::ListView1)
                                        .Field("Label1", &TForm1::Label1)
                                        .Field("Panel2", &TForm1::Panel2)
                                        .Field("BitBtn6", &TForm1::BitBtn6)
                                        .Field("Label_url", &TForm1::Label_url)
                                        .Field("SkinData1", &TForm1::SkinData1)
                                        .NotifyMethod("FormCreate", &TForm1::FormCreate)
                                        .NotifyMethod("FormDestroy", &TForm1::FormDestroy)
                                        .NotifyMethod("FormResize", &TForm1::FormResize)
                                        .NotifyMethod("ListView1Click", &TForm1::ListView1Click)
                                        .NotifyMethod("ListView1DblClick", &TForm1::ListView1DblClick)
                                        .NotifyMethod("BitBtn1Click", &TForm1::BitBtn1Click)
                                        .NotifyMethod("BitBtn2Click", &TForm1::BitBtn2Click)
                                        .NotifyMethod("BitBtn5Click", &TForm1::BitBtn5Click)
                                        .NotifyMethod("Label_urlClick", &TForm1::Label_urlClick)
                                        .NotifyMethod("Label_urlMouseEnter", &TForm1::Label_urlMouseEnter)
                                        .NotifyMethod("Label_urlMouseLeave", &TForm1::Label_urlMouseLeave)
                                        .Build();
  return info;
}

std::function<void(HWND, const char*, const char*)> TForm1::ShellOpen = [](HWND owner, const char* verb,
                                                                           const char* file) {
  ShellExecuteA(owner, verb, file, nullptr, nullptr, SW_SHOWNORMAL);
};

TForm1::TForm1(fw::TComponent* owner) : fw::TForm(owner) { LoadDescription(ResourceText("TFORM1")); }

namespace {

// Creates the instance mutex once per process; the handle stays open until the process ends.
bool AnotherInstanceRuns() {
  static const bool running = [] {
    CreateMutexA(nullptr, FALSE, kInstanceMutexName);
    return GetLastError() == ERROR_ALREADY_EXISTS;
  }();
  return running;
}

}  // namespace

void TForm1::FormCreate(TObject*) {
  if (AnotherInstanceRuns()) {
    MessageBoxA(Handle(), fw::Ansi("“Pastelle”已运行！").c_str(), fw::Ansi("请注意").c_str(), MB_ICONINFORMATION);
    fw::Application->Terminate();
    ExitProcess(0);
  }
  // Joining the chain sends WM_DRAWCLIPBOARD at once, while MaxRecords is still 0: the record
  // for what the clipboard holds now is dropped again, and the history starts empty.
  NextViewer = SetClipboardViewer(Handle());
  MaxRecords = kHistoryCapacity;
  SetTimer(Handle(), kChainWatchTimer, chainWatch_.NextCheckDelayMs(), nullptr);
}

void TForm1::FormDestroy(TObject*) {
  KillTimer(Handle(), kChainWatchTimer);
  KillTimer(Handle(), kListRefreshTimer);
  LeaveClipboardChain(Handle(), NextViewer);
}

void TForm1::WndProc(fw::TMessage& message) {
  switch (message.Msg) {
    case WM_CHANGECBCHAIN:
      WMChangeCBChain(message);
      return;
    case WM_DRAWCLIPBOARD:
      WMDrawClipboard(message);
      return;
    case WM_TIMER:
      if (message.WParam == kChainWatchTimer) {
        WatchViewerChain();
        return;
      }
      if (message.WParam == kListRefreshTimer) {
        RefreshList();
        return;
      }
      break;
    default:
      break;
  }
  fw::TForm::WndProc(message);
}

void TForm1::WMChangeCBChain(fw::TMessage& message) {
  auto leaving = reinterpret_cast<HWND>(message.WParam);
  if (leaving == NextViewer) {
    NextViewer = reinterpret_cast<HWND>(message.LParam);
  } else if (NextViewer) {
    SendMessageA(NextViewer, WM_CHANGECBCHAIN, message.WParam, message.LParam);
  }
  message.Result = 0;
}

namespace {

// More nested WM_DRAWCLIPBOARD handlers than this mean that the notice came round a chain that
// runs in a circle: it is neither passed on nor read again.
constexpr int kMaxNoticeDepth = 4;

// Sets a variable for the lifetime of the scope.
template <typename T>
class ScopedValue {
 public:
  ScopedValue(T& variable, T value) : variable_(variable), saved_(variable) { variable_ = value; }
  ~ScopedValue() { variable_ = saved_; }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& variable_;
  T saved_;
};

}  // namespace

void TForm1::WMDrawClipboard(fw::TMessage& message) {
  message.Result = 0;
  if (noticeDepth_ >= kMaxNoticeDepth) return;
  ScopedValue depth(noticeDepth_, noticeDepth_ + 1);
  const DWORD sequence = GetClipboardSequenceNumber();
  chainWatch_.Noticed(sequence);
  if (NextViewer) SendMessageA(NextViewer, WM_DRAWCLIPBOARD, 0, 0);
  if (quietCapture_) {
    CaptureQuietly(sequence);
  } else {
    CaptureClipboardText(sequence);
  }
}

void TForm1::CaptureClipboardText(DWORD sequence) {
  capturePending_ = false;
  // The contents read last time are still there: reading them again can only find them listed.
  // Notices of changes that a burst has overtaken end here, at the price of one question.
  if (captured_ && capturedSequence_ == sequence) return;
  std::optional<std::string> text;
  if (fw::Clipboard().HasFormat(CF_TEXT)) {
    try {
      text = TextToRecord();
    } catch (const fw::EClipboardException&) {
      // Held open by a program that changed it meanwhile: the notice of that change follows and
      // reads the newer contents. Held open by a reader: the contents are lost, and that is said.
      if (GetClipboardSequenceNumber() != sequence) return;
      throw;
    }
  }
  captured_ = true;
  capturedSequence_ = sequence;
  if (text) AddRecord(std::move(*text));
}

void TForm1::CaptureQuietly(DWORD sequence) {
  try {
    CaptureClipboardText(sequence);
  } catch (const fw::EClipboardException&) {
    capturePending_ = true;
  }
}

void TForm1::AddRecord(std::string text) {
  fw::TListItems* items = ListView1->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Item(i)->Caption() == text) return;

  SYSTEMTIME now;
  GetLocalTime(&now);
  DeferListRefresh();
  items->Add(std::move(text), {FormatTimeOfDay(now, TimeFormatSettings::FromUserLocale())});
  while (items->Count() > MaxRecords) items->Delete(0);
}

// Under Wine, every row added to a list view that draws redraws its scroll bars at once, which
// costs more than all the rest of a capture. The list's drawing stays off from the first new
// record until the refresh timer, and the rows and scroll bars are drawn once for all records
// added meanwhile.
void TForm1::DeferListRefresh() {
  if (listRefreshPending_) return;
  listRefreshPending_ = true;
  ListView1->Items()->BeginUpdate();
  SetTimer(Handle(), kListRefreshTimer, kListRefreshDelayMs, nullptr);
}

void TForm1::RefreshList() {
  if (!listRefreshPending_) return;
  listRefreshPending_ = false;
  KillTimer(Handle(), kListRefreshTimer);
  ListView1->Items()->EndUpdate();
}

void TForm1::WatchViewerChain() {
  if (chainWatch_.Check(GetClipboardSequenceNumber()) == ViewerChainWatch::Verdict::kBroken) {
    RejoinViewerChain();
  } else if (capturePending_) {
    CaptureQuietly(GetClipboardSequenceNumber());
  }
  SetTimer(Handle(), kChainWatchTimer, chainWatch_.NextCheckDelayMs(), nullptr);
}

void TForm1::RejoinViewerChain() {
  ScopedValue quiet(quietCapture_, true);
  RejoinClipboardChain(Handle(), NextViewer);
}

void TForm1::FormResize(TObject*) {
  if (!ListView1 || ListView1->Columns()->Count() < 2) return;
  ListView1->Column(0)->SetWidth(ListView1->Width() - ListView1->Column(1)->Width() - 5);
}

void TForm1::ListView1Click(TObject*) {
  if (fw::TListItem* item = ListView1->Selected()) Memo1->SetText(item->Caption());
}

void TForm1::ListView1DblClick(TObject*) {
  if (ListView1->Items()->Count() == 0) return;
  if (fw::TListItem* item = ListView1->Selected()) fw::Clipboard().SetAsText(item->Caption());
}

void TForm1::BitBtn1Click(TObject*) {
  RefreshList();
  if (ListView1->SelCount() == 0) return;
  captured_ = false;
  fw::TListItems* items = ListView1->Items();
  fw::TListItems::UpdateScope update(*items);
  for (int i = items->Count() - 1; i >= 0; --i)
    if (items->Item(i)->Selected()) items->Delete(i);
}

void TForm1::BitBtn2Click(TObject*) {
  int answer = fw::Application->MessageBox(fw::Ansi("确定要清空列表中所有记录？"), fw::Ansi("请确认"), MB_YESNO);
  if (answer != IDYES) return;
  RefreshList();
  captured_ = false;
  ListView1->Items()->Clear();
}

void TForm1::BitBtn5Click(TObject*) { Close(); }

void TForm1::Label_urlClick(TObject*) { ShellOpen(Handle(), "Open", kHomePageUrl); }

void TForm1::Label_urlMouseEnter(TObject* sender) {
  auto* label = dynamic_cast<fw::TLabel*>(sender);
  const fw::TFontStyles underline = fw::FontStyles({fw::fsUnderline});
  if (label && label->Font()->Style() != underline) label->Font()->SetStyle(underline);
}

void TForm1::Label_urlMouseLeave(TObject* sender) {
  auto* label = dynamic_cast<fw::TLabel*>(sender);
  if (label && label->Font()->Style() == fw::FontStyles({fw::fsUnderline})) label->Font()->SetStyle(0);
}

}  // namespace pastelle
