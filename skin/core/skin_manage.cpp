#include "skin/core/skin_manage.h"

#include <algorithm>
#include <memory>

#include "framework/screen.h"
#include "skin/core/control_atom.h"
#include "skin/core/skin_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinner_links.h"
#include "skin/core/window_names.h"

namespace skin {
namespace {

TSkinManage* g_manager = nullptr;
// Set when a manager has been destroyed: from then on the hook procedure only passes
// notifications on, even one already under way.
bool g_managerDestroyed = false;

constexpr uint32_t kInitialCommandInterval = 100;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// Sets a flag for the life of a scope.
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;
  ~ScopedFlag() { flag_ = false; }

 private:
  bool& flag_;
};

void FreeFormSkinner(IFormSkinner* skinner) {
  if (const SkinnerFactory& factory = CurrentSkinnerFactory(); factory.freeForm) factory.freeForm(skinner);
}

void FreePopupSkinner(IPopupMenuSkinner* skinner) {
  if (const SkinnerFactory& factory = CurrentSkinnerFactory(); factory.freePopup) factory.freePopup(skinner);
}

template <typename T>
void Erase(std::vector<T*>& list, T* item) {
  if (auto it = std::find(list.begin(), list.end(), item); it != list.end()) list.erase(it);
}

}  // namespace

TSkinManage* SkinManager() { return g_manager; }

void InstallSkinManager() {
  (void)ControlAtom();
  SetSkinManagerFactory([]() -> std::unique_ptr<ISkinManagerLink> { return std::make_unique<TSkinManage>(); });
}

// ---- Life cycle -----------------------------------------------------------------------------

TSkinManage::TSkinManage() : FCommandTimer(kInitialCommandInterval, [this] { ProcessCommand(); }) {
  g_manager = this;
  g_managerDestroyed = false;
}

TSkinManage::~TSkinManage() {
  FRunState = kRunStateDestroying;
  FEnabled = false;
  FCommandTimer.SetEnabled(false);
  while (!FFormSkinners.empty()) {
    IFormSkinner* skinner = FFormSkinners.back();
    FFormSkinners.pop_back();
    skinner->Detach();
    FreeFormSkinner(skinner);
  }
  while (!FMenuSkinners.empty()) {
    IPopupMenuSkinner* popup = FMenuSkinners.back();
    FMenuSkinners.pop_back();
    popup->Detach();
    FreePopupSkinner(popup);
  }
  FSkinDatas.clear();
  FHook.reset();
  g_managerDestroyed = true;
  if (g_manager == this) g_manager = nullptr;
}

// ---- Skin components ------------------------------------------------------------------------

void TSkinManage::RegisterSkinData(TSkinData* data) {
  if (!data || std::find(FSkinDatas.begin(), FSkinDatas.end(), data) != FSkinDatas.end()) return;
  FSkinDatas.push_back(data);
  if (!FMainSkinData && data->SkinFormtype() == sfMainform) FMainSkinData = data;
}

void TSkinManage::UnregisterSkinData(TSkinData* data) {
  if (!data) return;
  Erase(FSkinDatas, data);
  if (FPendingSkinData == data) FPendingSkinData = nullptr;
  if (FMainSkinData == data) {
    FMainSkinData = nullptr;
    for (TSkinData* other : FSkinDatas) {
      if (other->SkinFormtype() == sfMainform) {
        FMainSkinData = other;
        break;
      }
    }
  }
  // Skinners keep a plain pointer to their component: none may outlive it.
  const std::vector<IFormSkinner*> forms = FFormSkinners;
  for (IFormSkinner* skinner : forms) {
    if (std::find(FFormSkinners.begin(), FFormSkinners.end(), skinner) != FFormSkinners.end() &&
        skinner->SkinData() == data)
      RestoreAndFree(skinner);
  }
  for (size_t i = FMenuSkinners.size(); i-- > 0;) {
    if (i >= FMenuSkinners.size() || FMenuSkinners[i]->SkinData() != data) continue;
    IPopupMenuSkinner* popup = FMenuSkinners[i];
    FMenuSkinners.erase(FMenuSkinners.begin() + static_cast<std::ptrdiff_t>(i));
    popup->Detach();
    FreePopupSkinner(popup);
  }
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  auto lastOfType = [this](TSkinFormType type, HWND owner) -> TSkinData* {
    TSkinData* found = nullptr;
    for (TSkinData* data : FSkinDatas)
      if (data->SkinFormtype() == type && (!owner || data->OwnerWindow() == owner)) found = data;
    return found;
  };
  if (window) {
    if (TSkinData* own = lastOfType(sfOnlyThisForm, window)) return own;
    const std::string className = LowerCaseAscii(WindowClassName(window));
    if (className == "tmessageform" || className == "#32770") {
      if (TSkinData* dialog = lastOfType(sfDialog, nullptr)) return dialog;
    }
  }
  if (TSkinData* main = lastOfType(sfMainform, nullptr)) return main;
  return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

// ---- The hook -------------------------------------------------------------------------------

void TSkinManage::InstallHook() {
  if (FHook) return;
  FHook.reset(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId()));
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && !g_managerDestroyed && g_manager) {
    try {
      g_manager->HookNotification(code, wParam, lParam);
    } catch (...) {
      // Nothing may unwind into the system's hook code; the window simply stays unskinned.
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::HookNotification(int code, WPARAM wParam, LPARAM lParam) {
  auto window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND:
      if (const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam); create && create->lpcs)
        WindowCreated(window, *create->lpcs);
      break;
    case HCBT_DESTROYWND:
      ReleasePopupMenu(window);
      break;
    case HCBT_ACTIVATE:
      if (FRunState == kRunStateIdle) FRunState = kRunStateRunning;
      SkinWindow(window);
      break;
    default:
      break;
  }
}

