// The forms of the program, in creation order, as the skin engine walks them.
#pragma once

#include <cstddef>
#include <vector>

namespace fw {

class TForm;

class TScreen {
 public:
  [[nodiscard]] int FormCount() const { return static_cast<int>(forms_.size()); }
  [[nodiscard]] TForm* Forms(int index) const { return forms_.at(static_cast<std::size_t>(index)); }

 private:
  friend class TForm;
  void AddForm(TForm* form) { forms_.push_back(form); }
  void RemoveForm(TForm* form);

  std::vector<TForm*> forms_;
};

TScreen& Screen();

}  // namespace fw
