// A list of strings held by a control (combo box, list box and radio group items): published as a
// sub-object whose "Strings" a form description fills ("Items.Strings = ('a' 'b')").
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/component.h"

namespace fw {

class TStrings : public TPersistent {
  FW_DECLARE_CLASS()

 public:
  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] const std::string& operator[](int index) const { return items_.at(static_cast<size_t>(index)); }
  [[nodiscard]] const std::vector<std::string>& Strings() const { return items_; }
  void SetStrings(const std::vector<std::string>& items);
  int Add(const std::string& item);
  void Clear() { SetStrings({}); }
  [[nodiscard]] int IndexOf(const std::string& item) const;

  // Called after every change (the owning control updates its window).
  std::function<void()> OnChange;

 private:
  void Changed();

  std::vector<std::string> items_;
};

}  // namespace fw
