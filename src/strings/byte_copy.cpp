// Byte copies and fills of a run-time length: the long ones, through the C library.
#include "strings/byte_copy.h"

namespace vt {

void CopyBytesLong(char* to, const char* from, std::size_t count) {
  if (count > 0) std::memcpy(to, from, count);
}

void FillBytesLong(char* to, char byte, std::size_t count) {
  if (count > 0) std::memset(to, static_cast<unsigned char>(byte), count);
}

}  // namespace vt
