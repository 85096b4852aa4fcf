// Tests of the phone split, name capitalisation and the Soundex code.
#include <gtest/gtest.h>

#include <string>

#include "parsing/capitalise.h"
#include "parsing/phone.h"
#include "parsing/soundex.h"
#include "parsing/word_lists.h"

namespace vt {
namespace {

struct PhoneRow {
  const char* name;
  std::string text;
  const char* area_code;
  const char* phone;
};

TEST(SplitPhone, Table) {
  const PhoneRow rows[] = {
      {"parenthesised area code", "(555) 123-4567", "555", "123-4567"},
      {"trailing text", "(555) 123-4567 x", "555", "123-4567"},
      {"seven digits", "123-4567", "", "123-4567"},
      {"eight digits", "12345678", "123", "456-78"},
      {"nine digits", "123456789", "123", "456-789"},
      {"ten plain digits", "4165551234", "416", "555-1234"},
      {"eleven digits", "14165551234", "141", "655-51234"},
      {"five digits", "12345", "", ""},
      {"six digits among letters", "a1b2c3d4e5f6", "", ""},
      {"empty", "", "", ""},
      {"high bytes ignored", "\xB9\xB2\xB3 555 1234 \xFF", "", "555-1234"},
  };
  PhoneParts parts;
  for (const PhoneRow& row : rows) {
    SCOPED_TRACE(row.name);
    parts.area_code = "stale";
    parts.phone = "stale";
    SplitPhone(row.text, parts);
    EXPECT_EQ(parts.area_code, row.area_code);
    EXPECT_EQ(parts.phone, row.phone);
  }
}

TEST(SplitPhoneFields, JoinsTwoFieldsAndSkipsShortTexts) {
  PhoneParts parts;
  SplitPhoneFields("(416)", " 555-1234", parts);
  EXPECT_EQ(parts.area_code, "416");
  EXPECT_EQ(parts.phone, "555-1234");
  // Six characters are never split, even with seven digits' worth of field text missing.
  SplitPhoneFields("555123", "", parts);
  EXPECT_EQ(parts.area_code, "");
  EXPECT_EQ(parts.phone, "");
  SplitPhoneFields("5551234", "", parts);
  EXPECT_EQ(parts.phone, "555-1234");
  // The joined text is cut at 254 characters: digits beyond it are not seen.
  std::string filler(250, 'x');
  SplitPhoneFields(filler + "5551", "234", parts);
  EXPECT_EQ(parts.phone, "");
  SplitPhoneFields(filler + "555", "1234", parts);
  EXPECT_EQ(parts.phone, "");
  SplitPhoneFields(std::string(247, 'x') + "555", "1234", parts);
  EXPECT_EQ(parts.phone, "555-1234");
}

TEST(JoinPhoneFields, TheTextTheSplitReadsEachStageCutAt254) {
  std::string text = "old";
  JoinPhoneFields("(416)", " 555-1234", text);
  EXPECT_EQ(text, "(416) 555-1234");
  JoinPhoneFields(std::string(250, 'x'), "5551234", text);
  EXPECT_EQ(text, std::string(250, 'x') + "5551");
  JoinPhoneFields(std::string(300, '9'), "1", text);
  EXPECT_EQ(text, std::string(254, '9'));
}

struct TextRow {
  const char* name;
  std::string input;
  std::string expected;
};

TEST(CapitaliseName, Table) {
  const TextRow rows[] = {
      {"exception prefix", "mcdonald", "McDonald"},
      {"apostrophe exception", "o'brien", "O'Brien"},
      {"roman numeral at the end needs the blank", "henry iii", "Henry III"},
      {"roman numeral in the middle", "henry iv smith", "Henry IV Smith"},
      {"ivan is no numeral", "ivan", "Ivan"},
      {"hyphenated", "smith-jones", "Smith-Jones"},
      {"whole-word exception", "wordperfect", "WordPerfect"},
      {"exception keeps its lower case", "dbase", "dBase"},
      {"two exceptions", "o'neil-mcgee", "O'Neil-McGee"},
      {"upper case input", "JOHN SMITH", "John Smith"},
      {"no word characters", " -- ,, ", " -- ,, "},
      {"empty", "", ""},
      {"underscore starts a word", "_abc def", "_abc Def"},
      {"digits start a word", "2nd street", "2nd Street"},
      {"high bytes keep their case", "\xE9lan \xC9LAN", "\xE9lan \xC9lan"},
  };
  WordLists lists;
  for (const TextRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::string text = row.input;
    CapitaliseName(text, lists);
    EXPECT_EQ(text, row.expected);
  }
}

TEST(CapitaliseName, NeverGrowsTheText) {
  WordLists lists;
  std::string text(1299, 'i');
  text[1295] = ' ';
  CapitaliseName(text, lists);
  EXPECT_EQ(text.size(), 1299u);
  EXPECT_EQ(text.substr(1295), " III");
}

TEST(CapitaliseName, EmptyExceptionListStillCapitalises) {
  WordLists lists;
  lists.CapitalExceptions[0][0] = '\0';
  std::string text = "mcdonald";
  CapitaliseName(text, lists);
  EXPECT_EQ(text, "Mcdonald");
}

TEST(SoundexCode, Table) {
  const TextRow rows[] = {
      {"Robert", "Robert", "R163"},
      {"Tymczak", "Tymczak", "T520"},
      {"Jackson", "Jackson", "J500"},
      {"Honeyman", "Honeyman", "H500"},
      {"Ashcraft", "Ashcraft", "A261"},
      {"Pfister", "Pfister", "P236"},
      {"Lee", "Lee", "L000"},
      {"Lloyd", "Lloyd", "L300"},
      {"lower case", "robert", "R163"},
      {"leading separators skipped", "  -Robert", "R163"},
      {"every word contributes", "Lee Mason", "L525"},
      {"one letter", "A", "A000"},
      {"digit first", "9 Lee", "9400"},
      {"accented first letter", "\xE9mile",
       "\xC9"
       "540"},
      {"nothing to code: a blank leads", " ,- ", " 000"},
      {"empty", "", " 000"},
  };
  std::string code;
  for (const TextRow& row : rows) {
    SCOPED_TRACE(row.name);
    SoundexCode(row.input, code);
    EXPECT_EQ(code, row.expected);
  }
}

TEST(SoundexCode, OnlyTheFirst255CharactersCount) {
  std::string code;
  SoundexCode(std::string(255, 'a') + "bcd", code);
  EXPECT_EQ(code, "A000");
  SoundexCode(std::string(254, 'a') + "bcd", code);
  EXPECT_EQ(code, "A100");
}

}  // namespace
}  // namespace vt
