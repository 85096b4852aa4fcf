// Record parse: the city, street, phone, name and gender steps of one record.
#include "output/record_parse.h"

#include "output/generated_sources.h"
#include "output/input_value.h"
#include "output/output_tables.h"
#include "parsing/gender.h"

namespace vt {

namespace {

// Where each group of values starts in ParseValues.
constexpr std::size_t kNameValues = 0;
constexpr std::size_t kGenderValues = 5;
constexpr std::size_t kCityValues = 8;
constexpr std::size_t kStreetValues = 13;
constexpr std::size_t kPhoneValues = 19;

template <std::size_t N>
std::array<std::string_view, N> Group(const ParseValues& values, std::size_t first) {
  std::array<std::string_view, N> group;
  for (std::size_t i = 0; i < N; ++i) group[i] = values[first + i];
  return group;
}

void ParseAddress(const ParseSetup& setup, const ParseSteps& steps, const ParseValues& values,
                  RecordParse& p, ParsedLines* shown) {
  const WordLists& lists = *setup.lists;
  p.city.city.clear();
  p.city.state.clear();
  p.city.postal.clear();
  JoinCityValues(Group<5>(values, kCityValues), p.city_line);
  if (shown != nullptr) shown->city.assign(p.city_line);
  if (!p.city_line.empty()) SplitCityLine(p.city_line, lists, setup.city_in_street, p.city);

  JoinStreetValues(Group<6>(values, kStreetValues), p.street_line);
  if (shown != nullptr) shown->street.assign(p.street_line);
  if (steps.city_in_street_slots)
    SplitCityInStreet(lists, setup.city_in_street, p.city, p.street_line);

  p.street_split = steps.street && !p.street_line.empty();
  if (!p.street_split) return;
  SplitStreetLine(p.street_line, lists, p.street, p.street_indexed);
  p.street_indexed = true;
  BuildStandardAddress(p.street, *setup.street_order, p.std_address);
}

void ParseName(const ParseSetup& setup, const ParseSteps& steps, const ParseValues& values,
               RecordParse& p, ParsedLines* shown) {
  static const GenderList kNoList{};
  const GenderList& genders = setup.genders != nullptr ? *setup.genders : kNoList;
  const PersonNameOptions& options = *setup.name_options;
  JoinNameValues(Group<5>(values, kNameValues), p.name_line);
  if (shown != nullptr) shown->name.assign(p.name_line);
  ParsePersonName(p.name_line, options, *setup.lists, genders, p.name, p.name_indexed);
  p.name_indexed = true;
  if (!steps.gender) return;
  GenderStepInput g;
  g.gender_from_title = setup.gender_from_title;
  g.title = p.name.title;
  g.first = p.name.first;
  g.middle = p.name.middle;
  g.male_title = options.male_title;
  g.female_title = options.female_title;
  g.source_values = Group<3>(values, kGenderValues);
  p.genders = GenderSourceTexts(g, genders, *setup.lists);
}

// Calls f(source, text) for every source the steps take from the parse, in source order.
template <class F>
void ForEachParsedText(const ParseSteps& steps, const RecordParse& parse, F&& f) {
  if (parse.street_split && (steps.city || steps.street)) {
    const StreetParts& s = parse.street;
    f(kSuiteDesignator, s.suite_designator);
    f(kSuiteNumber, s.suite_number);
    f(kStreetNumber, s.street_number);
    f(kStreetName, s.street_name);
    f(kStreetDesignator, s.street_designator);
    f(kStreetDirection, s.direction);
    f(kNonCivicAddress, s.non_civic);
    f(kOddEven, s.odd_even);
    f(kStdAddress, parse.std_address);
  }
  if (steps.city || steps.street) {
    f(kCity, parse.city.city);
    f(kStateProvince, parse.city.state);
    f(kPostalZip, parse.city.postal);
  }
  if (steps.name) {
    const PersonName& n = parse.name;
    f(kTitle, n.title);
    f(kFirstName, n.first);
    f(kMiddleNames, n.middle);
    f(kLastName, n.last);
    f(kNameSuffix, n.suffix);
    f(kStdName, n.standard);
  }
  if (steps.phones) {
    for (std::size_t j = 0; j < 3; ++j) {
      f(kAreaCode1 + 2 * static_cast<int>(j), parse.phones[j].area_code);
      f(kPhone1 + 2 * static_cast<int>(j), parse.phones[j].phone);
    }
  }
  if (steps.name) f(kSalutation, parse.name.salutation);
}

void WriteGenders(const ParseSteps& steps, const std::array<std::string_view, 3>& genders,
                  OutputTables& out) {
  if (!steps.name || !steps.gender) return;
  for (std::size_t i = 0; i < 3; ++i) out.GeneratedSourceValues[kGender1 + i].assign(genders[i]);
}

}  // namespace

ParseValues GatherParseValues(const InputTables& in, const SpecialSources& table) {
  ParseValues values;
  for (std::size_t i = 0; i < 5; ++i) {
    values[kNameValues + i] = InputValue(in, table[kNameRow][i + 1]);
    values[kCityValues + i] = InputValue(in, table[kCityRow][i + 1]);
  }
  for (std::size_t i = 0; i < 3; ++i)
    values[kGenderValues + i] = InputValue(in, table[kGenderSplitRow][i]);
  for (std::size_t i = 0; i < 6; ++i) {
    values[kStreetValues + i] = InputValue(in, table[kStreetRow][i]);
    values[kPhoneValues + i] = InputValue(in, table[kPhoneRow][i]);
  }
  return values;
}

bool TakesParsedSources(const std::bitset<kGeneratedSourceCount>& sources) {
  for (int k = kSuiteDesignator; k <= kGender3; ++k) {
    if (sources.test(static_cast<std::size_t>(k))) return true;
  }
  return sources.test(kSalutation);
}

void ParseRecord(const ParseSetup& setup, const ParseSteps& steps, const ParseValues& values,
                 RecordParse& parse, ParsedLines* shown) {
  if (steps.city || steps.street) ParseAddress(setup, steps, values, parse, shown);
  if (steps.phones) {
    for (std::size_t j = 0; j < 3; ++j) {
      const std::string_view a = values[kPhoneValues + 2 * j];
      const std::string_view b = values[kPhoneValues + 2 * j + 1];
      if (shown != nullptr) JoinPhoneFields(a, b, shown->phones[j]);
      SplitPhoneFields(a, b, parse.phones[j]);
    }
  }
  if (steps.name) ParseName(setup, steps, values, parse, shown);
}

void WriteParsedSources(const ParseSteps& steps, const RecordParse& parse, OutputTables& out) {
  ForEachParsedText(steps, parse, [&out](int source, const std::string& text) {
    out.GeneratedSourceValues[static_cast<std::size_t>(source)].assign(text);
  });
  WriteGenders(steps, parse.genders, out);
}

void ParsedRecord::Take(const ParseSteps& made_with, const ParseValues& from,
                        const RecordParse& parse) {
  steps = made_with;
  bytes.clear();
  std::size_t n = 0;
  auto add = [&](std::string_view piece) {
    bytes.append(piece);
    ends[n++] = static_cast<std::uint32_t>(bytes.size());
  };
  for (const std::string_view value : from) add(value);
  written = 0;
  ForEachParsedText(made_with, parse, [&](int source, const std::string& text) {
    sources[written++] = static_cast<std::uint8_t>(source);
    add(text);
  });
  genders = parse.genders;
}

std::string_view ParsedRecord::Piece(std::size_t i) const {
  const std::uint32_t begin = i == 0 ? 0 : ends[i - 1];
  return std::string_view(bytes).substr(begin, ends[i] - begin);
}

bool ParsedRecord::Matches(const ParseSteps& wanted, const ParseValues& of) const {
  if (!(steps == wanted)) return false;
  for (std::size_t i = 0; i < kParseValueCount; ++i) {
    if (Piece(i) != of[i]) return false;
  }
  return true;
}

void ParsedRecord::WriteSources(OutputTables& out) const {
  for (std::size_t i = 0; i < written; ++i) {
    out.GeneratedSourceValues[static_cast<std::size_t>(sources[i])].assign(
        Piece(kParseValueCount + i));
  }
  WriteGenders(steps, genders, out);
}

}  // namespace vt
