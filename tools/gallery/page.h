// A page of the gallery: one kind of window (forms of every border style, an MDI frame, a native
// dialog, a message box, ...) that the gallery opens, lists, renders and re-skins. Pages are listed
// in page_registry.cpp; a new kind of window is a new page file and one line there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace skin {
class TSkinData;
}

namespace gallery {

// A window of a page, under the name its rendered image takes ("mdi-child-normal").
struct GalleryWindow {
  std::string name;
  HWND window = nullptr;
};

class GalleryPage;

// What the gallery offers its pages.
class PageHost {
 public:
  virtual ~PageHost() = default;
  // The owner of new windows and dialogs: the innermost modal dialog open, else the main window.
  [[nodiscard]] virtual HWND OwnerWindow() const = 0;
  // Where a new top-level window of this outer size goes: the gallery spreads them over the screen.
  [[nodiscard]] virtual POINT NextPosition(SIZE size) = 0;
  // The skin that the gallery's own skin component holds, as stored-skin property data, for pages
  // that carry a skin component of their own.
  [[nodiscard]] virtual std::vector<uint8_t> CurrentSkinStream() const = 0;
  // A modal page's dialog is on the screen, inside its modal loop. True when the gallery wants it
  // cancelled as soon as this returns (the automatic runs); false leaves it to the user.
  virtual bool ModalDialogShown(GalleryPage& page) = 0;
  // A line for the status bar and the standard error stream.
  virtual void Report(const std::string& text) = 0;
};

class GalleryPage {
 public:
  virtual ~GalleryPage() = default;

  // Short name, the prefix of its windows' names: "forms", "mdi".
  [[nodiscard]] virtual std::string Name() const = 0;
  // Menu text.
  [[nodiscard]] virtual std::string Title() const = 0;
  // A modal page shows a dialog that runs its own message loop: Open returns once it is closed.
  [[nodiscard]] virtual bool Modal() const { return false; }

  // Opens the page's windows (again, after Close). A modal page calls host.ModalDialogShown from
  // inside its dialog's loop once the dialog is visible.
  virtual void Open(PageHost& host) = 0;
  // Closes what Open opened; a modal page cancels its dialog, which then ends its loop.
  virtual void Close() = 0;
  // The page's windows that exist now.
  [[nodiscard]] virtual std::vector<GalleryWindow> Windows() const = 0;

  // Skin components of the page's own (their SkinFormtype is sfOnlyThisForm): the gallery gives
  // them the skin that it switches to.
  [[nodiscard]] virtual std::vector<skin::TSkinData*> SkinComponents() const { return {}; }
  // A message from the application's loop, before it is dispatched: modeless dialogs and MDI
  // frames take their keyboard messages here. True when handled.
  virtual bool PreTranslateMessage(MSG& msg) {
    (void)msg;
    return false;
  }
};

}  // namespace gallery
