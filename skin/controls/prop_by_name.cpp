#include "skin/controls/prop_by_name.h"

#include <charconv>

#include "skin/paint/skin_text.h"

namespace skin {
namespace {

const fw::PropInfo* Find(const fw::TObject* instance, std::string_view name, fw::PropKind kind) {
  if (!instance) return nullptr;
  const fw::PropInfo* prop = instance->Class().FindProperty(name);
  return prop && prop->kind == kind ? prop : nullptr;
}

}  // namespace

int32_t GetOrdPropByName(const fw::TObject* instance, std::string_view name) {
  const fw::PropInfo* prop = Find(instance, name, fw::PropKind::Integer);
  return prop && prop->getOrdinal ? prop->getOrdinal(*instance) : -1;
}

std::string GetEnumPropByName(const fw::TObject* instance, std::string_view name) {
  const fw::PropInfo* prop = Find(instance, name, fw::PropKind::Enumeration);
  if (!prop || !prop->getOrdinal || !prop->enumType) return {};
  return prop->enumType->Name(prop->getOrdinal(*instance));
}

std::wstring GetStrPropByName(const fw::TObject* instance, std::string_view name) {
  const fw::PropInfo* prop = Find(instance, name, fw::PropKind::String);
  return prop && prop->getString ? AnsiToWide(prop->getString(*instance)) : std::wstring();
}

fw::TObject* GetObjectPropByName(const fw::TObject* instance, std::string_view name, const fw::ClassInfo& type) {
  const fw::PropInfo* prop = Find(instance, name, fw::PropKind::Class);
  fw::TObject* held = prop && prop->getObject ? prop->getObject(*instance) : nullptr;
  return held && held->InheritsFrom(type) ? held : nullptr;
}

void SetPropByName(fw::TObject* instance, std::string_view name, const std::string& value) {
  if (!instance) return;
  const fw::PropInfo* prop = instance->Class().FindProperty(name);
  if (!prop) return;
  switch (prop->kind) {
    case fw::PropKind::Integer: {
      int32_t number = 0;
      const char* end = value.data() + value.size();
      const auto [stop, error] = std::from_chars(value.data(), end, number);
      if (error == std::errc() && stop == end && prop->setOrdinal) prop->setOrdinal(*instance, number);
      return;
    }
    case fw::PropKind::Enumeration: {
      const int ordinal = prop->enumType ? prop->enumType->Ordinal(value) : -1;
      if (ordinal >= 0 && prop->setOrdinal) prop->setOrdinal(*instance, ordinal);
      return;
    }
    case fw::PropKind::String:
      if (prop->setString) prop->setString(*instance, value);
      return;
    default:
      return;
  }
}

}  // namespace skin
