// Built-in contents of the word lists and the slot lookups.
#include "parsing/word_lists.h"

#include <cstring>

#include "strings/char_class.h"

namespace vt {

namespace {

struct Pair {
  std::string_view word;
  std::string_view substitute;
};

// clang-format off
constexpr Pair kTitles[] = {
    {"Mr", "Mr"},       {"Mrs", "Mrs"},           {"Miss", "Miss"},   {"Mr&Mrs", "Mr & Mrs"},
    {"Mr-Mrs", "Mr & Mrs"}, {"Ms", "Ms"},         {"Rev", "Rev"},     {"Prof", "Prof"},
    {"Sgt", "Sgt"},     {"Lt", "Lt"},             {"Capt", "Capt"},   {"Maj", "Maj"},
    {"Lt-Col", "Lt-Col"}, {"Col", "Col"},         {"Gen", "Gen"},     {"Dr", "Dr"},
    {"The", "The"},
};

// "Esq" stands twice on purpose: the list is kept as it always was.
constexpr std::string_view kSuffixes[] = {
    "Jr", "Sr", "III", "Esq", "MBA", "BSc", "PhD", "CDP", "Esq", "Inc", "Ltd",
};

constexpr std::string_view kNameStrips[] = {
    "Teen Phone", "Children's Phone", "Residence", "brstr", "solctr", "psychtrst",
    "fax line", "dentrst", "dent", "phys", "surg", "chart acct", "family phys", "lawyer",
    "cellular phone", "cell phone", "cel phone",
};

// The street parser tries these in order, so longer phrases stand before their parts.
constexpr Pair kNonCivic[] = {
    {"PO Box", "PO Box"},  {"P O Box", "PO Box"}, {"P. O. Box", "PO Box"}, {"P.O. Box", "PO Box"},
    {"Box", "PO Box"},     {"P.O.", "PO Box"},    {"PO", "PO Box"},        {"P O", "PO Box"},
    {"Station", "Stn"},    {"Stn", "Stn"},        {"RR", "RR"},            {"R R", "RR"},
    {"R.R", "RR"},         {"Rural Route", "RR"}, {"Postal Drawer", "Drawer"},
    {"Drawer", "Drawer"},  {"Site", "Site"},      {"Comp", "Comp"},        {"C-", "C"},
    {"C", "C"},            {"SS", "SS"},          {"Bag Service", "Bag"},  {"Bag", "Bag"},
};

constexpr Pair kStreetTypes[] = {
    {"Alley", "Alley"},     {"Av", "Ave"},          {"Avenue", "Ave"},     {"Blv", "Blvd"},
    {"Boulevard", "Blvd"},  {"Center", "Ctr"},      {"Centre", "Ctr"},     {"Circle", "Cir"},
    {"Circus", "Cir"},      {"Close", "Cl"},        {"Court", "Ct"},       {"Crescent", "Cres"},
    {"Cr", "Cres"},         {"Crt", "Ct"},          {"Csnt", "Cres"},      {"Drive", "Dr"},
    {"Expressway", "Expy"}, {"Gardens", "Gdns"},    {"Grove", "Gr"},       {"Heights", "Hts"},
    {"Highway", "Hwy"},     {"Island", "Is"},       {"Junction", "Jct"},   {"La", "Ln"},
    {"Lake", "Lk"},         {"Lane", "Ln"},         {"Mountain", "Mtn"},   {"Park", "Pk"},
    {"Parkway", "Pkwy"},    {"Pky", "Pkwy"},        {"Place", "Pl"},       {"Plaza", "Plz"},
    {"Point", "Pt"},        {"Ridge", "Rdg"},       {"Road", "Rd"},        {"Square", "Sq"},
    {"Station", "Sta"},     {"Street", "St"},       {"Terr", "Ter"},       {"Terrace", "Ter"},
    {"Tr", "Trl"},          {"Trail", "Trl"},       {"Turnpike", "Tpke"},  {"Valley", "Vly"},
    {"Way", "Way"},
};

constexpr Pair kSuites[] = {
    {"Penthouse", "Pent"}, {"Pent", "Pent"}, {"Suite", "Suite"}, {"Ste", "Suite"},
    {"Unit", "Unit"},      {"Apt", "Apt"},   {"PMB", "PMB"},
};

// The last three end in a blank that belongs to the entry, so "ivan" does not become "IVan".
constexpr std::string_view kCapitals[] = {
    "Mc", "WordPerfect", "CompuServe", "dBase", "O'", "D'", "II ", "III ", "IV ",
};

// Alphabetical by name except the last row.
constexpr Pair kStates[] = {
    {"Alabama", "AL"},        {"Alaska", "AK"},          {"Alberta", "AB"},
    {"Alta", "AB"},           {"American Samoa", "AS"},  {"Arizona", "AZ"},
    {"Arkansas", "AR"},       {"B.C.", "BC"},            {"British Columbia", "BC"},
    {"California", "CA"},     {"Colorado", "CO"},        {"Connecticut", "CT"},
    {"Delaware", "DE"},       {"District of Columbia", "DC"}, {"Florida", "FL"},
    {"Georgia", "GA"},        {"Guam", "GU"},            {"Hawaii", "HI"},
    {"Idaho", "ID"},          {"Illinois", "IL"},        {"Indiana", "IN"},
    {"Iowa", "IA"},           {"Kansas", "KS"},          {"Kentucky", "KY"},
    {"Louisiana", "LA"},      {"Maine", "ME"},           {"Man", "MB"},
    {"Manitoba", "MB"},       {"Marshall Islands", "MH"}, {"Maryland", "MD"},
    {"Massachusetts", "MA"},  {"Michigan", "MI"},        {"Minnesota", "MN"},
    {"Mississippi", "MS"},    {"Missouri", "MO"},        {"Montana", "MT"},
    {"Nebraska", "NE"},       {"Nevada", "NV"},          {"New Brunswick", "NB"},
    {"New Hampshire", "NH"},  {"New Jersey", "NJ"},      {"New Mexico", "NM"},
    {"New York", "NY"},       {"Newfoundland", "NF"},    {"North Carolina", "NC"},
    {"North Dakota", "ND"},   {"Northwest Territories", "NT"}, {"Nova Scotia", "NS"},
    {"NWT", "NT"},            {"Ohio", "OH"},            {"Oklahoma", "OK"},
    {"Ont", "ON"},            {"Ontario", "ON"},         {"Oregon", "OR"},
    {"Palau", "PW"},          {"PEI", "PE"},             {"Pennsylvania", "PA"},
    {"Prince Edward Island", "PE"}, {"Puerto Rico", "PR"}, {"Que", "QC"},
    {"Quebec", "QC"},         {"Rhode Island", "RI"},    {"Sask", "SK"},
    {"Saskatchewan", "SK"},   {"South Carolina", "SC"},  {"South Dakota", "SD"},
    {"Tennessee", "TN"},      {"Texas", "TX"},           {"Utah", "UT"},
    {"Vermont", "VT"},        {"Virgin Islands", "VI"},  {"Virginia", "VA"},
    {"Washington", "WA"},     {"West Virginia", "WV"},   {"Wisconsin", "WI"},
    {"Wyoming", "WY"},        {"Yukon Territory", "YT"}, {"N/A", "  "},
};

constexpr Pair kSurnamePrefixes[] = {
    {"De", ""}, {"De", "La"}, {"Van", ""}, {"Van", "Der"}, {"Van", "De"}, {"Von", ""}, {"Mc", ""},
};
// clang-format on

template <std::size_t N, std::size_t W, std::size_t M>
void FillPairs(char (&words)[N][W], char (&substitutes)[N][W], const Pair (&rows)[M]) {
  static_assert(M <= N, "built-in list longer than its table");
  for (std::size_t i = 0; i < M; ++i) {
    SetSlot(words[i], rows[i].word);
    SetSlot(substitutes[i], rows[i].substitute);
  }
}

}  // namespace

void WordLists::SetBuiltIn() {
  std::memset(static_cast<void*>(this), 0, sizeof(*this));
  FillPairs(TitleWords, TitleSubstitutes, kTitles);
  for (std::size_t i = 0; i < std::size(kSuffixes); ++i) {
    SetSlot(SuffixWords[i], kSuffixes[i]);
    SetSlot(SuffixSubstitutes[i], kSuffixes[i]);
  }
  for (std::size_t i = 0; i < std::size(kNameStrips); ++i)
    SetSlot(NameStripWords[i], kNameStrips[i]);
  FillPairs(NonCivicWords, NonCivicSubstitutes, kNonCivic);
  FillPairs(StreetTypeWords, StreetTypeSubstitutes, kStreetTypes);
  FillPairs(SuiteWords, SuiteSubstitutes, kSuites);
  for (std::size_t i = 0; i < std::size(kCapitals); ++i)
    SetSlot(CapitalExceptions[i], kCapitals[i]);
  for (std::size_t i = 0; i < std::size(kStates); ++i) {
    SetSlot(StateNames[i], kStates[i].word);
    SetSlot(StateCodes[i], kStates[i].substitute);
  }
  FillPairs(SurnamePrefixes, SurnamePrefixSeconds, kSurnamePrefixes);
  SetSlot(AddedFirstNames[0], "Walt");
  AddedFirstNameGenders[0] = 1;
  SetSlot(AddedFirstNames[1], "Kim");
  AddedFirstNameGenders[1] = 0;
}

}  // namespace vt
