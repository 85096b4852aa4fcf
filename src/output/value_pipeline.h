// Value pipeline: the per-field conversions of an output value, as pure functions.
//
// The record builder runs them in field order; each works in place on the caller's buffers so
// that a record allocates nothing once the buffers are warm.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "output/generated_sources.h"
#include "output/output_tables.h"
#include "parsing/capitalise.h"
#include "parsing/word_lists.h"
#include "strings/byte_copy.h"

namespace vt {

// One output field as the pipeline sees it.
struct FieldSpec {
  std::int16_t source = 0;  // >0 input field, <0 -generated source, 0 none
  std::uint32_t flags = 0;
  int width = 0;  // 0 or less: free width
  std::string_view default_text;
  std::string_view decimals;  // the decimal-places text
};

// What the pipeline reads besides the field.
struct PipelineContext {
  bool strip_accents = false;
  bool strip_tags = false;
  bool dbase_output = false;
  std::int32_t record_number = 0;
  const WordLists* lists = nullptr;  // for proper case
  // An index of lists' capitalisation exceptions made by the caller; none: one per value.
  const CapitalIndex* capitals = nullptr;
};

// Removes every "<...>" run; a "<" without a ">" after it cuts the text there.
void StripTagText(std::string& v);

// Leading blanks, then trailing bytes 0x00-0x20, never the first byte that remains.
void TrimValue(std::string& v);

// T, F or ? for a logic field.
[[nodiscard]] char LogicLetter(std::string_view v);

// Blanks in front up to the width; a value not shorter than the width is left alone.
void RightAlign(std::string& v, int width);

// Numeric formatting of v (numeric fields) into t.
void FormatNumeric(std::string_view v, const FieldSpec& field, bool dbase_output, std::string& t);

// Whether a decimals text counts as given (and its value in `places`). Two blanks, one blank,
// the empty text and a negative number are not given.
[[nodiscard]] bool DecimalsGiven(std::string_view decimals, int& places);

// The outcome of one field's pipeline.
struct FieldOutcome {
  bool marks_skip = false;        // "Skip if Empty" (or "used") fired
  bool is_criterion = false;      // a DeDup field
  bool matched = false;           // a DeDup field equal to its previous value
  bool width_set_to_one = false;  // Logic stores width 1
};

// Steps 2 to 15 of one field: v holds the source value on entry and the finished value on exit;
// previous is the field's value of the previous record, updated here for "Dup if blank" and
// "DeDup" fields. scratch is a work buffer.
FieldOutcome ConvertFieldValue(std::string& v, const FieldSpec& field,
                               const PipelineContext& context, std::string& previous,
                               std::string& scratch);

// Whether ConvertPlainValue gives this field the same value as ConvertFieldValue: trim and
// right-align at most, no case, number, Soundex, repeat, logic, skip or duplicate work.
[[nodiscard]] bool IsPlainField(const FieldSpec& field, const PipelineContext& context);

// `text` without its leading blanks and its trailing control characters and blanks, keeping at
// least its first byte: the trim of TrimValue, on a view.
inline std::string_view TrimPlainText(std::string_view text);

// The text a plain field takes from its source before any padding: trimmed when asked to
// (never "1403 Skip", which keeps its markers), the default text when that leaves nothing.
inline std::string_view PlainFieldText(std::string_view source, const FieldSpec& field);

// The value of a plain field straight from its source text, in one copy: what ConvertFieldValue
// makes of `source` for a field that IsPlainField accepts. `source` must not view v. Inline
// (below): a run makes every plain field of every record with it.
inline void ConvertPlainValue(std::string_view source, const FieldSpec& field, bool dbase_output,
                              std::string& v);

// End of the interface; what follows is the inline part of the plain field functions.

inline std::string_view TrimPlainText(std::string_view text) {
  const char* from = text.data();
  std::size_t length = text.size();
  while (length != 0 && *from == ' ') {
    ++from;
    --length;
  }
  while (length > 1 && static_cast<unsigned char>(from[length - 1]) <= 0x20) --length;
  return {from, length};
}

inline std::string_view PlainFieldText(std::string_view source, const FieldSpec& field) {
  std::string_view text = source;
  if ((field.flags & kFlagRemoveBlanks) && field.source != -k1403Skip) text = TrimPlainText(text);
  if (text.empty()) text = field.default_text;
  return text;
}

inline void ConvertPlainValue(std::string_view source, const FieldSpec& field, bool dbase_output,
                              std::string& v) {
  const int width = field.width <= 0 ? 0 : std::min(field.width, kMaxFieldWidth);
  const std::string_view text = PlainFieldText(source, field);
  if (width <= 0) {
    // Clear and append rather than assign: the copy skips assign's overlap handling, which a
    // source never needs (it never views the value).
    v.clear();
    v.append(text.data(), text.size());
    return;
  }
  // One buffer of exactly the width, filled in place: a run keeps the width from record to
  // record, so the resize is free after the first.
  const auto w = static_cast<std::size_t>(width);
  const bool right = !dbase_output && (field.flags & kFlagRightJustify) != 0;
  const std::size_t length = text.size() < w ? text.size() : w;
  const std::size_t pad = w - length;
  v.resize(w);
  char* out = v.data();
  if (right) {
    FillBytes(out, ' ', pad);
    CopyBytes(out + pad, text.data(), length);
    return;
  }
  CopyBytes(out, text.data(), length);
  FillBytes(out + length, ' ', pad);
}

}  // namespace vt
