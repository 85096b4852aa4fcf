// Record parse: the parsers' part of a build (city, street, phones, personal name, genders) as a
// function of the record's parser input values, its steps and the lists and options alone. A
// run can so parse records ahead on other threads, and a build can take what they made.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "input/input_tables.h"
#include "output/generated_sources.h"
#include "parsing/city.h"
#include "parsing/gender_list.h"
#include "parsing/person_name.h"
#include "parsing/phone.h"
#include "parsing/street.h"
#include "parsing/word_lists.h"

namespace vt {

struct OutputTables;

// The lines the parsers read, kept by a build outside a run for the parser sheets to show.
struct ParsedLines {
  std::string city;
  std::string street;  // as joined, before a city is split off it
  std::string name;
  std::array<std::string, 3> phones;
};

// Which parsers a build runs, and whether the street slots are the city slots (the city is then
// split off the street line).
struct ParseSteps {
  bool city = false;
  bool street = false;
  bool phones = false;
  bool name = false;
  bool gender = false;
  bool city_in_street_slots = false;
  bool Any() const { return city || street || phones || name || gender; }
  bool operator==(const ParseSteps&) const = default;
};

// The input values the parsers read, by slot: name 1..5, gender sources 1..3, city 1..5, street
// 0..5 and phone 0..5, in that order.
inline constexpr std::size_t kParseValueCount = 25;
using ParseValues = std::array<std::string_view, kParseValueCount>;

// The input fields that feed each special parse (OutputTables::SpecialSourceTable).
using SpecialSources = std::array<std::array<std::int32_t, 6>, 10>;

[[nodiscard]] ParseValues GatherParseValues(const InputTables& in, const SpecialSources& table);

// What the parsers read besides the values. The pointers must outlive the parse.
struct ParseSetup {
  const WordLists* lists = nullptr;
  const GenderList* genders = nullptr;  // none when null
  const PersonNameOptions* name_options = nullptr;
  const StreetAddressOrder* street_order = nullptr;
  bool city_in_street = false;
  bool gender_from_title = false;
};

// The parsed sources a record's parse writes, one text each: Suite Designator .. Phone 3, then
// Salutation.
inline constexpr std::size_t kParsedSourceCount = 25;

// Whether any of these generated sources comes from the parsers.
[[nodiscard]] bool TakesParsedSources(const std::bitset<kGeneratedSourceCount>& sources);

// One record's parse. The parsers' working texts and list indexes stay for the next record.
struct RecordParse {
  std::string city_line;
  std::string street_line;
  std::string name_line;
  CityParts city;
  StreetParts street;
  bool street_split = false;  // the street step ran on a line that was not empty
  std::string std_address;
  std::array<PhoneParts, 3> phones;
  PersonName name;
  std::array<std::string_view, 3> genders;  // views of literals
  // Whether the name and street parsers' indexes were made from the lists since they last
  // changed (a caller that cannot vouch for that clears these).
  bool name_indexed = false;
  bool street_indexed = false;
};

// Runs the steps on the values. `shown`, when given, receives the lines the parsers read (the
// street line as joined, before a city is split off it).
void ParseRecord(const ParseSetup& setup, const ParseSteps& steps, const ParseValues& values,
                 RecordParse& parse, ParsedLines* shown = nullptr);

// Writes the sources the steps take from the parse.
void WriteParsedSources(const ParseSteps& steps, const RecordParse& parse, OutputTables& out);

// A parse made away from the build, with the values it was made from, all in one buffer: the
// build reads it from another core, so it is kept to as few cache lines as will hold it.
struct ParsedRecord {
  ParseSteps steps;
  std::string bytes;  // the values, then the texts of the sources written, end to end
  std::array<std::uint32_t, kParseValueCount + kParsedSourceCount> ends{};
  std::array<std::uint8_t, kParsedSourceCount> sources{};  // of the texts; as many as written
  std::size_t written = 0;
  std::array<std::string_view, 3> genders;

  void Take(const ParseSteps& made_with, const ParseValues& from, const RecordParse& parse);
  // Whether it is the parse a build with these steps would make of these values.
  [[nodiscard]] bool Matches(const ParseSteps& wanted, const ParseValues& of) const;
  // As WriteParsedSources of the parse it took.
  void WriteSources(OutputTables& out) const;

 private:
  [[nodiscard]] std::string_view Piece(std::size_t i) const;
};

}  // namespace vt
