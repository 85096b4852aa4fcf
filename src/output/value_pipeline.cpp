// Value pipeline: the per-field conversions of an output value, as pure functions.
#include "output/value_pipeline.h"

#include <cmath>

#include "output/number_text.h"
#include "output/output_tables.h"
#include "parsing/capitalise.h"
#include "parsing/soundex.h"
#include "strings/char_class.h"
#include "strings/latin1.h"
#include "strings/words.h"

namespace vt {

namespace {

// The rounding amounts of 0 to 9 decimals, written out so that they are the exact literals.
constexpr double kHalfUnits[10] = {0.5,      0.05,      0.005,      0.0005,      0.00005,
                                   0.000005, 0.0000005, 0.00000005, 0.000000005, 0.0000000005};

double HalfUnit(int places) {
  if (places < 10) return kHalfUnits[places];
  return 0.5 * std::pow(10.0, -places);
}

// The bytes the numeric reader keeps: "-", ".", digits and the letters A to H.
bool KeptInNumber(char c) {
  return c == '-' || c == '.' || IsDigit(c) || (c >= 'A' && c <= 'H');
}

void PadLeft(std::string& t, std::size_t width, char fill) {
  if (t.size() >= width) return;
  t.insert(0, width - t.size(), fill);
}

// The field's usable width: free (0) or at most the widest a value buffer holds.
int UsableWidth(int width) {
  if (width <= 0) return 0;
  return width > kMaxFieldWidth ? kMaxFieldWidth : width;
}

}  // namespace

void StripTagText(std::string& v) {
  for (std::size_t open = v.find('<'); open != std::string::npos; open = v.find('<')) {
    const std::size_t close = v.find('>', open);
    if (close == std::string::npos) {
      v.resize(open);
      return;
    }
    v.erase(open, close - open + 1);
  }
}

void TrimValue(std::string& v) {
  std::size_t first = 0;
  while (first < v.size() && v[first] == ' ') ++first;
  if (first != 0) v.erase(0, first);
  std::size_t end = v.size();
  while (end > 1 && static_cast<unsigned char>(v[end - 1]) <= 0x20) --end;
  if (end != v.size()) v.resize(end);
}

char LogicLetter(std::string_view v) {
  const std::size_t at = SkipToWord(v, 0);
  char letter = at < v.size() ? UpperAscii(v[at]) : '\0';
  if (LeadingInteger(v) != 0) letter = 'T';
  switch (letter) {
    case '0':
    case 'N':
    case 'F':
      return 'F';
    case 'Y':
    case 'T':
      return 'T';
    default:
      return '?';
  }
}

void RightAlign(std::string& v, int width) {
  if (width <= 0) return;
  PadLeft(v, static_cast<std::size_t>(UsableWidth(width)), ' ');
}

bool DecimalsGiven(std::string_view decimals, int& places) {
  places = 0;
  if (decimals.compare("  ") <= 0) return false;
  const std::int32_t read = LeadingInteger(decimals);
  if (read < 0) return false;  // "-1" would print a number with no sign of a fraction
  places = static_cast<int>(read);
  return true;
}

void FormatNumeric(std::string_view v, const FieldSpec& field, bool dbase_output, std::string& t) {
  const std::uint32_t flags = field.flags;
  const int width = UsableWidth(field.width);

  t.clear();
  bool has_h = false;
  for (char c : v) {
    const char upper = UpperAscii(c);
    if (!KeptInNumber(upper)) continue;
    has_h = has_h || upper == 'H';
    t.push_back(upper);
  }
  // A number beyond the double range is infinite and prints as "INF".
  double x = LeadingNumberUnbounded(t);
  if (has_h) x = LeadingHex(t);
  if (flags & kFlagDiv100) x *= 0.01;
  if (flags & kFlagMult100) x *= 100;

  int places = 0;
  const bool given = DecimalsGiven(field.decimals, places);
  if ((flags & kFlagRound) && given) x += x >= 0 ? HalfUnit(places) : -HalfUnit(places);

  t.clear();
  AppendFixed(x, places != 0 ? 10 : 6, t);
  const std::size_t point = t.find('.');
  if (given) {
    t.append(15, '0');
    if (point != std::string::npos && point + 1 + static_cast<std::size_t>(places) < t.size())
      t.resize(point + 1 + static_cast<std::size_t>(places));
  }
  // Trailing zeros go, but none of the given decimals; "inf" has no point, so all its padding
  // goes.
  const std::size_t keep =
      point != std::string::npos ? point + 1 + static_cast<std::size_t>(places) : 0;
  std::size_t end = t.size();
  while (end > keep && t[end - 1] == '0') --end;
  t.resize(end);
  if (!t.empty() && t.back() == '.') t.pop_back();

  if (flags & kFlagHex) {
    const auto bits = static_cast<std::uint32_t>(LeadingInteger(t));
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[9];
    int n = 0;
    std::uint32_t rest = bits;
    do {
      buffer[n++] = kDigits[rest % 16];
      rest /= 16;
    } while (rest != 0);
    t.clear();
    while (n > 0) t.push_back(buffer[--n]);
    t.push_back('H');
  }
  if (flags & kFlagScientific) {
    t.clear();
    AppendScientific(x, t);
  }

  const bool zero_blanks = (flags & kFlagRemoveBlanks) != 0;
  const bool blank_input = v.empty() || static_cast<unsigned char>(v[0]) < '!';
  if (blank_input && !zero_blanks) t.clear();
  if (x == 0 && v.find('0') == std::string_view::npos && !zero_blanks) t.clear();

  const auto w = static_cast<std::size_t>(width);
  if (dbase_output && t.size() < w) PadLeft(t, w, ' ');
  if ((flags & kFlagRightJustify) && !(flags & kFlagLeadingZeros) && t.size() < w)
    PadLeft(t, w, ' ');
  if ((flags & kFlagLeadingZeros) && !dbase_output && width > 0 && t.size() < w) {
    const bool negative = !t.empty() && t[0] == '-';
    t.insert(negative ? 1 : 0, w - t.size(), '0');
  }
  UpperCaseLatin1(t);
}

FieldOutcome ConvertFieldValue(std::string& v, const FieldSpec& field,
                               const PipelineContext& context, std::string& previous,
                               std::string& scratch) {
  FieldOutcome outcome;
  const std::uint32_t flags = field.flags;
  int width = UsableWidth(field.width);

  if (context.strip_accents) RemoveAccents(v);
  if (context.strip_tags) StripTagText(v);
  if (flags & kFlagUpperCase) {
    UpperCaseLatin1(v);
  } else if (flags & kFlagLowerCase) {
    LowerCaseLatin1(v);
  } else if ((flags & kFlagProperCase) && context.capitals != nullptr) {
    CapitaliseName(v, *context.capitals);
  } else if ((flags & kFlagProperCase) && context.lists != nullptr) {
    CapitaliseName(v, *context.lists);
  }
  // "1403 Skip" holds line-break markers that a trim must not touch.
  if ((flags & (kFlagRemoveBlanks | kFlagNumeric)) && field.source != -k1403Skip) TrimValue(v);
  if (!v.empty() && (flags & kFlagSoundex)) {
    SoundexCode(v, scratch);
    v.assign(scratch);
  }
  // A repeat is the value the previous record wrote, already formatted: formatting it again
  // would scale, re-round or blank it. With nothing kept, the blank takes the default.
  const bool repeated =
      context.record_number > 1 && v.empty() && (flags & kFlagDupIfBlank) && !previous.empty();
  if (repeated) v.assign(previous);
  if (v.empty()) v.assign(field.default_text);
  if (flags & kFlagDbaseLogic) {
    const char letter = LogicLetter(v);
    v.assign(1, letter);
    width = 1;
    outcome.width_set_to_one = true;
  }
  if (!context.dbase_output && width != 0 && !(flags & kFlagNumeric) &&
      (flags & kFlagRightJustify)) {
    RightAlign(v, width);
  }
  if ((flags & kFlagNumeric) && !repeated) {
    FieldSpec spec = field;
    spec.width = width;
    FormatNumeric(v, spec, context.dbase_output, scratch);
    v.assign(scratch);
  }
  if (flags & kFlagSkipIfNull) {
    const bool when_full = (flags & kFlagSkipWhenFull) != 0;
    outcome.marks_skip = when_full ? !v.empty() : v.empty();
  }
  if (width > 0) v.resize(static_cast<std::size_t>(width), ' ');
  if (flags & kFlagDeDup) {
    outcome.is_criterion = true;
    outcome.matched = v == previous;
  }
  if (flags & (kFlagDupIfBlank | kFlagDeDup)) previous.assign(v);
  return outcome;
}

bool IsPlainField(const FieldSpec& field, const PipelineContext& context) {
  constexpr std::uint32_t kPlainFlags = kFlagRemoveBlanks | kFlagRightJustify;
  return (field.flags & ~kPlainFlags) == 0 && !context.strip_accents && !context.strip_tags;
}

}  // namespace vt
