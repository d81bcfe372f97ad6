#include "framework/image_list.h"

namespace fw {

const ClassInfo& TImageList::StaticClass() {
  static const ClassInfo info = ClassBuilder<TImageList>("TImageList", &TPersistent::StaticClass()).Build();
  return info;
}

bool TImageList::LoadFromResource(const char* name, COLORREF maskColor) {
  list_.reset(
      ImageList_LoadImageA(GetModuleHandleA(nullptr), name, width_, 0, maskColor, IMAGE_BITMAP, LR_CREATEDIBSECTION));
  return static_cast<bool>(list_);
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (!list_) return;
  if (enabled) {
    ImageList_Draw(list_.get(), index, dc, x, y, ILD_TRANSPARENT);
  } else {
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof params;
    params.himl = list_.get();
    params.i = index;
    params.hdcDst = dc;
    params.x = x;
    params.y = y;
    params.rgbBk = CLR_NONE;
    params.fStyle = ILD_TRANSPARENT;
    params.fState = ILS_SATURATE;
    ImageList_DrawIndirect(&params);
  }
}

}  // namespace fw
