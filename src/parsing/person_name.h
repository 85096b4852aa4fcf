// The personal name parser: title, names, suffix, couples, standard name, salutation.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "parsing/gender_list.h"
#include "parsing/list_index.h"
#include "parsing/word_lists.h"

namespace vt {

// A name line holds at most this many characters.
inline constexpr std::size_t kNameLineLimit = 256;
// The splitter works on at most this many characters of a line, and no part it takes from the
// line is longer.
inline constexpr std::size_t kNameWorkLimit = 255;

// Part numbers, as the part-order radio groups number them (0: none).
enum class NamePart : int {
  kNone = 0,
  kTitle = 1,
  kFirst = 2,
  kMiddle = 3,
  kLast = 4,
  kSuffix = 5,
};

// The name options; the defaults are the start-up state of the Names and Gender sheets.
struct PersonNameOptions {
  // The part that arrives at each place of the line (NameP1..NameP5).
  std::array<int, 5> incoming = {1, 2, 3, 4, 5};
  // The part placed at each position of the standardised name (NameO1..NameO5).
  std::array<int, 5> standard = {1, 2, 3, 4, 5};
  // Infer a missing title from the gender of the first and middle names.
  bool guess_title = true;
  std::string_view male_title = "Mr";
  std::string_view female_title = "Ms";
  std::string_view joint_title = "Mr & Mrs";
  std::string_view default_title = "Mr or Ms";
};

struct PersonName {
  std::string title;
  std::string first;
  std::string middle;
  std::string last;
  std::string suffix;
  std::string standard;  // Std. Name
  std::string salutation;
  // The line holds " & " or " and "; a couple of different genders.
  bool couple = false;
  bool mixed_couple = false;

  // Working texts kept between calls so that a warmed-up parse allocates nothing.
  struct Scratch {
    std::string line;
    std::string order;
    std::string codes;
    std::string n;
    std::string joined;
    std::string a;
    std::string b;
    // Indexes of the lists the parser reads, made again whenever a list changes.
    ListIndex<kWordSlots, kWordWidth> titles;
    ListIndex<kWordSlots, kWordWidth> suffixes;
    ListIndex<kWordSlots, kWordWidth> strips;
  } scratch;
};

// The name line of one record: the five name-source values in order, a blank after each of the
// first four once the line is not empty, blank runs collapsed; cut at kNameLineLimit.
void JoinNameValues(const std::array<std::string_view, 5>& values, std::string& line);

// The order string: the part numbers of groups in order as digits, skipping 0 and any value
// that names no part ({1, 2, 3, 4, 5} gives "12345").
void BuildNameOrder(const std::array<int, 5>& groups, std::string& order);

// Peels the parts named by order off the front and the back of line (cut at kNameWorkLimit)
// into title, first, middle, last and suffix of name; the five are emptied first. A title or
// suffix made of several list entries is cut at kPartLimit.
// indexes_current: as for SplitStreetLine, the caller vouches that name's indexes were made
// from lists by an earlier call and that no one wrote lists since.
void SplitPersonName(std::string_view line, std::string_view order, const WordLists& lists,
                     PersonName& name, bool indexes_current = false);

// The whole name step of a record on a joined name line: joint titles written one way, name
// strips removed, the parts split, the couple flags, the guessed title, the standardised name
// and the salutation. Every part is cut at kPartLimit; line must not view name's texts.
void ParsePersonName(std::string_view line, const PersonNameOptions& options,
                     const WordLists& lists, const GenderList& genders, PersonName& name,
                     bool indexes_current = false);

}  // namespace vt
