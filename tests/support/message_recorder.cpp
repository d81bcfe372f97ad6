#include "tests/support/message_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "tests/support/message_names.h"
#include "tests/support/win_test_util.h"

namespace testutil {

// Reaches the recorder's private parts from the window procedure.
struct RecorderAccess {
  static void Record(MessageRecorder* recorder, const RecordedMessage& message) noexcept { recorder->Record(message); }
  static void Forget(MessageRecorder* recorder, HWND window) noexcept { std::erase(recorder->windows_, window); }
};

namespace {

struct Subclass {
  MessageRecorder* recorder = nullptr;  // nullptr: let go of, but still in the window's chain
  WNDPROC previous = nullptr;
  bool unicode = false;
  unsigned role = 0;
};

std::unordered_map<HWND, Subclass>& Subclasses() {
  static std::unordered_map<HWND, Subclass> subclasses;
  return subclasses;
}

// The messages that recorded windows of this thread are handling right now, innermost last.
struct Handling {
  HWND window;
  UINT message;
};
thread_local std::vector<Handling> t_handling;

// The last message this thread took off its queue to dispatch.
struct Retrieved {
  bool pending = false;
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};
thread_local Retrieved t_retrieved;

LRESULT CALLBACK NoteRetrievedMessage(int code, WPARAM removal, LPARAM lParam) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    t_retrieved = Retrieved{true, msg->hwnd, msg->message, msg->wParam, msg->lParam};
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

unsigned DeliveryOf(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Retrieved& r = t_retrieved;
  if (r.pending && r.window == window && r.message == message && r.wParam == wParam && r.lParam == lParam) {
    r.pending = false;
    return kPosted;
  }
  return kSent;
}

unsigned NestingOf(HWND window) {
  if (t_handling.empty()) return 0;
  unsigned flags = 0;
  const Handling& innermost = t_handling.back();
  if (innermost.window != window || innermost.message != WM_PAINT) flags |= kDefWinProc;
  for (const Handling& outer : t_handling)
    if (outer.window == window && outer.message == WM_PAINT) flags |= kBeginPaint;
  return flags;
}

// The documented SWP_* flags of a window-position change; the system's internal "client did not
// move / change size" bits (0x0800, 0x1000) differ between versions and are left out.
WPARAM WindowPosFlags(const WINDOWPOS& position) {
  constexpr UINT kInternalClientFlags = 0x0800 | 0x1000;
  return position.flags & 0xFFFF & ~kInternalClientFlags;
}

WNDPROC InstalledProcedure(HWND window, bool unicode) {
  return reinterpret_cast<WNDPROC>(unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                           : GetWindowLongPtrA(window, GWLP_WNDPROC));
}

WNDPROC InstallProcedure(HWND window, WNDPROC procedure, bool unicode) {
  const auto value = reinterpret_cast<LONG_PTR>(procedure);
  return reinterpret_cast<WNDPROC>(unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                           : SetWindowLongPtrA(window, GWLP_WNDPROC, value));
}

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto it = Subclasses().find(window);
  if (it == Subclasses().end()) return DefWindowProcA(window, message, wParam, lParam);
  const Subclass subclass = it->second;
  const unsigned delivery = DeliveryOf(window, message, wParam, lParam);
  if (subclass.recorder) {
    RecordedMessage recorded{window, message, wParam, lParam, delivery | NestingOf(window) | subclass.role};
    if ((message == WM_WINDOWPOSCHANGING || message == WM_WINDOWPOSCHANGED) && lParam)
      recorded.wParam = WindowPosFlags(*reinterpret_cast<const WINDOWPOS*>(lParam));
    RecorderAccess::Record(subclass.recorder, recorded);
  }

  bool noted = false;
  try {
    t_handling.push_back(Handling{window, message});
    noted = true;
  } catch (...) {
  }
  const LRESULT result = subclass.unicode ? CallWindowProcW(subclass.previous, window, message, wParam, lParam)
                                          : CallWindowProcA(subclass.previous, window, message, wParam, lParam);
  if (noted) t_handling.pop_back();

  if (message == WM_NCDESTROY) {
    // The handle may be reused by a later window: nothing of this one may stay behind.
    if (auto gone = Subclasses().find(window); gone != Subclasses().end()) {
      if (gone->second.recorder) RecorderAccess::Forget(gone->second.recorder, window);
      Subclasses().erase(gone);
    }
  }
  return result;
}

}  // namespace

MessageRecorder::MessageRecorder()
    : ignored_{WM_NCHITTEST,    WM_SETCURSOR,    WM_MOUSEMOVE,    WM_NCMOUSEMOVE, WM_MOUSELEAVE,
               WM_NCMOUSELEAVE, WM_MOUSEHOVER,   WM_NCMOUSEHOVER, WM_GETICON,     WM_GETOBJECT,
               WM_TIMECHANGE,   WM_DEVICECHANGE, 0x031F /* WM_DWMNCRENDERINGCHANGED */},
      getMessageHook_(SetWindowsHookExA(WH_GETMESSAGE, NoteRetrievedMessage, nullptr, GetCurrentThreadId())) {}

