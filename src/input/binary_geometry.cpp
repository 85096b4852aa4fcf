// Binary geometry: typed sizes checked and kept in range, byte view arithmetic, record rows.
#include "input/binary_geometry.h"

#include <algorithm>
#include <charconv>

#include "input/type_guess.h"

namespace vt {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<std::int32_t> ParseBinaryRecordLength(std::string_view text) {
  text = TrimBlanks(text);
  std::int32_t length = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (length < 1 || length > kMaxBinaryRecordLength) return std::nullopt;
  return length;
}

std::int16_t ParseBinaryHeaderSize(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::int32_t size = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    size = std::min(size * 10 + (c - '0'), kMaxBinaryHeaderSize);
  }
  return static_cast<std::int16_t>(negative ? 0 : size);
}

int ByteViewPosition(int x, int cell, int row) {
  if (cell < 1 || row < 0 || x < -2) return 0;
  const int column = (x + 2) / cell;
  if (column < 1 || column > kByteViewRowBytes) return 0;
  return column + row * kByteViewRowBytes;
}

std::vector<std::string> BinaryRecordRows(std::string_view block, std::int64_t header,
                                          std::int64_t length) {
  std::vector<std::string> rows;
  if (length < 1 || length > kMaxBinaryRecordLength) return rows;
  const auto size = static_cast<std::int64_t>(block.size());
  const std::int64_t start = std::max<std::int64_t>(header, 0);
  for (std::int64_t at = start; at + length <= size; at += length) {
    rows.push_back(
        ByteViewText(block.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length))));
  }
  return rows;
}

}  // namespace vt
