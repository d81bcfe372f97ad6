// The main window and its clipboard history, against real windows and the real clipboard.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <regex>
#include <thread>

#include "app/tests/main_window_fixture.h"
#include "framework/clipboard.h"
#include "framework/text.h"
#include "tests/support/win_test_util.h"

using testutil::PumpMessages;
using testutil::PumpUntil;

namespace {

struct Later {
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DRAWCLIPBOARD) {
      ++count;
      if (next) SendMessageA(next, m, wp, lp);
      return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
  }
  static inline int count = 0;
  static inline HWND next = nullptr;
};

RECT ChildRect(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

TEST_F(MainWindowTest, StartsEmptyEvenWithTextOnTheClipboard) {
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(form->MaxRecords, 1000);
  EXPECT_EQ(form->Caption(), "Pastelle V2.0");
}

TEST_F(MainWindowTest, LayoutFollowsTheStoredDescription) {
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 655);
  EXPECT_EQ(client.bottom, 485);

  struct Expected {
    fw::TWinControl* control;
    RECT bounds;
  };
  const Expected table[] = {
      {form->Panel1, {0, 0, 655, 41}},      {form->BitBtn1, {7, 7, 123, 32}},  {form->BitBtn2, {130, 7, 246, 32}},
      {form->ListView1, {0, 41, 655, 273}}, {form->Memo1, {0, 276, 655, 444}}, {form->Panel2, {0, 444, 655, 485}},
      {form->BitBtn6, {551, 7, 645, 32}},
  };
  for (const auto& row : table) {
    RECT r = ChildRect(row.control->Handle());
    EXPECT_EQ(r.left, row.bounds.left) << row.control->Name();
    EXPECT_EQ(r.top, row.bounds.top) << row.control->Name();
    EXPECT_EQ(r.right, row.bounds.right) << row.control->Name();
    EXPECT_EQ(r.bottom, row.bounds.bottom) << row.control->Name();
  }
  EXPECT_EQ(form->Splitter1->Top(), 273);
  EXPECT_EQ(form->Splitter1->Height(), 3);
  EXPECT_EQ(form->Label_url->Cursor(), fw::crHandPoint);
  EXPECT_EQ(form->Splitter1->Cursor(), fw::crVSplit);

  // Centred on the screen with the platform's frame; the skinned frame then keeps the top-left
  // corner and the client size.
  RECT window;
  GetWindowRect(form->Handle(), &window);
  RECT native{0, 0, 655, 485};
  AdjustWindowRectEx(&native, WS_OVERLAPPEDWINDOW, FALSE, 0);
  EXPECT_NEAR(window.left, (GetSystemMetrics(SM_CXSCREEN) - (native.right - native.left)) / 2, 1);
  EXPECT_NEAR(window.top, (GetSystemMetrics(SM_CYSCREEN) - (native.bottom - native.top)) / 2, 1);
}

