// Binary geometry: the header size and record length as the user types or clicks them, and the
// record list that shows the start of the file cut into records of that length.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

inline constexpr std::int32_t kMaxBinaryRecordLength = 32766;
inline constexpr std::int32_t kMaxBinaryHeaderSize = 32767;
inline constexpr int kByteViewRowBytes = 50;

// A typed record length: a whole number from 1 to 32,766 (blanks around it allowed); anything
// else has none.
std::optional<std::int32_t> ParseBinaryRecordLength(std::string_view text);

// A typed header size: the leading whole number of the text (none reads 0), kept within
// 0..32,767.
std::int16_t ParseBinaryHeaderSize(std::string_view text);

// The 1-based byte of a byte view under the mouse: `x` within the list, `cell` the width of one
// character, `row` the list row (the first visible row plus the row under the mouse). 0 when
// the mouse is not over one of a row's 50 byte columns.
int ByteViewPosition(int x, int cell, int row);

// The whole records of `length` bytes that the block holds from `header` on, each in the byte
// view's form; none for a length outside 1..32,766. A negative header counts as none.
std::vector<std::string> BinaryRecordRows(std::string_view block, std::int64_t header,
                                          std::int64_t length);

}  // namespace vt
