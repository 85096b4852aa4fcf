// Tests of the personal name parser: the parts, couples, the guessed title, the standardised
// name and the salutation.
#include "parsing/person_name.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vt {
namespace {

struct Expected {
  std::string_view title;
  std::string_view first;
  std::string_view middle;
  std::string_view last;
  std::string_view suffix;
  std::string_view standard;
  std::string_view salutation;
};

struct Row {
  const char* name;
  std::string_view line;
  PersonNameOptions options;
  Expected expected;
};

void ExpectName(const PersonName& name, const Expected& e) {
  EXPECT_EQ(name.title, e.title);
  EXPECT_EQ(name.first, e.first);
  EXPECT_EQ(name.middle, e.middle);
  EXPECT_EQ(name.last, e.last);
  EXPECT_EQ(name.suffix, e.suffix);
  EXPECT_EQ(name.standard, e.standard);
  EXPECT_EQ(name.salutation, e.salutation);
}

PersonNameOptions Incoming(std::array<int, 5> incoming) {
  PersonNameOptions o;
  o.incoming = incoming;
  return o;
}

PersonNameOptions NoGuess() {
  PersonNameOptions o;
  o.guess_title = false;
  return o;
}

TEST(PersonName, Golden) {
  const Row rows[] = {
      {"every part",
       "Dr. John A. Smith Jr.",
       {},
       {"Dr", "John", "A", "Smith", "Jr", "Dr John A Smith Jr", "Dr"}},
      {"couple of two genders",
       "John & Mary Smith",
       {},
       {"Mr & Mrs", "John", "Mary", "Smith", "", "Mr & Mrs John & Mary Smith ", "Mr & Mrs"}},
      {"two-word surname prefix",
       "Maria De La Cruz",
       {},
       {"Ms", "Maria", "", "De La Cruz", "", "Ms Maria De La Cruz ", "Ms"}},
      {"joint title written one way",
       "Mr & Mrs John Smith",
       {},
       {"Mr & Mrs", "John", "", "Smith", "", "Mr & Mrs John Smith ", "Mr & Mrs"}},
      {"joint title in words",
       "mr. and mrs Smith",
       {},
       {"Mr & Mrs", "", "", "Smith", "", "Mr & Mrs Smith ", "Mr & Mrs"}},
      {"title and title",
       "Dr & Mrs John Smith",
       {},
       {"Dr & Mrs", "John", "", "Smith", "", "Dr & Mrs John Smith ", "Dr & Mrs"}},
      {"word and title",
       "Judge and Mrs Smith",
       {},
       {"Judge & Mrs", "", "", "Smith", "", "Judge & Mrs Smith ", "Judge & Mrs"}},
      {"suffixes from the end keep their order",
       "John Smith Jr. PhD",
       {},
       {"Mr", "John", "", "Smith", "Jr PhD", "Mr John Smith Jr PhD", "Mr"}},
      {"one-word prefix as written",
       "Ludwig van Beethoven",
       {},
       {"Mr", "Ludwig", "", "van Beethoven", "", "Mr Ludwig van Beethoven ", "Mr"}},
      {"middle initial",
       "John Q. Public",
       {},
       {"Mr", "John", "Q", "Public", "", "Mr John Q Public ", "Mr"}},
      {"one word", "Smith", {}, {"Mr or Ms", "", "", "Smith", "", "Mr or Ms Smith ", "Mr or Ms"}},
      {"no guess: first name salutes",
       "John Smith",
       NoGuess(),
       {"", "John", "", "Smith", "", "John Smith ", "John"}},
      {"no guess, no first name",
       "Smith",
       NoGuess(),
       {"", "", "", "Smith", "", "Smith ", "Mr or Ms"}},
      {"no guess, a couple",
       "John & Mary Smith",
       NoGuess(),
       {"", "John", "Mary", "Smith", "", "John & Mary Smith ", "John & Mary"}},
      {"name strip",
       "Smith John Teen Phone",
       NoGuess(),
       {"", "Smith", "", "John", "", "Smith John ", "Smith"}},
      {"first word never stripped",
       "Residence Smith",
       NoGuess(),
       {"", "Residence", "", "Smith", "", "Residence Smith ", "Residence"}},
      {"strip needs a whole word",
       "John Dentley",
       NoGuess(),
       {"", "John", "", "Dentley", "", "John Dentley ", "John"}},
      {"no parts in the order",
       "Dr John Smith",
       Incoming({0, 0, 0, 0, 0}),
       {"", "", "", "", "", "", "Mr or Ms"}},
      {"last name first",
       "Smith John Albert Lee",
       Incoming({4, 2, 3, 0, 0}),
       {"Mr", "John", "Albert Lee", "Smith", "", "Mr John Albert Lee Smith ", "Mr"}},
      {"leading prefix pair",
       "Van Der Berg Hans",
       Incoming({4, 2, 0, 0, 0}),
       {"Mr", "Hans", "", "Van Der Berg", "", "Mr Hans Van Der Berg ", "Mr"}},
      {"leading single prefix",
       "Von Trapp Maria",
       Incoming({4, 2, 0, 0, 0}),
       {"Ms", "Maria", "", "Von Trapp", "", "Ms Maria Von Trapp ", "Ms"}},
      {"trailing title",
       "John Smith Dr.",
       Incoming({2, 4, 1, 0, 0}),
       {"Dr", "John", "", "Smith", "", "Dr John Smith ", "Dr"}},
      {"leading suffix",
       "Jr John Smith",
       Incoming({5, 2, 4, 0, 0}),
       {"Mr", "John", "", "Smith", "Jr", "Mr John Smith Jr", "Mr"}},
      {"unselected group counts as none",
       "John Smith",
       Incoming({-1, 2, 4, 0, 0}),
       {"Mr", "John", "", "Smith", "", "Mr John Smith ", "Mr"}},
      {"hyphenated first name",
       "Jean-Paul Sartre",
       NoGuess(),
       {"", "Jean-Paul", "", "Sartre", "", "Jean-Paul Sartre ", "Jean-Paul"}},
      {"empty line", "", {}, {"", "", "", "", "", "", "Mr or Ms"}},
  };
  WordLists lists;
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ParsePersonName(row.line, row.options, lists, *genders, name);
    ExpectName(name, row.expected);
  }
}

