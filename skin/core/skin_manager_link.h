// What the skin component asks of the process-wide skin manager. The manager implements this
// interface and installs a factory for itself; the component creates the manager through that
// factory when it first needs one. Without a factory (a program or test that links no manager)
// there is no manager and the component's requests are simply not made.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

namespace skin {

class TSkinData;

// Commands that a component posts to the manager; the manager carries them out on its timer.
inline constexpr int32_t kSkinCommandActivate = 1;
inline constexpr int32_t kSkinCommandDeactivate = 2;
inline constexpr int32_t kSkinCommandRefresh = 3;
// How long after posting a component's command runs.
inline constexpr uint32_t kSkinCommandDelayMs = 250;

// The manager's run state: no window activated yet, running, being destroyed.
inline constexpr int32_t kRunStateIdle = 0;
inline constexpr int32_t kRunStateRunning = 1;
inline constexpr int32_t kRunStateDestroying = 4;

class ISkinManagerLink {
 public:
  virtual ~ISkinManagerLink() = default;

  // Adds the component to the manager's list (the first sfMainform one supplies the options of
  // the window tests); removes it again when the component is destroyed.
  virtual void RegisterSkinData(TSkinData* data) = 0;
  virtual void UnregisterSkinData(TSkinData* data) = 0;
  // Installs the GUI thread's WH_CBT hook (once).
  virtual void InstallHook() = 0;
  // The component whose command is pending.
  virtual void SetPendingSkinData(TSkinData* data) = 0;
  virtual void PostCommand(int32_t command, uint32_t delayMs) = 0;
  [[nodiscard]] virtual int32_t RunState() const = 0;
  virtual void SetRunState(int32_t state) = 0;
  // Allows skinning of newly seen windows.
  virtual void SetEnabled(bool enabled) = 0;
  // Gives the window a form skinner now, when it qualifies; true when one was created.
  virtual bool SkinWindow(HWND window) = 0;
  // Makes every form skinner that uses the component re-read its skin data.
  virtual void ReloadSkinData(TSkinData* data) = 0;
};

using SkinManagerFactory = std::unique_ptr<ISkinManagerLink> (*)();

// Installed by the skin manager's module; nullptr removes it.
void SetSkinManagerFactory(SkinManagerFactory factory);
// The process's manager, or nullptr while none exists.
[[nodiscard]] ISkinManagerLink* SkinManagerLink();
// The process's manager, created through the factory when none exists yet; nullptr when no
// factory is installed.
ISkinManagerLink* CreateSkinManagerIfMissing();
// Frees the manager (at the end of the program, or between tests).
void DestroySkinManager();
// Counts the managers created so far: a component registers once with each.
[[nodiscard]] uint32_t SkinManagerGeneration();

}  // namespace skin
