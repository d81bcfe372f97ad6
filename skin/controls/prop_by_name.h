// Reading and writing published properties of any control by name. Control discovery and the
// control skinners reach properties this way when the control may be of a class they do not know
// (another library's control named in the skin component's Skin3rd list), and fall back to the
// defaults below when the property is missing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/component.h"

namespace skin {

// The value of an integer property; -1 when the instance is nil or the property missing or of
// another kind.
[[nodiscard]] int32_t GetOrdPropByName(const fw::TObject* instance, std::string_view name);
// The identifier of an enumeration property's value ("True", "blGlyphLeft"); empty when missing.
[[nodiscard]] std::string GetEnumPropByName(const fw::TObject* instance, std::string_view name);
// A string property as wide text (the framework's texts are in the system code page); empty when
// missing.
[[nodiscard]] std::wstring GetStrPropByName(const fw::TObject* instance, std::string_view name);
// The object a class property holds when it is of `type` or a descendant; nullptr otherwise.
[[nodiscard]] fw::TObject* GetObjectPropByName(const fw::TObject* instance, std::string_view name,
                                               const fw::ClassInfo& type);
// Sets an integer (decimal text), enumeration (identifier) or string property from text. Other
// kinds, missing properties and text that is not a value of the property are ignored.
void SetPropByName(fw::TObject* instance, std::string_view name, const std::string& value);

}  // namespace skin
