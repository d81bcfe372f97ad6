// A window framed with a skin, active and inactive, put together the way the program puts its
// non-client area together: the four border pieces, the caption text placed by the skin's title
// settings on its text plate, and the caption buttons placed by their Align, shown by their
// Visibility, in the frame the program draws for each state; the magenta corners cut away as the
// window region cuts them. For the contact sheet.
#pragma once

#include <optional>
#include <vector>

#include "tools/skinimage/image.h"
#include "tools/skinpack/element_layout.h"
#include "tools/skinpack/skin_contents.h"

namespace skinpack {

// Nothing when the skin lacks a border piece or one of them cannot be decoded.
std::optional<skinimage::Image> WindowPreview(const DecodedSkin& skin, const std::vector<FrameLayout>& layouts);

}  // namespace skinpack
