// Generated sources: their display names, in number order.
#include "output/generated_sources.h"

#include <utility>

namespace vt {

namespace {

// clang-format off
constexpr std::pair<GeneratedSource, std::string_view> kNames[] = {
    {kBlank, "Blank"}, {kEmptyField, "Empty Field"}, {kRecordNumber, "Record_Number"},
    {kInputPageNumber, "Input Page #"},
    {kCombination1, "Combination 1"}, {kCombination2, "Combination 2"},
    {kCombination3, "Combination 3"}, {kCombination4, "Combination 4"},
    {kSplit1A, "Split 1A"}, {kSplit1B, "Split 1B"}, {kSplit1C, "Split 1C"}, {kSplit2A, "Split 2A"},
    {kSplit2B, "Split 2B"}, {kSplit2C, "Split 2C"}, {kSplit3A, "Split 3A"}, {kSplit3B, "Split 3B"},
    {kSplit3C, "Split 3C"},
    {kReserved, "RESERVED"},
    {kSuiteDesignator, "Suite Designator"}, {kSuiteNumber, "Suite Number"},
    {kStreetNumber, "Street Number"}, {kStreetName, "Street Name"},
    {kStreetDesignator, "Street Designator"}, {kStreetDirection, "Street Direction"},
    {kNonCivicAddress, "Non-Civic Addr"}, {kOddEven, "Odd/Even #"}, {kStdAddress, "Std. Address"},
    {kCity, "City"}, {kStateProvince, "State/Province"}, {kPostalZip, "Postal/Zip"},
    {kTitle, "Title"}, {kFirstName, "First Name"}, {kMiddleNames, "Middle Names"},
    {kLastName, "Last Name"}, {kNameSuffix, "Name Suffix"}, {kStdName, "Std. Name"},
    {kAreaCode1, "Area Code 1"}, {kPhone1, "Phone 1"}, {kAreaCode2, "Area Code 2"},
    {kPhone2, "Phone 2"}, {kAreaCode3, "Area Code 3"}, {kPhone3, "Phone 3"},
    {kGender1, "Gender 1"}, {kGender2, "Gender 2"}, {kGender3, "Gender 3"},
    {kTodaysDate, "Today's Date"}, {kTodaysName, "Today's Name"}, {kTodaysDay, "Today's Day"},
    {kTodaysMonth, "Today's Month"}, {kTodaysYear, "Today's Year"},
    {kDate1, "Date 1"}, {kDate2, "Date 2"}, {kDate3, "Date 3"}, {kDate4, "Date 4"},
    {kWeekday1, "Weekday 1"}, {kWeekday2, "Weekday 2"}, {kWeekday3, "Weekday 3"},
    {kWeekday4, "Weekday 4"},
    {kDay1, "Day 1"}, {kDay2, "Day 2"}, {kDay3, "Day 3"}, {kDay4, "Day 4"},
    {kMonth1, "Month 1"}, {kMonth2, "Month 2"}, {kMonth3, "Month 3"}, {kMonth4, "Month 4"},
    {kYear1, "Year 1"}, {kYear2, "Year 2"}, {kYear3, "Year 3"}, {kYear4, "Year 4"},
    {kHour1, "Hour 1"}, {kHour2, "Hour 2"}, {kHour3, "Hour 3"}, {kHour4, "Hour 4"},
    {kMinute1, "Minute 1"}, {kMinute2, "Minute 2"}, {kMinute3, "Minute 3"}, {kMinute4, "Minute 4"},
    {kSecond1, "Second 1"}, {kSecond2, "Second 2"}, {kSecond3, "Second 3"}, {kSecond4, "Second 4"},
    {kJulianDate1, "Julian Date 1"}, {kJulianDate2, "Julian Date 2"},
    {kJulianDate3, "Julian Date 3"}, {kJulianDate4, "Julian Date 4"},
    {kTaggedEmail1, "Tagged Email 1"}, {kTaggedEmail2, "Tagged Email 2"},
    {kTaggedEmail3, "Tagged Email 3"}, {kTaggedEmail4, "Tagged Email 4"},
    {kTaggedUrl1, "Tagged URL 1"}, {kTaggedUrl2, "Tagged URL 2"}, {kTaggedUrl3, "Tagged URL 3"},
    {kTaggedUrl4, "Tagged URL 4"},
    {kSalutation, "Salutation"}, {kInputFileName, "Input File Name"},
    {kCombo1Alnum, "Combo1 ALNUM only"}, {kCalendarNow, "Calendar Time NOW"},
    {kSumOfCombos, "Sum of all combos"},
    {kConvert1, "Convert 1"}, {kConvert2, "Convert 2"}, {kConvert3, "Convert 3"},
    {kConvert4, "Convert 4"},
    {kDomainInSplit1, "DomainInSplit1"}, {kDomainInSplit2, "DomainInSplit2"},
    {kDomainInSplit3, "DomainInSplit3"},
    {kLineBreak, "LINE BREAK"}, {kFormFeed, "FORM FEED"}, {kTab, "TAB"}, {k1403Skip, "1403 Skip"},
};
// clang-format on

constexpr bool InNumberOrder() {
  int k = 0;
  for (const auto& [source, name] : kNames) {
    if (source != k++ || name.empty()) return false;
  }
  return k == kGeneratedSourceCount;
}
static_assert(InNumberOrder(), "one named row per generated source, in number order");

}  // namespace

std::string_view GeneratedSourceName(int k) {
  if (k < 0 || k >= kGeneratedSourceCount) return {};
  return kNames[k].second;
}

}  // namespace vt
