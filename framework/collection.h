// Collections of persistent items (list view columns): read from a form description as
// "Name = < item ... end >".
#pragma once

#include <memory>
#include <vector>

#include "framework/component.h"

namespace fw {

class TCollection;

class TCollectionItem : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  [[nodiscard]] TCollection* Collection() const { return collection_; }
  [[nodiscard]] int Index() const;

 protected:
  // Tells the collection's owner that this item's values changed.
  void Changed();

 private:
  TCollection* collection_;
};

class TCollection : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] TCollectionItem* Item(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  TCollectionItem* Add();
  void Clear();
  [[nodiscard]] int IndexOf(const TCollectionItem* item) const;

  // Called when an item was added, removed or changed.
  virtual void Update(TCollectionItem* item) { (void)item; }

 protected:
  virtual std::unique_ptr<TCollectionItem> CreateItem() = 0;

 private:
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace fw
