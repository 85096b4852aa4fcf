// Direct records: a run's record of plain fields made straight into OutputRecord.
#include "output/direct_record.h"

#include <algorithm>

#include "output/input_value.h"
#include "output/value_pipeline.h"
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
  std::size_t at = 0;
  for (int n = 1; n <= count; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    const FieldPlan& plan = plans.fields[slot];
    const std::int16_t source = plans.sources[slot];
    std::string_view raw;
    if (source > 0) {
      raw = InputValue(in, source);
    } else if (source < 0 && -source < kGeneratedSourceCount) {
      raw = out.GeneratedSourceValues[static_cast<std::size_t>(-source)];
    }
    FieldSpec field;
    field.source = source;
    field.flags = plans.flags[slot];
    field.default_text = {plans.defaults[slot].data(), plan.default_length};
    const std::string_view text = PlainFieldText(raw, field);
    const std::size_t w = plan.columns;
    const std::size_t length = std::min(text.size(), w);
    const std::size_t pad = (field.flags & kFlagRightJustify) ? w - length : 0;
    const bool quoted = comma && !(field.flags & kFlagNumeric);
    if (quoted) start[at++] = '"';
    CopyBytes(start + at + pad, text.data(), length);
    out.Scratch.deferred_at[slot] = static_cast<std::int32_t>(at);
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
