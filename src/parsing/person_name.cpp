// The personal name parser: title, names, suffix, couples, standard name, salutation.
#include "parsing/person_name.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "parsing/gender.h"
#include "strings/char_class.h"
#include "strings/edit.h"
#include "strings/search.h"
#include "strings/words.h"

namespace vt {

namespace {

constexpr std::size_t npos = std::string_view::npos;

// Every way of writing a joint title becomes "Mr-Mrs", which the title list knows; replaced in
// this order, so the longer forms go before the text they hold.
constexpr std::string_view kJointForms[] = {
    "Mr & Mrs", "Mr&Mrs", "Mr.&Mrs", "Mr. &Mrs", "Mr and Mrs", "Mr. and Mrs", "Mr. Mrs",
};
constexpr std::string_view kJointTitle = "Mr-Mrs";

constexpr bool EveryJointFormBeginsWithMr() {
  for (std::string_view form : kJointForms) {
    if (!form.starts_with("Mr") || form.size() < 4) return false;
  }
  return true;
}
static_assert(EveryJointFormBeginsWithMr(), "HasJointForm looks for them where Mr stands");

bool IsPartCode(char c) {
  return c >= '1' && c <= '5';
}

void CutToPart(std::string& text) {
  if (text.size() > kPartLimit) text.resize(kPartLimit);
}

void AppendAfterBlank(std::string& text, std::string_view piece) {
  if (!text.empty()) text.push_back(' ');
  text.append(piece);
}

// Whether a slot's entry can equal word: its first byte, ASCII case ignored, rules out most
// entries before their length is measured.
template <std::size_t W>
bool MayEqual(const char (&slot)[W], std::string_view word) {
  return !word.empty() && UpperAscii(slot[0]) == UpperAscii(word[0]);
}

// A two-word surname prefix ("De La").
bool IsPrefixPair(const WordLists& lists, std::string_view first, std::string_view second) {
  for (std::size_t i = 0; i < kWordSlots && lists.SurnamePrefixes[i][0] != '\0'; ++i) {
    if (lists.SurnamePrefixSeconds[i][0] == '\0') continue;
    if (!MayEqual(lists.SurnamePrefixes[i], first)) continue;
    if (EqualsIgnoringCase(SlotText(lists.SurnamePrefixes[i]), first) &&
        EqualsIgnoringCase(SlotText(lists.SurnamePrefixSeconds[i]), second)) {
      return true;
    }
  }
  return false;
}

// Whether word is the second word of a two-word surname prefix ("La" of "De La").
bool IsPrefixSecond(const WordLists& lists, std::string_view word) {
  if (word.empty()) return false;  // an empty second word marks a one-word prefix
  for (std::size_t i = 0; i < kWordSlots && lists.SurnamePrefixes[i][0] != '\0'; ++i) {
    if (!MayEqual(lists.SurnamePrefixSeconds[i], word)) continue;
    if (EqualsIgnoringCase(SlotText(lists.SurnamePrefixSeconds[i]), word)) return true;
  }
  return false;
}

// A one-word surname prefix ("Van").
bool IsSinglePrefix(const WordLists& lists, std::string_view word) {
  for (std::size_t i = 0; i < kWordSlots && lists.SurnamePrefixes[i][0] != '\0'; ++i) {
    if (lists.SurnamePrefixSeconds[i][0] != '\0') continue;
    if (!MayEqual(lists.SurnamePrefixes[i], word)) continue;
    if (EqualsIgnoringCase(SlotText(lists.SurnamePrefixes[i]), word)) return true;
  }
  return false;
}

bool MatchesAt(std::string_view text, std::size_t pos, std::string_view entry) {
  return text.size() - pos >= entry.size() &&
         EqualsIgnoringCase(text.substr(pos, entry.size()), entry);
}

// Whether a joint form stands in the line. Each begins with "Mr", so only the places where
// "Mr" stands are tried; most lines have none, or a plain "Mr" title.
bool HasJointForm(std::string_view line) {
  for (std::size_t at = FindText(line, "Mr"); at != npos;) {
    for (std::string_view form : kJointForms) {
      // The two bytes after "Mr" rule out most forms ("Mr John", "Mrs") before a compare.
      if (line.size() - at < form.size() || line[at + 2] != form[2] ||
          UpperAscii(line[at + 3]) != UpperAscii(form[3]))
        continue;
      if (MatchesAt(line, at, form)) return true;
    }
    const std::size_t next = FindText(line.substr(at + 1), "Mr");
    at = next == npos ? npos : at + 1 + next;
  }
  return false;
}

// Whether a name-strip entry stands at pos as the strip step removes it: its bytes (ASCII
// case ignored) over a whole word, so that the line ends after them or a byte that cannot go on
// a name does ("Dent-Smith" is one name, never "Dent" and a rest).
bool StripAt(std::string_view line, std::size_t pos, std::string_view entry) {
  const std::size_t after = pos + entry.size();
  const bool whole = after >= line.size() || SkipHyphenWord(line, after) == after;
  return whole && MatchesAt(line, pos, entry);
}

// The word starts the strip step visits: from the second word on. A hyphen holds a name
// together, so no part of "Smith-Dent" is a word of its own.
std::size_t NextStripPosition(std::string_view line, std::size_t pos) {
  return SkipToWord(line, SkipWordWithHyphens(line, pos));
}
std::size_t FirstStripPosition(std::string_view line) {
  return NextStripPosition(line, SkipToWord(line, 0));
}

// Whether any entry stands where a word starts: at a letter, digit or underscore that opens the
// line or follows another byte. That is every place the strip step visits and a few more, so a
// "no" means the step removes nothing (the line, and so its places, stay as they are for every
// entry). The places come from a bit mask of 64 bytes at a time, without a branch per byte.
bool AnyNameStrip(std::string_view line, const ListIndex<kWordSlots, kWordWidth>& strips) {
  std::uint64_t carry = 0;  // the last byte of the block before opens or continues a word
  for (std::size_t block = 0; block < line.size(); block += 64) {
    const std::size_t size = std::min<std::size_t>(64, line.size() - block);
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < size; ++i) {
      // A word character or an underscore, in one lookup.
      constexpr std::uint8_t kStartBits =
          strings_internal::kWordBits | strings_internal::kUnderscoreBit;
      word |= static_cast<std::uint64_t>(strings_internal::HasClass(line[block + i], kStartBits))
              << i;
    }
    std::uint64_t starts = word & ~((word << 1) | carry);
    carry = (word >> (size - 1)) & 1;
    for (; starts != 0; starts &= starts - 1) {
      const std::size_t pos = block + static_cast<std::size_t>(std::countr_zero(starts));
      for (std::uint64_t candidates = strips.MayStandAt(line, pos); candidates != 0;
           candidates &= candidates - 1) {
        const auto i = static_cast<std::size_t>(std::countr_zero(candidates));
        if (StripAt(line, pos, strips.Entry(i))) return true;
      }
    }
  }
  return false;
}

// Removes the name-strip phrases ("Teen Phone", "Residence"...) that begin a word of the line;
// the first word is never stripped. Entry by entry, each over the line the ones before it left.
void RemoveNameStrips(std::string& line, const ListIndex<kWordSlots, kWordWidth>& strips) {
  if (!AnyNameStrip(line, strips)) return;
  for (std::size_t i = 0; i < strips.Used(); ++i) {
    const std::string_view entry = strips.Entry(i);
    std::size_t pos = FirstStripPosition(line);
    while (pos < line.size()) {
      if (StripAt(line, pos, entry)) {
        line.erase(pos, entry.size());
        TrimTrailing(line);
        if (pos > line.size()) pos = line.size();
        pos = SkipToWord(line, pos);
      } else {
        pos = NextStripPosition(line, pos);
      }
    }
  }
}

std::string* PartOf(PersonName& name, char code) {
  switch (code) {
    case '1':
      return &name.title;
    case '2':
      return &name.first;
    case '3':
      return &name.middle;
    case '4':
      return &name.last;
    case '5':
      return &name.suffix;
  }
  return nullptr;
}

std::string_view PartText(const PersonName& name, int part) {
  switch (static_cast<NamePart>(part)) {
    case NamePart::kNone:
      return {};
    case NamePart::kTitle:
      return name.title;
    case NamePart::kFirst:
      return name.first;
    case NamePart::kMiddle:
      return name.middle;
    case NamePart::kLast:
      return name.last;
    case NamePart::kSuffix:
      return name.suffix;
  }
  return {};
}

// One pass of the splitter with the line's words at hand: takes what the order asks of the
// front or the back of the line. Returns false when the line is used up.
class Splitter {
 public:
  Splitter(const WordLists& lists, PersonName& name)
      : lists_(lists), name_(name), s_(name.scratch) {}

