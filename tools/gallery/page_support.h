// What the pages share: owning framework forms, placing and showing windows, and a plain native
// window class that paints its caption text in its client area.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/component.h"
#include "framework/form.h"
#include "tools/gallery/page.h"

namespace gallery {

// Frees a component the way its owner would.
struct FreeComponent {
  void operator()(fw::TComponent* component) const noexcept { fw::Free(component); }
};
template <typename Component>
using ComponentPtr = std::unique_ptr<Component, FreeComponent>;

// Moves a top-level window to where the gallery puts the next one, keeping its size, and shows
// (activates) it; the skin manager skins it as it is activated.
void ShowFormAt(fw::TForm& form, PageHost& host);
void ShowWindowAt(HWND window, PageHost& host);

// A page's window that still exists and is shown.
[[nodiscard]] bool IsShown(HWND window);

// Native window classes: a top-level window whose close box hides it, and an MDI child. Both paint
// their window text centred on the button face, for WM_PAINT and WM_PRINTCLIENT alike.
inline constexpr const char* kPlainWindowClass = "GalleryPlainWindow";
inline constexpr const char* kMdiChildClass = "GalleryMdiChild";
void RegisterPlainWindowClasses();

}  // namespace gallery