MessageRecorder::~MessageRecorder() { DetachAll(); }

bool MessageRecorder::Attach(HWND window, unsigned role) {
  if (!IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  role &= kParent | kGrandparent;
  if (auto it = Subclasses().find(window); it != Subclasses().end()) {
    // A let-go-of recording layer is still in the chain. It can record again while it is the
    // installed procedure; a second layer under or over it would route messages into itself.
    Subclass& existing = it->second;
    if (existing.recorder || InstalledProcedure(window, existing.unicode) != RecordingProcedure) return false;
    existing.recorder = this;
    existing.role = role;
  } else {
    const bool unicode = IsWindowUnicode(window) != FALSE;
    WNDPROC previous = InstallProcedure(window, RecordingProcedure, unicode);
    if (!previous) return false;
    Subclasses()[window] = Subclass{this, previous, unicode, role};
  }
  windows_.push_back(window);
  return true;
}

bool MessageRecorder::Detach(HWND window) {
  auto it = Subclasses().find(window);
  if (it == Subclasses().end() || it->second.recorder != this) return false;
  std::erase(windows_, window);
  Subclass& subclass = it->second;
  if (!IsWindow(window)) {
    // Destroyed without its WM_NCDESTROY reaching the recording layer (a later subclass kept it).
    Subclasses().erase(it);
    return false;
  }
  if (InstalledProcedure(window, subclass.unicode) == RecordingProcedure) {
    InstallProcedure(window, subclass.previous, subclass.unicode);
    Subclasses().erase(it);
    return true;
  }
  subclass.recorder = nullptr;
  return false;
}

void MessageRecorder::DetachAll() {
  while (!windows_.empty()) Detach(windows_.back());
}

bool MessageRecorder::IsAttached(HWND window) const {
  return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

void MessageRecorder::Record(const RecordedMessage& message) noexcept {
  if (ignored_.contains(message.message)) return;
  try {
    messages_.push_back(message);
  } catch (...) {
  }
}

namespace {

std::string Hex(unsigned long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", value);
  return text;
}

std::string FlagNames(unsigned flags) {
  static constexpr std::pair<unsigned, const char*> kNames[] = {
      {kSent, "sent"},         {kPosted, "posted"},           {kDefWinProc, "defwinproc"}, {kBeginPaint, "beginpaint"},
      {kParent, "parent"},     {kGrandparent, "grandparent"}, {kWParam, "wparam"},         {kLParam, "lparam"},
      {kOptional, "optional"}, {kRepeated, "repeated"},
  };
  std::string text;
  for (const auto& [flag, name] : kNames) {
    if (!(flags & flag)) continue;
    if (!text.empty()) text += '|';
    text += name;
  }
  return text.empty() ? "-" : text;
}

}  // namespace

std::string DescribeMessage(const RecordedMessage& message) {
  return MessageName(message.message) + " " + FlagNames(message.flags) + " wParam=" + Hex(message.wParam) +
         " lParam=" + Hex(static_cast<unsigned long>(message.lParam));
}

std::string DescribeMessage(const ExpectedMessage& message) {
  std::string text = MessageName(message.message) + " " + FlagNames(message.flags);
  if (message.flags & kWParam) text += " wParam=" + Hex(message.wParam);
  if (message.flags & kLParam) text += " lParam=" + Hex(static_cast<unsigned long>(message.lParam));
  return text;
}

namespace {

template <typename Message>
std::string DescribeLines(std::span<const Message> messages, size_t marked) {
  std::string text;
  for (size_t i = 0; i < messages.size(); ++i) {
    char number[32];
    std::snprintf(number, sizeof number, "  %s%3u ", i == marked ? ">" : " ", static_cast<unsigned>(i));
    text += number + DescribeMessage(messages[i]) + "\n";
  }
  if (messages.empty()) text += "    (none)\n";
  return text;
}

bool IsAnyNumber(const ExpectedMessage& expected) { return (expected.flags & kAnyNumber) == kAnyNumber; }

bool EntryMatches(const ExpectedMessage& expected, const RecordedMessage& recorded) {
  if (expected.message != recorded.message) return false;
  if ((expected.flags & kWParam) && expected.wParam != recorded.wParam) return false;
  if ((expected.flags & kLParam) && expected.lParam != recorded.lParam) return false;
  const unsigned delivery = expected.flags & (kSent | kPosted);
  if (delivery != (kSent | kPosted) && delivery != (recorded.flags & (kSent | kPosted))) return false;
  constexpr unsigned kExact = kDefWinProc | kBeginPaint | kParent | kGrandparent;
  return (expected.flags & kExact) == (recorded.flags & kExact);
}

// Aligns a recording with a table whose entries may be optional or repeated. A state is (entry,
// recorded message, whether the entry has matched once already); each is solved once.
class SequenceMatcher {
 public:
  SequenceMatcher(std::span<const RecordedMessage> recorded, MessageSequence expected)
      : recorded_(recorded), expected_(expected), memo_((expected.size() + 1) * (recorded.size() + 1) * 2, kUnknown) {}

  bool Matches() { return Solve(0, 0, false); }

  // Where the best alignment stopped: the furthest recorded message reached, and the last table
  // entry reached there (optional entries before it were skipped).
  size_t StuckRecorded() const { return furthestRecorded_; }
  size_t StuckExpected() const { return furthestExpected_; }

 private:
  static constexpr signed char kUnknown = -1;

  bool Solve(size_t entry, size_t message, bool matchedOnce) {
    if (message > furthestRecorded_ || (message == furthestRecorded_ && entry > furthestExpected_)) {
      furthestRecorded_ = message;
      furthestExpected_ = entry;
    }
    if (entry == expected_.size()) return message == recorded_.size();
    signed char& memo = memo_[((entry * (recorded_.size() + 1)) + message) * 2 + (matchedOnce ? 1 : 0)];
    if (memo != kUnknown) return memo != 0;

    const ExpectedMessage& e = expected_[entry];
    bool result = false;
    if (IsAnyNumber(e)) {
      // A run of "any number" entries takes any of their messages in any order, then ends.
      size_t runEnd = entry;
      while (runEnd < expected_.size() && IsAnyNumber(expected_[runEnd])) ++runEnd;
      result = Solve(runEnd, message, false);
      if (!result && message < recorded_.size()) {
        for (size_t k = entry; k < runEnd; ++k) {
          if (EntryMatches(expected_[k], recorded_[message])) {
            result = Solve(entry, message + 1, false);
            break;
          }
        }
      }
    } else {
      if ((e.flags & kOptional) || matchedOnce) result = Solve(entry + 1, message, false);
      if (!result && message < recorded_.size() && EntryMatches(e, recorded_[message])) {
        result = Solve(entry + 1, message + 1, false) || ((e.flags & kRepeated) && Solve(entry, message + 1, true));
      }
    }
    memo = result ? 1 : 0;
    return result;
  }

  std::span<const RecordedMessage> recorded_;
  MessageSequence expected_;
  std::vector<signed char> memo_;
  size_t furthestRecorded_ = 0;
  size_t furthestExpected_ = 0;
};

}  // namespace

std::string DescribeSequence(std::span<const RecordedMessage> messages) {
  return DescribeLines(messages, messages.size());
}

std::string DescribeSequence(MessageSequence expected) { return DescribeLines(expected, expected.size()); }

bool MatchesSequence(std::span<const RecordedMessage> recorded, MessageSequence expected, std::string* difference) {
  std::string tableFaults;
  for (size_t i = 0; i < expected.size(); ++i) {
    if (!(expected[i].flags & (kSent | kPosted)))
      tableFaults += "table entry #" + std::to_string(i) + " names neither kSent nor kPosted\n";
  }
  SequenceMatcher matcher(recorded, expected);
  if (tableFaults.empty() && matcher.Matches()) return true;
  if (difference) {
    const size_t r = matcher.StuckRecorded();
    const size_t e = matcher.StuckExpected();
    std::string at = r < recorded.size() ? "recorded #" + std::to_string(r) + " " + DescribeMessage(recorded[r])
                                         : "the end of the recording";
    std::string wanted = e < expected.size() ? "table #" + std::to_string(e) + " " + DescribeMessage(expected[e])
                                             : "the end of the table";
    *difference = tableFaults + "first difference: " + at + "\n            where the table has: " + wanted +
                  "\nexpected:\n" + DescribeLines(expected, e) + "recorded:\n" + DescribeLines(recorded, r);
  }
  return false;
}

bool PumpUntilQuiet(const MessageRecorder& recorder, DWORD quietMs, DWORD timeoutMs) {
  size_t seen = recorder.Messages().size();
  DWORD lastChange = GetTickCount();
  return PumpUntil(
      [&] {
        if (recorder.Messages().size() != seen) {
          seen = recorder.Messages().size();
          lastChange = GetTickCount();
        }
        return GetTickCount() - lastChange >= quietMs;
      },
      timeoutMs);
}

bool PumpUntilRecorded(const MessageRecorder& recorder, UINT message, DWORD timeoutMs) {
  return PumpUntil(
      [&] {
        const auto& messages = recorder.Messages();
        return std::any_of(messages.begin(), messages.end(),
                           [&](const RecordedMessage& m) { return m.message == message; });
      },
      timeoutMs);
}

bool CheckMessageSequence(MessageRecorder& recorder, MessageSequence expected, const std::string& context,
                          const char* file, int line) {
  std::string difference;
  const bool matched = MatchesSequence(recorder.Messages(), expected, &difference);
  if (!matched) ADD_FAILURE_AT(file, line) << context << ": the messages differ from the table\n" << difference;
  recorder.Clear();
  return matched;
}

}  // namespace testutil
