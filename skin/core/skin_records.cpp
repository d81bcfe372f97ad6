#include "skin/core/skin_records.h"

#include <utility>

namespace skin {

TDataSkinObject::TDataSkinObject(std::string name) : Bitmap(std::make_unique<fw::TBitmap>()), Name(std::move(name)) {}

TDataSkinObject::~TDataSkinObject() = default;

TDataSkinBorder::TDataSkinBorder(std::string name)
    : TDataSkinObject(std::move(name)), Bitmap2(std::make_unique<fw::TBitmap>()) {}

TDataSkinTitle::TDataSkinTitle(std::string name) : TDataSkinObject(std::move(name)) {}

TDataSkinButton::TDataSkinButton(std::string name)
    : TDataSkinObject(std::move(name)),
      CheckBitmap(std::make_unique<fw::TBitmap>()),
      RadioBitmap(std::make_unique<fw::TBitmap>()) {}

TDataSkinSysButton::TDataSkinSysButton(std::string name) : TDataSkinObject(std::move(name)) {}

TDataSkinBoxLabel::TDataSkinBoxLabel(std::string name) : TDataSkinObject(std::move(name)) {}

}  // namespace skin
