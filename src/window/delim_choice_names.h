// Delimiter choice names: the display name of each byte value offered as an input delimiter.
#pragma once

#include <string>

namespace vt {

// "CTRL-A  ASCII 1" .. "CTRL-_  ASCII 31", "SPACE  ASCII 32", then the character itself and its
// code ("|  ASCII 124"); `code` is 1..255.
std::string DelimChoiceName(int code);

}  // namespace vt
