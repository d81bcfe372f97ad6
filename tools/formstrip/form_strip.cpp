#include "tools/formstrip/form_strip.h"

#include <algorithm>
#include <cctype>

namespace formstrip {

namespace {

bool SameClassName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

int RemoveObjectsOfClass(fw::FormObject& root, std::string_view class_name) {
  int removed = 0;
  auto& children = root.children;
  for (auto it = children.begin(); it != children.end();) {
    if (SameClassName(it->className, class_name)) {
      it = children.erase(it);
      ++removed;
    } else {
      removed += RemoveObjectsOfClass(*it, class_name);
      ++it;
    }
  }
  return removed;
}

}  // namespace formstrip
