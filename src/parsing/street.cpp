// Splitting a street line into suite, civic number, street name, type, direction and the
// non-civic address, and assembling the standardised address from those parts.
#include "parsing/street.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "strings/char_class.h"
#include "strings/digits.h"
#include "strings/edit.h"
#include "strings/search.h"
#include "strings/words.h"

namespace vt {

namespace {

constexpr std::size_t npos = std::string_view::npos;

struct Direction {
  std::string_view short_form;
  std::string_view long_form;
};

// Tried in this order; the code is the short form.
constexpr Direction kDirections[] = {
    {"W", "WEST"}, {"NW", "NORTHWEST"}, {"N", "NORTH"}, {"NE", "NORTHEAST"},
    {"E", "EAST"}, {"SE", "SOUTHEAST"}, {"S", "SOUTH"}, {"SW", "SOUTHWEST"},
};

constexpr std::string_view kOrdinalWords[] = {
    "FIRST",     "SECOND",    "THIRD",       "FOURTH",     "FIFTH",      "SIXTH",      "SEVENTH",
    "EIGHTH",    "NINTH",     "TENTH",       "ELEVENTH",   "TWELFTH",    "THIRTEENTH", "FOURTEENTH",
    "FIFTEENTH", "SIXTEENTH", "SEVENTEENTH", "EIGHTEENTH", "NINETEENTH", "TWENTIETH",
};
constexpr std::string_view kOrdinalNumbers[] = {
    "1ST",  "2ND",  "3RD",  "4TH",  "5TH",  "6TH",  "7TH",  "8TH",  "9TH",  "10TH",
    "11TH", "12TH", "13TH", "14TH", "15TH", "16TH", "17TH", "18TH", "19TH", "20TH",
};

// Every byte as itself, but "/", double quote, "(", ")" and backslash as a blank.
constexpr std::array<unsigned char, 256> kSeparatorsToBlanks = [] {
  std::array<unsigned char, 256> table{};
  for (std::size_t b = 0; b < table.size(); ++b) table[b] = static_cast<unsigned char>(b);
  for (unsigned char separator : {'/', '"', '(', ')', '\\'}) table[separator] = ' ';
  return table;
}();

std::string_view DirectionCode(std::string_view word) {
  for (const Direction& d : kDirections) {
    if (EqualsIgnoringCase(word, d.short_form) || EqualsIgnoringCase(word, d.long_form)) {
      return d.short_form;
    }
  }
  return {};
}

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> choices) {
  for (std::string_view c : choices) {
    if (EqualsIgnoringCase(word, c)) return true;
  }
  return false;
}

// Appends piece to text, after one blank when text is not empty.
void AppendWithBlank(std::string& text, std::string_view piece) {
  if (piece.empty()) return;
  if (!text.empty()) text.push_back(' ');
  text.append(piece);
}

// Cuts o before its last word and trims what is left.
void DropLastWord(std::string& o) {
  o.resize(LastWord(o));
  TrimTrailing(o);
}

// Moves o on to its second word (the stop after its first word).
void AdvanceOneWord(std::string& o) {
  o.erase(0, SkipToWord(o, SkipWord(o, 0)));
}

void CutParts(StreetParts& p) {
  for (std::string* part : {&p.suite_designator, &p.suite_number, &p.street_number, &p.street_name,
                            &p.street_designator, &p.direction, &p.non_civic, &p.odd_even}) {
    if (part->size() > kPartLimit) part->resize(kPartLimit);
  }
}

// True when word equals a `StreetTypeSubstitutes` or a `StreetTypeWords` entry.
bool IsStreetType(const StreetParts::Scratch& s, std::string_view word) {
  return s.type_substitutes.Find(word) >= 0 || s.type_words.Find(word) >= 0;
}

// Non-civic phrases ("PO Box 12", "RR 3"...), repeated until a pass changes nothing. Returns
// whether the line changed.
bool TakeNonCivic(const WordLists& lists, StreetParts& p) {
  std::string& o = p.scratch.line;
  StreetParts::Scratch& s = p.scratch;
  // The first occurrence of every phrase that counts (at the start or after a blank), found
  // again whenever the line changes.
  std::array<std::size_t, kWordSlots> found;
  std::uint64_t hits = s.non_civic.FindEach(o, FirstOccurrence::kAnywhereIfLed, found);
  bool any_change = false;
  bool changed = true;
  while (changed) {
    changed = false;
    // The rows in slot order, only those whose phrase was found.
    for (std::uint64_t rows = hits; rows != 0;) {
      const auto i = static_cast<std::size_t>(std::countr_zero(rows));
      rows &= rows - 1;
      const std::size_t pos = found[i];
      const std::string_view phrase = s.non_civic.Entry(i);
      if (pos > 0 && o[pos - 1] != ' ') continue;
      const std::size_t after = pos + phrase.size();
      SplitWords(std::string_view(o).substr(after - 1), s.first, s.second, s.rest);
      const bool ends_word = s.first.size() == 1;
      const bool digit_follows = after < o.size() && IsDigit(o[after]);
      if (!ends_word && !digit_follows) continue;
      // "Station Road" is a street, not a postal station.
      if (IsStreetType(s, s.second)) break;
      s.number = s.second;
      if (digit_follows) {
        if (!s.first.empty()) {
          // "Box12": the rest of the word that the phrase begins.
          s.number.assign(s.first, 1);
        } else {
          // "P.O.123", "C-5": the phrase ends in a separator, so its word is empty; the number
          // is the digits that follow, never text beyond them.
          std::size_t digits = 0;
          while (digits < s.second.size() && IsDigit(s.second[digits])) ++digits;
          s.number.assign(s.second, 0, digits);
          s.second.erase(0, digits);
        }
        if (!s.second.empty()) {
          s.word = s.second;
          if (!s.rest.empty()) s.word.append(" ").append(s.rest);
          s.rest.swap(s.word);
        }
      }
      if (s.number.empty()) continue;
      AppendWithBlank(p.non_civic, SlotText(lists.NonCivicSubstitutes[i]));
      p.non_civic.push_back(' ');
      p.non_civic.append(s.number);
      o.resize(pos);
      o.append(s.rest);
      TrimTrailing(o);
      hits = s.non_civic.FindEach(o, FirstOccurrence::kAnywhereIfLed, found);
      rows = hits & (~std::uint64_t{0} << i << 1);  // the rows after this one, on the new line
      changed = true;
      any_change = true;
    }
  }
  return any_change;
}

// A suite word inside the line ("100 King St Ste 5 Rear"). Returns whether the line changed.
bool TakeInnerSuite(const WordLists& lists, StreetParts& p) {
  std::string& o = p.scratch.line;
  StreetParts::Scratch& s = p.scratch;
  const std::size_t used = s.suites.Used();
  std::array<std::size_t, kWordSlots> found;
  s.suites.FindEach(o, FirstOccurrence::kAfterBlank, found);
  bool changed = false;
  for (std::size_t j = 0; j < used; ++j) {
    const std::size_t pos = found[j];
    if (pos == npos) continue;
    SplitWords(std::string_view(o).substr(pos), s.first, s.second, s.rest);
    if (s.second.empty() || IsStreetType(s, s.second)) return changed;
    p.suite_designator = SlotText(lists.SuiteSubstitutes[j]);
    p.suite_number = s.second;
    AppendWithBlank(p.non_civic, s.rest);
    o.resize(pos);
    TrimTrailing(o);
    changed = true;
    s.suites.FindEach(o, FirstOccurrence::kAfterBlank, found);
  }
  return changed;
}

void TakeTrailingDirection(StreetParts& p) {
  std::string& o = p.scratch.line;
  const std::size_t last_at = LastWord(o);
  if (last_at == 0) return;  // one word
  std::string_view code = DirectionCode(std::string_view(o).substr(last_at));
  if (code.empty()) return;
  DropLastWord(o);
  p.direction = code;
  const std::size_t before_at = LastWord(o);
  if (before_at == 0) return;
  std::string_view last = std::string_view(o).substr(before_at);
  const char* prefix = IsOneOf(last, {"N", "NORTH"})   ? "N"
                       : IsOneOf(last, {"S", "SOUTH"}) ? "S"
                                                       : nullptr;
  if (prefix == nullptr) return;
  DropLastWord(o);
  p.direction.insert(0, prefix);
}

void TakeTrailingType(const WordLists& lists, StreetParts& p) {
  std::string& o = p.scratch.line;
  const std::size_t last_pos = LastWord(o);
  if (last_pos == 0) return;  // one word
  std::string_view last = std::string_view(o).substr(last_pos);
  if (EqualsIgnoringCase(last, p.scratch.second_word) || last.size() <= 1) return;
  int slot = p.scratch.type_substitutes.Find(last);
  if (slot < 0) slot = p.scratch.type_words.Find(last);
  if (slot < 0) return;
  p.street_designator = SlotText(lists.StreetTypeSubstitutes[slot]);
  DropLastWord(o);
}

void TakeStreetNumber(StreetParts& p) {
  std::string& o = p.scratch.line;
  TrimTrailing(o);
  // Views of o: everything is read from them before o changes.
  const WordViews w = SplitWordViews(o);
  const auto rest_at = static_cast<std::size_t>(w.rest.data() - o.data());
  if (!w.rest.empty()) {
    const bool a = LooksNumeric(w.first);
    const bool b =
        LooksNumeric(w.second) && w.rest != "A" && w.rest != "B" && p.suite_number.empty();
    if (a && b) {
      p.suite_number.assign(p.suite_designator).append(w.first);
      p.street_number.assign(w.second);
      o.erase(0, rest_at);
      return;
    }
    if (!a) return;
    p.street_number.assign(w.first);
    const bool keeps_direction = p.direction.empty() && (w.second == "N" || w.second == "S" ||
                                                         w.second == "E" || w.second == "W");
    const bool letter_after_number =
        w.second.size() == 1 && !w.first.empty() && !IsLetter(w.first.back());
    const bool takes_letter = !keeps_direction && letter_after_number;
    if (takes_letter) p.street_number.append(w.second);
    AdvanceOneWord(o);
    if (takes_letter) AdvanceOneWord(o);
    return;
  }
  if (!w.second.empty() && LooksNumeric(w.first)) {
    p.street_number.assign(w.first);
    AdvanceOneWord(o);
  }
}

// A street type inside the line ("Main St Rear"): the right-most one wins.
void TakeInnerType(const WordLists& lists, StreetParts& p) {
  std::string& o = p.scratch.line;
  o.push_back(' ');
  EntryMatch match = p.scratch.type_words.FindRightmost(o);
  if (match.pos == npos) match = p.scratch.type_substitutes.FindRightmost(o);
  const std::size_t best = match.pos;
  const std::size_t best_size = match.size;
  if (best == npos) {
    o.pop_back();
    return;
  }
  const std::size_t tail = SkipBlanks(o, best + best_size);
  AppendWithBlank(p.non_civic, std::string_view(o).substr(tail));
  p.street_designator.assign(o, best, best_size);
  o.resize(best);
  TrimTrailing(p.non_civic);
  TrimTrailing(p.street_designator);
  TrimTrailing(o);
  const ListIndex<kWordSlots, kWordWidth>& words = p.scratch.type_words;
  for (std::size_t i = 0; i < words.Used(); ++i) {
    if (EqualsIgnoringCase(p.street_designator, words.Entry(i))) {
      p.street_designator = SlotText(lists.StreetTypeSubstitutes[i]);
    }
  }
}

}  // namespace

