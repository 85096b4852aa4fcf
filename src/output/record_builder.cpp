// Record builder: one output record from the current input record, with its generated sources
// and the decision whether a conversion run writes it.
#include "output/record_builder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "output/combo_steps.h"
#include "output/date_steps.h"
#include "output/direct_record.h"
#include "output/input_value.h"
#include "output/number_text.h"
#include "output/value_pipeline.h"
#include "parsing/gender.h"
#include "parsing/person_name.h"
#include "strings/char_class.h"
#include "strings/entities.h"
#include "strings/fixed_text.h"
#include "strings/search.h"

namespace vt {

namespace {

constexpr char kLineBreakMarker = '\x07';

// Output field `slot` of the table as the value pipeline reads it.
FieldSpec FieldSpecOf(const OutputTables& out, const FieldPlan& plan, std::size_t slot) {
  FieldSpec field;
  field.source = out.OutputFieldSource[slot];
  field.flags = out.OutputFieldFlags[slot];
  field.width = out.OutputFieldWidths[slot];
  field.default_text = {out.OutputFieldDefaults[slot].data(), plan.default_length};
  field.decimals = {out.OutputFieldDecimals[slot].data(), plan.decimals_length};
  return field;
}

// The sources every build empties before it writes any: Convert 2..4 and the control
// characters are left as they are.
constexpr bool EmptiedFirst(int k) {
  return k <= kConvert1 || (k >= kDomainInSplit1 && k <= kDomainInSplit3);
}

bool AnyOf(const SourceSet& set, int first, int last) {
  for (int k = first; k <= last; ++k) {
    if (set.test(static_cast<std::size_t>(k))) return true;
  }
  return false;
}

std::string& Source(OutputTables& out, int k) {
  return out.GeneratedSourceValues[static_cast<std::size_t>(k)];
}

void SetNumber(std::string& value, std::int64_t number) {
  char buffer[24];
  int n = 0;
  const bool negative = number < 0;
  std::uint64_t rest =
      negative ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
  do {
    buffer[n++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  value.clear();
  if (negative) value.push_back('-');
  while (n > 0) value.push_back(buffer[--n]);
}

void ClampWidths(bool dbase, OutputTables& out) {
  for (std::int16_t& width : out.OutputFieldWidths) {
    if (dbase && width > kMaxDbaseWidth) width = kMaxDbaseWidth;
    if (width > kMaxFieldWidth) width = kMaxFieldWidth;
  }
}

// Steps 9 to 14 less the splits: the city line, the street line (with the city split off it
// when the street slots also feed the city), the phones, the personal name and the genders.
// A run may hand a parse made ahead of the build; it is taken only when it was made of the
// same values with the same steps.
void ParseStep(const BuildRequest& request, const WordLists& lists, const InputTables& in,
               const FieldPlans::Steps& plan_steps, OutputTables& out) {
  const ParseSteps steps = ParseStepsOf(plan_steps, out);
  if (!steps.Any()) return;
  const ParseValues values = GatherParseValues(in, out.SpecialSourceTable);
  const ParsedRecord* ahead = request.parsed_ahead;
  if (ahead != nullptr) {
    if (ahead->Matches(steps, values)) {
      ahead->WriteSources(out);
      return;
    }
    out.Scratch.parse_ahead_missed = true;
  }
  ParseSetup setup;
  setup.lists = &lists;
  setup.genders = request.genders;
  setup.name_options = &request.name_options;
  setup.street_order = &request.street_order;
  setup.city_in_street = request.city_in_street;
  setup.gender_from_title = request.gender_from_title;
  RecordParse& parse = out.Scratch.parse;
  ParseRecord(setup, steps, values, parse, out.BatchRun == 0 ? &out.Scratch.shown : nullptr);
  WriteParsedSources(steps, parse, out);
}

// The dBase date number of a field (0 when its source gives no date); 32-bit arithmetic.
std::int32_t DateNumber(const BuildRequest& request, const InputTables& in, OutputTables& out,
                        std::int16_t source) {
  auto date_of = [&](int year, int month, int day) {
    const std::int64_t d = std::int64_t{LeadingInteger(Source(out, year))} * 10000 +
                           std::int64_t{LeadingInteger(Source(out, month))} * 100 +
                           LeadingInteger(Source(out, day));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(d));
  };
  if (source > 0) {
    const auto index = static_cast<std::size_t>(source);
    const bool dbase_date = request.dbase_input_active &&
                            index < request.dbase_field_types.size() &&
                            request.dbase_field_types[index] == 'D';
    return dbase_date ? LeadingInteger(InputValue(in, source)) : 0;
  }
  if (source == -kTodaysDate) return date_of(kTodaysYear, kTodaysMonth, kTodaysDay);
  if (source <= -kDate1 && source >= -kDate4) {
    const int j = -source - kDate1;
    return date_of(kYear1 + j, kMonth1 + j, kDay1 + j);
  }
  return 0;
}

// Step 16: the value placed into the record by the output format's writer.
void PlaceField(const BuildRequest& request, const InputTables& in, int n, int count,
                bool takes_dates, OutputTables& out) {
  const auto slot = static_cast<std::size_t>(n);
  const RecordWriter& writer = *request.writer;
  FieldPlacement field;
  field.n = n;
  field.count = count;
  field.flags = out.OutputFieldFlags[slot];
  field.name = {out.OutputFieldNameTable[slot].data(), out.Scratch.plans.fields[slot].name_length};
  field.value = &out.OutputFieldValues[slot];
  if (takes_dates && (field.flags & kFlagDbaseDate))
    field.date = DateNumber(request, in, out, out.OutputFieldSource[slot]);
  field.batch = out.BatchRun != 0;
  field.interleave = request.interleave_index;
  writer.PlaceField(out.OutputRecord, field, out.Scratch.escaped);
}

// What the fields' pipelines say about selecting the record.
struct Selection {
  bool any_marked = false;
  int criteria = 0;
  int matches = 0;
};

// A record being made in a fixed buffer: each piece is stored only while the record stays
// below kRecordLimit, as AppendToRecord does, so nothing is written past the buffer.
class RecordCursor {
 public:
  explicit RecordCursor(char* start) : start_(start) {}
  [[nodiscard]] std::size_t At() const { return at_; }
  [[nodiscard]] bool Fits(std::size_t added) const { return at_ + added < kRecordLimit; }
  void Byte(char byte) {
    if (Fits(1)) start_[at_++] = byte;
  }
  void Text(std::string_view text) {
    if (!Fits(text.size())) return;
    CopyBytes(start_ + at_, text.data(), text.size());
    at_ += text.size();
  }
  // Unchecked: the caller made sure with Fits.
  char* Take(std::size_t size) {
    char* const piece = start_ + at_;
    at_ += size;
    return piece;
  }

 private:
  char* start_;
  std::size_t at_ = 0;
};

// A field of PlaceLaidOutRun that is not placed whole straight from its source: its value is
// made by the pipeline, then its pieces are stored each while it fits. Out of line: few fields
// take it.
std::size_t PlaceFieldValue(std::string_view raw, bool quoted, std::string_view delimiter,
                            std::size_t slot, bool dbase, const PipelineContext& context,
                            Selection& selection, RecordCursor& cursor, OutputTables& out) {
  BuilderScratch& s = out.Scratch;
  const FieldPlans& plans = s.plans;
  std::string& v = out.OutputFieldValues[slot];
  s.deferred_at[slot] = -1;
  const FieldSpec field = FieldSpecOf(out, plans.fields[slot], slot);
  if (plans.fields[slot].plain) {
    ConvertPlainValue(raw, field, dbase, v);
  } else {
    v.clear();
    v.append(raw.data(), raw.size());  // raw never views v: no overlap handling
    const FieldOutcome outcome =
        ConvertFieldValue(v, field, context, out.OutputFieldPrevious[slot], s.number);
    if (outcome.width_set_to_one) out.OutputFieldWidths[slot] = 1;
    selection.any_marked = selection.any_marked || outcome.marks_skip;
    selection.criteria += outcome.is_criterion ? 1 : 0;
    selection.matches += outcome.matched ? 1 : 0;
  }
  // The pieces of AppendFieldPieces, each while it fits.
  const std::size_t length = v.size();
  if (cursor.Fits((quoted ? 2 : 0) + delimiter.size() + length)) {
    char* piece = cursor.Take((quoted ? 2 : 0) + delimiter.size() + length);
    if (quoted) *piece++ = '"';
    CopyBytes(piece, v.data(), length);
    piece += length;
    if (quoted) *piece++ = '"';
    CopyBytes(piece, delimiter.data(), delimiter.size());
  } else {
    if (quoted) cursor.Byte('"');
    cursor.Text(v);
    if (quoted) cursor.Byte('"');
    cursor.Text(delimiter);
  }
  return length;
}

// What follows a field's value in a laid-out record: its closing quote and the delimiter,
// stored as one 8-byte move where they fit (the bytes past them are written over later).
struct FieldEnd {
  char bytes[8] = {};
  std::size_t size = 0;
};

// What the fields of one laid-out run record share.
struct LaidOutRecord {
  const PlainLayout& layout;
  const InputTables& in;
  const FieldPlans& plans;
  int count;
  bool dbase;
  const PipelineContext& context;
  // The end of a field that is quoted or not and is the last field or not; short_ends is false
  // when the delimiter is too long for one move.
  FieldEnd ends[2][2];
  bool short_ends = false;
};

void MakeFieldEnds(LaidOutRecord& r) {
  const std::string_view delimiter = r.layout.delimiter;
  r.short_ends = delimiter.size() <= 7;
  if (!r.short_ends) return;
  for (int quoted = 0; quoted < 2; ++quoted) {
    for (int last = 0; last < 2; ++last) {
      FieldEnd& end = r.ends[quoted][last];
      if (quoted) end.bytes[end.size++] = '"';
      if (!last) {
        // An empty delimiter may have no bytes at all to copy from.
        if (!delimiter.empty())
          std::memcpy(end.bytes + end.size, delimiter.data(), delimiter.size());
        end.size += delimiter.size();
      }
    }
  }
}

// Field n of a laid-out run record, whatever it is: placed whole from its source when it is
// plain and fits, else made by the pipeline. Out of line, so that the loop over the bare fields
// keeps its values in registers.
[[gnu::noinline]] void PlaceLaidOutField(const LaidOutRecord& r, int n, RecordCursor& cursor,
                                         Selection& selection, OutputTables& out) {
  constexpr std::size_t kSpill = BuilderScratch::kLaidOutSpill;
  const auto slot = static_cast<std::size_t>(n);
  const FieldPlans& plans = r.plans;
  const InputTables& in = r.in;
  BuilderScratch& s = out.Scratch;
  const DirectField d = plans.direct_fields[slot];
  const bool last = n == r.count;
  std::string_view raw;
  // One past the last byte of the buffer raw lies in that may be read.
  std::uintptr_t readable_end = 0;
  if (d.source > 0) {
    raw = InputValue(in, d.source);
    // Input views point into the line, whose buffer may be read to its capacity.
    const auto line = reinterpret_cast<std::uintptr_t>(in.InputLine.data());
    const auto from = reinterpret_cast<std::uintptr_t>(raw.data());
    if (from - line <= in.InputLine.capacity()) readable_end = line + in.InputLine.capacity();
  } else if (d.source < 0 && -d.source < kGeneratedSourceCount) {
    const std::string& source = out.GeneratedSourceValues[static_cast<std::size_t>(-d.source)];
    raw = source;
    // With its terminating NUL.
    readable_end = reinterpret_cast<std::uintptr_t>(source.data()) + source.capacity() + 1;
  }
  const bool quoted = r.layout.quote_text && d.quoted;
  const std::string_view delimiter = last ? std::string_view() : r.layout.delimiter;
  const std::size_t around = (quoted ? 2 : 0) + delimiter.size();
  std::size_t length = 0;
  bool placed = false;  // whole, straight from the source
  if (plans.fields[slot].plain) {
    // PlainFieldText from the plan's copy.
    std::string_view text = d.trim ? TrimPlainText(raw) : raw;
    if (text.empty()) {
      text = {plans.defaults[slot].data(), d.default_length};
      readable_end = reinterpret_cast<std::uintptr_t>(plans.defaults[slot].data()) +
                     plans.defaults[slot].size();
    }
    std::size_t used = text.size();
    const std::size_t w = d.columns > 0 ? d.columns : used;
    if (cursor.Fits(around + w)) {
      // What ConvertPlainValue makes, in place.
      const auto from = reinterpret_cast<std::uintptr_t>(text.data());
      const bool spill =
          r.short_ends && used == w && used <= kSpill && from + kSpill <= readable_end;
      char* piece = cursor.Take(around + w);
      if (quoted) *piece++ = '"';
      s.deferred_at[slot] = static_cast<std::int32_t>(piece - s.laid_out.data());
      s.deferred_length[slot] = static_cast<std::int32_t>(w);
      if (spill) {
        // The value and then its end, each in fixed-size moves that may run past it.
        CopySpill<kSpill>(piece, text.data());
        CopySpill<sizeof r.ends[0][0].bytes>(piece + w, r.ends[quoted][last].bytes);
      } else {
        used = std::min(used, w);
        const std::size_t pad = w - used;
        if (!r.dbase && d.right) {
          FillBytes(piece, ' ', pad);
          CopyBytes(piece + pad, text.data(), used);
        } else {
          CopyBytes(piece, text.data(), used);
          FillBytes(piece + used, ' ', pad);
        }
        piece += w;
        if (quoted) *piece++ = '"';
        CopyBytes(piece, delimiter.data(), delimiter.size());
      }
      length = w;
      placed = true;
    }
  }
  if (!placed) {
    length =
        PlaceFieldValue(raw, quoted, delimiter, slot, r.dbase, r.context, selection, cursor, out);
  }
  if (static_cast<std::int32_t>(length) > out.OutputFieldLongest[slot])
    out.OutputFieldLongest[slot] = static_cast<std::int32_t>(length);
}

// Where the bare fields of a laid-out run record go. Copies, not references: every store into
// the record may alias what they point into.
struct BareFieldTargets {
  char* start;
  const DirectField* fields;
  const std::array<char, 32>* defaults;
  const std::string* sources;
  std::int32_t* placed_at;
  std::int32_t* placed_length;
  std::int32_t* longest;
};

// Places field `slot` when it is bare and short: its source's text (or the default when that is
// empty) in one fixed-size move from a buffer that holds kLaidOutSpill bytes (a source with its
// NUL), then its end in another. False, with nothing done, for any other field.
template <bool kQuoteText, bool kLast>
inline bool PlaceBareField(const LaidOutRecord& r, const BareFieldTargets& t, std::size_t slot,
                           RecordCursor& cursor) {
  constexpr std::size_t kSpill = BuilderScratch::kLaidOutSpill;
  // The plan's copy of the field: a run keeps the table as the plans were made from it.
  const DirectField d = t.fields[slot];
  if (!d.bare) return false;
  const std::string& source = t.sources[static_cast<std::size_t>(-d.source)];
  const char* text = source.data();
  std::size_t used = source.size();
  bool readable = source.capacity() >= kSpill - 1;
  if (used == 0) {
    text = t.defaults[slot].data();
    used = d.default_length;
    readable = t.defaults[slot].size() >= kSpill;
  }
  const bool quoted = kQuoteText && d.quoted;
  const FieldEnd& end = r.ends[quoted ? 1 : 0][kLast ? 1 : 0];
  const std::size_t whole = used + (quoted ? 1 : 0) + end.size;
  if (used > kSpill || !readable || !cursor.Fits(whole)) return false;
  char* piece = cursor.Take(whole);
  *piece = '"';  // written over by the value when the field is not quoted
  piece += quoted ? 1 : 0;
  t.placed_at[slot] = static_cast<std::int32_t>(piece - t.start);
  t.placed_length[slot] = static_cast<std::int32_t>(used);
  CopySpill<kSpill>(piece, text);
  CopySpill<sizeof end.bytes>(piece + used, end.bytes);
  if (static_cast<std::int32_t>(used) > t.longest[slot])
    t.longest[slot] = static_cast<std::int32_t>(used);
  return true;
}

// The fields of a laid-out run record in order, the last one apart so that no field tests
// whether it is the last.
template <bool kQuoteText>
void PlaceLaidOutFields(const LaidOutRecord& r, const BareFieldTargets& t, RecordCursor& cursor,
                        Selection& selection, OutputTables& out) {
  for (int n = 1; n < r.count; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    if (!PlaceBareField<kQuoteText, false>(r, t, slot, cursor))
      PlaceLaidOutField(r, n, cursor, selection, out);
  }
  const auto slot = static_cast<std::size_t>(r.count);
  if (!PlaceBareField<kQuoteText, true>(r, t, slot, cursor))
    PlaceLaidOutField(r, r.count, cursor, selection, out);
}

// Step 19 of a run in a format whose fields are all placed by PlaceLaidOut: the same bytes,
// made through a cursor in the scratch buffer and copied into OutputRecord once. A plain field
// that fits whole is placed straight from its source and its value left for
// SettleOutputValues.
void PlaceLaidOutRun(const PlainLayout& layout, const InputTables& in, const FieldPlans& plans,
                     int count, bool dbase, const PipelineContext& context, Selection& selection,
                     OutputTables& out) {
  BuilderScratch& s = out.Scratch;
  s.deferred_fields = count;
  if (count < 1) {
    out.OutputRecord.clear();
    return;
  }
  LaidOutRecord r{layout, in, plans, count, dbase, context, {}, false};
  MakeFieldEnds(r);
  const BareFieldTargets t{s.laid_out.data(),
                           plans.direct_fields.data(),
                           plans.defaults.data(),
                           out.GeneratedSourceValues.data(),
                           s.deferred_at.data(),
                           s.deferred_length.data(),
                           out.OutputFieldLongest.data()};
  RecordCursor cursor(t.start);  // empty: no step before this one writes the record
  if (!r.short_ends) {
    // Bare fields are placed apart only where their ends take one move.
    for (int n = 1; n <= count; ++n) PlaceLaidOutField(r, n, cursor, selection, out);
  } else if (layout.quote_text) {
    PlaceLaidOutFields<true>(r, t, cursor, selection, out);
  } else {
    PlaceLaidOutFields<false>(r, t, cursor, selection, out);
  }
  out.OutputRecord.assign(t.start, cursor.At());
}

// Step 3 of the filter: whether the filter drops the record.
bool FilteredOut(const BuildRequest& request, const InputTables& in, const OutputTables& out) {
  if (!request.filter) return false;
  const std::string_view v = InputValue(in, out.FilterSourceField);
  const std::string_view t = request.filter_text;
  switch (request.select_type) {
    case 0:
      return v != t;
    case 1:
      return FindText(v, t) == std::string_view::npos;
    case 2:
      return FindText(v, t) != std::string_view::npos;
    default:
      return false;
  }
}

// The sources the steps write when a build needs `needed`: a parser fills all of its parts
// once any one of them is needed.
SourceSet WrittenSources(const SourceSet& needed) {
  SourceSet written = needed;
  auto set = [&](int first, int last) {
    for (int k = first; k <= last; ++k) written.set(static_cast<std::size_t>(k));
  };
  const bool street = AnyOf(needed, kSuiteDesignator, kStdAddress);
  if (street || AnyOf(needed, kCity, kPostalZip)) set(kCity, kPostalZip);
  if (street) set(kSuiteDesignator, kStdAddress);
  if (AnyOf(needed, kAreaCode1, kPhone3)) set(kAreaCode1, kPhone3);
  const bool gender = AnyOf(needed, kGender1, kGender3);
  if (gender || AnyOf(needed, kTitle, kStdName) || needed.test(kSalutation)) {
    set(kTitle, kStdName);
    set(kSalutation, kSalutation);
  }
  if (gender) set(kGender1, kGender3);
  return written;
}

// Whether the field table's first `count` slots still hold what the plans were made from.
template <typename Table>
bool SameSlots(const Table& table, const Table& copy, int count) {
  using Entry = typename Table::value_type;
  const auto bytes = static_cast<std::size_t>(count + 1) * sizeof(Entry);
  return std::memcmp(table.data(), copy.data(), bytes) == 0;
}

template <typename Table>
void CopySlots(const Table& table, Table& copy, int count) {
  std::copy_n(table.begin(), count + 1, copy.begin());
}

// Makes the per-field plans again when the field table, its count or BatchRun changed since
// the last build; the comparison costs a few hundred bytes for ten fields.
FieldPlans& CurrentPlans(OutputTables& out, int count) {
  FieldPlans& p = out.Scratch.plans;
  const bool same = p.count == count && p.batch == out.BatchRun &&
                    SameSlots(out.OutputFieldSource, p.sources, count) &&
                    SameSlots(out.OutputFieldWidths, p.widths, count) &&
                    SameSlots(out.OutputFieldFlags, p.flags, count) &&
                    SameSlots(out.OutputFieldDefaults, p.defaults, count) &&
                    SameSlots(out.OutputFieldDecimals, p.decimals, count) &&
                    SameSlots(out.OutputFieldNameTable, p.names, count);
  if (same) return p;
  p.count = count;
  p.batch = out.BatchRun;
  CopySlots(out.OutputFieldSource, p.sources, count);
  CopySlots(out.OutputFieldWidths, p.widths, count);
  CopySlots(out.OutputFieldFlags, p.flags, count);
  CopySlots(out.OutputFieldDefaults, p.defaults, count);
  CopySlots(out.OutputFieldDecimals, p.decimals, count);
  CopySlots(out.OutputFieldNameTable, p.names, count);
  for (int n = 1; n <= count; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    FieldPlan& plan = p.fields[slot];
    plan.default_length = static_cast<std::uint8_t>(TextOf(out.OutputFieldDefaults[slot]).size());
    plan.decimals_length = static_cast<std::uint8_t>(TextOf(out.OutputFieldDecimals[slot]).size());
    plan.name_length = static_cast<std::uint8_t>(TextOf(out.OutputFieldNameTable[slot]).size());
    FieldSpec spec;
    spec.flags = out.OutputFieldFlags[slot];
    plan.plain = IsPlainField(spec, PipelineContext{});
    plan.columns =
        static_cast<std::uint16_t>(std::clamp<int>(out.OutputFieldWidths[slot], 0, kMaxFieldWidth));
  }
  p.direct = true;
  p.direct_columns = 0;
  p.direct_text_fields = 0;
  for (int n = 1; n <= count; ++n) {
    const FieldPlan& plan = p.fields[static_cast<std::size_t>(n)];
    const auto slot = static_cast<std::size_t>(n);
    const std::uint32_t flags = p.flags[slot];
    p.direct = p.direct && plan.plain && plan.columns > 0;
    p.direct_columns += plan.columns;
    if (!(flags & kFlagNumeric)) ++p.direct_text_fields;
    DirectField& d = p.direct_fields[slot];
    d.source = p.sources[slot];
    d.columns = plan.columns;
    d.default_length = plan.default_length;
    d.trim = (flags & kFlagRemoveBlanks) && d.source != -k1403Skip;
    d.right = (flags & kFlagRightJustify) != 0;
    d.quoted = !(flags & kFlagNumeric);
    d.bare = plan.plain && !d.trim && plan.columns == 0 && d.source < 0 &&
             -d.source < kGeneratedSourceCount;
  }
  p.needed = NeededSources(out);
  const SourceSet& needed = p.needed;
  p.steps.dates = AnyOf(needed, kDate1, kJulianDate4);
  p.steps.combinations = AnyOf(needed, kCombination1, kCombination4);
  p.steps.city = AnyOf(needed, kCity, kPostalZip);
  p.steps.street = AnyOf(needed, kSuiteDesignator, kStdAddress);
  p.steps.phones = AnyOf(needed, kAreaCode1, kPhone3);
  p.steps.splits =
      AnyOf(needed, kSplit1A, kSplit3C) || AnyOf(needed, kDomainInSplit1, kDomainInSplit3);
  p.steps.gender = AnyOf(needed, kGender1, kGender3);
  p.steps.name = p.steps.gender || AnyOf(needed, kTitle, kStdName) || needed.test(kSalutation);
  const SourceSet written = WrittenSources(p.needed);
  // A source that its step writes in every build, and that no step before it reads, need not
  // be emptied first (the street parts are not written for an empty street line).
  SourceSet always_written;
  auto mark = [&](bool step, int first, int last) {
    for (int k = first; k <= last && step; ++k) always_written.set(static_cast<std::size_t>(k));
  };
  mark(p.steps.city || p.steps.street, kCity, kPostalZip);
  mark(p.steps.name, kTitle, kStdName);
  mark(p.steps.name, kSalutation, kSalutation);
  mark(p.steps.gender, kGender1, kGender3);
  mark(p.steps.phones, kAreaCode1, kPhone3);
  p.emptied_count = 0;
  for (int k = 0; k < kGeneratedSourceCount; ++k) {
    const auto bit = static_cast<std::size_t>(k);
    if (EmptiedFirst(k) && written.test(bit) && !always_written.test(bit))
      p.emptied[static_cast<std::size_t>(p.emptied_count++)] = static_cast<std::uint8_t>(k);
  }
  p.sources_clean = false;
  return p;
}

}  // namespace

void DecodeInputValues(InputTables& in) {
  in.SettleInputValues();  // decoded in place
  const auto last = std::min<std::size_t>(static_cast<std::size_t>(std::max(in.InputFieldTotal, 0)),
                                          in.InputFieldValues.size() - 1);
  for (std::size_t f = 1; f <= last && !in.InputFieldValues.empty(); ++f)
    DecodeEntities(in.InputFieldValues[f]);
}

ParseSteps ParseStepsOf(const FieldPlans::Steps& steps, const OutputTables& out) {
  ParseSteps p;
  p.city = steps.city;
  p.street = steps.street;
  p.phones = steps.phones;
  p.name = steps.name;
  p.gender = steps.gender;
  const auto& city_row = out.SpecialSourceTable[kCityRow];
  const auto& street_row = out.SpecialSourceTable[kStreetRow];
  p.city_in_street_slots = street_row[0] != 0;
  for (std::size_t i = 0; i < 5; ++i)
    p.city_in_street_slots = p.city_in_street_slots && street_row[i] == city_row[i + 1];
  return p;
}

SourceSet NeededSources(const OutputTables& out) {
  SourceSet needed;
  if (!out.BatchRun) return needed.set();
  for (int n = 1; n <= out.OutputFieldsInUse(); ++n) {
    const std::int16_t source = out.OutputFieldSource[static_cast<std::size_t>(n)];
    if (source >= 0 || -source >= kGeneratedSourceCount) continue;
    needed.set(static_cast<std::size_t>(-source));
    // dBase dates are made of the day, month and year of their date.
    if (source == -kTodaysDate) {
      for (int k = kTodaysDay; k <= kTodaysYear; ++k) needed.set(static_cast<std::size_t>(k));
    }
    if (source <= -kDate1 && source >= -kDate4) {
      const int j = -source - kDate1;
      for (int k : {kDay1 + j, kMonth1 + j, kYear1 + j}) needed.set(static_cast<std::size_t>(k));
    }
  }
  // The sums and the plain copy of a combination read the combinations.
  if (needed.test(kCombo1Alnum)) needed.set(kCombination1);
  if (AnyOf(needed, kSumOfCombos, kConvert4)) needed.set(kCombination1);
  // Steps that fill a family fill all of it: the combinations (whose evaluation keeps variables
  // in their order), the splits with their domains, and the dates and times (a date starts from
  // its day, month and year, which must be emptied first).
  const auto whole = [&](int first, int last) {
    if (!AnyOf(needed, first, last)) return;
    for (int k = first; k <= last; ++k) needed.set(static_cast<std::size_t>(k));
  };
  whole(kCombination1, kCombination4);
  if (AnyOf(needed, kDomainInSplit1, kDomainInSplit3)) needed.set(kSplit1A);
  whole(kSplit1A, kSplit3C);
  if (needed.test(kSplit1A)) {
    for (int k = kDomainInSplit1; k <= kDomainInSplit3; ++k)
      needed.set(static_cast<std::size_t>(k));
  }
  whole(kDate1, kJulianDate4);
  return needed;
}

void SettleOutputValues(OutputTables& out) {
  BuilderScratch& s = out.Scratch;
  const std::string& record = out.OutputRecord;
  for (int n = 1; n <= s.deferred_fields; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    if (s.deferred_at[slot] < 0) continue;
    const auto at = static_cast<std::size_t>(s.deferred_at[slot]);
    const auto length = static_cast<std::size_t>(s.deferred_length[slot]);
    out.OutputFieldValues[slot].assign(record, std::min(at, record.size()), length);
  }
  s.deferred_fields = 0;
}

std::string_view FileNameOnly(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

void AlnumUpper(std::string_view text, std::string& out) {
  out.clear();
  for (char c : text) {
    const bool ascii = static_cast<unsigned char>(c) < 128;
    if (ascii && IsWordChar(c)) out.push_back(UpperAscii(c));
  }
}

namespace {

// A run's record of plain fields that take input values alone, once the plans vouch for the
// table: no step has work, the sources are already empty and nothing selects records, so the
// record is made at once. False, with nothing done, for any other build.
bool BuildPlainRunRecord(const BuildRequest& request, const InputTables& in, OutputTables& out) {
  const FieldPlans& plans = out.Scratch.plans;
  const int count = out.OutputFieldsInUse();
  const bool vouched = out.BatchRun != 0 && request.field_table_unchanged && plans.count == count &&
                       plans.batch == out.BatchRun && plans.sources_clean;
  if (!vouched || !plans.direct || plans.needed.any() || !request.defer_plain_values ||
      request.plug_in != nullptr || request.xml_translate || request.filter ||
      request.strip_accents || request.strip_tags)
    return false;
  const PlainLayout layout = request.writer->Plain();
  out.Scratch.deferred_fields = 0;
  if (!layout.allowed || !BuildDirectRecord(layout, in, plans, count, out)) return false;
  out.RecordSkip = 0;
  return true;
}

}  // namespace

// Every build but the plain run records above: kept out of line, so that those do not pay for
// its frame.
void BuildFullRecord(const BuildRequest& request, const WordLists& lists, InputTables& in,
                     OutputTables& out);

void BuildOutputRecord(const BuildRequest& request, const WordLists& lists, InputTables& in,
                       OutputTables& out) {
  if (!BuildPlainRunRecord(request, in, out)) BuildFullRecord(request, lists, in, out);
}

void BuildFullRecord(const BuildRequest& request, const WordLists& lists, InputTables& in,
                     OutputTables& out) {
  const bool batch = out.BatchRun != 0;
  const int count = out.OutputFieldsInUse();
  FieldPlans& kept = out.Scratch.plans;
  const bool trusted =
      request.field_table_unchanged && kept.count == count && kept.batch == out.BatchRun;
  FieldPlans& plans = trusted ? kept : CurrentPlans(out, count);
  if (!request.word_lists_unchanged) {
    out.Scratch.parse.name_indexed = false;
    out.Scratch.parse.street_indexed = false;
    out.Scratch.capitals_indexed = false;
  }
  const SourceSet& needed = plans.needed;
  // Within a run whose sources were all emptied once, only the ones its steps write can hold
  // a value.
  const bool lean = batch && plans.sources_clean;

  // Step 1: reset; entity decoding once per cut.
  out.OutputRecord.clear();
  if (request.xml_translate &&
      (!in.InputValuesDecoded || in.DecodedRecordNumber != in.RecordNumber)) {
    DecodeInputValues(in);
    in.InputValuesDecoded = true;
    in.DecodedRecordNumber = in.RecordNumber;
  }
  const bool dbase = request.writer->Format() == OutputFormat::kDbase;
  if (!batch) ClampWidths(dbase, out);
  if (lean) {
    for (int i = 0; i < plans.emptied_count; ++i)
      Source(out, plans.emptied[static_cast<std::size_t>(i)]).clear();
  } else {
    for (int k = 0; k < kGeneratedSourceCount; ++k) {
      if (EmptiedFirst(k)) Source(out, k).clear();
    }
  }
  // A run writes only the sources a field takes; the others stay as emptied above.
  auto wanted = [&](int k) { return !batch || needed.test(static_cast<std::size_t>(k)); };

  // Step 2: the file name.
  if (wanted(kInputFileName)) Source(out, kInputFileName).assign(FileNameOnly(in.InputFileName));

  // Step 3: ASA carriage control from input field 1.
  if (wanted(k1403Skip)) {
    std::string& skip = Source(out, k1403Skip);
    skip.clear();
    const std::string_view first = InputValue(in, 1);
    if (!first.empty() && first[0] == '1') skip.assign(1, '\x0C');
    if (!first.empty() && first[0] == '0') skip.assign(1, kLineBreakMarker);
    if (!first.empty() && first[0] == '-') skip.assign(2, kLineBreakMarker);
  }

  // Steps 4 to 7: times, the combinations and their evaluation, unit conversion. Step 8: the
  // sums and copies of the combinations.
  const DateStepSetup dates{&request.dates, request.local_time, request.dbase_input_active,
                            request.dbase_field_types};
  const FieldPlans::Steps& steps = plans.steps;
  const bool want_dates = steps.dates;
  if (want_dates) ReadTimeSources(dates, in, out);
  // The plug-in runs for every build while it is on, whether or not a field takes its answer.
  if (request.plug_in != nullptr || steps.combinations) CombineStep(request, in, out);
  if (request.plug_in != nullptr) PlugInStep(*request.plug_in, out);
  ConvertStep(needed, out);
  if (needed.test(kCombo1Alnum)) AlnumUpper(Source(out, kCombination1), Source(out, kCombo1Alnum));
  if (needed.test(kCalendarNow)) SetNumber(Source(out, kCalendarNow), request.now);
  if (needed.test(kSumOfCombos)) {
    double sum = 0;
    for (int k = kCombination1; k <= kCombination4; ++k) sum += LeadingNumber(Source(out, k));
    AppendNumberText(sum, 14, Source(out, kSumOfCombos));
  }

  // Steps 9 to 14: addresses, phones, splits, the personal name and the genders.
  ParseStep(request, lists, in, steps, out);
  if (steps.splits) SplitStep(request, in, out);

  // Step 17: today's texts.
  for (int k = kTodaysDate; k <= kTodaysYear; ++k) {
    if (wanted(k)) Source(out, k).assign(out.TodayTexts[static_cast<std::size_t>(k - kTodaysDate)]);
  }
  if (want_dates) ReadDateSources(dates, in, out);

  // Step 18: counters and the control characters.
  if (wanted(kRecordNumber)) SetNumber(Source(out, kRecordNumber), in.RecordNumber);
  if (wanted(kInputPageNumber)) SetNumber(Source(out, kInputPageNumber), in.PagesRead);
  for (std::size_t i = 0; i < in.WebEmails.size(); ++i) {
    if (wanted(kTaggedEmail1 + static_cast<int>(i)))
      Source(out, kTaggedEmail1 + static_cast<int>(i)).assign(in.WebEmails[i]);
    if (wanted(kTaggedUrl1 + static_cast<int>(i)))
      Source(out, kTaggedUrl1 + static_cast<int>(i)).assign(in.WebUrls[i]);
  }
  if (wanted(kLineBreak)) Source(out, kLineBreak).assign(1, kLineBreakMarker);
  if (wanted(kFormFeed)) Source(out, kFormFeed).assign(1, '\x0C');
  if (wanted(kTab)) Source(out, kTab).assign(1, '\t');

  // Step 19: every field through the pipeline into the record.
  PipelineContext context;
  context.strip_accents = request.strip_accents;
  context.strip_tags = request.strip_tags;
  context.dbase_output = dbase;
  context.record_number = in.RecordNumber;
  context.lists = &lists;
  if (!out.Scratch.capitals_indexed) out.Scratch.capitals.Refresh(lists.CapitalExceptions);
  out.Scratch.capitals_indexed = true;
  context.capitals = &out.Scratch.capitals;
  const bool plain_allowed = !request.strip_accents && !request.strip_tags;
  bool any_marked = false;
  int criteria = 0;
  int matches = 0;
  out.Scratch.deferred_fields = 0;
  const PlainLayout plain = request.writer->Plain();
  const bool takes_dates = request.writer->TakesDates();
  const bool defer = request.defer_plain_values && batch && plain.allowed && plain_allowed;
  const bool direct = defer && BuildDirectRecord(plain, in, plans, count, out);
  if (defer && !direct) {
    Selection selection;
    PlaceLaidOutRun(plain, in, plans, count, dbase, context, selection, out);
    any_marked = selection.any_marked;
    criteria = selection.criteria;
    matches = selection.matches;
  }
  for (int n = 1; n <= count && !defer; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    const FieldPlan& plan = plans.fields[slot];
    std::string& v = out.OutputFieldValues[slot];
    const std::int16_t source = out.OutputFieldSource[slot];
    std::string_view raw;
    if (source > 0) {
      raw = InputValue(in, source);
    } else if (source < 0 && -source < kGeneratedSourceCount) {
      raw = Source(out, -source);
    }
    const FieldSpec field = FieldSpecOf(out, plan, slot);
    if (plan.plain && plain_allowed) {
      ConvertPlainValue(raw, field, dbase, v);
    } else {
      v.clear();
      v.append(raw.data(), raw.size());  // raw never views v: no overlap handling
      const FieldOutcome outcome =
          ConvertFieldValue(v, field, context, out.OutputFieldPrevious[slot], out.Scratch.number);
      if (outcome.width_set_to_one) out.OutputFieldWidths[slot] = 1;
      any_marked = any_marked || outcome.marks_skip;
      criteria += outcome.is_criterion ? 1 : 0;
      matches += outcome.matched ? 1 : 0;
    }
    if (plain.allowed) {
      PlaceLaidOut(plain, out.OutputRecord, field.flags, v, n >= count);  // no virtual call
    } else {
      PlaceField(request, in, n, count, takes_dates, out);
    }
    const auto length = static_cast<std::int32_t>(v.size());
    if (length > out.OutputFieldLongest[slot]) out.OutputFieldLongest[slot] = length;
  }

  // Step 20: record selection; no rule clears what an earlier one set.
  out.RecordSkip = criteria > 0 && matches == criteria && in.RecordNumber > 1 ? 1 : 0;
  if (any_marked) out.RecordSkip = 1;
  if (FilteredOut(request, in, out)) out.RecordSkip = 1;
  // A run's build that emptied everything leaves the unneeded sources empty for the next one.
  plans.sources_clean = batch;
}

}  // namespace vt
