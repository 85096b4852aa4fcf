// Builder scratch: the work texts the record builder reuses from record to record.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>

#include "output/date_steps.h"
#include "output/generated_sources.h"
#include "output/record_parse.h"
#include "parsing/capitalise.h"

namespace vt {

// One output field as a build runs it, decided once per field table. Texts are kept as
// lengths into the table, so that a copied table never points into another one.
struct FieldPlan {
  std::uint8_t default_length = 0;
  std::uint8_t decimals_length = 0;
  std::uint8_t name_length = 0;
  bool plain = false;  // trim and right-align at most (IsPlainField, before the request's options)
  std::uint16_t columns = 0;  // the width a direct record gives the field: 1..kMaxFieldWidth
};

// The field table the plans were made from: a build compares it with the table's first
// OutputFieldCount slots and makes the plans again when anything differs.
// One field of a direct record, packed so that a record's fields are read from one short array.
struct DirectField {
  std::int16_t source = 0;
  std::uint16_t columns = 0;
  std::uint8_t default_length = 0;
  bool trim = false;    // leading blanks and trailing control characters go
  bool right = false;   // padded on the left
  bool quoted = false;  // a text field of a format that quotes text
  // Plain, untrimmed and of free width, from a generated source: a laid-out run record takes
  // its source's text as it is.
  bool bare = false;
};

struct FieldPlans {
  static constexpr int kSlots = 100;
  std::int32_t count = -1;  // -1: no plans yet
  std::int32_t batch = -1;  // the BatchRun the needed sources were found for
  std::array<std::int16_t, kSlots> sources{};
  std::array<std::int16_t, kSlots> widths{};
  std::array<std::uint32_t, kSlots> flags{};
  std::array<std::array<char, 32>, kSlots> defaults{};
  std::array<std::array<char, 3>, kSlots> decimals{};
  std::array<std::array<char, 32>, kSlots> names{};
  std::array<FieldPlan, kSlots> fields{};
  std::bitset<kGeneratedSourceCount> needed;  // the generated sources this table needs
  // Which steps have work for these sources, decided once with them.
  struct Steps {
    bool dates = false;
    bool combinations = false;
    bool city = false;
    bool street = false;
    bool phones = false;
    bool splits = false;
    bool name = false;
    bool gender = false;
  } steps;
  // The needed sources that every build empties first (EmptiedFirst in the builder).
  std::array<std::uint8_t, kGeneratedSourceCount> emptied{};
  int emptied_count = 0;
  // Set by a run's build that emptied every source: until the plans change or a build outside
  // a run, the sources no field needs stay empty and need not be emptied again.
  bool sources_clean = false;
  // Whether every field is plain and has a width, so that a run may make its records directly;
  // then the sum of their columns and how many fields are text (not numeric), for the length.
  bool direct = false;
  std::int32_t direct_columns = 0;
  std::int32_t direct_text_fields = 0;
  std::array<DirectField, kSlots> direct_fields{};
};

// Reserved once; a warmed-up build reuses every buffer and allocates nothing.
struct BuilderScratch {
  BuilderScratch();
  std::string number;   // numeric formatting
  std::string code;     // Soundex code
  std::string escaped;  // XML escaping
  RecordParse parse;    // the parsers' step
  // Set by a build handed a parse made ahead that was not of its record.
  bool parse_ahead_missed = false;
  ParsedLines shown;  // not written during a run
  DateScratch dates;
  std::string expression;  // a combination being evaluated
  FieldPlans plans;
  // The capitalisation exceptions for proper case, indexed when the parsers' indexes are (see
  // RecordParse).
  CapitalIndex capitals;
  bool capitals_indexed = false;
  // Fields 1..deferred_fields of the last build were placed straight into the record, at
  // deferred_at[n] for deferred_length[n] bytes, without their OutputFieldValues (see
  // SettleOutputValues); a field at -1 has its value already.
  int deferred_fields = 0;
  std::array<std::int32_t, FieldPlans::kSlots> deferred_at{};
  std::array<std::int32_t, FieldPlans::kSlots> deferred_length{};
  // A run's record in a laid-out format, made here through a cursor and then copied into
  // OutputRecord once: kRecordLimit bytes and kLaidOutSpill more for the fixed-size moves that
  // write past a short piece, sized once.
  static constexpr std::size_t kLaidOutSpill = 32;
  std::string laid_out;
};

}  // namespace vt
