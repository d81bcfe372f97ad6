// Work that must not run inside a window procedure, hook or callback (an error report that opens
// a message box, say) is queued here and runs from the thread's message loop, in order, once the
// current message has returned.
#pragma once

#include <functional>

namespace fw {

// Queues `call` to run from the message loop of this thread. Never throws; a call that throws
// is dropped.
void CallFromMessageLoop(std::function<void()> call) noexcept;

}  // namespace fw