void TSkinManage::WindowCreated(HWND window, const CREATESTRUCTA& create) {
  const std::string className = WindowClassName(window);
  const auto style = static_cast<DWORD>(create.style);
  if (LowerCaseAscii(className) == "scrollbar" && (style & SBS_SIZEGRIP)) {
    if (IFormSkinner* skinner = FindFormSkinner(create.hwndParent)) skinner->AddSizeGrip(window);
  }
  if (!(style & WS_CHILD) && className == "#32768") SkinPopupMenu(window);
  if (create.dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
}

// ---- Form skinners --------------------------------------------------------------------------

bool TSkinManage::SkinWindow(HWND window) {
  if (!FEnabled || !window || !IsWindow(window)) return false;
  PurgeFormSkinners();
  if (SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1 || FindFormSkinner(window)) return false;

  fw::TForm* form = FindForm(window);
  const std::string className = WindowClassName(window);
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  const bool mdiChild = (exStyle & WS_EX_MDICHILD) != 0;

  // Child windows are skinned as forms only as MDI children.
  if (!FRefreshing && (style & WS_CHILD) && !mdiChild &&
      LowerCaseAscii(WindowClassName(GetParent(window))) != "mdiclient")
    return false;
  // Windows of other modules only when they are standard dialogs.
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  if (!form && instance != GetModuleHandleA(nullptr) && className != "#32770") return false;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  if ((bounds.right <= bounds.left || bounds.bottom <= bounds.top) && !mdiChild) return false;
  if (form && form->Tag() == kNeverSkinTag) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication")
    return false;
  if (!CanSkinWindow(window, className)) return false;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinEmpty()) return false;

  const SkinnerFactory& factory = CurrentSkinnerFactory();
  if (!factory.createForm) return false;
  IFormSkinner* skinner = factory.createForm(window, form, data, FTag, className);
  if (!skinner) return false;
  FFormSkinners.push_back(skinner);
  PostMessageA(window, SKM_ACTIVATE, 0, kActivateLParam);
  return true;
}

bool TSkinManage::CanSkinWindow(HWND window, const std::string& className) const {
  if (!FMainSkinData) return true;
  bool doSkin = true;
  const std::string lower = LowerCaseAscii(className);
  if (!FMainSkinData->HasOption(xoPreview) && Contains(lower, "preview")) doSkin = false;
  if (className == "#32770" && (GetWindowLongA(window, GWL_STYLE) & 0x200)) doSkin = false;
  if (lower == "tpopupdbtreeview") doSkin = false;
  FMainSkinData->QueryFormSkin(window, className, doSkin);
  return doSkin;
}

void TSkinManage::SkinFormIfVisible(fw::TForm* form) {
  if (!form || !form->HandleAllocated()) return;
  HWND window = form->Handle();
  if (IsWindowVisible(window) && !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) SkinWindow(window);
}

IFormSkinner* TSkinManage::FindFormSkinner(HWND window) const {
  if (!window) return nullptr;
  for (IFormSkinner* skinner : FFormSkinners)
    if (skinner->Window() == window) return skinner;
  return nullptr;
}

void TSkinManage::RemoveFormSkinner(HWND window) {
  if (FRunState == kRunStateDestroying) return;
  if (IFormSkinner* skinner = FindFormSkinner(window)) Erase(FFormSkinners, skinner);
}

