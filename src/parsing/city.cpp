// Splitting a city line into city, state or province and postal code, and separating the city
// part from a street line that holds both.
#include "parsing/city.h"

#include <array>
#include <bit>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "parsing/address_words.h"
#include "strings/char_class.h"
#include "strings/digits.h"
#include "strings/edit.h"
#include "strings/search.h"
#include "strings/words.h"

namespace vt {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Postcode shapes at the end of a line, in code-pattern letters, tried in this order. A
// leading blank stands for the blank before the code; a Canadian code needs none, so it is
// found after a comma or a bracket too ("Toronto,M5V 2T6").
constexpr std::string_view kEndShapes[] = {
    "AA-9999",    "A9A 9A9",    " 99999-9999", " A 99999", " 99999",     " 9999",
    " A-99999",   " A99999",    " AA 9999 AA", " 999 99",  "  AA-9999",  " AA-99999",
    " AA-99 999", " AA-999 99", " AAA-99999",  " AA-999",  " AA99A 9AA", " AA99 9AA",
    " AA9A 9AA",  " AA9 9AA",   " A99 9AA",    " A9A 9AA", " A9 9AA",
};

// The last bytes of a text, up to eight, as one word (the last byte lowest), with a mask of
// the bytes that stand for the text: a shape can end a pattern only if its tail is the
// pattern's under the shape's mask.
struct Tail {
  std::uint64_t bytes = 0;
  std::uint64_t mask = 0;
};

constexpr Tail TailOf(std::string_view text) {
  Tail tail;
  const std::size_t count = text.size() < 8 ? text.size() : 8;
  for (std::size_t i = 0; i < count; ++i) {
    const auto byte = static_cast<unsigned char>(text[text.size() - 1 - i]);
    tail.bytes |= std::uint64_t{byte} << (8 * i);
    tail.mask |= std::uint64_t{0xFF} << (8 * i);
  }
  return tail;
}

constexpr auto kEndShapeTails = [] {
  std::array<Tail, std::size(kEndShapes)> tails{};
  for (std::size_t i = 0; i < tails.size(); ++i) tails[i] = TailOf(kEndShapes[i]);
  return tails;
}();

// EndsWithPattern for a shape whose tail is known: most shapes fail on it at once.
std::size_t EndsWithShape(std::string_view pattern, const Tail& pattern_tail,
                          std::string_view shape, const Tail& shape_tail) {
  if ((pattern_tail.bytes & shape_tail.mask) != shape_tail.bytes) return 0;
  return EndsWithPattern(pattern, shape);
}

// Leading postcodes whose two words are joined by a hyphen.
constexpr std::string_view kHyphenStartShapes[] = {
    "99-999999 ", "A-99999 ",  "A-9999 ",    "A 999 ",  "A-999 ",
    "AA-9999 ",   "AA-99999 ", "AAA-99999 ", "AA-999 ",
};

// Province by the first letter of a Canadian postcode; entry 0 for anything outside A-Z.
constexpr std::string_view kProvinces[27] = {
    "XX", "NL", "NS", "PE", "XX", "NB", "XX", "QC", "QC", "XX", "QC", "ON", "ON", "ON",
    "ON", "XX", "ON", "XX", "MB", "SK", "AB", "XX", "BC", "XX", "NT", "YT", "XX",
};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsAsciiLetter(char c) {
  const char upper = UpperAscii(c);
  return upper >= 'A' && upper <= 'Z';
}

void Cut(std::string& part) {
  if (part.size() > kPartLimit) part.resize(kPartLimit);
}

// line := a + " " + b, the blank only between two non-empty texts.
void JoinTwo(std::string& line, const std::string& a, const std::string& b) {
  line = a;
  if (!line.empty() && !b.empty()) line.push_back(' ');
  line.append(b);
}

// Postcode at the end: the first shape whose first occurrence ends the pattern after its start.
void TakeEndPostcode(std::string& o, const std::string& pattern, std::string& postal) {
  const Tail tail = TailOf(pattern);
  for (std::size_t i = 0; i < std::size(kEndShapes); ++i) {
    const std::size_t at = EndsWithShape(pattern, tail, kEndShapes[i], kEndShapeTails[i]);
    if (at == 0) continue;
    postal.assign(o, SkipBlanks(o, at));
    o.resize(at);
    return;
  }
}

// Postcode at the start ("1234 AB Amsterdam", "75001 Paris", "A-1010 Wien").
void TakeStartPostcode(bool city_in_street, CityParts& parts) {
  CityParts::Scratch& s = parts.scratch;
  std::string& o = s.line;
  const std::string& pattern = s.pattern;
  // The words are split only for a rule that takes them.
  auto split = [&] { SplitWords(o, s.first, s.second, s.rest); };
  if (StartsWith(pattern, "9999 AA ")) {
    split();
    parts.postal.assign(s.first).append(" ").append(s.second);
    o = s.rest;
    return;
  }
  if ((StartsWith(pattern, "999") && !city_in_street) || StartsWith(pattern, "A999")) {
    split();
    parts.postal = s.first;
    JoinTwo(o, s.second, s.rest);
    return;
  }
  if (StartsWith(pattern, "AA-99 999 ") || StartsWith(pattern, "AA-999 99 ")) {
    split();
    parts.postal.assign(s.first).append("-").append(s.second);
    o = s.rest;
    SplitWords(o, s.first, s.second, s.rest);
    parts.postal.append(" ").append(s.first);
    JoinTwo(o, s.second, s.rest);
    return;
  }
  for (std::string_view shape : kHyphenStartShapes) {
    if (!StartsWith(pattern, shape)) continue;
    split();
    parts.postal.assign(s.first).append("-").append(s.second);
    o = s.rest;
    return;
  }
}

// The longest state name that ends the line on a word boundary, or -1. Trailing separators of
// a name ("B.C.") are not compared, since the line has lost its own.
int FindStateName(const WordLists& lists, std::string_view o, std::size_t& start) {
  // A name can only begin at the line's first byte or after a separator: the (folded) bytes
  // found there rule out most rows before their length is measured.
  std::bitset<256> starts;
  for (std::size_t at = 0; at < o.size(); ++at) {
    if (at == 0 || !IsWordChar(o[at - 1]))
      starts.set(static_cast<unsigned char>(UpperAscii(o[at])));
  }
  int best = -1;
  std::size_t best_size = 0;
  // Row 99 is never scanned: the lists have always stopped one short of their capacity.
  for (std::size_t i = 0; i < kStateSlots - 1 && lists.StateNames[i][0] != '\0'; ++i) {
    if (!starts.test(static_cast<unsigned char>(UpperAscii(lists.StateNames[i][0])))) continue;
    std::string_view name = SlotText(lists.StateNames[i]);
    while (!name.empty() && !IsWordChar(name.back())) name.remove_suffix(1);
    if (name.empty() || name.size() > o.size() || name.size() <= best_size) continue;
    const std::size_t at = o.size() - name.size();
    if (at > 0 && IsWordChar(o[at - 1])) continue;
    if (!EqualsIgnoringCase(o.substr(at), name)) continue;
    best = static_cast<int>(i);
    best_size = name.size();
    start = at;
  }
  return best;
}

}  // namespace

