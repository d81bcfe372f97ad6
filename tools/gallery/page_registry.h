// Every page of the gallery, in the order the menu lists them and the automatic runs open them.
#pragma once

#include <memory>
#include <vector>

#include "tools/gallery/page.h"

namespace gallery {

// One factory per page file (pages/*.cpp).
std::unique_ptr<GalleryPage> MakeBorderFormsPage();
std::unique_ptr<GalleryPage> MakePopupWindowPage();
std::unique_ptr<GalleryPage> MakeMdiPage();
std::unique_ptr<GalleryPage> MakeNoMainMenuPage();
std::unique_ptr<GalleryPage> MakeNativeDialogPage();
std::unique_ptr<GalleryPage> MakeMessageBoxPage();
std::unique_ptr<GalleryPage> MakeColourDialogPage();
std::unique_ptr<GalleryPage> MakeOpenFileDialogPage();
// Framework control families (pages/control_pages.cpp).
std::unique_ptr<GalleryPage> MakeButtonsPage();
std::unique_ptr<GalleryPage> MakeChecksPage();
std::unique_ptr<GalleryPage> MakeTextPage();
std::unique_ptr<GalleryPage> MakeBarsPage();
std::unique_ptr<GalleryPage> MakeTabsPage();

// A fresh instance of every page.
std::vector<std::unique_ptr<GalleryPage>> CreatePages();

}  // namespace gallery
