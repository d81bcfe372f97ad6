// Run-time type information for published properties: every framework class describes its
// properties once, and both the form-description reader and the skin engine read and write them
// by name through this one mechanism.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class TObject;
class TComponent;
struct ClassInfo;

// An enumeration type: identifiers in ordinal order ("False", "True"; "alNone", "alTop", ...).
struct EnumType {
  std::string name;
  std::vector<std::string> identifiers;

  // Ordinal of an identifier (case-insensitive), or -1.
  [[nodiscard]] int Ordinal(std::string_view identifier) const;
  [[nodiscard]] std::string Name(int ordinal) const;
};

extern const EnumType kBooleanType;

// Named integer constants accepted for an integer property (clBtnFace, crHandPoint, ...).
struct IntegerIdent {
  const char* name;
  int32_t value;
};
struct IntegerIdents {
  std::vector<IntegerIdent> entries;
  [[nodiscard]] bool ToValue(std::string_view name, int32_t& value) const;
  [[nodiscard]] const char* ToName(int32_t value) const;
};

// An event handler: the method's published name and the handler itself, stored type-erased
// (std::function of the event's signature).
struct TMethod {
  std::string name;
  std::any handler;

  [[nodiscard]] bool Assigned() const { return handler.has_value(); }
  template <typename Signature>
  [[nodiscard]] const std::function<Signature>* As() const {
    return std::any_cast<std::function<Signature>>(&handler);
  }
};

using TNotifyEvent = std::function<void(TObject* sender)>;
inline constexpr const char* kNotifyEventSignature = "TNotifyEvent";

// Calls a TNotifyEvent handler when one is assigned.
void FireNotify(const TMethod& event, TObject* sender);

enum class PropKind { Integer, Enumeration, Set, String, Class, Binary, StringList, Method };

struct PropInfo {
  std::string name;
  PropKind kind = PropKind::Integer;
  const EnumType* enumType = nullptr;     // Enumeration: the type; Set: the element type
  const IntegerIdents* idents = nullptr;  // Integer: named constants
  const ClassInfo* classType = nullptr;   // Class: the class of the object held
  std::string signature;                  // Method: the event's signature name

  std::function<int32_t(const TObject&)> getOrdinal;  // Integer, Enumeration, Set (bit mask)
  std::function<void(TObject&, int32_t)> setOrdinal;
  std::function<std::string(const TObject&)> getString;
  std::function<void(TObject&, const std::string&)> setString;
  std::function<TObject*(const TObject&)> getObject;
  std::function<void(TObject&, TObject*)> setObject;  // empty for owned sub-objects (Font)
  std::function<std::vector<uint8_t>(const TObject&)> getBinary;
  std::function<void(TObject&, const std::vector<uint8_t>&)> setBinary;
  std::function<std::vector<std::string>(const TObject&)> getList;
  std::function<void(TObject&, const std::vector<std::string>&)> setList;
  std::function<TMethod(const TObject&)> getMethod;
  std::function<void(TObject&, const TMethod&)> setMethod;
};

// A published method that an event of the given signature may be bound to.
struct MethodInfo {
  std::string name;
  std::string signature;
  std::function<std::any(TObject& instance)> bind;
};

// A published field: a component reference that the form reader fills by name.
struct FieldInfo {
  std::string name;
  const ClassInfo* classType;
  std::function<void(TObject&, TComponent*)> assign;
};

struct ClassInfo {
  std::string name;
  const ClassInfo* parent = nullptr;
  std::vector<PropInfo> properties;
  std::vector<MethodInfo> methods;
  std::vector<FieldInfo> fields;
  std::function<TComponent*(TComponent* owner)> create;  // empty for abstract classes

  [[nodiscard]] const PropInfo* FindProperty(std::string_view name) const;
  [[nodiscard]] const MethodInfo* FindMethod(std::string_view name) const;
  [[nodiscard]] const FieldInfo* FindField(std::string_view name) const;
  [[nodiscard]] bool InheritsFrom(const ClassInfo& other) const;
  // All published properties, the base class's first.
  [[nodiscard]] std::vector<const PropInfo*> AllProperties() const;
};

// Registry of classes that the form reader may create, by class name.
void RegisterComponentClass(const ClassInfo& info);
[[nodiscard]] const ClassInfo* FindClass(std::string_view name);

bool SameText(std::string_view a, std::string_view b);

// Builds a class's description with typed getters and setters.
template <typename T>
class ClassBuilder {
 public:
  ClassBuilder(std::string name, const ClassInfo* parent) {
    info_.name = std::move(name);
    info_.parent = parent;
  }

  ClassBuilder& Creatable() {
    info_.create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return *this;
  }

  template <typename Getter, typename Setter>
  ClassBuilder& Integer(std::string name, Getter get, Setter set, const IntegerIdents* idents = nullptr) {
    PropInfo p = Base(std::move(name), PropKind::Integer);
    p.idents = idents;
    p.getOrdinal = [get](const TObject& o) { return static_cast<int32_t>(std::invoke(get, Self(o))); };
    p.setOrdinal = [set](TObject& o, int32_t v) { Apply(set, Self(o), v); };
    return Add(std::move(p));
  }

  template <typename Getter, typename Setter>
  ClassBuilder& Boolean(std::string name, Getter get, Setter set) {
    return Enumeration(std::move(name), kBooleanType, get, set);
  }

