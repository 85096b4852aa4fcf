// Direct records: a run's record of plain fields made straight into OutputRecord.
#include "output/direct_record.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "output/input_value.h"
#include "output/value_pipeline.h"
#include "strings/byte_copy.h"

namespace vt {

namespace {

// What separates the fields of a record: nothing (fixed columns), a delimiter, or a delimiter
// with quotes around text (comma). One loop each, so that no field tests the format.
enum class Separation { kNone, kDelimiter, kQuotedText };

// Every field writes its whole width, value and blanks. A value and a width of at most kSpill
// bytes take two fixed-size copies and fills of kSpill bytes, with no branch on the length
// (lengths vary from record to record, so such branches are mispredicted). What they write past
// the field is written over by what follows, or lies in the kSpill bytes past the record.
constexpr std::size_t kSpill = 32;

inline void Blank32(char* to) {
  static constexpr char kBlanks[kSpill] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                           ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                           ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  std::memcpy(to, kBlanks, kSpill);
}

template <Separation kSeparation>
void PlaceFields(std::string_view delimiter, const InputTables& in, const FieldPlans& plans,
                 int count, OutputTables& out, char* const start) {
  // Copies, not references: every store into the record may alias what they point into.
  const std::int32_t viewed = std::min(in.InputViewCount, in.InputFieldTotal);
  const std::string_view* const views = in.InputFieldViews.data();
  std::int32_t* const placed = out.Scratch.deferred_at.data();
  std::int32_t* const placed_length = out.Scratch.deferred_length.data();
  std::int32_t* const longest = out.OutputFieldLongest.data();
  const char* const separator = delimiter.data();
  const std::size_t separator_size = delimiter.size();
  // The views point into the line; its buffer, to its capacity, may be read kSpill bytes at a
  // time (the bytes past a value are written over by blanks).
  const auto line = reinterpret_cast<std::uintptr_t>(in.InputLine.data());
  const std::size_t readable = in.InputLine.capacity();
  std::size_t at = 0;
  for (int n = 1; n <= count; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    const DirectField d = plans.direct_fields[slot];
    std::string_view text;
    if (d.source > 0) {
      text = d.source <= viewed ? views[d.source] : InputValue(in, d.source);
    } else if (d.source < 0 && -d.source < kGeneratedSourceCount) {
      text = out.GeneratedSourceValues[static_cast<std::size_t>(-d.source)];
    }
    if (d.trim) text = TrimPlainText(text);
    if (text.empty()) text = {plans.defaults[slot].data(), d.default_length};
    const char* const from = text.data();
    std::size_t length = text.size();
    const std::size_t w = d.columns;
    length = std::min(length, w);
    bool quoted = false;
    if constexpr (kSeparation == Separation::kQuotedText) {
      quoted = d.quoted;
      if (quoted) start[at++] = '"';
    }
    char* const field = start + at;
    const std::size_t pad = w - length;
    const auto source = reinterpret_cast<std::uintptr_t>(from);
    // Unsigned: a source before the line wraps to a large offset.
    const bool short_copy = w <= kSpill && readable >= kSpill && source - line <= readable - kSpill;
    if (short_copy && !d.right) {
      CopySpill<kSpill>(field, from);
      Blank32(field + length);
    } else if (short_copy) {
      Blank32(field);
      CopySpill<kSpill>(field + pad, from);
    } else if (!d.right) {
      CopyBytes(field, from, length);
      FillBytes(field + length, ' ', pad);
    } else {
      FillBytes(field, ' ', pad);
      CopyBytes(field + pad, from, length);
    }
    placed[slot] = static_cast<std::int32_t>(at);
    placed_length[slot] = static_cast<std::int32_t>(w);
    at += w;
    if (quoted) start[at++] = '"';
    if constexpr (kSeparation != Separation::kNone) {
      if (n < count) {
        CopyBytes(start + at, separator, separator_size);
        at += separator_size;
      }
    }
    if (static_cast<std::int32_t>(w) > longest[slot]) longest[slot] = static_cast<std::int32_t>(w);
  }
}

}  // namespace

bool BuildDirectRecord(const PlainLayout& layout, const InputTables& in, const FieldPlans& plans,
                       int count, OutputTables& out) {
  if (!plans.direct || count < 1) return false;
  const std::string_view delimiter = layout.delimiter;
  const bool comma = layout.quote_text;
  const std::size_t total = static_cast<std::size_t>(plans.direct_columns) +
                            (comma ? 2 * static_cast<std::size_t>(plans.direct_text_fields) : 0) +
                            static_cast<std::size_t>(count - 1) * delimiter.size();
  if (total >= kRecordLimit) return false;
  std::string& record = out.OutputRecord;
  record.resize(total + kSpill);
  char* const start = record.data();
  if (comma) {
    PlaceFields<Separation::kQuotedText>(delimiter, in, plans, count, out, start);
  } else if (!delimiter.empty()) {
    PlaceFields<Separation::kDelimiter>(delimiter, in, plans, count, out, start);
  } else {
    PlaceFields<Separation::kNone>(delimiter, in, plans, count, out, start);
  }
  record.resize(total);
  out.Scratch.deferred_fields = count;
  return true;
}

}  // namespace vt
