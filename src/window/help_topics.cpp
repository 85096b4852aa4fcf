// Help topics: which sheet and area opens which topic.
#include "window/help_topics.h"

#include "window/parse_view.h"

namespace vt {

void AssignHelpTopics(TParseView& v) {
  v.SetHelpContext(kHelpWindow);
  const struct {
    tk::Control* control;
    HelpTopicNumber topic;
  } topics[] = {
      {&v.ToolPanel, kHelpWindow},
      {&v.InputRecordPanel, kHelpRecordView},
      {&v.OutputRecordPanel, kHelpOutputSheet},
      {&v.InputFieldsGroup, kHelpRecordView},
      {&v.InputConfiguration, kHelpInputSheet},
      {&v.PageInputTab, kHelpPageSheet},
      {&v.PageBandsGroupBox, kHelpPageBands},
      {&v.BinaryInputTab, kHelpBinarySheet},
      {&v.OutputConfiguration, kHelpOutputSheet},
      {&v.OutputFormatGroupBox, kHelpOutputFormat},
      {&v.FieldOptionsGroup, kHelpFieldOptions},
      {&v.CancelOutput, kHelpConversionRun},
      {&v.Limit1000, kHelpConversionRun},
      {&v.CombineInputFields, kHelpComboSheet},
      {&v.DateSheet, kHelpDateSheet},
      {&v.Time, kHelpTimeSheet},
      {&v.ParseStreet, kHelpStreetSheet},
      {&v.ParseNameSheet, kHelpNamesSheet},
      {&v.ParsePhoneSheet, kHelpPhoneSheet},
      {&v.Mailing, kHelpMailingSheet},
      {&v.CityPage, kHelpCitySheet},
      {&v.SplitSheet, kHelpSplitSheet},
      {&v.GenderSheet, kHelpGenderSheet},
      {&v.MiscTab, kHelpMiscSheet},
  };
  for (const auto& entry : topics) entry.control->SetHelpContext(entry.topic);
}

}  // namespace vt