  bool Pass() {
    std::string& n = s_.n;
    std::string& h = s_.codes;
    TrimTrailing(n);
    if (n.empty()) return false;
    const char p = h.front();
    const char g = h.back();
    if (h.size() == 1) {
      PartOf(name_, p)->assign(n);
      return false;
    }
    // Only the rules that take from the front of n read its first words.
    if (p == '1') {
      SplitFront();
      return LeadingTitle();
    }
    if (g == '5') return TrailingSuffix();
    if (g == '1') return TrailingTitle();
    if (p != '4' && g == '4') return TrailingLastName();
    SplitFront();
    if (p == '4') return LeadingLastName();
    if (p == '5') {
      const int slot = s_.suffixes.Find(front_.first);
      if (slot >= 0) {
        name_.suffix.assign(SlotText(lists_.SuffixSubstitutes[slot]));
        TakeFirstWord();
      }
      h.erase(0, 1);
      return true;
    }
    // p is 2 or 3: the first or the middle name is the next word.
    PartOf(name_, p)->assign(front_.first);
    TakeFirstWord();
    h.erase(0, 1);
    return true;
  }

 private:
  // The first words of n (w1, w2 and the rest), as views that hold until n changes.
  void SplitFront() { front_ = SplitHyphenWordViews(s_.n); }