void TSkinManage::RemoveFormSkinner(IFormSkinner* skinner) {
  if (FRunState == kRunStateDestroying) return;
  Erase(FFormSkinners, skinner);
}

void TSkinManage::PurgeFormSkinners() {
  if (FRunState == kRunStateDestroying) return;
  // A skinner leaves the list when it is freed, so every entry is a live object; the ones
  // whose window is gone are freed here.
  for (size_t i = FFormSkinners.size(); i-- > 0;) {
    if (i >= FFormSkinners.size()) continue;
    IFormSkinner* skinner = FFormSkinners[i];
    if (skinner->LifeState() != lsDestroyed) continue;
    FFormSkinners.erase(FFormSkinners.begin() + static_cast<std::ptrdiff_t>(i));
    FreeFormSkinner(skinner);
  }
}

void TSkinManage::RestoreAndFree(IFormSkinner* skinner) {
  Erase(FFormSkinners, skinner);
  HWND window = skinner->Window();
  skinner->Detach();
  FreeFormSkinner(skinner);
  if (IsWindow(window))
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

fw::TForm* TSkinManage::FindForm(HWND window) const {
  if (!window) return nullptr;
  fw::TScreen& screen = fw::Screen();
  for (int i = 0; i < screen.FormCount(); ++i) {
    fw::TForm* form = screen.Forms(i);
    if (form->HandleAllocated() && form->Handle() == window) return form;
  }
  return dynamic_cast<fw::TForm*>(FindControlOfWindow(window));
}

void TSkinManage::SetMdiMaximized(bool on) {
  if (on == FMdiMaximized) return;
  FMdiMaximized = on;
  if (FMainSkinData && FMainSkinData->HasOption(xoMDIChildBorder)) return;
  const std::vector<IFormSkinner*> skinners = FFormSkinners;
  for (IFormSkinner* skinner : skinners) {
    if (std::find(FFormSkinners.begin(), FFormSkinners.end(), skinner) == FFormSkinners.end()) continue;
    if (skinner->MdiKind() != TMdiKind::mkChild) continue;
    if (on) {
      skinner->RemoveRegion();
    } else {
      skinner->UpdateRegion();
    }
  }
}

void TSkinManage::ReloadSkinData(TSkinData* data) {
  // Only the skin data is re-read here: the refresh command that follows re-colours and repaints.
  const std::vector<IFormSkinner*> skinners = FFormSkinners;
  for (IFormSkinner* skinner : skinners) {
    if (std::find(FFormSkinners.begin(), FFormSkinners.end(), skinner) == FFormSkinners.end()) continue;
    if (skinner->SkinData() == data) skinner->UpdateMetrics();
  }
}

// ---- Popup menus ----------------------------------------------------------------------------

void TSkinManage::SkinPopupMenu(HWND window) {
  if (!FEnabled || !window) return;
  if (SendMessageA(window, SKM_ISSKINNED, 0, 0) == 1 || IsPopupMenuSkinned(window)) return;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinEmpty()) return;
  bool wanted = false;
  switch (FMenuMode) {
    case kMenuModePopup:
      wanted = data->HasControl(xcPopupMenu);
      break;
    case kMenuModeMenuBar:
      wanted = data->HasControl(xcMainMenu) || data->HasControl(xcMenuItem);
      break;
    case kMenuModeSystem:
      wanted = data->HasControl(xcSystemMenu);
      break;
    default:
      break;
  }
  if (!wanted) return;
  const SkinnerFactory& factory = CurrentSkinnerFactory();
  if (!factory.createPopup) return;
  IPopupMenuSkinner* popup = factory.createPopup(window, data);
  if (!popup) return;
  if (FMenuFlag) popup->SetMarked(true);
  FMenuSkinners.push_back(popup);
}

void TSkinManage::ReleasePopupMenu(HWND window) {
  auto it = std::find_if(FMenuSkinners.begin(), FMenuSkinners.end(),
                         [window](const IPopupMenuSkinner* popup) { return popup->Window() == window; });
  if (it != FMenuSkinners.end()) {
    IPopupMenuSkinner* popup = *it;
    FMenuSkinners.erase(it);
    popup->Detach();
    FreePopupSkinner(popup);
  }
  if (FMenuSkinners.empty()) {
    FMenuFlag = false;
    FMenuMode = kMenuModePopup;
  }
}

bool TSkinManage::IsPopupMenuSkinned(HWND window) const {
  return std::any_of(FMenuSkinners.begin(), FMenuSkinners.end(),
                     [window](const IPopupMenuSkinner* popup) { return popup->Window() == window; });
}

void TSkinManage::MarkAllPopupMenus() {
  for (IPopupMenuSkinner* popup : FMenuSkinners) popup->SetMarked(true);
}

