// Failure of an internal check of the skin code: carries the message and where the check is.
#pragma once

#include <stdexcept>
#include <string>

namespace skin {

class EAssertionFailed : public std::logic_error {
 public:
  EAssertionFailed(const std::string& message, const std::string& unit, int line)
      : std::logic_error(message + " (" + unit + ", line " + std::to_string(line) + ")"),
        message_(message),
        unit_(unit),
        line_(line) {}

  [[nodiscard]] const std::string& Message() const noexcept { return message_; }
  [[nodiscard]] const std::string& Unit() const noexcept { return unit_; }
  [[nodiscard]] int Line() const noexcept { return line_; }

 private:
  std::string message_;
  std::string unit_;
  int line_;
};

}  // namespace skin
