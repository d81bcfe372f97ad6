// The message-sequence harness proving itself: recording, nesting and roles on real windows, the
// subclass's lifetime, the table comparison and its report.
#include "tests/support/message_recorder.h"

#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/messages.h"
#include "skin/core/skin_messages.h"
#include "tests/support/message_names.h"
#include "tests/support/win_test_util.h"

namespace {

using testutil::ExpectedMessage;
using testutil::kAnyNumber;
using testutil::kBeginPaint;
using testutil::kDefWinProc;
using testutil::kGrandparent;
using testutil::kLParam;
using testutil::kOptional;
using testutil::kParent;
using testutil::kPosted;
using testutil::kRepeated;
using testutil::kSent;
using testutil::kWParam;
using testutil::MessageRecorder;
using testutil::RecordedMessage;

// Messages the test window's procedure knows.
constexpr UINT kSendsNested = WM_APP + 1;  // sends kNested to itself
constexpr UINT kNested = WM_APP + 2;
constexpr UINT kAnswers = WM_APP + 3;  // answers kAnswer
constexpr LRESULT kAnswer = 0x1234;

// The text pointer the class procedure last saw in WM_SETTEXT.
const void* g_setTextPointer = nullptr;

template <bool Unicode>
LRESULT CALLBACK TestProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSendsNested:
      Unicode ? SendMessageW(window, kNested, 0, 0) : SendMessageA(window, kNested, 0, 0);
      return 0;
    case kAnswers:
      return kAnswer;
    case WM_SETTEXT:
      g_setTextPointer = reinterpret_cast<const void*>(lParam);
      break;
    case WM_PAINT: {
      fw::PaintDC paint(window);
      return 0;
    }
  }
  return Unicode ? DefWindowProcW(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

fw::UniqueWindow MakeTestWindow(bool unicode = false, HWND parent = nullptr) {
  static const bool registered = [] {
    WNDCLASSA ansi{};
    ansi.lpfnWndProc = TestProcedure<false>;
    ansi.hInstance = Instance();
    ansi.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ansi.lpszClassName = "PastelleRecorderAnsi";
    WNDCLASSW wide{};
    wide.lpfnWndProc = TestProcedure<true>;
    wide.hInstance = Instance();
    wide.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wide.lpszClassName = L"PastelleRecorderWide";
    return RegisterClassA(&ansi) && RegisterClassW(&wide);
  }();
  EXPECT_TRUE(registered);
  const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
  HWND window = unicode ? CreateWindowExW(0, L"PastelleRecorderWide", L"", style, 10, 10, 120, 90, parent, nullptr,
                                          Instance(), nullptr)
                        : CreateWindowExA(0, "PastelleRecorderAnsi", "", style, 10, 10, 120, 90, parent, nullptr,
                                          Instance(), nullptr);
  return fw::UniqueWindow(window);
}

WNDPROC InstalledProcedure(HWND window) {
  return reinterpret_cast<WNDPROC>(IsWindowUnicode(window) ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                                           : GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Another subclass, installed over the recorder's, as a skinner installed later would be.
WNDPROC g_beneathOuter = nullptr;
int g_outerMessages = 0;
LRESULT CALLBACK OuterProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++g_outerMessages;
  return CallWindowProcA(g_beneathOuter, window, message, wParam, lParam);
}

void InstallOuter(HWND window) {
  g_outerMessages = 0;
  g_beneathOuter =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OuterProcedure)));
}

void RemoveOuter(HWND window) { SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beneathOuter)); }

// A test window with a recorder attached.
class RecordedWindow : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_);
    ASSERT_TRUE(recorder_.Attach(window_.get()));
  }

  fw::UniqueWindow window_ = MakeTestWindow();
  MessageRecorder recorder_;
};