void TSkinManage::AssignMenuToPopup(HMENU menu) {
  for (auto it = FMenuSkinners.rbegin(); it != FMenuSkinners.rend(); ++it) {
    if (!(*it)->MenuHandle()) {
      (*it)->SetMenuHandle(menu);
      return;
    }
  }
}

fw::TBitmap* TSkinManage::FindPopupMenuBitmap(HMENU menu) const {
  if (!menu) return nullptr;
  for (IPopupMenuSkinner* popup : FMenuSkinners)
    if (popup->MenuHandle() == menu) return &popup->Background();
  return nullptr;
}

// ---- Commands -------------------------------------------------------------------------------

void TSkinManage::PostCommand(int32_t command, uint32_t delayMs) {
  FPendingCommand = command;
  FCommandTimer.SetInterval(delayMs);
  if (FRunState != kRunStateIdle) {
    FCommandTimer.SetEnabled(true);
    return;
  }
  // No window has been activated yet: switching on or off takes effect at once.
  if (command == kSkinCommandActivate) FEnabled = true;
  if (command == kSkinCommandDeactivate) FEnabled = false;
}

void TSkinManage::ProcessCommand() {
  FCommandTimer.SetEnabled(false);
  TSkinData* data = FPendingSkinData;
  if (!data) return;
  const int32_t command = FPendingCommand;
  if (data->SkinFormtype() == sfOnlyThisForm) {
    RunCommandForForm(command, data);
  } else {
    RunCommandForAll(command, data);
  }
  // Cleared before the event, so that a handler may post the next command.
  if (FPendingSkinData == data) FPendingSkinData = nullptr;
  if (std::find(FSkinDatas.begin(), FSkinDatas.end(), data) != FSkinDatas.end()) data->DoSkinChanged();
}

void TSkinManage::RunCommandForForm(int32_t command, TSkinData* data) {
  switch (command) {
    case kSkinCommandActivate: {
      FEnabled = true;
      ScopedFlag refreshing(FRefreshing);
      fw::TScreen& screen = fw::Screen();
      for (int i = screen.FormCount() - 1; i >= 0; --i) {
        if (i >= screen.FormCount()) continue;
        fw::TForm* form = screen.Forms(i);
        if (form == data->Owner()) {
          SkinFormIfVisible(form);
          break;
        }
      }
      break;
    }
    case kSkinCommandDeactivate: {
      FEnabled = false;
      PurgeFormSkinners();
      for (auto it = FFormSkinners.rbegin(); it != FFormSkinners.rend(); ++it) {
        if ((*it)->SkinData() == data) {
          RestoreAndFree(*it);
          break;
        }
      }
      break;
    }
    case kSkinCommandRefresh: {
      PurgeFormSkinners();
      for (IFormSkinner* skinner : FFormSkinners) {
        if (skinner->SkinData() != data) continue;
        skinner->UpdateMetrics();
        skinner->Recolor();
        if (std::find(FFormSkinners.begin(), FFormSkinners.end(), skinner) != FFormSkinners.end())
          skinner->PaintFrame(nullptr);
        break;
      }
      break;
    }
    default:
      break;
  }
}

void TSkinManage::RunCommandForAll(int32_t command, TSkinData* data) {
  switch (command) {
    case kSkinCommandActivate: {
      FEnabled = true;
      ScopedFlag refreshing(FRefreshing);
      PurgeFormSkinners();
      fw::TScreen& screen = fw::Screen();
      for (int i = screen.FormCount() - 1; i >= 0; --i)
        if (i < screen.FormCount()) SkinFormIfVisible(screen.Forms(i));
      break;
    }
    case kSkinCommandDeactivate:
      FEnabled = false;
      PurgeFormSkinners();
      while (!FFormSkinners.empty()) RestoreAndFree(FFormSkinners.front());
      break;
    case kSkinCommandRefresh: {
      PurgeFormSkinners();
      const std::vector<IFormSkinner*> skinners = FFormSkinners;
      auto listed = [this](IFormSkinner* skinner) {
        return std::find(FFormSkinners.begin(), FFormSkinners.end(), skinner) != FFormSkinners.end();
      };
      for (IFormSkinner* skinner : skinners) {
        if (!listed(skinner) || skinner->SkinData() != data) continue;
        skinner->UpdateMetrics();
        if (listed(skinner)) skinner->Recolor();
      }
      for (IFormSkinner* skinner : skinners)
        if (listed(skinner) && skinner->SkinData() == data) skinner->PaintFrame(nullptr);
      break;
    }
    default:
      break;
  }
}

}  // namespace skin
