// The form skinner's list, as the control skinners see it, for tests without a form skinner.
#pragma once

#include <algorithm>
#include <vector>

#include "skin/controls/skin_control.h"

namespace testutil {

class ListHost : public skin::ISkinnerHost {
 public:
  bool AddSkinner(skin::TSkinControl* skinner) override {
    if (std::find(list.begin(), list.end(), skinner) != list.end()) return true;
    list.push_back(skinner);
    return false;
  }
  void RemoveSkinner(skin::TSkinControl* skinner) override {
    list.erase(std::remove(list.begin(), list.end(), skinner), list.end());
  }
  std::vector<skin::TSkinControl*> list;
};

}  // namespace testutil
