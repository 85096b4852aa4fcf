// Generated sources: their display names, in number order.
#include "output/generated_sources.h"

namespace vt {

namespace {

// clang-format off
constexpr std::string_view kNames[kGeneratedSourceCount] = {
    "Blank", "Empty Field", "Record_Number", "Input Page #",
    "Combination 1", "Combination 2", "Combination 3", "Combination 4",
    "Split 1A", "Split 1B", "Split 1C", "Split 2A", "Split 2B", "Split 2C",
    "Split 3A", "Split 3B", "Split 3C",
    "RESERVED",
    "Suite Designator", "Suite Number", "Street Number", "Street Name", "Street Designator",
    "Street Direction", "Non-Civic Addr", "Odd/Even #", "Std. Address",
    "City", "State/Province", "Postal/Zip",
    "Title", "First Name", "Middle Names", "Last Name", "Name Suffix", "Std. Name",
    "Area Code 1", "Phone 1", "Area Code 2", "Phone 2", "Area Code 3", "Phone 3",
    "Gender 1", "Gender 2", "Gender 3",
    "Today's Date", "Today's Name", "Today's Day", "Today's Month", "Today's Year",
    "Date 1", "Date 2", "Date 3", "Date 4",
    "Weekday 1", "Weekday 2", "Weekday 3", "Weekday 4",
    "Day 1", "Day 2", "Day 3", "Day 4",
    "Month 1", "Month 2", "Month 3", "Month 4",
    "Year 1", "Year 2", "Year 3", "Year 4",
    "Hour 1", "Hour 2", "Hour 3", "Hour 4",
    "Minute 1", "Minute 2", "Minute 3", "Minute 4",
    "Second 1", "Second 2", "Second 3", "Second 4",
    "Julian Date 1", "Julian Date 2", "Julian Date 3", "Julian Date 4",
    "Tagged Email 1", "Tagged Email 2", "Tagged Email 3", "Tagged Email 4",
    "Tagged URL 1", "Tagged URL 2", "Tagged URL 3", "Tagged URL 4",
    "Salutation", "Input File Name", "Combo1 ALNUM only", "Calendar Time NOW",
    "Sum of all combos",
    "Convert 1", "Convert 2", "Convert 3", "Convert 4",
    "DomainInSplit1", "DomainInSplit2", "DomainInSplit3",
    "LINE BREAK", "FORM FEED", "TAB", "1403 Skip",
};
// clang-format on

}  // namespace

std::string_view GeneratedSourceName(int k) {
  if (k < 0 || k >= kGeneratedSourceCount) return {};
  return kNames[k];
}

}  // namespace vt
