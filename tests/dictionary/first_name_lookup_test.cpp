// Tests of the first-name gender lookup against its rules and against an ordered scan of the table.
#include "dictionary/first_name_lookup.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/first_name_table.h"
#include "strings/latin1.h"

namespace vt {
namespace {

using namespace std::string_view_literals;

// The reference: normalise a copy, then compare it with every entry in compare order and let the
// first equal entry decide.
int ScanGender(std::string_view name) {
  std::string word(name);
  RemoveAccents(word);
  if (word.size() < 2) return 0;
  for (char& c : word) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  for (const FirstNameRun& run : kFirstNameRuns) {
    for (std::string_view entry : run.names) {
      if (entry == word) return run.gender;
    }
  }
  return 0;
}

std::string Lower(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string Printable(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 32 && byte < 127) {
      out += c;
    } else {
      out += "<" + std::to_string(byte) + ">";
    }
  }
  return out;
}

struct Row {
  const char* name;
  std::string_view input;
  int expected;
};

const Row kRows[] = {
    {"empty", "", 0},
    {"one letter", "J", 0},
    {"one accented letter", "\xC9", 0},
    {"two letters", "AL", 1},
    {"two letters lower case", "al", 1},
    {"lower case", "mary", -1},
    {"proper case", "Mary", -1},
    {"upper case", "MARY", -1},
    {"trailing blank", "MARY ", 0},
    {"leading blank", " MARY", 0},
    {"apostrophe", "D'ARCY", 1},
    {"apostrophe lower case", "d'arcy", 1},
    {"hyphen", "HANS-JOERG", 1},
    {"hyphen proper case", "Jean-Paul", 1},
    {"blank inside", "ATMA SINGH", 1},
    {"half of a name with a blank", "ATMA", 0},
    {"two blanks inside", "ATMA  SINGH", 0},
    {"hyphen for blank", "ATMA-SINGH", 0},
    {"repeated female", "ABIGAIL", -1},
    {"repeated male", "DON", 1},
    {"prefix of an entry", "ALEXANDE", 0},
    {"entry plus a letter", "JOHNN", 0},
    {"surname", "Smith", 0},
    {"fifteen characters", "SHIRAZALI ABDUL", 1},
    {"fifteen characters lower case", "kharlie kathryn", -1},
    {"sixteen characters", "SHIRAZALI ABDULX", 0},
    {"long", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ", 0},
    {"digit", "AL1", 0},
    {"trailing NUL", "MARY\0"sv, 0},
    {"NUL inside", "AL\0N"sv, 0},
    {"two-letter entry and NUL", "AL\0"sv, 0},
    // Accents come off before the compare, upper and lower case alike. (Octal escapes where a
    // letter follows, which a hex escape would swallow.)
    {"E acute upper", "JOS\xC9", 1},
    {"e acute lower", "jos\xE9", 1},
    {"e acute inside", "REN\311E", -1},
    {"c cedilla", "Fran\xE7ois", 1},
    {"c cedilla female", "FRAN\307OISE", -1},
    {"e grave", "H\xC9L\xC8NE", -1},
    {"e diaeresis", "ZO\xCB", -1},
    {"u diaeresis", "J\xDCRGEN", 1},
    {"a ring", "\xC5SA", 1},
    {"o stroke", "BJ\xD8RN", 1},
    {"y diaeresis becomes y", "MAR\xFF", -1},
    {"Y acute", "MAR\xDD", -1},
    {"multiplication sign becomes x", "ALE\xD7", 1},
    {"division sign becomes *", "ALE\xF7", 0},
    {"thorn becomes *", "MAR\xDE", 0},
    {"sharp s becomes *", "MAR\xDF", 0},
    {"no-break space becomes *", "ATMA\xA0SINGH", 0},
    {"byte 127", "MARY\x7F", 0},
    {"byte 191", "\277AL", 0},
};

TEST(GenderOfFirstNameTest, Rows) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GenderOfFirstName(row.input), row.expected) << Printable(row.input);
    EXPECT_EQ(ScanGender(row.input), row.expected) << "reference scan disagrees";
  }
}

