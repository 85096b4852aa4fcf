// Direct records: a run's record of plain fields made straight into OutputRecord.
#include "output/direct_record.h"

#include <algorithm>

#include "output/input_value.h"
#include "strings/byte_copy.h"

namespace vt {

bool BuildDirectRecord(const PlainLayout& layout, const InputTables& in, const FieldPlans& plans,
                       int count, OutputTables& out) {
  if (!plans.direct || count < 1) return false;
  // Read once: the stores into the record below could alias any of them.
  const std::string_view delimiter = layout.delimiter;
  const bool comma = layout.quote_text;
  const std::size_t total = static_cast<std::size_t>(plans.direct_columns) +
                            (comma ? 2 * static_cast<std::size_t>(plans.direct_text_fields) : 0) +
                            static_cast<std::size_t>(count - 1) * delimiter.size();
  if (total >= kRecordLimit) return false;
  std::string& record = out.OutputRecord;
  record.assign(total, ' ');
  char* const start = record.data();
  // The views a source may be read from without InputValue's other cases.
  const std::int32_t viewed = std::min(in.InputViewCount, in.InputFieldTotal);
  const std::string_view* const views = in.InputFieldViews.data();
  std::int32_t* const placed = out.Scratch.deferred_at.data();
  std::size_t at = 0;
  for (int n = 1; n <= count; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    const DirectField& d = plans.direct_fields[slot];
    std::string_view text;
    if (d.source > 0) {
      text = d.source <= viewed ? views[d.source] : InputValue(in, d.source);
    } else if (d.source < 0 && -d.source < kGeneratedSourceCount) {
      text = out.GeneratedSourceValues[static_cast<std::size_t>(-d.source)];
    }
    const char* from = text.data();
    std::size_t length = text.size();
    if (d.trim) {
      while (length != 0 && *from == ' ') {
        ++from;
        --length;
      }
      while (length > 1 && static_cast<unsigned char>(from[length - 1]) <= 0x20) --length;
    }
    if (length == 0) {
      from = plans.defaults[slot].data();
      length = d.default_length;
    }
    const std::size_t w = d.columns;
    length = std::min(length, w);
    const bool quoted = comma && d.quoted;
    if (quoted) start[at++] = '"';
    CopyBytes(start + at + (d.right ? w - length : 0), from, length);
    placed[slot] = static_cast<std::int32_t>(at);
    at += w;
    if (quoted) start[at++] = '"';
    if (n < count) {
      CopyBytes(start + at, delimiter.data(), delimiter.size());
      at += delimiter.size();
    }
    const auto longest = static_cast<std::int32_t>(w);
    if (longest > out.OutputFieldLongest[slot]) out.OutputFieldLongest[slot] = longest;
  }
  out.Scratch.deferred_fields = count;
  return true;
}

}  // namespace vt
