#include "framework/collection.h"

namespace fw {

const ClassInfo& TCollectionItem::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClass()).Build();
  return info;
}

const ClassInfo& TCollection::StaticClass() {
  static const ClassInfo info = ClassBuilder<TCollection>("TCollection", &TPersistent::StaticClass()).Build();
  return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (collection_) collection_->Update(this);
}

TCollectionItem* TCollection::Add() {
  items_.push_back(CreateItem());
  TCollectionItem* item = items_.back().get();
  Update(nullptr);
  return item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Update(nullptr);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

}  // namespace fw
