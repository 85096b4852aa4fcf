// Record builder: one output record from the current input record, with its generated sources
// and the decision whether a conversion run writes it.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <string_view>

#include "input/input_tables.h"
#include "output/date_steps.h"
#include "output/evaluator.h"
#include "output/generated_sources.h"
#include "output/output_tables.h"
#include "output/plug_in.h"
#include "output/splits.h"
#include "output/writers/writer.h"
#include "parsing/gender_list.h"
#include "parsing/person_name.h"
#include "parsing/street.h"
#include "parsing/word_lists.h"

namespace vt {

// Everything the builder reads from the window's controls, gathered once per call.
struct BuildRequest {
  // The output format's writer: it places every field into the record (quotes, delimiters,
  // elements, date forms). Required.
  const RecordWriter* writer = nullptr;
  bool xml_translate = false;  // decode character entities of the input values
  bool strip_accents = false;
  bool strip_tags = false;
  bool city_in_street = false;
  bool filter = false;
  int select_type = -1;  // 0 Equals, 1 Contains, 2 Omits
  std::string_view filter_text;
  int interleave_index = 0;  // 0 (or none): one stream
  std::int64_t now = 0;      // seconds since 1970 for "Calendar Time NOW"
  bool dbase_input_active = false;
  std::span<const char> dbase_field_types;  // the type letter of field f at index f
  const GenderList* genders = nullptr;      // the user's gender.txt list; none when null
  bool gender_from_title = false;           // Gender 1 from the name's title and first names
  // The Std. Address order and default suite; the name part orders, title guess and titles.
  // Their texts must outlive the request (the window's control texts do).
  StreetAddressOrder street_order;
  PersonNameOptions name_options;
  // Set by a caller that vouches no one wrote the output field table since its last build
  // (a run between its progress points): the build then skips comparing the table with its
  // plans.
  bool field_table_unchanged = false;
  // Set by a caller that vouches no one wrote the word lists since its last build (a run
  // between its progress points): the parsers then keep the list indexes an earlier build of
  // theirs made, without comparing them with the lists.
  bool word_lists_unchanged = false;
  // Set by a run that parses records ahead: the parse of the record in hand, taken when it was
  // made of the values and with the steps this build parses (else the build parses, and sets
  // Scratch.parse_ahead_missed).
  const ParsedRecord* parsed_ahead = nullptr;
  // Set by a run: a record whose fields are all plain and have widths, in a format other than
  // XML and dBase, is made straight into OutputRecord, and OutputFieldValues are filled only by
  // SettleOutputValues.
  bool defer_plain_values = false;
  // Dates, times, combinations, splits (the Date, Time, Combo and Split sheets).
  DateOptions dates;
  const LocalTimeSource* local_time = nullptr;  // none: second counts give no date or time
  bool evaluate = false;                        // "Evaluate as arithmetic"
  const Environment* environment = nullptr;     // for "_name" operands; none when null
  std::array<SplitOption, 3> splits{};
  // "Use Plug In program": the program that rewrites Combination 1-4 of every build; none
  // when null.
  PlugIn* plug_in = nullptr;
};

using SourceSet = std::bitset<kGeneratedSourceCount>;

// The generated sources a run must compute: those the output fields take, and what those need.
// Outside a run every source is computed, since the preview lists them all.
[[nodiscard]] SourceSet NeededSources(const OutputTables& out);

// Decodes the character entities of the current cut's values in place (a build asked to
// translate them does this once per cut).
void DecodeInputValues(InputTables& in);

// The parsers a build with these steps runs, with the street slots of `out`.
[[nodiscard]] ParseSteps ParseStepsOf(const FieldPlans::Steps& steps, const OutputTables& out);

// Builds OutputRecord, OutputFieldValues, the generated sources and RecordSkip. Decodes the
// input values in place once per cut when asked to (InputValuesDecoded guards the repeat).
void BuildOutputRecord(const BuildRequest& request, const WordLists& lists, InputTables& in,
                       OutputTables& out);

// Fills the OutputFieldValues a deferring build left out, from the record it made. A caller
// that sets defer_plain_values calls it before anything reads the values.
void SettleOutputValues(OutputTables& out);

// "Input File Name": the name and extension without the directory.
[[nodiscard]] std::string_view FileNameOnly(std::string_view path);

// "Combo1 ALNUM only": ASCII letters and digits only, upper-cased.
void AlnumUpper(std::string_view text, std::string& out);

}  // namespace vt
