// Conversion of a definition value to a 32-bit signed integer, in the framework's rules: leading
// blanks, an optional sign, then decimal digits that fit 32 bits signed, or a hexadecimal marker
// ("$", "x", "X", "0x", "0X") and 1 to 8 hexadecimal digits taken as a 32-bit pattern.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace skin {

std::optional<int32_t> TryStrToInt(std::string_view text) noexcept;

}  // namespace skin
