// Delimiter choice names.
#include "window/delim_choice_names.h"

namespace vt {

std::string DelimChoiceName(int code) {
  const std::string number = "  ASCII " + std::to_string(code);
  if (code < 32) return "CTRL-" + std::string(1, static_cast<char>(code + 64)) + number;
  if (code == 32) return "SPACE" + number;
  return std::string(1, static_cast<char>(code)) + number;
}

}  // namespace vt
