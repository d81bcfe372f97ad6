#include "tools/gallery/page_registry.h"

namespace gallery {

std::vector<std::unique_ptr<GalleryPage>> CreatePages() {
  using Factory = std::unique_ptr<GalleryPage> (*)();
  // Modeless pages first, in rows across the screen: the modal ones open last, each inside the
  // loop of the one before.
  static constexpr Factory kFactories[] = {
      MakeNativeDialogPage, MakeBorderFormsPage,  MakePopupWindowPage,    MakeMdiPage,  MakeNoMainMenuPage,
      MakeButtonsPage,      MakeChecksPage,       MakeTextPage,           MakeBarsPage, MakeTabsPage,
      MakeMessageBoxPage,   MakeColourDialogPage, MakeOpenFileDialogPage,
  };
  std::vector<std::unique_ptr<GalleryPage>> pages;
  for (Factory make : kFactories) pages.push_back(make());
  return pages;
}

}  // namespace gallery
