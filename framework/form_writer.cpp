#include "framework/form_writer.h"

#include "framework/collection.h"
#include "framework/component.h"
#include "framework/control.h"
#include "framework/form_syntax.h"
#include "framework/text.h"

namespace fw {

namespace {

// Components hold strings in the system code page; the description holds UTF-16 code units.
std::u16string Utf16Of(const std::string& ansi) {
  const std::wstring wide = AnsiToWideText(ansi);
  return std::u16string(wide.begin(), wide.end());
}

// Owned components nest inside the control they are placed on.
const TComponent* NestedIn(const TComponent& root, const TComponent& child) {
  if (TComponent* parent = child.GetParentComponent()) return parent;
  return &root;
}

void AddProperty(FormPropertyList& list, std::string path, FormValue value) {
  list.push_back({std::move(path), std::make_shared<FormValue>(std::move(value)), 0});
}

void DescribeProperties(const TObject& object, const std::string& prefix, FormPropertyList& out) {
  using K = FormValue::Kind;
  for (const PropInfo* p : object.Class().AllProperties()) {
    if (prefix.empty() && p->name == "Name") continue;
    std::string path = prefix + p->name;
    FormValue value;
    switch (p->kind) {
      case PropKind::Integer: {
        int32_t v = p->getOrdinal(object);
        if (const char* ident = p->idents ? p->idents->ToName(v) : nullptr) {
          value.kind = K::Ident;
          value.ident = ident;
        } else {
          value.integer = v;
        }
        break;
      }
      case PropKind::Enumeration:
        value.kind = K::Ident;
        value.ident = p->enumType->Name(p->getOrdinal(object));
        break;
      case PropKind::Set: {
        value.kind = K::Set;
        auto bits = static_cast<uint32_t>(p->getOrdinal(object));
        for (size_t i = 0; i < p->enumType->identifiers.size() && i < 32; ++i) {
          if (bits & (1u << i)) value.names.push_back(p->enumType->identifiers[i]);
        }
        break;
      }
      case PropKind::String:
        value.kind = K::String;
        value.string = Utf16Of(p->getString(object));
        break;
      case PropKind::Binary:
        value.kind = K::Binary;
        value.bytes = p->getBinary(object);
        break;
      case PropKind::StringList:
        value.kind = K::List;
        for (const std::string& line : p->getList(object)) value.strings.push_back(Utf16Of(line));
        break;
      case PropKind::Method: {
        TMethod m = p->getMethod(object);
        if (!m.Assigned() || m.name.empty()) continue;
        value.kind = K::Ident;
        value.ident = m.name;
        break;
      }
      case PropKind::Class: {
        TObject* sub = p->getObject ? p->getObject(object) : nullptr;
        if (auto* collection = dynamic_cast<TCollection*>(sub)) {
          value.kind = K::Collection;
          for (int i = 0; i < collection->Count(); ++i) {
            DescribeProperties(*collection->Item(i), "", value.items.emplace_back());
          }
        } else if (p->setObject) {
          // A reference to another component is written as its name.
          auto* referenced = dynamic_cast<const TComponent*>(sub);
          if (!referenced || referenced->Name().empty()) continue;
          value.kind = K::Ident;
          value.ident = referenced->Name();
        } else {
          // A sub-object's properties are written by path; one that is set as a whole is not written.
          if (sub && !p->setObject) DescribeProperties(*sub, path + ".", out);
          continue;
        }
        break;
      }
    }
    AddProperty(out, std::move(path), std::move(value));
  }
}

FormObject Describe(const TComponent& owner, const TComponent& component) {
  FormObject object;
  object.name = component.Name();
  object.className = component.ClassName();
  DescribeProperties(component, "", object.properties);
  // A container that owns its parts (a frame) describes them itself.
  const TComponent& partsOwner = component.OwnsNestedComponents() ? component : owner;
  for (int i = 0; i < partsOwner.ComponentCount(); ++i) {
    const TComponent* child = partsOwner.Component(i);
    if (NestedIn(partsOwner, *child) == &component) object.children.push_back(Describe(partsOwner, *child));
  }
  return object;
}

}  // namespace

std::string WriteComponent(const TComponent& root) { return FormText(Describe(root, root)); }

}  // namespace fw
