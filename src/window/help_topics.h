// Help topics: the context numbers the window gives its sheets and areas, each the anchor
// "context-N" of a topic in the help file.
#pragma once

namespace vt {

class TParseView;

enum HelpTopicNumber : int {
  kHelpWindow = 1,        // the window and the way through a conversion
  kHelpRecordView = 2,    // the input record, its dividers and the input field lists
  kHelpInputSheet = 3,    // input types and delimiters
  kHelpBinarySheet = 5,   // binary records
  kHelpPageSheet = 6,     // page images (also the sheet's own Help button)
  kHelpOutputSheet = 10,  // output fields and their sources
  kHelpOutputFormat = 11,
  kHelpFieldOptions = 12,
  kHelpConversionRun = 13,  // saving the converted file, the test run and Cancel
  kHelpComboSheet = 20,
  kHelpDateSheet = 21,
  kHelpTimeSheet = 22,
  kHelpSplitSheet = 23,
  kHelpStreetSheet = 30,
  kHelpNamesSheet = 31,
  kHelpPhoneSheet = 32,
  kHelpMailingSheet = 33,
  kHelpCitySheet = 34,
  kHelpGenderSheet = 35,
  kHelpMiscSheet = 40,
  kHelpPageBands = 85,  // the page's header rows, data bands and footer rows
};

// Gives the window, its sheets and its areas their topics; the controls inside take their
// parent's.
void AssignHelpTopics(TParseView& view);

}  // namespace vt
