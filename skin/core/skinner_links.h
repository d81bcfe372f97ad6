// What the skin manager asks of the skinners it creates. The form-skinning code implements these
// interfaces and registers a factory for them at start-up (skin::InstallSkinning), so the engine
// core never depends on it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/core/window_kinds.h"

namespace fw {
class TBitmap;
class TForm;
}  // namespace fw

namespace skin {

class TSkinData;

// Where a form skinner is in its life.
enum TFormLifeState : int32_t {
  lsWaiting = 0,     // created, SKM_ACTIVATE not received yet
  lsActive = 1,      // the skin is applied
  lsReskinning = 3,  // re-applying a changed skin
  lsDestroying = 4,  // WM_NCDESTROY is being handled
  lsAdjusting = 5,   // the window size is being adjusted to the skinned frame
  lsDestroyed = 6,   // the window is gone; the manager frees the object at its next purge
};

class IFormSkinner {
 public:
  virtual ~IFormSkinner() = default;

  [[nodiscard]] virtual HWND Window() const = 0;
  [[nodiscard]] virtual TSkinData* SkinData() const = 0;
  [[nodiscard]] virtual TFormLifeState LifeState() const = 0;
  [[nodiscard]] virtual TMdiKind MdiKind() const = 0;
  // The class name handed to the component's form events.
  [[nodiscard]] virtual const std::string& EventName() const = 0;

  // Skin switched off for this window: everything the skinner changed goes back.
  virtual void Detach() = 0;
  // After a skin change: recompute the frame metrics, then re-apply colours and skinners.
  virtual void UpdateMetrics() = 0;
  virtual void Recolor() = 0;
  // Paints the non-client area into the DC, or into the window DC when dc is nullptr.
  virtual void PaintFrame(HDC dc) = 0;
  // Rebuild or drop the window region (MDI children switch between maximized and normal).
  virtual void UpdateRegion() = 0;
  virtual void RemoveRegion() = 0;
  // A size grip ("ScrollBar" with SBS_SIZEGRIP) created inside this window.
  virtual void AddSizeGrip(HWND grip) = 0;
};

class IPopupMenuSkinner {
 public:
  virtual ~IPopupMenuSkinner() = default;

  [[nodiscard]] virtual HWND Window() const = 0;
  [[nodiscard]] virtual TSkinData* SkinData() const = 0;
  [[nodiscard]] virtual HMENU MenuHandle() const = 0;
  virtual void SetMenuHandle(HMENU menu) = 0;
  [[nodiscard]] virtual bool Marked() const = 0;
  virtual void SetMarked(bool marked) = 0;
  // The window's skinned background as last painted.
  [[nodiscard]] virtual fw::TBitmap& Background() = 0;
  // Puts the window's own procedure back (only while the skinner's is installed).
  virtual void Detach() = 0;
};

struct SkinnerFactory {
  // Creates a form skinner for the window (of `form`, or of no framework form) and attaches it;
  // nullptr when the window could not be subclassed.
  IFormSkinner* (*createForm)(HWND window, fw::TForm* form, TSkinData* data, void* managerTag,
                              const std::string& eventName) = nullptr;
  // Frees a form skinner once no message of its window is being handled.
  void (*freeForm)(IFormSkinner* skinner) = nullptr;
  // Creates a popup menu skinner attached to the window; nullptr when it could not be.
  IPopupMenuSkinner* (*createPopup)(HWND window, TSkinData* data) = nullptr;
  // Frees a popup menu skinner once no message of its window is being handled.
  void (*freePopup)(IPopupMenuSkinner* skinner) = nullptr;
};

// Installed once at start-up by the form-skinning code; the manager skins nothing without it.
void SetSkinnerFactory(const SkinnerFactory& factory);
[[nodiscard]] const SkinnerFactory& CurrentSkinnerFactory();

}  // namespace skin