void AddOrdinalSuffix(std::string& text) {
  const std::size_t start = SkipToWord(text, 0);
  const std::string_view digits = std::string_view(text).substr(start);
  if (digits.empty() || digits == "0") return;
  for (char c : digits) {
    if (!IsDigit(c)) return;
  }
  const char units = digits.back();
  const char tens = digits.size() > 1 ? digits[digits.size() - 2] : '0';
  if (tens == '1') {
    text.append("TH");
  } else if (units == '1') {
    text.append("ST");
  } else if (units == '2') {
    text.append("ND");
  } else if (units == '3') {
    text.append("RD");
  } else {
    text.append("TH");
  }
}

void SplitStreetLine(std::string_view line, const WordLists& lists, StreetParts& p,
                     bool indexes_current) {
  for (std::string* part : {&p.suite_designator, &p.suite_number, &p.street_number, &p.street_name,
                            &p.street_designator, &p.direction, &p.non_civic, &p.odd_even}) {
    part->clear();
  }
  StreetParts::Scratch& s = p.scratch;
  if (!indexes_current) {
    s.non_civic.Refresh(lists.NonCivicWords);
    s.suites.Refresh(lists.SuiteWords);
    s.type_words.Refresh(lists.StreetTypeWords);
    s.type_substitutes.Refresh(lists.StreetTypeSubstitutes);
  }
  std::string& o = s.line;
  o.assign(line.substr(0, kStreetLineLimit));
  // One table lookup a byte, through locals so that the writes are not taken for the string's
  // own length.
  char* const bytes = o.data();
  const std::size_t size = o.size();
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<char>(kSeparatorsToBlanks[static_cast<unsigned char>(bytes[i])]);
  }
  CollapseBlanks(o);
  o.erase(0, SkipToWord(o, 0));
  TrimTrailing(o);

  // A leading suite ("Apt 4 123 Main St").
  const WordViews lead = SplitWordViews(o);
  bool changed = false;  // since lead was split
  if (!lead.second.empty() && s.suites.Find(lead.first) >= 0) {
    changed = true;
    SplitWords(o, s.first, s.second, s.rest);
    // Every entry equal to the first word, in slot order: the last one's substitute stays.
    for (int i = s.suites.Find(s.first); i >= 0; i = s.suites.Find(s.first, i)) {
      p.suite_designator = SlotText(lists.SuiteSubstitutes[i]);
      p.suite_number = s.second;
      o = s.rest;
    }
  }

  changed = TakeNonCivic(lists, p) || changed;
  changed = TakeInnerSuite(lists, p) || changed;

  // The words of the line as lead split them, unless a step above changed it.
  const WordViews words = changed ? SplitWordViews(o) : lead;
  s.second_word.assign(words.second);
  if (IsOneOf(words.first, {"GEN", "GENERAL"}) && IsOneOf(words.second, {"DEL", "DELIVERY"})) {
    AppendWithBlank(p.non_civic, "GENERAL DELIVERY");
    o.erase(0, static_cast<std::size_t>(words.rest.data() - o.data()));
  }

  // A floor ("12 Main St 3 FL").
  if (p.suite_number.empty() &&
      IsOneOf(std::string_view(o).substr(LastWord(o)), {"FLOOR", "FLR", "FL"})) {
    DropLastWord(o);
    p.suite_number.assign(o, LastWord(o));
    p.suite_number.append(" FLOOR");
    p.suite_designator.push_back(',');
    DropLastWord(o);
  }

  // A trailing unit number ("12 Main St 4B"), but not a highway or route number.
  if (p.suite_number.empty() && SplitLastWord(o, s.word) != npos &&
      !IsOneOf(s.word, {"HWY", "HIGHWAY", "ROUTE", "RTE"})) {
    const std::size_t last_pos = LastWord(o);
    if (LooksNumeric(std::string_view(o).substr(last_pos))) {
      p.suite_number = p.suite_designator;
      p.suite_number.append(o, last_pos);
      DropLastWord(o);
    }
  }

  TakeTrailingDirection(p);
  TakeTrailingType(lists, p);
  TakeStreetNumber(p);

  // A leading direction ("N Main").
  const WordViews front = SplitWordViews(o);
  if (!front.second.empty() && p.direction.empty()) {
    std::string_view code = DirectionCode(front.first);
    if (!code.empty()) {
      AdvanceOneWord(o);
      p.direction = code;
    }
  }

  for (std::size_t i = 0; i < std::size(kOrdinalWords); ++i) {
    if (EqualsIgnoringCase(o, kOrdinalWords[i])) {
      o = kOrdinalNumbers[i];
      break;
    }
  }
  AddOrdinalSuffix(o);

  // Only the last digit decides, so a number of any length works.
  std::size_t digits = 0;
  while (digits < p.street_number.size() && IsDigit(p.street_number[digits])) ++digits;
  if (digits > 0) p.odd_even = (p.street_number[digits - 1] - '0') % 2 == 0 ? "E" : "O";

  TrimTrailing(p.non_civic);
  TrimTrailing(o);
  CollapseBlanks(o);
  if (p.street_designator.empty()) TakeInnerType(lists, p);
  p.street_name = o;
  CutParts(p);
}