std::string_view CanadianProvince(char first) {
  const int index = static_cast<unsigned char>(first) - 64;
  return kProvinces[index < 0 || index > 26 ? 0 : index];
}

void SplitCityLine(std::string_view line, const WordLists& lists, bool city_in_street,
                   CityParts& parts) {
  if (line.empty()) return;
  CityParts::Scratch& s = parts.scratch;
  std::string& o = s.line;
  std::string& pattern = s.pattern;
  o.assign(line.substr(0, kCityLineLimit));
  CollapseBlanks(o);
  CodePattern(o, pattern);

  // A Canadian postcode without its blank, even as the whole line, and ZIP+4 written with a
  // blank.
  constexpr std::string_view kJoinedCanadian = "A9A9A9";
  constexpr std::string_view kZipWithBlank = " 99999 9999";
  constexpr Tail kZipWithBlankTail = TailOf(kZipWithBlank);
  if (pattern.ends_with(kJoinedCanadian)) {
    o.insert(o.size() - 3, 1, ' ');
    CodePattern(o, pattern);
  }
  if (EndsWithShape(pattern, TailOf(pattern), kZipWithBlank, kZipWithBlankTail) > 0) {
    o[o.size() - 5] = '-';
    CodePattern(o, pattern);
  }

  TakeEndPostcode(o, pattern, parts.postal);
  TrimTrailing(o);
  if (parts.postal.empty()) TakeStartPostcode(city_in_street, parts);

  // A two-letter code ends the line ("Boise id").
  std::size_t last = LastWord(o);
  if (last > 0 && o.size() - last == 2 && IsAsciiLetter(o[last]) && IsAsciiLetter(o[last + 1])) {
    parts.state.assign(1, UpperAscii(o[last]));
    parts.state.push_back(UpperAscii(o[last + 1]));
    o.resize(last);
    TrimTrailing(o);
  }

  if (parts.state.empty()) {
    std::size_t start = 0;
    const int row = FindStateName(lists, o, start);
    if (row >= 0) {
      parts.state = SlotText(lists.StateCodes[row]);
      o.resize(start);
      TrimTrailing(o);
    }
  }

  if (parts.state.empty() && pattern.ends_with("A9A 9A9")) {
    parts.state = CanadianProvince(parts.postal.empty() ? '\0' : parts.postal[0]);
  }

  last = LastWord(o);
  if (parts.state.empty() && last > 0 && o.size() - last > 1 && IsAsciiLetter(o[last])) {
    parts.state.assign(o, last);
    o.resize(last);
    TrimTrailing(o);
  }

  parts.city = o;
  Cut(parts.city);
  Cut(parts.state);
  Cut(parts.postal);
}