  // n := a + " " + b; a and b may view n.
  void Join(std::string_view a, std::string_view b) {
    const std::string_view n = s_.n;
    // Mostly a and one blank and b already end n: then only its front goes.
    const char* const end = n.data() + n.size();
    const std::less_equal<const char*> le;
    if (le(n.data(), a.data()) && le(a.data(), end) &&
        static_cast<std::size_t>(end - a.data()) > a.size() && a.data()[a.size()] == ' ' &&
        b.size() > 0 && b.data() == a.data() + a.size() + 1 && b.data() + b.size() == end) {
      s_.n.erase(0, static_cast<std::size_t>(a.data() - n.data()));
      return;
    }
    std::string& joined = s_.joined;
    joined.assign(a);
    joined.push_back(' ');
    joined.append(b);
    s_.n.swap(joined);
  }

  // n := its tail from `tail` on (a view of n that runs to its end).
  void KeepTail(std::string_view tail) { s_.n.erase(0, s_.n.size() - tail.size()); }

  // The line from its next word on, as the splitter keeps it.
  void TakeFirstWord() { Join(front_.second, front_.rest); }

  std::string_view Substitute(int slot) const { return SlotText(lists_.TitleSubstitutes[slot]); }

  // "Dr & Mrs John Smith", "Judge and Mrs Smith": a title after "&" or "and" joins the first.
  bool LeadingTitle() {
    const std::string_view n = s_.n;
    const WordViews w = front_;
    const std::size_t window = std::min(n.size(), w.first.size() + 3);
    const bool joined =
        n.substr(0, window).find('&') != npos || EqualsIgnoringCase(w.second, "and");
    const bool and_follows = EqualsIgnoringCase(w.second, "and");
    const int slot = s_.titles.Find(w.first);
    if (slot >= 0) {
      AppendAfterBlank(name_.title, Substitute(slot));
      if (and_follows) {
        KeepTail(w.rest);
      } else {
        TakeFirstWord();
      }
      if (joined) {
        const WordViews next = SplitHyphenWordViews(s_.n);
        const int second = s_.titles.Find(next.first);
        if (second >= 0) {
          name_.title.append(" & ").append(Substitute(second));
          Join(next.second, next.rest);
        }
      }
      return true;
    }
    if (joined) {
      // x is the word after w1, or after the "and" that follows it.
      const WordViews x = and_follows ? SplitHyphenWordViews(w.rest)
                                      : WordViews{w.second, w.rest, std::string_view()};
      const int title = s_.titles.Find(x.first);
      if (title >= 0) {
        AppendAfterBlank(name_.title, w.first);
        name_.title.append(" & ").append(Substitute(title));
        if (and_follows) {
          Join(x.second, x.rest);
        } else {
          KeepTail(x.second);
        }
        return true;
      }
    }
    s_.codes.erase(0, 1);
    return true;
  }