  template <typename Getter, typename Setter>
  ClassBuilder& Enumeration(std::string name, const EnumType& type, Getter get, Setter set) {
    PropInfo p = Base(std::move(name), PropKind::Enumeration);
    p.enumType = &type;
    p.getOrdinal = [get](const TObject& o) { return static_cast<int32_t>(std::invoke(get, Self(o))); };
    p.setOrdinal = [set](TObject& o, int32_t v) { Apply(set, Self(o), v); };
    return Add(std::move(p));
  }

  template <typename Getter, typename Setter>
  ClassBuilder& Set(std::string name, const EnumType& element, Getter get, Setter set) {
    PropInfo p = Base(std::move(name), PropKind::Set);
    p.enumType = &element;
    p.getOrdinal = [get](const TObject& o) { return static_cast<int32_t>(std::invoke(get, Self(o))); };
    p.setOrdinal = [set](TObject& o, int32_t v) { std::invoke(set, Self(o), static_cast<uint32_t>(v)); };
    return Add(std::move(p));
  }

  template <typename Getter, typename Setter>
  ClassBuilder& String(std::string name, Getter get, Setter set) {
    PropInfo p = Base(std::move(name), PropKind::String);
    p.getString = [get](const TObject& o) { return std::string(std::invoke(get, Self(o))); };
    p.setString = [set](TObject& o, const std::string& v) { std::invoke(set, Self(o), v); };
    return Add(std::move(p));
  }

  // An owned sub-object (Font, Columns): readable, its own properties writable.
  template <typename Getter>
  ClassBuilder& SubObject(std::string name, const ClassInfo& type, Getter get) {
    PropInfo p = Base(std::move(name), PropKind::Class);
    p.classType = &type;
    p.getObject = [get](const TObject& o) -> TObject* { return std::invoke(get, Self(o)); };
    return Add(std::move(p));
  }

  // A reference to another component (Associate, Menu, ActivePage): a form description names it,
  // and the reader fills it in once every component of the description exists.
  template <typename C, typename Getter, typename Setter>
  ClassBuilder& Reference(std::string name, Getter get, Setter set) {
    PropInfo p = Base(std::move(name), PropKind::Class);
    p.classType = &C::StaticClass();
    p.getObject = [get](const TObject& o) -> TObject* { return std::invoke(get, Self(o)); };
    p.setObject = [set](TObject& o, TObject* v) { std::invoke(set, Self(o), dynamic_cast<C*>(v)); };
    return Add(std::move(p));
  }

  template <typename Getter, typename Setter>
  ClassBuilder& Binary(std::string name, Getter get, Setter set) {
    PropInfo p = Base(std::move(name), PropKind::Binary);
    p.getBinary = [get](const TObject& o) { return std::invoke(get, Self(o)); };
    p.setBinary = [set](TObject& o, const std::vector<uint8_t>& v) { std::invoke(set, Self(o), v); };
    return Add(std::move(p));
  }

  template <typename Getter, typename Setter>
  ClassBuilder& StringList(std::string name, Getter get, Setter set) {
    PropInfo p = Base(std::move(name), PropKind::StringList);
    p.getList = [get](const TObject& o) { return std::invoke(get, Self(o)); };
    p.setList = [set](TObject& o, const std::vector<std::string>& v) { std::invoke(set, Self(o), v); };
    return Add(std::move(p));
  }

  // An event property backed by a TMethod member.
  ClassBuilder& Event(std::string name, TMethod T::*field, std::string signature = kNotifyEventSignature) {
    PropInfo p = Base(std::move(name), PropKind::Method);
    p.signature = std::move(signature);
    p.getMethod = [field](const TObject& o) { return Self(o).*field; };
    p.setMethod = [field](TObject& o, const TMethod& m) { Self(o).*field = m; };
    return Add(std::move(p));
  }

  // A published TNotifyEvent handler of this class, bindable by name from a form description.
  ClassBuilder& NotifyMethod(std::string name, void (T::*method)(TObject*)) {
    info_.methods.push_back({std::move(name), kNotifyEventSignature, [method](TObject& instance) {
                               T* self = &Self(instance);
                               return std::any(
                                   TNotifyEvent([self, method](TObject* sender) { (self->*method)(sender); }));
                             }});
    return *this;
  }

  // A published component field of this class, filled by the form reader.
  template <typename C>
  ClassBuilder& Field(std::string name, C* T::*field) {
    info_.fields.push_back({std::move(name), &C::StaticClass(),
                            [field](TObject& o, TComponent* c) { Self(o).*field = static_cast<C*>(c); }});
    return *this;
  }

  ClassInfo Build() { return std::move(info_); }

 private:
  template <typename S>
  static void Apply(S set, T& self, int32_t v) {
    using Arg = typename SetterArg<S>::type;
    std::invoke(set, self, static_cast<Arg>(v));
  }
  template <typename S>
  struct SetterArg;
  template <typename C, typename A>
  struct SetterArg<void (C::*)(A)> {
    using type = std::decay_t<A>;
  };
  template <typename C, typename A>
  struct SetterArg<void (C::*)(A) noexcept> {
    using type = std::decay_t<A>;
  };

  static T& Self(TObject& o) { return static_cast<T&>(o); }
  static const T& Self(const TObject& o) { return static_cast<const T&>(o); }

  static PropInfo Base(std::string name, PropKind kind) {
    PropInfo p;
    p.name = std::move(name);
    p.kind = kind;
    return p;
  }
  ClassBuilder& Add(PropInfo p) {
    info_.properties.push_back(std::move(p));
    return *this;
  }

  ClassInfo info_;
};

}  // namespace fw