TEST_F(MainWindowTest, ControlsCarryTheirStoredLook) {
  HWND list = form->ListView1->Handle();
  LONG style = GetWindowLongA(list, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_FALSE(style & LVS_SINGLESEL);
  EXPECT_FALSE(style & LVS_EDITLABELS);
  EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0)), RGB(231, 245, 254));
  EXPECT_EQ(form->ListView1->Column(0)->Width(), 570);
  EXPECT_EQ(form->ListView1->Column(1)->Width(), 80);

  LONG memoStyle = GetWindowLongA(form->Memo1->Handle(), GWL_STYLE);
  EXPECT_TRUE(memoStyle & WS_VSCROLL);
  EXPECT_FALSE(memoStyle & WS_HSCROLL);
  EXPECT_EQ(form->Memo1->Color(), fw::clWhite);

  for (fw::TControl* c : std::initializer_list<fw::TControl*>{form, form->ListView1, form->Memo1, form->Label1,
                                                              form->BitBtn6, form->Label_url}) {
    EXPECT_EQ(c->Font()->Name(), fw::Ansi("微软雅黑")) << c->Name();
    EXPECT_EQ(c->Font()->Height(), -12) << c->Name();
    EXPECT_EQ(c->Font()->Color(), 0x00804000) << c->Name();
    EXPECT_EQ(c->Font()->Style(), 0u) << c->Name();
  }
  EXPECT_EQ(form->ListView1->Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(form->Memo1->Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(form->BitBtn1->Font()->Charset(), ANSI_CHARSET);

  EXPECT_EQ(form->BitBtn1->Caption(), fw::Ansi("删除当前缓存记录"));
  EXPECT_EQ(form->BitBtn6->Caption(), fw::Ansi("退出(&X)"));
  // Tab order: the preview first, then the top bar, the list, the bottom bar.
  EXPECT_EQ(form->Memo1->TabOrder(), 0);
  EXPECT_EQ(form->Panel1->TabOrder(), 1);
  EXPECT_EQ(form->ListView1->TabOrder(), 2);
  EXPECT_EQ(form->Panel2->TabOrder(), 3);
  EXPECT_NE(SendMessageA(form->Handle(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(form->Handle(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(MainWindowTest, TheIconHoldsEightImagesOf32BitsFrom128To16Pixels) {
#pragma pack(push, 2)
  struct GroupEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
  };
  struct GroupHeader {
    WORD reserved, type, count;
  };
#pragma pack(pop)
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "MAINICON", MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  ASSERT_NE(found, nullptr);
  auto* header = static_cast<const GroupHeader*>(LockResource(LoadResource(module, found)));
  ASSERT_EQ(header->count, 8);
  auto* entries = reinterpret_cast<const GroupEntry*>(header + 1);
  const int sizes[] = {128, 96, 72, 64, 48, 32, 24, 16};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(entries[i].width, sizes[i]);
    EXPECT_EQ(entries[i].height, sizes[i]);
    EXPECT_EQ(entries[i].bitCount, 32);
  }
}

TEST_F(MainWindowTest, RecordsEachNewTextWithTheTimeOfDay) {
  Copy("alpha");
  Copy("beta");
  ASSERT_EQ(RowCount(), 2);
  EXPECT_EQ(Row(0), "alpha");
  EXPECT_EQ(Row(1), "beta");
  const auto& time = form->ListView1->Items()->Item(1)->SubItems();
  ASSERT_EQ(time.size(), 1u);
  EXPECT_TRUE(std::regex_match(time[0], std::regex(R"(.*\d{1,2}.\d\d.\d\d.*)"))) << time[0];
}

TEST_F(MainWindowTest, DuplicatesAreByteForByteEqualTexts) {
  Copy("Hello");
  Copy("second");
  std::string oldestTime = form->ListView1->Items()->Item(0)->SubItems()[0];

  struct Case {
    const char* text;
    bool added;
  };
  const Case cases[] = {
      {"Hello", false},     // equal to the oldest record
      {"hello", true},      // letter case differs
      {"Hello ", true},     // trailing blank
      {"Hello\r\n", true},  // final line break
      {"", true},           // an empty text is a record
      {"", false},          // and a second empty text is its duplicate
      {"second", false},
  };
  for (const Case& c : cases) {
    int before = RowCount();
    Copy(c.text);
    EXPECT_EQ(RowCount(), before + (c.added ? 1 : 0)) << "text: [" << c.text << "]";
  }
  EXPECT_EQ(Row(0), "Hello");
  EXPECT_EQ(form->ListView1->Items()->Item(0)->SubItems()[0], oldestTime);
}

TEST_F(MainWindowTest, HoldsAtMostOneThousandRecordsDroppingTheOldest) {
  AddRows(999, "old ");
  Copy("new 1");
  ASSERT_EQ(RowCount(), 1000);
  EXPECT_EQ(Row(0), "old 0");
  Copy("new 2");
  ASSERT_EQ(RowCount(), 1000);
  EXPECT_EQ(Row(0), "old 1");
  EXPECT_EQ(Row(999), "new 2");
  Copy("old 1");  // still listed: a duplicate, nothing moves
  EXPECT_EQ(RowCount(), 1000);
  EXPECT_EQ(Row(0), "old 1");
}

TEST_F(MainWindowTest, AnImageAloneAddsNothingButIsPassedOn) {
  Copy("text");
  int before = followerDrawCount;
  CopyImageOnly();
  EXPECT_EQ(followerDrawCount, before + 1);
  EXPECT_EQ(RowCount(), 1);
}

TEST_F(MainWindowTest, ViewerChainIsRepairedOrPassedOn) {
  ASSERT_EQ(form->NextViewer, follower);
  HWND other = reinterpret_cast<HWND>(0x1234);
  HWND after = reinterpret_cast<HWND>(0x5678);

  // Another window leaves: passed on unchanged.
  SendMessageA(form->Handle(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(other), reinterpret_cast<LPARAM>(after));
  EXPECT_EQ(followerChainCount, 1);
  EXPECT_EQ(lastChainWParam, reinterpret_cast<WPARAM>(other));
  EXPECT_EQ(lastChainLParam, reinterpret_cast<LPARAM>(after));
  EXPECT_EQ(form->NextViewer, follower);

  // The next viewer leaves: relinked to the one after it, not passed on.
  EXPECT_EQ(SendMessageA(form->Handle(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(follower), 0), 0);
  EXPECT_EQ(form->NextViewer, nullptr);
  EXPECT_EQ(followerChainCount, 1);

  // With no next viewer, nothing is passed on.
  SendMessageA(form->Handle(), WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(other), 0);
  EXPECT_EQ(followerChainCount, 1);
  form->NextViewer = follower;  // so that leaving the chain at the end stays tidy
}

TEST_F(MainWindowTest, ASecondViewerJoiningLaterIsServedFirst) {
  // A viewer that joins after the main window receives the notices first and passes them on.
  WNDCLASSA wc{};
  wc.lpfnWndProc = Later::Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "TestLaterViewer";
  RegisterClassA(&wc);
  HWND later = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, nullptr);
  Later::next = SetClipboardViewer(later);
  EXPECT_EQ(Later::next, form->Handle());
  Copy("through two viewers");
  EXPECT_GE(Later::count, 1);
  EXPECT_EQ(RowCount(), 1);

  // It leaves again: the chain stays whole.
  ChangeClipboardChain(later, Later::next);
  DestroyWindow(later);
  Copy("after it left");
  EXPECT_EQ(RowCount(), 2);
}

TEST_F(MainWindowTest, DoubleClickCopiesBackAndAddsNothing) {
  Copy("first");
  Copy("second");
  SelectOnly({0});
  form->ListView1->DblClick();
  PumpMessages(20);
  EXPECT_EQ(testutil::ReadClipboardText(), "first");
  EXPECT_EQ(RowCount(), 2);

  // No row selected: nothing happens.
  testutil::SetClipboardText("unrelated");
  PumpMessages(20);
  int rows = RowCount();
  SelectOnly({});
  form->ListView1->DblClick();
  EXPECT_EQ(testutil::ReadClipboardText(), "unrelated");
  EXPECT_EQ(RowCount(), rows);
}

TEST_F(MainWindowTest, SeveralSelectedRowsUseTheLowestAndDeleteAll) {
  AddRows(5, "row ");
  SelectOnly({3, 1});
  form->ListView1->Click();
  EXPECT_EQ(form->Memo1->Text(), "row 1");

  form->BitBtn1->Click();
  ASSERT_EQ(RowCount(), 3);
  EXPECT_EQ(Row(0), "row 0");
  EXPECT_EQ(Row(1), "row 2");
  EXPECT_EQ(Row(2), "row 4");
  EXPECT_EQ(form->Memo1->Text(), "row 1");  // the preview keeps its text

  // A click with nothing selected keeps the preview.
  SelectOnly({});
  form->ListView1->Click();
  EXPECT_EQ(form->Memo1->Text(), "row 1");
  form->BitBtn1->Click();
  EXPECT_EQ(RowCount(), 3);
}

TEST_F(MainWindowTest, ClearingAsksFirstAndNoKeepsEveryRecord) {
  AddRows(3, "keep ");
  form->Memo1->SetText("preview");
  {
    testutil::MessageBoxAnswerer answer(IDNO);
    form->BitBtn2->Click();
    EXPECT_EQ(answer.count, 1);
    EXPECT_EQ(answer.caption, fw::Ansi("请确认"));
    EXPECT_EQ(answer.text, fw::Ansi("确定要清空列表中所有记录？"));
  }
  EXPECT_EQ(RowCount(), 3);
  {
    testutil::MessageBoxAnswerer answer(IDYES);
    form->BitBtn2->Click();
  }
  EXPECT_EQ(RowCount(), 0);
  EXPECT_EQ(form->Memo1->Text(), "preview");
}

TEST_F(MainWindowTest, LinkUnderlinesUnderTheMouseAndOpensTheHomePage) {
  auto moveTo = [&](fw::TWinControl* over, POINT client) {
    POINT screen = client;
    ClientToScreen(over->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(over->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    PumpMessages(30);
  };
  const fw::TFontStyles underline = fw::FontStyles({fw::fsUnderline});
  moveTo(form->Panel2, {form->Label_url->Left() + 5, form->Label_url->Top() + 5});
  EXPECT_EQ(form->Label_url->Font()->Style(), underline);
  moveTo(form->Panel2, {300, 20});
  EXPECT_EQ(form->Label_url->Font()->Style(), 0u);
  moveTo(form->Panel2, {form->Label_url->Left() + 5, form->Label_url->Top() + 5});
  EXPECT_EQ(form->Label_url->Font()->Style(), underline);
  moveTo(form->Panel1, {300, 20});  // leaving for another window also ends the hover
  EXPECT_EQ(form->Label_url->Font()->Style(), 0u);

  std::string verb, file;
  HWND owner = nullptr;
  auto saved = pastelle::TForm1::ShellOpen;
  pastelle::TForm1::ShellOpen = [&](HWND o, const char* v, const char* f) {
    owner = o;
    verb = v;
    file = f;
  };
  POINT p{form->Label_url->Left() + 5, form->Label_url->Top() + 5};
  SendMessageA(form->Panel2->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SendMessageA(form->Panel2->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  pastelle::TForm1::ShellOpen = saved;
  EXPECT_EQ(owner, form->Handle());
  EXPECT_EQ(verb, "Open");
  EXPECT_EQ(file, pastelle::kHomePageUrl);
}

TEST_F(MainWindowTest, ResizingFitsTheFirstColumn) {
  RECT r;
  GetWindowRect(form->Handle(), &r);
  SetWindowPos(form->Handle(), nullptr, 0, 0, r.right - r.left + 120, r.bottom - r.top + 40, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages(20);
  EXPECT_EQ(form->ListView1->Width(), 775);
  EXPECT_EQ(form->ListView1->Column(0)->Width(), 775 - 80 - 5);
  // The exit button keeps its distance from the right and bottom edges.
  RECT button = ChildRect(form->BitBtn6->Handle());
  EXPECT_EQ(form->Panel2->Width() - button.right, 10);
  EXPECT_EQ(ChildRect(form->Panel2->Handle()).bottom, 525);
}

TEST_F(MainWindowTest, DraggingTheSplitterResizesTheListAndThePreview) {
  HWND parent = form->Handle();
  POINT start{100, form->Splitter1->Top() + 1};
  POINT screen = start;
  ClientToScreen(parent, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageA(parent, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
  SetCursorPos(screen.x, screen.y + 50);
  SendMessageA(parent, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x, start.y + 50));
  SendMessageA(parent, WM_LBUTTONUP, 0, MAKELPARAM(start.x, start.y + 50));
  EXPECT_EQ(form->ListView1->Height(), 282);
  EXPECT_EQ(form->Splitter1->Top(), 323);
  EXPECT_EQ(form->Memo1->Top(), 326);
  EXPECT_EQ(form->Memo1->Height(), 444 - 326);
}

TEST_F(MainWindowTest, LongAndEmptyTextsAreKeptWhole) {
  std::string big;
  while (big.size() < 4 * 1024 * 1024)
    big += "A line of text as people copy it, with words and blanks; then a break.\r\n";
  big[123456] = 'y';  // the texts differ only deep inside
  Copy(big);
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Row(0).size(), big.size());
  EXPECT_EQ(Row(0), big);

  // Equal but for the very last byte: a different record.
  std::string almost = big;
  almost.back() = 'z';
  Copy(almost);
  EXPECT_EQ(RowCount(), 2);
  Copy(big);
  EXPECT_EQ(RowCount(), 2);

  // The preview shows the whole record.
  SelectOnly({0});
  form->ListView1->Click();
  EXPECT_EQ(form->Memo1->Text().size(), big.size());
}

TEST_F(MainWindowTest, AClipboardHeldBrieflyByAnotherProgramLosesNoRecord) {
  std::unique_ptr<testutil::ClipboardHolder> holder;
  onFollowerDraw = [&] { holder = std::make_unique<testutil::ClipboardHolder>(40); };
  Copy("while another program looks");
  onFollowerDraw = nullptr;
  holder.reset();
  ASSERT_EQ(RowCount(), 1);
  EXPECT_EQ(Row(0), "while another program looks");
}

TEST_F(MainWindowTest, AClipboardHeldTooLongIsReportedAndAddsNothing) {
  std::string reported;
  app->OnException = [&](const std::string& text) { reported = text; };
  std::unique_ptr<testutil::ClipboardHolder> holder;
  onFollowerDraw = [&] { holder = std::make_unique<testutil::ClipboardHolder>(600); };
  int before = followerDrawCount;
  Copy("held");
  onFollowerDraw = nullptr;
  holder.reset();
  // Reported from the message loop, after the clipboard notification has returned.
  EXPECT_TRUE(testutil::PumpUntil([&] { return reported == "Cannot open clipboard"; }, 2000)) << reported;
  EXPECT_EQ(followerDrawCount, before + 1);  // passed on before the failure
  EXPECT_EQ(RowCount(), 0);
}

TEST_F(MainWindowTest, TheExitButtonEndsTheApplication) {
  SendMessageA(form->Panel2->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(form->BitBtn6->Handle()));
  EXPECT_TRUE(app->Terminated());
}

TEST_F(MainWindowTest, AltXClicksTheExitButton) {
  form->Memo1->SetFocus();
  MSG msg{form->Memo1->Handle(), WM_SYSCHAR, 'x', 0};
  PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
  app->ProcessMessages();
  EXPECT_TRUE(app->Terminated());
}

TEST_F(MainWindowTest, ABurstOfChangesFromAnotherThreadEndsWithTheLastTextRecorded) {
  std::thread burst([] {
    for (int i = 0; i < 60; ++i) testutil::SetClipboardText("burst " + std::to_string(i));
  });
  burst.join();
  // Each notice reads what the clipboard holds when it is handled: the last text always arrives.
  ASSERT_TRUE(PumpUntil([&] { return RowCount() > 0 && Row(RowCount() - 1) == "burst 59"; }, 5000));
  for (int i = 0; i < RowCount(); ++i)
    for (int j = i + 1; j < RowCount(); ++j) EXPECT_NE(Row(i), Row(j));
}
