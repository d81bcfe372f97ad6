#include "skin/controls/window_subclass.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/message_loop_call.h"

namespace skin {
namespace {

struct WindowRecord {
  WNDPROC previous = nullptr;                 // the window's procedure below all of our layers
  bool unicode = false;                       // the window is a Unicode window: wide calls throughout
  bool installed = false;                     // our procedure was placed in the window's chain and is still there
  bool destroyed = false;                     // WM_NCDESTROY has gone through
  int depth = 0;                              // messages of the window being handled (and busy scopes)
  std::vector<SubclassLayer*> layers;         // newest (first to see a message) first
  std::vector<std::function<void()>> onIdle;  // releases waiting for depth 0
};

// One message being handled by one layer; frames nest on the GUI thread. They are kept in a
// vector, not on the stack: a crash that the system's callback dispatcher swallows can unwind
// past our code without popping, and the stale entries must still be valid memory (the next
// caller cuts the vector back to its own depth).
struct Frame {
  WindowRecord* record;
  SubclassLayer* layer;
  SubclassLayer* below;  // the layer that was below when the message reached this one
  bool passedOn;
};

thread_local std::vector<Frame> t_frames;

std::unordered_map<HWND, std::unique_ptr<WindowRecord>>& Records() noexcept {
  static std::unordered_map<HWND, std::unique_ptr<WindowRecord>> records;
  return records;
}

WindowRecord* FindRecord(HWND window) noexcept {
  auto& records = Records();
  auto it = records.find(window);
  return it == records.end() ? nullptr : it->second.get();
}

WNDPROC InstalledProc(HWND window, bool unicode) noexcept {
  return reinterpret_cast<WNDPROC>(unicode ? GetWindowLongPtrW(window, GWLP_WNDPROC)
                                           : GetWindowLongPtrA(window, GWLP_WNDPROC));
}

WNDPROC ReplaceProc(HWND window, WNDPROC procedure, bool unicode) noexcept {
  const auto value = reinterpret_cast<LONG_PTR>(procedure);
  return reinterpret_cast<WNDPROC>(unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                           : SetWindowLongPtrA(window, GWLP_WNDPROC, value));
}

LRESULT CallPrevious(const WindowRecord& record, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (!record.previous) {
    return record.unicode ? DefWindowProcW(window, msg, wParam, lParam) : DefWindowProcA(window, msg, wParam, lParam);
  }
  return record.unicode ? CallWindowProcW(record.previous, window, msg, wParam, lParam)
                        : CallWindowProcA(record.previous, window, msg, wParam, lParam);
}

// ---- Errors ---------------------------------------------------------------------------------

SkinnerErrorReporter& Reporter() {
  static SkinnerErrorReporter reporter;
  return reporter;
}

}  // namespace

// The table's procedures, with access to the layers' private parts.
class SubclassChain {
 public:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CallFrom(WindowRecord& record, HWND window, size_t index, UINT msg, WPARAM wParam,
                          LPARAM lParam) noexcept;
  static LRESULT PassBelow(WindowRecord& record, HWND window, const Frame& frame, UINT msg, WPARAM wParam,
                           LPARAM lParam) noexcept;
  static void Leave(WindowRecord& record, HWND window) noexcept;
  static void Destroyed(WindowRecord& record) noexcept;
  static void Idle(HWND window) noexcept;
  static void Detach(SubclassLayer* layer) noexcept {
    layer->lastWindow_ = layer->window_;
    layer->window_ = nullptr;
  }
  static void Attach(SubclassLayer* layer, HWND window) noexcept { layer->window_ = window; }
  static LRESULT Message(SubclassLayer* layer, UINT msg, WPARAM wParam, LPARAM lParam) {
    return layer->WindowMessage(msg, wParam, lParam);
  }
  static void NotifyDestroyed(SubclassLayer* layer) noexcept { layer->WindowDestroyed(); }
};

LRESULT CALLBACK SubclassChain::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = FindRecord(window);
  if (!record) {
    return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wParam, lParam)
                                   : DefWindowProcA(window, msg, wParam, lParam);
  }
  ++record->depth;
  const LRESULT result = CallFrom(*record, window, 0, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) Destroyed(*record);
  --record->depth;
  if (record->depth == 0) Idle(window);
  return result;
}

