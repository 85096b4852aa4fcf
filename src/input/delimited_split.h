// Delimited splitting: cutting a record into fields at commas (with quoted fields) or at one
// other delimiter byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vt {

struct SplitLimits {
  int max_fields = 1500;
  std::size_t max_value = 1299;
  // Bytes that may be read from the record's first byte on (a line's buffer to its capacity):
  // the cut then reads whole blocks past the record's end. Below the record's size: its size.
  std::size_t readable = 0;
};

// Cuts a comma-delimited record into values[1..n] and returns n. A final quote of the record is
// dropped first; a field that starts with a quote runs to the next quote followed by a comma
// (without its quotes), any other field to the next comma; doubled quotes are not escapes and
// blanks are kept. A trailing comma makes no empty last field. A NUL is a byte of its field.
// `values` grows to at least max_fields + 1 entries; their storage is reused between calls.
int SplitCommaRecord(std::string_view record, std::vector<std::string>& values,
                     const SplitLimits& limits = {});

// The same at every `delimiter` byte, with no meaning for quotes.
int SplitDelimitedRecord(std::string_view record, char delimiter, std::vector<std::string>& values,
                         const SplitLimits& limits = {});

// The same cuts as views into `record`, each at most max_value bytes long.
int SplitCommaViews(std::string_view record, std::vector<std::string_view>& views,
                    const SplitLimits& limits = {});
int SplitDelimitedViews(std::string_view record, char delimiter,
                        std::vector<std::string_view>& views, const SplitLimits& limits = {});

}  // namespace vt