TEST(PersonName, StripWordsLeaveHyphenatedNamesWhole) {
  const struct {
    const char* line;
    const char* first;
    const char* last;
  } rows[] = {
      {"John Smith-Dent", "John", "Smith-Dent"}, {"Mary-Dent Smith", "Mary-Dent", "Smith"},
      {"Ann Lee-Surg", "Ann", "Lee-Surg"},       {"Ann Lee-Surg surg", "Ann", "Lee-Surg"},
      {"(Dent) Smith", "Dent", "Smith"},         {"John Dent-Smith", "John", "Dent-Smith"},
  };
  WordLists lists;
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line);
    ParsePersonName(row.line, NoGuess(), lists, *genders, name);
    EXPECT_EQ(name.first, row.first);
    EXPECT_EQ(name.middle, "");
    EXPECT_EQ(name.last, row.last);
  }
}

TEST(PersonName, TitleCaptionsAndStandardOrder) {
  WordLists lists;
  auto genders = std::make_unique<GenderList>();
  PersonNameOptions o;
  o.male_title = "Herr";
  o.female_title = "Frau";
  o.standard = {4, 2, 0, 1, 0};
  PersonName name;
  ParsePersonName("John Smith", o, lists, *genders, name);
  EXPECT_EQ(name.title, "Herr");
  EXPECT_EQ(name.standard, "Smith John Herr ");
  ParsePersonName("Chris Smith", o, lists, *genders, name);
  EXPECT_EQ(name.title, "Mr or Ms");
  o.guess_title = false;
  ParsePersonName("Smith", o, lists, *genders, name);
  EXPECT_EQ(name.salutation, "Herr or Frau");
}

TEST(PersonName, CoupleFlags) {
  WordLists lists;
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  ParsePersonName("John and Mary Smith", {}, lists, *genders, name);
  EXPECT_TRUE(name.couple);
  EXPECT_TRUE(name.mixed_couple);
  ParsePersonName("John Mary Smith", {}, lists, *genders, name);
  EXPECT_FALSE(name.couple);
  EXPECT_TRUE(name.mixed_couple) << "two genders without a couple word still mix";
  EXPECT_EQ(name.title, "Mr & Mrs");
  EXPECT_EQ(name.standard, "Mr & Mrs John & Mary Smith ");
}

TEST(PersonName, GuessUsesTheGenderLists) {
  WordLists lists;
  SetSlot(lists.AddedFirstNames[2], "Chris");
  lists.AddedFirstNameGenders[2] = -1;
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  ParsePersonName("Chris Smith", {}, lists, *genders, name);
  EXPECT_EQ(name.title, "Ms");
}

TEST(PersonName, GrowingTitlesAndSuffixesAreCutAtThePartLimit) {
  WordLists lists;
  SetSlot(lists.TitleWords[0], "X");
  SetSlot(lists.TitleSubstitutes[0], "A Very Long Title 1");
  SetSlot(lists.SuffixWords[0], "Y");
  SetSlot(lists.SuffixSubstitutes[0], "A Long Suffix Text2");
  std::string titles;
  std::string suffixes;
  while (titles.size() < kNameLineLimit) titles.append("X ");
  while (suffixes.size() < kNameLineLimit) suffixes.append(" Y");
  auto genders = std::make_unique<GenderList>();
  PersonName name;
  ParsePersonName(titles, {}, lists, *genders, name);
  EXPECT_EQ(name.title.size(), kPartLimit);
  EXPECT_LE(name.standard.size(), kPartLimit);
  EXPECT_LE(name.salutation.size(), kPartLimit);
  ParsePersonName("John" + suffixes, {}, lists, *genders, name);
  EXPECT_EQ(name.suffix.size(), kPartLimit);
  EXPECT_EQ(name.last, "John");
}

TEST(JoinNameValues, BlanksAndLimit) {
  std::string line;
  JoinNameValues({"John ", " ", "Smith", "", ""}, line);
  EXPECT_EQ(line, "John Smith ");
  JoinNameValues({"", "", "", "", "Smith"}, line);
  EXPECT_EQ(line, "Smith");
  const std::string big(1299, 'x');
  JoinNameValues({big, big, big, big, big}, line);
  EXPECT_EQ(line.size(), kNameLineLimit);
}

TEST(BuildNameOrder, DigitsOfTheGroups) {
  std::string order;
  BuildNameOrder({1, 2, 3, 4, 5}, order);
  EXPECT_EQ(order, "12345");
  BuildNameOrder({4, 0, 2, -1, 6}, order);
  EXPECT_EQ(order, "42");
}

TEST(SplitPersonName, OrderCodesThatNameNoPartAreIgnored) {
  WordLists lists;
  PersonName name;
  SplitPersonName("John Smith", "2-4x", lists, name);
  EXPECT_EQ(name.first, "John");
  EXPECT_EQ(name.last, "Smith");
}

}  // namespace
}  // namespace vt