TEST(GenderOfFirstNameTest, EveryEntryAndItsLowerCaseFormGiveItsRunsGender) {
  for (const FirstNameRun& run : kFirstNameRuns) {
    for (std::string_view name : run.names) {
      EXPECT_EQ(GenderOfFirstName(name), run.gender) << name;
      EXPECT_EQ(GenderOfFirstName(Lower(name)), run.gender) << Lower(name);
    }
  }
}

// A byte in a name: 127 to 191 become "*", which no entry holds; the others follow the rules.
TEST(GenderOfFirstNameTest, EveryByteInANameAgreesWithTheScan) {
  for (int b = 0; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    const std::string inputs[] = {std::string("AL") + byte, std::string("MAR") + byte,
                                  std::string(1, byte) + "L", std::string("D") + byte + "ARCY"};
    for (const std::string& input : inputs) {
      const int gender = GenderOfFirstName(input);
      EXPECT_EQ(gender, ScanGender(input)) << "byte " << b << " in " << Printable(input);
      if (b >= 127 && b <= 191) {
        EXPECT_EQ(gender, 0) << "byte " << b;
      }
    }
  }
}

TEST(GenderOfFirstNameTest, TheCallersTextIsUnchanged) {
  const std::string original =
      "jos\xE9-mar\xCD"
      "a";
  std::string text = original;
  (void)GenderOfFirstName(text);
  EXPECT_EQ(text, original);
}

// Near misses of every entry: the index must say "not found" exactly where the scan does.
TEST(GenderOfFirstNameTest, AgreesWithTheOrderedScanOnNearMisses) {
  for (const FirstNameRun& run : kFirstNameRuns) {
    for (std::string_view name : run.names) {
      const std::string variants[] = {
          std::string(name) + " ",
          std::string(" ").append(name),
          std::string(name.substr(0, name.size() - 1)),
          std::string(name.substr(1)),
          std::string(name) + "S",
          std::string(name) + "A",
          std::string(name) + '\0',
          Lower(name) + "\xE9",
      };
      for (const std::string& variant : variants) {
        EXPECT_EQ(GenderOfFirstName(variant), ScanGender(variant)) << Printable(variant);
      }
    }
  }
}

// Random words and random edits of entries, up to well past the longest name.
TEST(GenderOfFirstNameTest, AgreesWithTheOrderedScanOnRandomWords) {
  std::mt19937 random(20240601);
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz '-";
  std::vector<std::string_view> entries;
  for (const FirstNameRun& run : kFirstNameRuns) {
    entries.insert(entries.end(), run.names.begin(), run.names.end());
  }
  auto pick = [&random](std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  };
  std::size_t found = 0;
  for (int i = 0; i < 20'000; ++i) {
    std::string word;
    if (i % 2 == 0) {
      const std::size_t length = pick(40);
      for (std::size_t k = 0; k < length; ++k) {
        word += pick(4) == 0 ? static_cast<char>(pick(256)) : alphabet[pick(alphabet.size())];
      }
    } else {
      word = entries[pick(entries.size())];
      const std::size_t at = pick(word.size());
      switch (pick(4)) {
        case 0:
          word[at] = static_cast<char>(pick(256));
          break;
        case 1:
          word.insert(at, 1, alphabet[pick(alphabet.size())]);
          break;
        case 2:
          word.erase(at, 1);
          break;
        default:
          word[at] = static_cast<char>(word[at] | 0x20);
          break;
      }
    }
    const int gender = GenderOfFirstName(word);
    ASSERT_EQ(gender, ScanGender(word)) << Printable(word);
    if (gender != 0) ++found;
  }
  EXPECT_GT(found, 1'000u) << "the random words should hit the table often enough to matter";
}

}  // namespace
}  // namespace vt