void BuildStandardAddress(const StreetParts& parts, const StreetAddressOrder& order,
                          std::string& address) {
  address.clear();
  for (int k : order.positions) {
    switch (k) {
      case static_cast<int>(AddressItem::kSuiteDesignator):
        if (parts.suite_number.empty()) break;
        if (order.use_default_suite || parts.suite_designator.empty()) {
          address.append(order.default_suite);
        } else {
          address.append(parts.suite_designator);
        }
        break;
      case static_cast<int>(AddressItem::kSuiteNumber):
        address.append(parts.suite_number);
        break;
      case static_cast<int>(AddressItem::kStreetNumber):
        address.append(parts.street_number);
        break;
      case static_cast<int>(AddressItem::kStreetName):
        address.append(parts.street_name);
        break;
      case static_cast<int>(AddressItem::kStreetDesignator):
        address.append(parts.street_designator);
        break;
      case static_cast<int>(AddressItem::kDirection):
        address.append(parts.direction);
        break;
      case static_cast<int>(AddressItem::kNonCivic):
        address.append(parts.non_civic);
        break;
      default:
        break;
    }
    if (!address.empty() && address.back() != ' ') address.push_back(' ');
  }
  TrimTrailing(address);
  if (address.size() > kPartLimit) address.resize(kPartLimit);
}

void JoinStreetValues(const std::array<std::string_view, 6>& values, std::string& line) {
  line.clear();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!values[i].empty()) line.append(values[i]);
    if (i < 5 && !line.empty()) line.push_back(' ');
  }
  if (line.size() > kStreetLineLimit) line.resize(kStreetLineLimit);
}

}  // namespace vt
