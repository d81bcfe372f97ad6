#include "framework/rtti.h"

#include <cctype>
#include <map>
#include <stdexcept>

#include "framework/component.h"

namespace fw {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

const EnumType kBooleanType{"Boolean", {"False", "True"}};

int EnumType::Ordinal(std::string_view identifier) const {
  for (size_t i = 0; i < identifiers.size(); ++i)
    if (SameText(identifiers[i], identifier)) return static_cast<int>(i);
  return -1;
}

std::string EnumType::Name(int ordinal) const {
  if (ordinal < 0 || static_cast<size_t>(ordinal) >= identifiers.size()) return {};
  return identifiers[static_cast<size_t>(ordinal)];
}

bool IntegerIdents::ToValue(std::string_view name, int32_t& value) const {
  for (const auto& e : entries) {
    if (SameText(e.name, name)) {
      value = e.value;
      return true;
    }
  }
  return false;
}

const char* IntegerIdents::ToName(int32_t value) const {
  for (const auto& e : entries)
    if (e.value == value) return e.name;
  return nullptr;
}

void FireNotify(const TMethod& event, TObject* sender) {
  const auto* handler = event.As<void(TObject*)>();
  if (!handler || !*handler) return;
  // A copy runs: the handler may free its sender, and the event with it.
  const TNotifyEvent run = *handler;
  run(sender);
}

const PropInfo* ClassInfo::FindProperty(std::string_view wanted) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    for (const auto& p : c->properties)
      if (SameText(p.name, wanted)) return &p;
  return nullptr;
}

const MethodInfo* ClassInfo::FindMethod(std::string_view wanted) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    for (const auto& m : c->methods)
      if (SameText(m.name, wanted)) return &m;
  return nullptr;
}

const FieldInfo* ClassInfo::FindField(std::string_view wanted) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    for (const auto& f : c->fields)
      if (SameText(f.name, wanted)) return &f;
  return nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
  for (const ClassInfo* c = this; c; c = c->parent)
    if (c == &other) return true;
  return false;
}

std::vector<const PropInfo*> ClassInfo::AllProperties() const {
  std::vector<const ClassInfo*> chain;
  for (const ClassInfo* c = this; c; c = c->parent) chain.insert(chain.begin(), c);
  std::vector<const PropInfo*> result;
  for (const ClassInfo* c : chain)
    for (const auto& p : c->properties) result.push_back(&p);
  return result;
}

namespace {
std::map<std::string, const ClassInfo*, std::less<>>& Registry() {
  static std::map<std::string, const ClassInfo*, std::less<>> registry;
  return registry;
}
std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}
}  // namespace

void RegisterComponentClass(const ClassInfo& info) { Registry()[Lower(info.name)] = &info; }

const ClassInfo* FindClass(std::string_view name) {
  auto it = Registry().find(Lower(name));
  return it == Registry().end() ? nullptr : it->second;
}

}  // namespace fw
