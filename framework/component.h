// The object model: TObject (class information), TPersistent (objects with published
// properties) and TComponent (owner, ownership, Name and Tag).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/rtti.h"

// Declares a class's description: StaticClass() for the class itself, Class() for an instance.
#define FW_DECLARE_CLASS()                     \
 public:                                       \
  static const ::fw::ClassInfo& StaticClass(); \
  const ::fw::ClassInfo& Class() const override { return StaticClass(); }

namespace fw {

class TObject {
 public:
  virtual ~TObject() = default;
  static const ClassInfo& StaticClass();
  virtual const ClassInfo& Class() const { return StaticClass(); }

  [[nodiscard]] const std::string& ClassName() const { return Class().name; }
  [[nodiscard]] bool InheritsFrom(const ClassInfo& type) const { return Class().InheritsFrom(type); }
};

class TPersistent : public TObject {
  FW_DECLARE_CLASS()
};

enum class ComponentState : uint32_t {
  None = 0,
  Loading = 1,     // the form description is being read
  Destroying = 2,  // the destructor has started
  Designing = 4,   // never set in this program; kept for the skin engine's design-time tests
};
constexpr ComponentState operator|(ComponentState a, ComponentState b) {
  return static_cast<ComponentState>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}

// Tells whether a component still exists. Taken before a call that may free the component (an
// event handler may free its own sender, a button its click came from), asked afterwards: code
// after the call touches the component only while it is alive.
class TLifeToken {
 public:
  TLifeToken() = default;
  [[nodiscard]] bool Alive() const noexcept { return alive_ && *alive_; }

 private:
  friend class TComponent;
  explicit TLifeToken(std::shared_ptr<const bool> alive) : alive_(std::move(alive)) {}
  std::shared_ptr<const bool> alive_;
};

class TComponent : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  [[nodiscard]] TComponent* Owner() const { return owner_; }
  [[nodiscard]] const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  [[nodiscard]] int32_t Tag() const { return tag_; }
  void SetTag(int32_t tag) { tag_ = tag; }

  [[nodiscard]] int ComponentCount() const { return static_cast<int>(components_.size()); }
  [[nodiscard]] TComponent* Component(int index) const { return components_[static_cast<size_t>(index)]; }
  [[nodiscard]] TComponent* FindComponent(std::string_view name) const;

  [[nodiscard]] bool HasState(ComponentState state) const {
    return (static_cast<uint32_t>(state_) & static_cast<uint32_t>(state)) != 0;
  }
  void SetLoading(bool loading);
  // Only tests of design-time behaviour set this; the program never runs in a designer.
  void SetDesigning(bool designing);

  // Called once the whole form description that created this component has been read.
  virtual void Loaded() { SetLoading(false); }
  // Runs before the destructor, while the whole object still exists (forms fire OnDestroy).
  virtual void BeforeDestruction() {}
  // The owner no longer frees this component: whoever calls this frees it.
  void RemoveFromOwner();

  // The form reader places a component inside the component it is nested in (controls take
  // it as their parent window).
  virtual void SetParentComponent(TComponent* parent) { (void)parent; }
  // True for containers that own the components nested in them by a form description (frames);
  // otherwise those belong to the description's root.
  [[nodiscard]] virtual bool OwnsNestedComponents() const { return false; }
  // The component this one is nested in, in a form description; nullptr for the root's level.
  [[nodiscard]] virtual TComponent* GetParentComponent() const { return nullptr; }
  // Links this component and another that refers to it (or that it refers to): whichever goes
  // first, the other hears of it through Notification and forgets it.
  void FreeNotification(TComponent* other);
  // The token of this component: alive until its destruction ends.
  [[nodiscard]] TLifeToken LifeToken() const;

 protected:
  void MarkDestroying();
  // A linked component (FreeNotification) is being destroyed.
  virtual void Notification(TComponent* component) { (void)component; }

 private:
  void InsertComponent(TComponent* child) { components_.push_back(child); }
  void RemoveComponent(TComponent* child);

  TComponent* owner_;
  std::vector<TComponent*> components_;  // owned: freed by this component's destructor
  std::vector<TComponent*> linked_;      // FreeNotification, both ways; not owned
  std::string name_;
  int32_t tag_ = 0;
  ComponentState state_ = ComponentState::None;
  mutable std::shared_ptr<bool> alive_;  // made by the first LifeToken; false once destroyed
};

// Frees a component the way its owner does: BeforeDestruction, then delete.
void Free(TComponent* component);

}  // namespace fw