  // Suffixes taken from the end go in front of those already found ("Jr PhD").
  bool TrailingSuffix() {
    std::string& n = s_.n;
    const std::size_t last = LastWordDotted(n);
    const int slot = s_.suffixes.Find(std::string_view(n).substr(last));
    if (slot < 0) {
      s_.codes.pop_back();
      return true;
    }
    std::string& suffix = name_.suffix;
    if (!suffix.empty()) suffix.insert(0, 1, ' ');
    suffix.insert(0, SlotText(lists_.SuffixSubstitutes[slot]));
    n.resize(last);
    TrimTrailing(n);
    return true;
  }

  bool TrailingTitle() {
    std::string& n = s_.n;
    const std::size_t last = LastWordDotted(n);
    const int slot = s_.titles.Find(std::string_view(n).substr(last));
    if (slot >= 0) {
      name_.title.assign(Substitute(slot));
      n.resize(last);
    }
    s_.codes.pop_back();
    return true;
  }

  bool LeadingLastName() {
    std::string& last = name_.last;
    last.clear();
    const WordViews& w = front_;
    if (!w.second.empty() && !w.rest.empty() && IsPrefixPair(lists_, w.first, w.second)) {
      last.append(w.first).append(" ").append(w.second).append(" ");
      KeepTail(w.rest);
      SplitFront();
    } else if (!w.second.empty() && IsSinglePrefix(lists_, w.first)) {
      last.append(w.first).append(" ");
      TakeFirstWord();
      SplitFront();
    }
    last.append(w.first);
    TakeFirstWord();
    s_.codes.erase(0, 1);
    return true;
  }

  // The last word, with the surname prefix before it ("van Beethoven", "De La Cruz").
  bool TrailingLastName() {
    std::string& n = s_.n;
    std::string& last = name_.last;
    const std::size_t f = LastWord(n);
    const std::size_t p = SplitLastWord(n, s_.a);
    // The word before that is looked for only when a two-word prefix could end in s_.a.
    const std::size_t q =
        p != npos && IsPrefixSecond(lists_, s_.a) ? SplitSecondLastWord(n, s_.b) : npos;
    std::size_t cut = f;
    last.clear();
    if (q != npos && IsPrefixPair(lists_, s_.b, s_.a)) {
      last.append(s_.b).append(" ").append(s_.a).append(" ");
      cut = q;
    } else if (p != npos && IsSinglePrefix(lists_, s_.a)) {
      last.append(s_.a).append(" ");
      cut = p;
    }
    last.append(std::string_view(n).substr(f));
    n.resize(cut);
    TrimTrailing(n);
    s_.codes.pop_back();
    return true;
  }