LRESULT SubclassChain::CallFrom(WindowRecord& record, HWND window, size_t index, UINT msg, WPARAM wParam,
                                LPARAM lParam) noexcept {
  if (index >= record.layers.size()) return CallPrevious(record, window, msg, wParam, lParam);
  SubclassLayer* layer = record.layers[index];
  SubclassLayer* below = index + 1 < record.layers.size() ? record.layers[index + 1] : nullptr;
  const size_t depth = t_frames.size();
  t_frames.push_back(Frame{&record, layer, below, false});
  LRESULT result = 0;
  bool failed = false;
  try {
    result = Message(layer, msg, wParam, lParam);
  } catch (const std::exception& error) {
    failed = true;
    ReportSkinnerError(error.what());
  } catch (...) {
    failed = true;
    ReportSkinnerError("unknown error in a skinner");
  }
  // The window still gets a message that the failed layer had not passed on.
  if (t_frames.size() > depth) {
    const Frame frame = t_frames[depth];
    if (failed && !frame.passedOn) result = PassBelow(record, window, frame, msg, wParam, lParam);
  }
  t_frames.resize(depth);
  return result;
}

LRESULT SubclassChain::PassBelow(WindowRecord& record, HWND window, const Frame& frame, UINT msg, WPARAM wParam,
                                 LPARAM lParam) noexcept {
  auto& layers = record.layers;
  if (auto it = std::find(layers.begin(), layers.end(), frame.layer); it != layers.end())
    return CallFrom(record, window, static_cast<size_t>(it - layers.begin()) + 1, msg, wParam, lParam);
  // The layer has left the chain meanwhile: go on with what was below it.
  if (frame.below) {
    if (auto it = std::find(layers.begin(), layers.end(), frame.below); it != layers.end())
      return CallFrom(record, window, static_cast<size_t>(it - layers.begin()), msg, wParam, lParam);
  }
  return CallPrevious(record, window, msg, wParam, lParam);
}

void SubclassChain::Leave(WindowRecord& record, HWND window) noexcept {
  if (!record.layers.empty() || !record.installed) return;
  if (IsWindow(window) && InstalledProc(window, record.unicode) == &Procedure) {
    ReplaceProc(window, record.previous, record.unicode);
    record.installed = false;
  }
}

void SubclassChain::Destroyed(WindowRecord& record) noexcept {
  record.destroyed = true;
  const std::vector<SubclassLayer*> layers = std::move(record.layers);
  record.layers.clear();
  for (SubclassLayer* layer : layers) Detach(layer);
  for (SubclassLayer* layer : layers) NotifyDestroyed(layer);
}

void SubclassChain::Idle(HWND window) noexcept {
  // Releases may free layers whose destructors touch the table: take the work out first.
  for (;;) {
    WindowRecord* record = FindRecord(window);
    if (!record || record->depth != 0) return;
    if (record->onIdle.empty()) {
      if (record->destroyed || (record->layers.empty() && !record->installed) || !IsWindow(window))
        Records().erase(window);
      return;
    }
    std::vector<std::function<void()>> work = std::move(record->onIdle);
    record->onIdle.clear();
    ++record->depth;  // a release that sends the window a message must not run the rest early
    for (auto& release : work) release();
    record = FindRecord(window);
    if (record) --record->depth;
  }
}

// ---- SubclassLayer --------------------------------------------------------------------------

SubclassLayer::~SubclassLayer() { LeaveChain(); }

