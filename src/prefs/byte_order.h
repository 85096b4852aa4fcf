// Byte order: little-endian numbers in byte strings, whatever the machine's own order.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace vt {

inline void PutLittle(std::string& out, std::uint64_t value, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i)
    out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::uint64_t GetLittle(const char* in, std::size_t bytes) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < bytes; ++i)
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[i])) << (8 * i);
  return value;
}

inline void PutDouble(std::string& out, double value) {
  PutLittle(out, std::bit_cast<std::uint64_t>(value), 8);
}

inline double GetDouble(const char* in) {
  return std::bit_cast<double>(GetLittle(in, 8));
}

}  // namespace vt