  const WordLists& lists_;
  PersonName& name_;
  PersonName::Scratch& s_;
  WordViews front_;
};

// " & " or " and " (ASCII case ignored) in the line, in one walk over its blanks.
bool HasCoupleWord(std::string_view line) {
  for (std::size_t at = line.find(' '); at != npos; at = line.find(' ', at + 1)) {
    const char next = at + 1 < line.size() ? UpperAscii(line[at + 1]) : '\0';
    if (next == '&' && MatchesAt(line, at, " & ")) return true;
    if (next == 'A' && MatchesAt(line, at, " and ")) return true;
  }
  return false;
}

// A missing title from the genders of the first and middle names.
void GuessTitle(const PersonNameOptions& options, const WordLists& lists, const GenderList& genders,
                PersonName& name) {
  int g1 = GenderOfName(name.first, genders, lists);
  int g2 = GenderOfName(name.middle, genders, lists);
  if (g1 != g2 && name.couple) name.mixed_couple = true;
  if (g1 == kUndefined) g1 = g2;
  if (g2 == kUndefined) g2 = g1;
  if (g1 != g2) g1 = kMixed;
  if (g1 == kMixed) name.mixed_couple = true;
  std::string_view title = options.female_title;
  if (g1 > 1) title = options.joint_title;
  if (g1 == kMale) title = options.male_title;
  if (g1 == kUndefined) title = options.default_title;
  if (name.mixed_couple) title = options.joint_title;
  name.title.assign(title);
}

void BuildStandardName(const PersonNameOptions& options, PersonName& name) {
  std::string& text = name.standard;
  text.clear();
  const bool couple = name.couple || name.mixed_couple;
  for (std::size_t i = 0; i < options.standard.size(); ++i) {
    const int k = options.standard[i];
    if (k < 1 || k > 5) continue;
    if (i > 0 && k == static_cast<int>(NamePart::kMiddle) && couple && name.middle.size() > 1) {
      text.append("& ");
    }
    text.append(PartText(name, k));
    if (i < 4 && !text.empty() && text.back() != ' ') text.push_back(' ');
  }
}

void BuildSalutation(const PersonNameOptions& options, PersonName& name) {
  std::string& text = name.salutation;
  text.assign(name.title);
  if (text.empty()) {
    text.assign(name.first);
    if (name.couple || name.mixed_couple) text.append(" &");
    if (!name.middle.empty()) text.append(" ").append(name.middle);
  }
  if (text.empty()) text.assign(options.male_title).append(" or ").append(options.female_title);
}

}  // namespace

void JoinNameValues(const std::array<std::string_view, 5>& values, std::string& line) {
  line.clear();
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!values[i].empty()) line.append(values[i]);
    if (i < 4 && !line.empty()) line.push_back(' ');
  }
  CollapseBlanks(line);
  if (line.size() > kNameLineLimit) line.resize(kNameLineLimit);
}

void BuildNameOrder(const std::array<int, 5>& groups, std::string& order) {
  order.clear();
  for (int part : groups) {
    if (part >= 1 && part <= 5) order.push_back(static_cast<char>('0' + part));
  }
}

void SplitPersonName(std::string_view line, std::string_view order, const WordLists& lists,
                     PersonName& name, bool indexes_current) {
  PersonName::Scratch& s = name.scratch;
  if (!indexes_current) {
    s.titles.Refresh(lists.TitleWords);
    s.suffixes.Refresh(lists.SuffixWords);
  }
  // Only part codes: any other code would match no rule and never leave the order.
  s.codes.clear();
  for (char c : order) {
    if (IsPartCode(c)) s.codes.push_back(c);
  }
  for (std::string* part : {&name.title, &name.first, &name.middle, &name.last, &name.suffix}) {
    part->clear();
  }
  line = line.substr(0, kNameWorkLimit);
  s.n.assign(line.substr(SkipToWord(line, 0)));
  Splitter splitter(lists, name);
  while (!s.codes.empty() && splitter.Pass()) {
  }
  CutToPart(name.title);
  CutToPart(name.suffix);
}

void ParsePersonName(std::string_view line, const PersonNameOptions& options,
                     const WordLists& lists, const GenderList& genders, PersonName& name,
                     bool indexes_current) {
  PersonName::Scratch& s = name.scratch;
  s.line.assign(line.substr(0, kNameLineLimit));
  if (HasJointForm(s.line)) {
    for (std::string_view form : kJointForms) ReplaceAllText(s.line, form, kJointTitle);
  }
  if (!indexes_current) s.strips.Refresh(lists.NameStripWords);
  RemoveNameStrips(s.line, s.strips);
  BuildNameOrder(options.incoming, s.order);
  SplitPersonName(s.line, s.order, lists, name, indexes_current);
  name.couple = HasCoupleWord(s.line);
  name.mixed_couple = false;
  if (!name.last.empty() && name.title.empty() && options.guess_title) {
    GuessTitle(options, lists, genders, name);
  }
  BuildStandardName(options, name);
  BuildSalutation(options, name);
  CollapseBlanks(name.standard);
  for (std::string* part : {&name.title, &name.standard, &name.salutation}) CutToPart(*part);
}

}  // namespace vt
