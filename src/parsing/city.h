// Splitting a city line into city, state or province and postal code, and separating the city
// part from a street line that holds both.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "parsing/list_index.h"
#include "parsing/word_lists.h"

namespace vt {

// The parser works on at most this many characters of a city line.
inline constexpr std::size_t kCityLineLimit = 255;

struct CityParts {
  std::string city;
  std::string state;
  std::string postal;

  // Working texts kept between calls so that a warmed-up parse allocates nothing.
  struct Scratch {
    std::string line;
    std::string pattern;
    std::string first;
    std::string second;
    std::string rest;
    std::string street;
    std::string city_part;
    // Indexes of the street types, made again whenever a list changes.
    ListIndex<kWordSlots, kWordWidth> type_words;
    ListIndex<kWordSlots, kWordWidth> type_substitutes;
  } scratch;
};

// Splits line (cut at kCityLineLimit). City is written whenever the line is not empty; state
// and postal only when found, so the caller empties them at the start of a record. With
// city_in_street set, a leading number is part of the street, not a postcode. An empty line
// changes nothing.
void SplitCityLine(std::string_view line, const WordLists& lists, bool city_in_street,
                   CityParts& parts);

// For a street line that also holds the city (state and postcode already split off by
// SplitCityLine): separates the street part, after the house number and street type, from the
// city. street_line receives the street part; parts.city is split again from the city part.
void SplitCityInStreet(const WordLists& lists, bool city_in_street, CityParts& parts,
                       std::string& street_line);

// The two-letter province of a Canadian postcode's first character, "XX" for none.
std::string_view CanadianProvince(char first);

// The city line of one record: the five city source values in order, a blank after each of
// the first four once the line is not empty, trailing separators removed.
void JoinCityValues(const std::array<std::string_view, 5>& values, std::string& line);

}  // namespace vt