bool SubclassLayer::JoinChain(HWND window) noexcept {
  if (window_ || !window || !IsWindow(window)) return false;
  WindowRecord* record = FindRecord(window);
  if (record && record->destroyed) return false;  // its handle is still being taken down
  if (!record) {
    auto fresh = std::make_unique<WindowRecord>();
    fresh->unicode = IsWindowUnicode(window) != FALSE;
    record = fresh.get();
    Records()[window] = std::move(fresh);
  }
  if (!record->installed) {
    const WNDPROC previous = ReplaceProc(window, &SubclassChain::Procedure, record->unicode);
    if (!previous) {
      if (record->depth == 0 && record->layers.empty()) Records().erase(window);
      return false;
    }
    record->previous = previous;
    record->installed = true;
  }
  record->layers.insert(record->layers.begin(), this);
  SubclassChain::Attach(this, window);
  lastWindow_ = window;
  return true;
}

void SubclassLayer::LeaveChain() noexcept {
  if (!window_) return;
  const HWND window = window_;
  SubclassChain::Detach(this);
  WindowRecord* record = FindRecord(window);
  if (!record) return;
  auto& layers = record->layers;
  const auto it = std::find(layers.begin(), layers.end(), this);
  if (it == layers.end()) return;
  SubclassLayer* const below = it + 1 != layers.end() ? *(it + 1) : nullptr;
  layers.erase(it);
  // A message on its way down to this layer goes to the one below it instead.
  for (Frame& frame : t_frames)
    if (frame.below == this) frame.below = below;
  SubclassChain::Leave(*record, window);
  if (record->depth == 0) SubclassChain::Idle(window);
}

LRESULT SubclassLayer::CallNextProc(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  const HWND window = window_ ? window_ : lastWindow_;
  WindowRecord* record = FindRecord(window);
  if (!record) {
    return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wParam, lParam)
                                   : DefWindowProcA(window, msg, wParam, lParam);
  }
  if (!t_frames.empty() && t_frames.back().layer == this) {
    t_frames.back().passedOn = true;
    const Frame frame = t_frames.back();
    return SubclassChain::PassBelow(*record, window, frame, msg, wParam, lParam);
  }
  // Called outside the layer's own message: the layer below it now.
  const Frame outside{record, this, nullptr, true};
  return SubclassChain::PassBelow(*record, window, outside, msg, wParam, lParam);
}

// ---- Deferred release and busy scopes -------------------------------------------------------

void ReleaseWhenIdle(HWND window, std::function<void()> free) {
  WindowRecord* record = window ? FindRecord(window) : nullptr;
  if (record && record->depth > 0) {
    record->onIdle.push_back(std::move(free));
    return;
  }
  free();
}

void ReleaseWhenIdle(SubclassLayer* layer, std::function<void()> free) {
  if (!layer) return;
  const HWND window = layer->IsSubclassed() ? layer->SubclassedWindow() : layer->lastWindow_;
  layer->LeaveChain();
  ReleaseWhenIdle(window, std::move(free));
}

WindowBusyScope::WindowBusyScope(HWND window) noexcept : window_(nullptr) {
  if (!window) return;
  try {
    auto& slot = Records()[window];
    if (!slot) {
      slot = std::make_unique<WindowRecord>();
      slot->unicode = IsWindowUnicode(window) != FALSE;
    }
    ++slot->depth;
    window_ = window;
  } catch (...) {
    // Without memory for a record the scope defers nothing.
  }
}

WindowBusyScope::~WindowBusyScope() {
  if (!window_) return;
  if (WindowRecord* record = FindRecord(window_); record && --record->depth == 0) SubclassChain::Idle(window_);
}

// ---- Errors ---------------------------------------------------------------------------------

void SetSkinnerErrorReporter(SkinnerErrorReporter reporter) { Reporter() = std::move(reporter); }

void ReportSkinnerError(std::string text) noexcept {
  fw::CallFromMessageLoop([text = std::move(text)] {
    if (Reporter()) {
      Reporter()(text);
    } else {
      OutputDebugStringA(("Skinner error: " + text + "\n").c_str());
    }
  });
}

size_t SubclassedWindowCount() noexcept { return Records().size(); }

size_t LayerCount(HWND window) noexcept {
  const WindowRecord* record = FindRecord(window);
  return record ? record->layers.size() : 0;
}

}  // namespace skin
