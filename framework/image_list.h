// An image list of equal-sized images, owned.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/component.h"
#include "framework/handles.h"

namespace fw {

namespace detail {
inline void DestroyImageList(HIMAGELIST list) noexcept { ImageList_Destroy(list); }
}  // namespace detail
using UniqueImageList = UniqueHandle<HIMAGELIST, detail::DestroyImageList>;

// Menus and tool bars refer to an image list by their Images property.
class TImageList : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  TImageList(int width, int height) : width_(width), height_(height) {}

  // Loads a strip of images from a bitmap resource of the program; pixels of the mask colour are
  // transparent. False when the resource is missing.
  bool LoadFromResource(const char* name, COLORREF maskColor);
  [[nodiscard]] int Count() const { return list_ ? ImageList_GetImageCount(list_.get()) : 0; }
  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] HIMAGELIST Handle() const { return list_.get(); }
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;

 private:
  int width_, height_;
  UniqueImageList list_;
};

}  // namespace fw
