#include "framework/component.h"

#include <algorithm>

namespace fw {

const ClassInfo& TObject::StaticClass() {
  static const ClassInfo info{"TObject"};
  return info;
}

const ClassInfo& TPersistent::StaticClass() {
  static const ClassInfo info = ClassBuilder<TPersistent>("TPersistent", &TObject::StaticClass()).Build();
  return info;
}

const ClassInfo& TComponent::StaticClass() {
  static const ClassInfo info = ClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
                                    .String("Name", &TComponent::Name, &TComponent::SetName)
                                    .Integer("Tag", &TComponent::Tag, &TComponent::SetTag)
                                    .Build();
  return info;
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
  MarkDestroying();
  std::vector<TComponent*> linked = std::move(linked_);
  linked_.clear();
  for (TComponent* other : linked) {
    other->linked_.erase(std::remove(other->linked_.begin(), other->linked_.end(), this), other->linked_.end());
    other->Notification(this);
  }
  // Owned components go first, newest first, so that later components never see freed ones.
  while (!components_.empty()) {
    TComponent* child = components_.back();
    components_.pop_back();
    child->owner_ = nullptr;
    Free(child);
  }
  if (owner_) owner_->RemoveComponent(this);
  if (alive_) *alive_ = false;
}

TLifeToken TComponent::LifeToken() const {
  if (!alive_) alive_ = std::make_shared<bool>(true);
  return TLifeToken(alive_);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (TComponent* c : components_)
    if (!name.empty() && SameText(c->Name(), name)) return c;
  return nullptr;
}

void TComponent::SetLoading(bool loading) {
  auto bits = static_cast<uint32_t>(state_);
  bits = loading ? (bits | static_cast<uint32_t>(ComponentState::Loading))
                 : (bits & ~static_cast<uint32_t>(ComponentState::Loading));
  state_ = static_cast<ComponentState>(bits);
}

void TComponent::SetDesigning(bool designing) {
  auto bits = static_cast<uint32_t>(state_);
  bits = designing ? (bits | static_cast<uint32_t>(ComponentState::Designing))
                   : (bits & ~static_cast<uint32_t>(ComponentState::Designing));
  state_ = static_cast<ComponentState>(bits);
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(linked_.begin(), linked_.end(), other) == linked_.end()) linked_.push_back(other);
  if (std::find(other->linked_.begin(), other->linked_.end(), this) == other->linked_.end())
    other->linked_.push_back(this);
}

void TComponent::MarkDestroying() { state_ = state_ | ComponentState::Destroying; }

void Free(TComponent* component) {
  if (!component) return;
  component->BeforeDestruction();
  delete component;
}

void TComponent::RemoveFromOwner() {
  if (!owner_) return;
  owner_->RemoveComponent(this);
  owner_ = nullptr;
}

void TComponent::RemoveComponent(TComponent* child) {
  components_.erase(std::remove(components_.begin(), components_.end(), child), components_.end());
}

}  // namespace fw