TEST_F(RecordedWindow, TellsSentFromPostedAndPassesTheResultBack) {
  PostMessageA(window_.get(), kAnswers, 1, 2);
  EXPECT_EQ(SendMessageA(window_.get(), kAnswers, 3, 4), kAnswer);
  EXPECT_TRUE(testutil::PumpUntilRecorded(recorder_, kAnswers, 1000));
  static constexpr ExpectedMessage kExpected[] = {
      {kAnswers, kSent | kWParam | kLParam, 3, 4},
      {kAnswers, kPosted | kWParam | kLParam, 1, 2},
  };
  EXPECT_MESSAGE_SEQUENCE(recorder_, kExpected, "sent, then posted");
}

TEST_F(RecordedWindow, MarksMessagesSentWhileTheWindowHandlesAnother) {
  SendMessageA(window_.get(), kSendsNested, 0, 0);
  SendMessageA(window_.get(), kNested, 0, 0);
  static constexpr ExpectedMessage kExpected[] = {
      {kSendsNested, kSent},
      {kNested, kSent | kDefWinProc},
      {kNested, kSent},
  };
  EXPECT_MESSAGE_SEQUENCE(recorder_, kExpected, "nested send");
}

TEST(MessageRecorder, MarksWhatBeginPaintSends) {
  auto window = MakeTestWindow();
  ShowWindow(window.get(), SW_SHOW);
  testutil::PumpMessages(50);
  MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(window.get()));
  RedrawWindow(window.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  UpdateWindow(window.get());
  static constexpr ExpectedMessage kExpected[] = {
      {WM_PAINT, kSent},
      {WM_NCPAINT, kSent | kBeginPaint},
      {WM_GETTEXT, kSent | kBeginPaint | kDefWinProc | kOptional},
      {WM_ERASEBKGND, kSent | kBeginPaint},
  };
  EXPECT_MESSAGE_SEQUENCE(recorder, kExpected, "UpdateWindow");
}

TEST(MessageRecorder, AddsTheRoleOfParentAndGrandparent) {
  auto grandparent = MakeTestWindow();
  auto parent = MakeTestWindow(false, grandparent.get());
  MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(parent.get(), kParent));
  ASSERT_TRUE(recorder.Attach(grandparent.get(), kGrandparent));
  auto child = MakeTestWindow(false, parent.get());
  ASSERT_TRUE(recorder.Attach(child.get()));
  SendMessageA(child.get(), kAnswers, 0, 0);
  SendMessageA(grandparent.get(), kAnswers, 0, 0);
  // Creating a child notifies its parent; Windows tells the grandparent as well, Wine 8 does not.
  static constexpr ExpectedMessage kExpected[] = {
      {WM_PARENTNOTIFY, kSent | kParent | kWParam, WM_CREATE},
      {WM_PARENTNOTIFY, kSent | kGrandparent | kWParam | kOptional, WM_CREATE},
      {kAnswers, kSent},
      {kAnswers, kSent | kGrandparent},
  };
  EXPECT_MESSAGE_SEQUENCE(recorder, kExpected, "roles");
}

class RecorderCharacterSet : public testing::TestWithParam<bool> {};