void SplitCityInStreet(const WordLists& lists, bool city_in_street, CityParts& parts,
                       std::string& street_line) {
  CityParts::Scratch& s = parts.scratch;
  std::string& b = s.street;
  b = parts.city;
  JoinWords(b);
  CollapseBlanks(b);
  std::size_t p = LastWord(b);

  // s: the first word after the last word that holds a digit (the text after the house
  // number), or the start when no word before the last holds one.
  std::size_t after_number = 0;
  for (std::size_t i = p; i > 0; --i) {
    if (!IsDigit(b[i - 1])) continue;
    after_number = i - 1;
    while (after_number < b.size() && IsWordChar(b[after_number])) ++after_number;
    if (after_number > 0 && after_number < p) after_number = SkipToWord(b, after_number);
    break;
  }

  // t: the right-most street type word before the last word.
  s.type_words.Refresh(lists.StreetTypeWords);
  s.type_substitutes.Refresh(lists.StreetTypeSubstitutes);
  EntryMatch match = s.type_words.FindRightmost(b);
  if (match.pos == npos) match = s.type_substitutes.FindRightmost(b);
  std::size_t t = match.pos;
  std::size_t t_size = match.size;
  if (t != npos) {
    for (const auto* index : {&s.type_words, &s.type_substitutes}) {
      // In slot order; an entry that stands between blanks nowhere cannot move t.
      for (std::uint64_t between = index->BetweenBlanks(b); between != 0; between &= between - 1) {
        const std::string_view entry =
            index->Entry(static_cast<std::size_t>(std::countr_zero(between)));
        const std::size_t at = FindAfterBlank(b, entry, true, t);
        if (at != npos && at > t && at < p) {
          t = at;
          t_size = entry.size();
        }
      }
    }
    if (t > 0 && t < p) {
      t += t_size;
      p = t;
    }
  }

  if (t != npos && t > after_number) {
    p = t;
  } else if (t != npos && t < after_number) {
    p = SkipToWord(b, after_number);
  } else if (t != npos) {
    p = t;
  } else if (SkipToLetter(b, 0) < after_number) {
    p = SkipToWord(b, after_number);
  }

  // A direction right after the street type stays with the street ("Main St N Bay").
  if (p == t) {
    for (std::string_view direction : kStreetDirections) {
      if (b.size() - p < direction.size()) continue;
      if (!EqualsIgnoringCase(std::string_view(b).substr(p, direction.size()), direction)) continue;
      p += direction.size();
      break;
    }
  }

  std::string& city_part = s.city_part;
  city_part.assign(b, p);
  TrimTrailing(city_part);
  if (!city_part.empty()) {
    // The split reuses the scratch texts, so it reads a copy that it does not touch.
    std::string_view rest = std::string_view(city_part).substr(SkipToWord(city_part, 0));
    SplitCityLine(rest, lists, city_in_street, parts);
  }
  b.resize(p);
  TrimTrailing(b);
  street_line = b;
}

void JoinCityValues(const std::array<std::string_view, 5>& values, std::string& line) {
  line.clear();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!values[i].empty()) line.append(values[i]);
    if (i < 4 && !line.empty()) line.push_back(' ');
  }
  TrimTrailing(line);
}

}  // namespace vt
