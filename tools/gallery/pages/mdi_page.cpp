// MDI frames (native windows of the program) with children in every window state: one frame with a
// normal and a minimized child, one whose child is maximized (its buttons join the frame's menu bar).
#include <array>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "tools/gallery/page_registry.h"
#include "tools/gallery/page_support.h"

namespace gallery {
namespace {

constexpr const char* kMdiFrameClass = "GalleryMdiFrame";
constexpr UINT kFirstChildId = 50000;
constexpr UINT kCascadeCommand = 100;
constexpr UINT kTileCommand = 101;
constexpr UINT kArrangeCommand = 102;

HWND MdiClientOf(HWND frame) { return reinterpret_cast<HWND>(GetWindowLongPtrA(frame, GWLP_USERDATA)); }

LRESULT CALLBACK MdiFrameProc(HWND frame, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT client{GetSubMenu(GetMenu(frame), 0), kFirstChildId};
      HWND mdiClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                       WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0,
                                       0, frame, nullptr, GetModuleHandleA(nullptr), &client);
      SetWindowLongPtrA(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(mdiClient));
      return mdiClient ? 0 : -1;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kCascadeCommand:
          SendMessageA(MdiClientOf(frame), WM_MDICASCADE, 0, 0);
          return 0;
        case kTileCommand:
          SendMessageA(MdiClientOf(frame), WM_MDITILE, MDITILE_VERTICAL, 0);
          return 0;
        case kArrangeCommand:
          SendMessageA(MdiClientOf(frame), WM_MDIICONARRANGE, 0, 0);
          return 0;
        default:
          break;
      }
      break;
    case WM_CLOSE:
      ShowWindow(frame, SW_HIDE);
      return 0;
    default:
      break;
  }
  return DefFrameProcA(frame, MdiClientOf(frame), msg, wParam, lParam);
}

void RegisterFrameClass() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (GetClassInfoA(instance, kMdiFrameClass, &existing)) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = MdiFrameProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, "MAINICON");
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
  wc.lpszClassName = kMdiFrameClass;
  RegisterClassA(&wc);
}

// The frame's menu bar: a Window menu, where the MDI client lists the children.
HMENU CreateFrameMenu() {
  HMENU bar = CreateMenu();
  HMENU window = CreatePopupMenu();
  AppendMenuA(window, MF_STRING, kCascadeCommand, "&Cascade");
  AppendMenuA(window, MF_STRING, kTileCommand, "&Tile");
  AppendMenuA(window, MF_STRING, kArrangeCommand, "&Arrange icons");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(window), "&Window");
  return bar;
}

struct ChildKind {
  const char* name;
  const char* caption;
  DWORD style;
  RECT bounds;  // in the MDI client
};

struct FrameKind {
  const char* name;
  const char* caption;
  std::vector<ChildKind> children;  // created in this order; the last one is active
};

const std::array<FrameKind, 2>& FrameKinds() {
  static const std::array<FrameKind, 2> kinds{{
      {"frame-a",
       "MDI frame",
       {{"normal-child", "Normal child", 0, {8, 8, 228, 128}},
        {"minimized-child", "Minimized child", WS_MINIMIZE, {0, 0, 200, 120}}}},
      {"frame-b", "MDI frame, maximized child", {{"maximized-child", "Maximized child", WS_MAXIMIZE, {0, 0, 200, 120}}}},
  }};
  return kinds;
}

class MdiPage final : public GalleryPage {
 public:
  [[nodiscard]] std::string Name() const override { return "mdi"; }
  [[nodiscard]] std::string Title() const override { return "MDI frames and children"; }

  void Open(PageHost& host) override {
    Close();
    RegisterPlainWindowClasses();
    RegisterFrameClass();
    for (size_t i = 0; i < FrameKinds().size(); ++i) {
      const FrameKind& kind = FrameKinds()[i];
      Frame& frame = frames_[i];
      frame.window.reset(CreateWindowExA(0, kMdiFrameClass, kind.caption,
                                         WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 320, 240, nullptr,
                                         CreateFrameMenu(), GetModuleHandleA(nullptr), nullptr));
      if (!frame.window) continue;
      ShowWindowAt(frame.window.get(), host);
      for (const ChildKind& child : kind.children) {
        MDICREATESTRUCTA create{};
        create.szClass = kMdiChildClass;
        create.szTitle = child.caption;
        create.hOwner = GetModuleHandleA(nullptr);
        create.x = child.bounds.left;
        create.y = child.bounds.top;
        create.cx = child.bounds.right - child.bounds.left;
        create.cy = child.bounds.bottom - child.bounds.top;
        create.style = child.style;
        auto window = reinterpret_cast<HWND>(
            SendMessageA(MdiClientOf(frame.window.get()), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
        frame.children.push_back(window);
      }
      // Minimized children line up along the bottom of the client.
      SendMessageA(MdiClientOf(frame.window.get()), WM_MDIICONARRANGE, 0, 0);
    }
  }

  // The children go with their frame.
  void Close() override {
    for (Frame& frame : frames_) {
      frame.window.reset();
      frame.children.clear();
    }
  }

  [[nodiscard]] std::vector<GalleryWindow> Windows() const override {
    std::vector<GalleryWindow> windows;
    for (size_t i = 0; i < FrameKinds().size(); ++i) {
      const FrameKind& kind = FrameKinds()[i];
      const Frame& frame = frames_[i];
      if (!IsShown(frame.window.get())) continue;
      const std::string prefix = Name() + "-" + kind.name;
      windows.push_back({prefix, frame.window.get()});
      for (size_t c = 0; c < frame.children.size() && c < kind.children.size(); ++c) {
        HWND child = frame.children[c];
        if (child && IsWindow(child) && GetParent(child) == MdiClientOf(frame.window.get()))
          windows.push_back({prefix + "-" + kind.children[c].name, child});
      }
    }
    return windows;
  }

  bool PreTranslateMessage(MSG& msg) override {
    for (const Frame& frame : frames_) {
      if (frame.window && TranslateMDISysAccel(MdiClientOf(frame.window.get()), &msg)) return true;
    }
    return false;
  }

 private:
  struct Frame {
    fw::UniqueWindow window;
    std::vector<HWND> children;  // destroyed with the frame
  };
  std::array<Frame, 2> frames_;
};

}  // namespace

std::unique_ptr<GalleryPage> MakeMdiPage() { return std::make_unique<MdiPage>(); }

}  // namespace gallery
