// Message-sequence tests: a recorder that subclasses windows and logs every message they receive,
// and a comparison of the log against a table of expected messages named after an action.
//
//   testutil::MessageRecorder recorder;
//   recorder.Attach(window);
//   SetWindowTextA(window, "new");
//   EXPECT_MESSAGE_SEQUENCE(recorder, plain_window::kSetWindowText, "SetWindowText");
//
// A failed comparison names the first difference and prints both sequences with message names,
// at the line of the EXPECT_MESSAGE_SEQUENCE; it then clears the recording for the next step.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <unordered_set>
#include <vector>

#include "framework/handles.h"

namespace testutil {

// Flags of recorded and expected messages.
enum MessageFlags : unsigned {
  // How the message arrived. Posted: dispatched from the thread's queue (this includes WM_PAINT
  // and WM_TIMER, which the queue makes up when they are retrieved). Sent: any other call of the
  // window procedure. An expected entry with both bits accepts either.
  kSent = 1u << 0,
  kPosted = 1u << 1,
  // The message reached the window while a recorded window's procedure was still handling another
  // message. For windows that hand everything to the default procedure these are the messages the
  // default procedure sends (Wine's tests call them "defwinproc").
  kDefWinProc = 1u << 2,
  // The message reached the window while the same window was handling WM_PAINT (what BeginPaint
  // sends: WM_NCPAINT, WM_ERASEBKGND). Not combined with kDefWinProc when WM_PAINT is the message
  // directly around it.
  kBeginPaint = 1u << 3,
  // The window was attached as the parent or the grandparent of the window under test.
  kParent = 1u << 4,
  kGrandparent = 1u << 5,
  // Expected entries only: compare wParam / lParam too.
  kWParam = 1u << 6,
  kLParam = 1u << 7,
  // Expected entries only: kOptional matches zero or one message, kRepeated one or more,
  // kOptional | kRepeated (kAnyNumber) any number. Consecutive kAnyNumber entries form one group
  // that takes any number of their messages in any order ("any number of these").
  kOptional = 1u << 8,
  kRepeated = 1u << 9,
};
inline constexpr unsigned kAnyNumber = kOptional | kRepeated;

// For WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED, wParam holds the SWP_* flags of the WINDOWPOS
// (without the system's internal client-move and client-size bits), so that tables can check them.
struct RecordedMessage {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  unsigned flags = 0;
};

struct ExpectedMessage {
  UINT message = 0;
  unsigned flags = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

using MessageSequence = std::span<const ExpectedMessage>;

// Records the messages of the windows attached to it, in the order their procedures were called.
// The recording subclass sees each message first and passes it on to the previous procedure
// unchanged (wide or ANSI, as the window is). Windows and recorder belong to one thread.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Starts recording the window; `role` is 0, kParent or kGrandparent and is added to the flags
  // of the window's messages. False when the window does not exist, belongs to another thread or
  // is recorded already, or when a let-go-of recording layer of it lies under a later subclass.
  bool Attach(HWND window, unsigned role = 0);
  // Stops recording the window. The previous procedure is put back only while the recording one
  // is still installed; otherwise the recording procedure stays in the chain and passes messages
  // straight on until the window is destroyed. True when the previous procedure was put back.
  // A destroyed window is let go of on its own (WM_NCDESTROY); detaching it later does nothing.
  bool Detach(HWND window);
  void DetachAll();
  [[nodiscard]] bool IsAttached(HWND window) const;

  // Messages that are not recorded. By default: mouse-position and hit-test messages (the pointer
  // of the test display can be anywhere) and the icon and accessibility queries that the system
  // sends at will.
  void Ignore(UINT message) { ignored_.insert(message); }
  void Unignore(UINT message) { ignored_.erase(message); }

  [[nodiscard]] const std::vector<RecordedMessage>& Messages() const noexcept { return messages_; }
  void Clear() noexcept { messages_.clear(); }

 private:
  friend struct RecorderAccess;
  void Record(const RecordedMessage& message) noexcept;

  std::vector<HWND> windows_;
  std::vector<RecordedMessage> messages_;
  std::unordered_set<UINT> ignored_;
  fw::UniqueHook getMessageHook_;
};

// "WM_SIZE sent|parent wParam=0x2 lParam=0x1E00C8" for a recorded message; expected entries show
// the parameters only when they are compared.
std::string DescribeMessage(const RecordedMessage& message);
std::string DescribeMessage(const ExpectedMessage& message);
// One message a line, numbered, indented.
std::string DescribeSequence(std::span<const RecordedMessage> messages);
std::string DescribeSequence(MessageSequence expected);

// Whether the recording matches the table; when not, `difference` (if given) tells the first
// difference and prints both sequences.
bool MatchesSequence(std::span<const RecordedMessage> recorded, MessageSequence expected,
                     std::string* difference = nullptr);

// Bounded waits for the recording: pump this thread's messages until the recorder has seen
// nothing new for `quietMs`, or until it has recorded `message`. False when the time ran out.
bool PumpUntilQuiet(const MessageRecorder& recorder, DWORD quietMs = 80, DWORD timeoutMs = 3000);
bool PumpUntilRecorded(const MessageRecorder& recorder, UINT message, DWORD timeoutMs = 3000);

// Compares the recorder's messages with the table, reports a difference as a test failure at
// file:line, and clears the recording. True when they matched.
bool CheckMessageSequence(MessageRecorder& recorder, MessageSequence expected, const std::string& context,
                          const char* file, int line);

}  // namespace testutil

#define EXPECT_MESSAGE_SEQUENCE(recorder, expected, context) \
  ::testutil::CheckMessageSequence((recorder), (expected), (context), __FILE__, __LINE__)
