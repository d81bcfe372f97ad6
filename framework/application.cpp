#include "framework/application.h"

#include <commctrl.h>

#include <utility>

#include "framework/form.h"
#include "framework/registry.h"

namespace fw {

TApplication* Application = nullptr;

const ClassInfo& TApplication::StaticClass() {
  static const ClassInfo info = ClassBuilder<TApplication>("TApplication", &TComponent::StaticClass()).Build();
  return info;
}

TApplication::TApplication() : TComponent(nullptr) {
  Application = this;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of("\\/") + 1);
  title_ = name.substr(0, name.find_last_of('.'));
}

TApplication::~TApplication() {
  // Forms and other owned components go first (by the base destructor); the window stays until
  // then, so that they can still own message boxes.
  while (ComponentCount() > 0) Free(Component(ComponentCount() - 1));
  if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterFrameworkClasses();
  if (!window_) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, "TApplication", &wc)) {
      wc.lpfnWndProc = DefWindowProcA;
      wc.hInstance = instance;
      wc.lpszClassName = "TApplication";
      RegisterClassA(&wc);
    }
    window_.reset(CreateWindowExA(0, "TApplication", title_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0,
                                  nullptr, nullptr, instance, nullptr));
    // The program's icon, when it has one, is the application's (the skin engine asks for it).
    for (auto [which, size] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
      auto icon = static_cast<HICON>(
          LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(size), GetSystemMetrics(size), LR_SHARED));
      if (icon) SendMessageA(window_.get(), WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
  }
}

void TApplication::Run() {
  if (mainForm_ && !terminated_) mainForm_->Show();
  MSG msg;
  while (!terminated_) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (OnMessage && OnMessage(msg)) continue;
    if (IsKeyMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    if (OnMessage && OnMessage(msg)) continue;
    if (IsKeyMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool TApplication::IsKeyMessage(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
  TForm* form = dynamic_cast<TForm*>(FindControl(GetAncestor(msg.hwnd, GA_ROOT)));
  if (!form) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
    form->SelectNext(GetKeyState(VK_SHIFT) >= 0);
    return true;
  }
  if (msg.message == WM_SYSCHAR) return form->DialogChar(static_cast<char>(msg.wParam));
  if (msg.message == WM_KEYDOWN) return form->DialogKey(msg.wParam, msg.hwnd);
  return false;
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && mainForm_ && mainForm_->HandleAllocated()) owner = mainForm_->Handle();
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowException(const std::string& text) {
  if (OnException) {
    OnException(text);
    return;
  }
  MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

void HandleException(const std::string& text) {
  if (Application) {
    Application->ShowException(text);
  } else {
    ::MessageBoxA(nullptr, text.c_str(), "Error", MB_OK | MB_ICONSTOP);
  }
}

}  // namespace fw
