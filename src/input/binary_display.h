// Binary display: the form in which a binary record is shown (its fields read its own bytes).
#pragma once

#include <string>

namespace vt {

// NUL becomes '_', other control bytes and bytes above 127 become 127; the rest stays.
void MakeBinaryDisplay(std::string& line);

}  // namespace vt
