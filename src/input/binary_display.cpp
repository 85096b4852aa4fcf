// Binary display: one rule for the record view, Next and the conversion run.
#include "input/binary_display.h"

namespace vt {

void MakeBinaryDisplay(std::string& line) {
  for (char& c : line) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) {
      c = '_';
    } else if (b < 32 || b > 127) {
      c = '\x7F';
    }
  }
}

}  // namespace vt
