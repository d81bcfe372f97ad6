#include "framework/form_reader.h"

#include <cstdint>
#include <vector>

#include "framework/collection.h"
#include "framework/component.h"
#include "framework/text.h"

namespace fw {

namespace {

// Strings are held as UTF-16 code units; components take them in the system code page.
std::string AnsiOf(const std::u16string& units) { return WideToAnsi(std::wstring(units.begin(), units.end())); }

class Builder {
 public:
  explicit Builder(TComponent& root) : root_(root) {}

  void Build(const FormObject& node) {
    bool matches = false;
    for (const ClassInfo* c = &root_.Class(); c && !matches; c = c->parent) matches = SameText(c->name, node.className);
    if (!matches) throw EReadError("Form description is for class " + node.className + ", not " + root_.ClassName());
    root_.SetLoading(true);
    if (root_.Name().empty()) root_.SetName(node.name);
    Apply(root_, node);
    for (const FormObject& child : node.children) Create(child, &root_, &root_);
    ResolveReferences();
    for (TComponent* c : created_) c->Loaded();
    root_.Loaded();
  }

 private:
  void Create(const FormObject& node, TComponent* parent, TComponent* owner) {
    const ClassInfo* type = FindClass(node.className);
    if (!type || !type->create) throw EReadError("Class " + node.className + " not found");
    TComponent* component = type->create(owner);
    component->SetLoading(true);
    created_.push_back(component);
    component->SetName(node.name);
    if (const FieldInfo* field = owner->Class().FindField(node.name)) {
      if (!component->InheritsFrom(*field->classType))
        throw EReadError("Field " + node.name + " of " + owner->ClassName() + " is not a " + node.className);
      field->assign(*owner, component);
    }
    component->SetParentComponent(parent);
    Apply(*component, node);
    TComponent* nestedOwner = component->OwnsNestedComponents() ? component : owner;
    for (const FormObject& child : node.children) Create(child, component, nestedOwner);
  }

  void Apply(TComponent& component, const FormObject& node) {
    for (const FormProperty& p : node.properties) {
      try {
        SetPath(component, p.path, *p.value);
      } catch (const EReadError& e) {
        throw EReadError("Error reading " + node.name + "." + p.path + " (line " + std::to_string(p.line) +
                         "): " + e.what());
      }
    }
  }

  void SetPath(TObject& start, const std::string& path, const FormValue& value) {
    TObject* target = &start;
    size_t begin = 0;
    for (;;) {
      size_t dot = path.find('.', begin);
      std::string name = path.substr(begin, dot == std::string::npos ? std::string::npos : dot - begin);
      const PropInfo* prop = target->Class().FindProperty(name);
      if (!prop) throw EReadError("Property " + name + " does not exist");
      if (dot == std::string::npos) {
        SetProperty(*target, *prop, value);
        return;
      }
      if (prop->kind != PropKind::Class || !prop->getObject) throw EReadError("Property " + name + " has no parts");
      target = prop->getObject(*target);
      if (!target) throw EReadError("Property " + name + " is empty");
      begin = dot + 1;
    }
  }

  [[noreturn]] static void Invalid(const PropInfo& prop) {
    throw EReadError("Invalid value for property " + prop.name);
  }

  void SetProperty(TObject& target, const PropInfo& prop, const FormValue& value) {
    using K = FormValue::Kind;
    switch (prop.kind) {
      case PropKind::Integer: {
        int32_t number = 0;
        if (value.kind == K::Integer) {
          if (value.integer < INT32_MIN || value.integer > INT32_MAX) Invalid(prop);
          number = static_cast<int32_t>(value.integer);
        } else if (value.kind != K::Ident || !prop.idents || !prop.idents->ToValue(value.ident, number)) {
          Invalid(prop);
        }
        prop.setOrdinal(target, number);
        return;
      }
      case PropKind::Enumeration: {
        int ordinal = value.kind == K::Ident ? prop.enumType->Ordinal(value.ident) : -1;
        if (ordinal < 0) Invalid(prop);
        prop.setOrdinal(target, ordinal);
        return;
      }
      case PropKind::Set: {
        if (value.kind != K::Set) Invalid(prop);
        uint32_t bits = 0;
        for (const auto& name : value.names) {
          int ordinal = prop.enumType->Ordinal(name);
          if (ordinal < 0 || ordinal >= 32) throw EReadError("Invalid set member " + name + " for " + prop.name);
          bits |= 1u << ordinal;
        }
        prop.setOrdinal(target, static_cast<int32_t>(bits));
        return;
      }
      case PropKind::String:
        if (value.kind != K::String) Invalid(prop);
        prop.setString(target, AnsiOf(value.string));
        return;
      case PropKind::Binary:
        if (value.kind != K::Binary) Invalid(prop);
        prop.setBinary(target, value.bytes);
        return;
      case PropKind::StringList: {
        if (value.kind != K::List) Invalid(prop);
        std::vector<std::string> lines;
        for (const std::u16string& line : value.strings) lines.push_back(AnsiOf(line));
        prop.setList(target, lines);
        return;
      }
      case PropKind::Class: {
        if (value.kind == K::Ident && prop.setObject) {
          // A reference may name a component that comes later in the description.
          if (SameText(value.ident, "nil"))
            prop.setObject(target, nullptr);
          else
            references_.push_back({&target, &prop, value.ident});
          return;
        }
        auto* collection = dynamic_cast<TCollection*>(prop.getObject ? prop.getObject(target) : nullptr);
        if (value.kind != K::Collection || !collection) Invalid(prop);
        collection->Clear();
        for (const FormPropertyList& item : value.items) {
          TCollectionItem* added = collection->Add();
          for (const FormProperty& p : item) SetPath(*added, p.path, *p.value);
        }
        return;
      }
      case PropKind::Method: {
        if (value.kind != K::Ident) Invalid(prop);
        const MethodInfo* method = root_.Class().FindMethod(value.ident);
        if (!method) throw EReadError("Method " + value.ident + " not found in " + root_.ClassName());
        if (method->signature != prop.signature)
          throw EReadError("Method " + value.ident + " does not match event " + prop.name);
        prop.setMethod(target, TMethod{method->name, method->bind(root_)});
        return;
      }
    }
  }

  void ResolveReferences() {
    for (const Reference& r : references_) {
      TComponent* found = SameText(root_.Name(), r.name) ? &root_ : root_.FindComponent(r.name);
      if (!found) throw EReadError("Component " + r.name + " for property " + r.prop->name + " not found");
      if (!found->InheritsFrom(*r.prop->classType))
        throw EReadError("Component " + r.name + " is not a " + r.prop->classType->name);
      r.prop->setObject(*r.target, found);
    }
    references_.clear();
  }

  struct Reference {
    TObject* target;
    const PropInfo* prop;
    std::string name;
  };

  TComponent& root_;
  std::vector<TComponent*> created_;
  std::vector<Reference> references_;
};

}  // namespace

void ReadComponent(TComponent& root, std::string_view text) { Builder(root).Build(ParseFormText(text)); }

}  // namespace fw
