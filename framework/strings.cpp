#include "framework/strings.h"

#include <algorithm>

namespace fw {

const ClassInfo& TStrings::StaticClass() {
  static const ClassInfo info = ClassBuilder<TStrings>("TStrings", &TPersistent::StaticClass())
                                    .StringList("Strings", &TStrings::Strings, &TStrings::SetStrings)
                                    .Build();
  return info;
}

void TStrings::SetStrings(const std::vector<std::string>& items) {
  items_ = items;
  Changed();
}

int TStrings::Add(const std::string& item) {
  items_.push_back(item);
  Changed();
  return Count() - 1;
}

int TStrings::IndexOf(const std::string& item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TStrings::Changed() {
  if (OnChange) OnChange();
}

}  // namespace fw
