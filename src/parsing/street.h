// Splitting a street line into suite, civic number, street name, type, direction and the
// non-civic address, and assembling the standardised address from those parts.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "parsing/list_index.h"
#include "parsing/word_lists.h"

namespace vt {

// The parser works on at most this many characters of a street line.
inline constexpr std::size_t kStreetLineLimit = 256;

struct StreetParts {
  std::string suite_designator;
  std::string suite_number;
  std::string street_number;
  std::string street_name;
  std::string street_designator;
  std::string direction;
  std::string non_civic;
  // "E", "O" or empty.
  std::string odd_even;

  // Working texts kept between calls so that a warmed-up parse allocates nothing.
  struct Scratch {
    std::string line;
    std::string first;
    std::string second;
    std::string rest;
    std::string word;
    std::string number;
    std::string second_word;
    // Indexes of the lists the parser reads, made again whenever a list changes.
    ListIndex<kWordSlots, kWordWidth> non_civic;
    ListIndex<kWordSlots, kSuiteWidth> suites;
    ListIndex<kWordSlots, kWordWidth> type_words;
    ListIndex<kWordSlots, kWordWidth> type_substitutes;
  } scratch;
};

// Fills every part of parts from line (cut at kStreetLineLimit); the parts are emptied first.
// A caller that vouches that parts' indexes were made from lists by an earlier call, and that
// no one wrote lists since, sets indexes_current: the lists are then not compared with them.
void SplitStreetLine(std::string_view line, const WordLists& lists, StreetParts& parts,
                     bool indexes_current = false);

// Appends "ST", "ND", "RD" or "TH" to a number ("42" -> "42ND", "111" -> "111TH"); a text that
// is empty, "0", or not all digits after its leading separators is left alone.
void AddOrdinalSuffix(std::string& text);

// Part numbers of the standardised address order.
enum class AddressItem : int {
  kNone = 0,
  kSuiteDesignator = 1,
  kSuiteNumber = 2,
  kStreetNumber = 3,
  kStreetName = 4,
  kStreetDesignator = 5,
  kDirection = 6,
  kNonCivic = 7,
};

// The order and suite options of the standardised address; the defaults are the start-up
// state of the street sheet.
struct StreetAddressOrder {
  // Each entry names one part (AddressItem values 0..7); other values add nothing.
  std::array<int, 7> positions = {3, 4, 5, 6, 1, 2, 7};
  // Always write default_suite in place of the suite designator.
  bool use_default_suite = false;
  std::string_view default_suite = "#";
};

// The parts in the given order, single blanks between them, trailing separators removed. The
// suite designator appears only with a suite number.
void BuildStandardAddress(const StreetParts& parts, const StreetAddressOrder& order,
                          std::string& address);

// The street line of one record: the six street source values in order, a blank after each
// of the first five once the line is not empty; cut at kStreetLineLimit.
void JoinStreetValues(const std::array<std::string_view, 6>& values, std::string& line);

}  // namespace vt
