// The housekeeping timer: keeps controls in step with the state and ends an unattended run.
#include "strings/asctime_text.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::SyncCityInStreet() {
  // The city slots 1..5 name the same fields as the street slots 0..4.
  const auto& city = SpecialSourceTable[kCityRow];
  const auto& street = SpecialSourceTable[kStreetRow];
  bool same = true;
  for (std::size_t i = 0; i < 5; ++i) same = same && city[i + 1] == street[i];
  if (!same) {
    CityInStreet.SetChecked(false);
  } else if (street[0] != 0 && !CityInStreet.Checked()) {
    CityInStreet.SetChecked(true);
  }
  CityInStreetState = CityInStreet.Checked() ? 1 : 0;
}

void TParseView::HalfSecondTimer() {
  SyncCityInStreet();

  TagBelow.SetVisible(!IgnoreLineEnds.Checked());
  SkipBlankLines.SetVisible(PageInputButton.Checked());
  if (SkipBlankLines.Checked()) BlankLinesPage.SetChecked(false);
  if (!TakeFirstRecordAsFieldName.Visible()) TakeFirstRecordAsFieldName.SetChecked(false);

  const bool blocks = !DbaseOutputButton.Checked() && !XML.Checked();
  for (tk::Control* c : std::initializer_list<tk::Control*>{
           &HeaderBlockFile, &TrailerBlockFile, &HeaderBlockFileBrowse, &TrailerBlockFileBrowse,
           &HeaderBlockLabel, &TrailerBlockLabel}) {
    c->SetEnabled(blocks);
  }

  DeleteTag.SetEnabled(TagList.ItemIndex() >= 0);
  FilterText.SetEnabled(Filter.Checked());
  MiscSkipLabel.SetVisible(Filter.Checked());
  SelectType.SetEnabled(Filter.Checked());
  FullButton.SetEnabled(SkipIfNull.Checked());
  EmptyButton.SetEnabled(SkipIfNull.Checked());

  const bool has_output = OutputFieldsInUse() != 0;
  ClearOutput.SetVisible(has_output);
  OutputButton.SetEnabled(has_output);
  SaveConvertedFile.SetEnabled(has_output);

  const bool clone = InputFieldTotal != 0 && OutputFieldsInUse() < 2;
  CloneButton.SetVisible(clone);
  CloneButton.SetEnabled(clone);

  if (UnattendedExitCountdown != 0 && ++UnattendedExitCountdown > 5) {
    services().app->Terminate(UnattendedExitStatus);
    return;
  }

  CoverFieldPanel.SetVisible(OutputFieldNamesListBox.ItemIndex() < 0);

  if (HTMLTableCheckBox.Checked()) {
    for (tk::RadioButton* b : {&PageInputButton, &TaggedData, &TagTextButton}) b->SetChecked(true);
  }

  const std::pair<tk::ListBox*, tk::ListBox*> pairs[] = {
      {&InputFieldNamesListBox, &InputFieldsListBox},
      {&AddedGenders, &AddedNames},
      {&OutputFieldNamesListBox, &OutputFieldsListBox},
      {&StreetTypeSubsts, &StreetTypes},
      {&StateSubsts, &States},
      {&TitleSubstsIn, &TitlesIn},
      {&SuffixSubstsIn, &SufficesIn},
      {&NonCivicSubstsIn, &NonCivicsIn},
      {&SuiteDesignatorSubstsIn, &SuiteDesignatorsIn},
      {&ParsedItemNames, &ParsedItemValues},
  };
  for (const auto& [first, second] : pairs) second->SetTopIndex(first->TopIndex());

  tk::Clock& clock = *services().clock;
  StatusBar1.SetPanelText(0, AscTimeText(clock.Local(clock.Now())));
}

}  // namespace vt