TEST_P(RecorderCharacterSet, PassesTextMessagesOnUntranslated) {
  const bool unicode = GetParam();
  auto window = MakeTestWindow(unicode);
  MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(window.get()));
  ASSERT_EQ(IsWindowUnicode(window.get()) != FALSE, unicode);
  static const char ansiText[] = "\xC4\xE3\xBA\xC3";  // two Chinese characters in code page 936
  static const wchar_t wideText[] = L"\u4F60\u597D";
  const void* text = unicode ? static_cast<const void*>(wideText) : static_cast<const void*>(ansiText);
  g_setTextPointer = nullptr;
  if (unicode)
    SendMessageW(window.get(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  else
    SendMessageA(window.get(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  // The same buffer reached the class procedure: nothing converted it on the way.
  EXPECT_EQ(g_setTextPointer, text);
  ASSERT_FALSE(recorder.Messages().empty());
  EXPECT_EQ(recorder.Messages().front().message, static_cast<UINT>(WM_SETTEXT));
  EXPECT_EQ(recorder.Messages().front().lParam, reinterpret_cast<LPARAM>(text));
}

INSTANTIATE_TEST_SUITE_P(AnsiAndWide, RecorderCharacterSet, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& param) { return param.param ? "Wide" : "Ansi"; });

TEST_F(RecordedWindow, IgnoresPointerMessagesUnlessAsked) {
  SendMessageA(window_.get(), WM_MOUSEMOVE, 0, 0);
  SendMessageA(window_.get(), WM_NCHITTEST, 0, 0);
  EXPECT_TRUE(recorder_.Messages().empty());
  recorder_.Unignore(WM_MOUSEMOVE);
  recorder_.Ignore(kAnswers);
  SendMessageA(window_.get(), WM_MOUSEMOVE, 0, 0);
  SendMessageA(window_.get(), kAnswers, 0, 0);
  static constexpr ExpectedMessage kExpected[] = {{WM_MOUSEMOVE, kSent}};
  EXPECT_MESSAGE_SEQUENCE(recorder_, kExpected, "ignore list");
}

TEST(MessageRecorderLifetime, DetachPutsThePreviousProcedureBack) {
  auto window = MakeTestWindow();
  const WNDPROC original = InstalledProcedure(window.get());
  MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(window.get()));
  EXPECT_NE(InstalledProcedure(window.get()), original);
  EXPECT_FALSE(recorder.Attach(window.get())) << "attached twice";
  MessageRecorder second;
  EXPECT_FALSE(second.Attach(window.get())) << "a second recorder layered on the first";
  EXPECT_TRUE(recorder.Detach(window.get()));
  EXPECT_EQ(InstalledProcedure(window.get()), original);
  EXPECT_FALSE(recorder.IsAttached(window.get()));
  SendMessageA(window.get(), kAnswers, 0, 0);
  EXPECT_TRUE(recorder.Messages().empty());
}

TEST(MessageRecorderLifetime, DetachUnderALaterSubclassLeavesItInPlace) {
  auto window = MakeTestWindow();
  const WNDPROC original = InstalledProcedure(window.get());
  MessageRecorder recorder;
  ASSERT_TRUE(recorder.Attach(window.get()));
  InstallOuter(window.get());

  EXPECT_FALSE(recorder.Detach(window.get()));
  EXPECT_EQ(InstalledProcedure(window.get()), reinterpret_cast<WNDPROC>(OuterProcedure));
  EXPECT_EQ(SendMessageA(window.get(), kAnswers, 0, 0), kAnswer) << "the chain is broken";
  EXPECT_EQ(g_outerMessages, 1);
  EXPECT_TRUE(recorder.Messages().empty()) << "a detached window is still recorded";

  // Once the later subclass is gone, the recording layer is on top again and can be reused.
  RemoveOuter(window.get());
  ASSERT_TRUE(recorder.Attach(window.get()));
  SendMessageA(window.get(), kAnswers, 0, 0);
  EXPECT_EQ(recorder.Messages().size(), 1u);
  EXPECT_TRUE(recorder.Detach(window.get()));
  EXPECT_EQ(InstalledProcedure(window.get()), original);
}

TEST(MessageRecorderLifetime, RecorderGoneUnderALaterSubclassLeavesTheChainWorking) {
  auto window = MakeTestWindow();
  {
    MessageRecorder recorder;
    ASSERT_TRUE(recorder.Attach(window.get()));
    InstallOuter(window.get());
  }
  EXPECT_EQ(SendMessageA(window.get(), kAnswers, 0, 0), kAnswer);
  EXPECT_EQ(g_outerMessages, 1);
  window.reset();  // WM_NCDESTROY passes through the left-behind layer
}

TEST(MessageRecorderLifetime, WindowDestroyedWhileAttachedIsLetGo) {
  MessageRecorder recorder;
  auto window = MakeTestWindow();
  const HWND handle = window.get();
  ASSERT_TRUE(recorder.Attach(handle));
  window.reset();
  ASSERT_GE(recorder.Messages().size(), 2u);
  EXPECT_EQ(recorder.Messages()[recorder.Messages().size() - 2].message, static_cast<UINT>(WM_DESTROY));
  EXPECT_EQ(recorder.Messages().back().message, static_cast<UINT>(WM_NCDESTROY));
  EXPECT_FALSE(recorder.IsAttached(handle));
  EXPECT_FALSE(recorder.Detach(handle));
  // The recorder goes on with new windows, whatever handles they get.
  auto next = MakeTestWindow();
  EXPECT_TRUE(recorder.Attach(next.get()));
  EXPECT_FALSE(recorder.Attach(reinterpret_cast<HWND>(0x7FFF0000))) << "no such window";
}

TEST_F(RecordedWindow, WaitsForAMessageWithinItsTime) {
  PostMessageA(window_.get(), kNested, 0, 0);
  EXPECT_TRUE(testutil::PumpUntilRecorded(recorder_, kNested, 1000));
  const DWORD start = GetTickCount();
  EXPECT_FALSE(testutil::PumpUntilRecorded(recorder_, kAnswers, 100));
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_TRUE(testutil::PumpUntilQuiet(recorder_, 30, 1000));
}

// The comparison on its own: recordings made up by hand against tables.
struct MatchCase {
  const char* name;
  std::vector<RecordedMessage> recorded;
  std::vector<ExpectedMessage> expected;
  bool matches;
};

RecordedMessage Rec(UINT message, unsigned flags = kSent, WPARAM wParam = 0, LPARAM lParam = 0) {
  return RecordedMessage{nullptr, message, wParam, lParam, flags};
}

TEST(SequenceMatching, FollowsTheTableRules) {
  const MatchCase cases[] = {
      MatchCase{"BothEmpty", {}, {}, true},
      MatchCase{"Exact", {Rec(WM_SIZE), Rec(WM_MOVE)}, {{WM_SIZE, kSent}, {WM_MOVE, kSent}}, true},
      MatchCase{"OtherOrder", {Rec(WM_MOVE), Rec(WM_SIZE)}, {{WM_SIZE, kSent}, {WM_MOVE, kSent}}, false},
      MatchCase{"MissingMessage", {Rec(WM_SIZE)}, {{WM_SIZE, kSent}, {WM_MOVE, kSent}}, false},
      MatchCase{"ExtraMessage", {Rec(WM_SIZE), Rec(WM_MOVE)}, {{WM_SIZE, kSent}}, false},
      MatchCase{"WParamChecked", {Rec(WM_SIZE, kSent, SIZE_MAXIMIZED)}, {{WM_SIZE, kSent | kWParam, 0}}, false},
      MatchCase{"WParamUnchecked", {Rec(WM_SIZE, kSent, SIZE_MAXIMIZED)}, {{WM_SIZE, kSent}}, true},
      MatchCase{"LParamChecked", {Rec(WM_PRINT, kSent, 0, PRF_CLIENT)}, {{WM_PRINT, kSent | kLParam, 0, 2}}, false},
      MatchCase{"LParamEqual", {Rec(WM_PRINT, kSent, 7, 2)}, {{WM_PRINT, kSent | kLParam, 0, 2}}, true},
      MatchCase{"PostedIsNotSent", {Rec(WM_PAINT, kPosted)}, {{WM_PAINT, kSent}}, false},
      MatchCase{"EitherWay",
                {Rec(WM_PAINT, kPosted), Rec(WM_PAINT)},
                {{WM_PAINT, kSent | kPosted, 0, 0}, {WM_PAINT, kSent | kPosted}},
                true},
      MatchCase{"TableEntryWithoutDelivery", {Rec(WM_PAINT)}, {{WM_PAINT, 0}}, false},
      MatchCase{"NestingDiffers", {Rec(WM_GETTEXT, kSent | kDefWinProc)}, {{WM_GETTEXT, kSent}}, false},
      MatchCase{"BeginPaintDiffers", {Rec(WM_ERASEBKGND, kSent)}, {{WM_ERASEBKGND, kSent | kBeginPaint}}, false},
      MatchCase{"RoleDiffers", {Rec(WM_SIZE, kSent | kParent)}, {{WM_SIZE, kSent}}, false},
      MatchCase{"OptionalAbsent", {Rec(WM_SIZE)}, {{WM_GETTEXT, kSent | kOptional}, {WM_SIZE, kSent}}, true},
      MatchCase{"OptionalPresent",
                {Rec(WM_GETTEXT), Rec(WM_SIZE)},
                {{WM_GETTEXT, kSent | kOptional}, {WM_SIZE, kSent}},
                true},
      MatchCase{"OptionalTakesOnlyOne", {Rec(WM_GETTEXT), Rec(WM_GETTEXT)}, {{WM_GETTEXT, kSent | kOptional}}, false},
      MatchCase{"OptionalBeforeTheSameMessage",
                {Rec(WM_GETTEXT)},
                {{WM_GETTEXT, kSent | kOptional}, {WM_GETTEXT, kSent}},
                true},
      MatchCase{"OptionalAtTheEnd", {Rec(WM_SIZE)}, {{WM_SIZE, kSent}, {WM_PAINT, kPosted | kOptional}}, true},
      MatchCase{"RepeatedNeedsOne", {Rec(WM_SIZE)}, {{WM_PAINT, kSent | kRepeated}, {WM_SIZE, kSent}}, false},
      MatchCase{"RepeatedTakesMany",
                {Rec(WM_PAINT), Rec(WM_PAINT), Rec(WM_PAINT), Rec(WM_SIZE)},
                {{WM_PAINT, kSent | kRepeated}, {WM_SIZE, kSent}},
                true},
      MatchCase{"AnyNumberOfNone",
                {Rec(WM_SIZE)},
                {{WM_ERASEBKGND, kSent | kAnyNumber}, {WM_PRINTCLIENT, kSent | kAnyNumber}, {WM_SIZE, kSent}},
                true},
      MatchCase{"AnyNumberInAnyOrder",
                {Rec(WM_ERASEBKGND), Rec(WM_PRINTCLIENT), Rec(WM_ERASEBKGND), Rec(WM_PRINTCLIENT), Rec(WM_PRINTCLIENT),
                 Rec(WM_SIZE)},
                {{WM_ERASEBKGND, kSent | kAnyNumber}, {WM_PRINTCLIENT, kSent | kAnyNumber}, {WM_SIZE, kSent}},
                true},
      MatchCase{"AnyNumberTakesOnlyItsOwn",
                {Rec(WM_ERASEBKGND), Rec(WM_MOVE), Rec(WM_PRINTCLIENT)},
                {{WM_ERASEBKGND, kSent | kAnyNumber}, {WM_PRINTCLIENT, kSent | kAnyNumber}},
                false}};
  for (const MatchCase& match : cases) {
    SCOPED_TRACE(match.name);
    std::string difference;
    EXPECT_EQ(testutil::MatchesSequence(match.recorded, match.expected, &difference), match.matches) << difference;
    EXPECT_EQ(difference.empty(), match.matches);
  }
}

TEST_F(RecordedWindow, ReportNamesTheFirstDifferenceAtTheCallersLine) {
  SendMessageA(window_.get(), kAnswers, 0, 0);
  SendMessageA(window_.get(), WM_NCACTIVATE, FALSE, 0);
  static constexpr ExpectedMessage kExpected[] = {
      {kAnswers, kSent},
      {WM_NCACTIVATE, kSent | kWParam, TRUE},
  };

  testing::TestPartResultArray results;
  int line = 0;
  bool matched = true;
  {
    testing::ScopedFakeTestPartResultReporter reporter(
        testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    line = __LINE__ + 1;
    matched = EXPECT_MESSAGE_SEQUENCE(recorder_, kExpected, "deactivation context");
  }
  EXPECT_FALSE(matched);
  ASSERT_EQ(results.size(), 1);
  const testing::TestPartResult& result = results.GetTestPartResult(0);
  EXPECT_TRUE(result.nonfatally_failed());
  EXPECT_EQ(std::string(result.file_name()), std::string(__FILE__));
  EXPECT_EQ(result.line_number(), line);
  const std::string report = result.message();
  EXPECT_NE(report.find("deactivation context"), std::string::npos) << report;
  EXPECT_NE(report.find("first difference: recorded #1 WM_NCACTIVATE sent wParam=0x0"), std::string::npos) << report;
  EXPECT_NE(report.find("table #1 WM_NCACTIVATE sent|wparam wParam=0x1"), std::string::npos) << report;
  EXPECT_NE(report.find("expected:\n     0 WM_APP+0x0003 sent\n  >  1 WM_NCACTIVATE"), std::string::npos) << report;
  EXPECT_NE(report.find("recorded:\n     0 WM_APP+0x0003 sent wParam=0x0 lParam=0x0\n  >  1 WM_NCACTIVATE"),
            std::string::npos)
      << report;
  EXPECT_TRUE(recorder_.Messages().empty()) << "the check starts the next recording afresh";
}

TEST(MessageSequenceReport, SaysWhenTheRecordingEndsEarly) {
  std::string difference;
  const std::vector<RecordedMessage> recorded{Rec(WM_SIZE)};
  static constexpr ExpectedMessage kExpected[] = {{WM_SIZE, kSent}, {WM_MOVE, kSent}};
  EXPECT_FALSE(testutil::MatchesSequence(recorded, kExpected, &difference));
  EXPECT_NE(difference.find("first difference: the end of the recording"), std::string::npos) << difference;
  EXPECT_NE(difference.find("where the table has: table #1 WM_MOVE"), std::string::npos) << difference;
}

TEST(MessageNames, NameSystemFrameworkAndSkinMessages) {
  EXPECT_EQ(testutil::MessageName(WM_NCACTIVATE), "WM_NCACTIVATE");
  EXPECT_EQ(testutil::MessageName(WM_PRINTCLIENT), "WM_PRINTCLIENT");
  EXPECT_EQ(testutil::MessageName(WM_MDIMAXIMIZE), "WM_MDIMAXIMIZE");
  EXPECT_EQ(testutil::MessageName(skin::SKM_PAINTFRAMETO), "SKM_PAINTFRAMETO");
  EXPECT_EQ(testutil::MessageName(skin::SKM_ACTIVATE), "SKM_ACTIVATE");
  EXPECT_EQ(testutil::MessageName(fw::CM_TEXTCHANGED), "CM_TEXTCHANGED");
  EXPECT_EQ(testutil::MessageName(skin::SKM_SKINREADY), "SKM_SKINREADY");
  EXPECT_EQ(testutil::MessageName(fw::CN_NOTIFY), "CN_NOTIFY");
  EXPECT_EQ(testutil::MessageName(WM_USER + 5), "WM_USER+0x0005");
  EXPECT_EQ(testutil::MessageName(0x0093), "0x0093");
  const UINT registered = RegisterWindowMessageA("PastelleRecorderTest");
  char expected[64];
  std::snprintf(expected, sizeof expected, "registered 'PastelleRecorderTest' (0x%04X)", registered);
  EXPECT_EQ(testutil::MessageName(registered), expected);
}

}  // namespace
