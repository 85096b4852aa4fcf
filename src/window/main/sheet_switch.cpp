// The change of the sheet in front: what every sheet needs when it comes forward, its
// instructions, and the list of the sheets a user can go to.
#include <cstdlib>
#include <initializer_list>

#include "window/parse_view.h"

namespace vt {

namespace {

struct SheetInstructions {
  tk::TabSheet TParseView::*sheet;
  std::initializer_list<const char*> lines;
};

// The instructions of the sheets that have them, one memo line each.
const SheetInstructions kInstructions[] = {
    {&TParseView::CombineInputFields,
     {"To combine several input fields into single \"Parser Generated Fields\" click on the "
      "individual field elements under \"Combination Component Specifications\" and then select "
      "the source fields.  You may also select separators to go ahead of, between and after the "
      "elements.",
      "You may also provide a \"Plug In\" program to further modify these fields via a transfer "
      "file (see Help)."}},
    {&TParseView::GenderSheet,
     {"This tab permits genderization based on first name.  First names which are unrecognised "
      "or ambiguous are given blank gender (and Title on the Names tab).  Default values for any "
      "blank field may be defined on the Output tab.  For performance reasons, 10,000 names are "
      "embedded in the program code, but these may be overridden or added to here. You may also "
      "check the existing definition of a name by entering it in the box indicated."}},
    {&TParseView::ParseNameSheet,
     {"This tab permits the parsing (or re-parsing) of the names of people. You need to specify "
      "the sequence in which name elements will appear if present.  You may also specify the "
      "element sequence for a standardized output name.  Title and Suffix targets may be edited "
      "on this tab.  Name prefixes (as in Van Gelder or De Mornay ) may be edited on the Mailing "
      "tab."}},
    {&TParseView::Mailing,
     {"This tab allows you to specify options for handling address data as in mailing lists.  "
      "You may specify street designators and abbreviations or substitutes for them. You may "
      "specify items to be ignored and deleted in handling names (e.g. \"fax line\" etc. from "
      "names originating in phone lists). You may specify capitalization exceptions e.g. such "
      "that setting Proper Case output for a field containing MCDONALD results in McDonald "
      "instead of Mcdonald."}},
    {&TParseView::ParseStreet,
     {"This tab allows you to parse into components street and non-civic address elements from "
      "single lines containing these elements.  You may also re-assemble and re-parse to correct "
      "improperly parsed fields.  A parser generated standardized address line is generated, "
      "based on the element sequence you specify here."}},
    {&TParseView::CityPage,
     {"This tab allows you to parse out City, State and Postal/Zip data from single lines "
      "containing these elements.  You may also re-assemble and re-parse to correct improperly "
      "parsed fields.  US, Canadian and UK postal/zip codes are automatically identified from "
      "their alphanumeric patterns."}},
    {&TParseView::DateSheet,
     {"To convert dates, select the input and output format options, then click on source1, "
      "source2 etc and then select the incoming date field's Field Name. Use the Output tab to "
      "take the converted date from a \"Parser Generated Field \" to an output field.  You can "
      "also parse out times if included in the same field as dates (see Time tab)."}},
};

constexpr int kTabListMaxHeight = 200;

}  // namespace

void TParseView::PageControlChange() {
  PageControlSwitch.Click();
}

void TParseView::PageControlSwitchClick() {
  ConversionPanelXButton.Click();
  RowSelectedPanel.SetVisible(false);
  InstructionHints.SetVisible(false);
  LowHint.SetVisible(false);
  OutputFieldNamesListBox.SetEnabled(false);
  OutputFieldNamesListBox.SetItemIndex(-1);
  InputFieldNamesListBox.SetItemIndex(-1);
  DateMemo.SetVisible(false);
  DateChoiceBox.SetItemIndex(-1);
  for (tk::Control* c : std::initializer_list<tk::Control*>{&InputRecordLabel, &InputRecordPanel,
                                                            &InputRecordMarkerLabel}) {
    c->SetColor(0xFFFFFF);
  }

  const tk::TabSheet* front = PageControl.ActivePage();
  if (front == &OutputConfiguration) {
    OutputSheetForward();
    return;
  }
  if (front == &CombineInputFields) DisplayCombo.Click();
  if (front == &DateSheet) DBVer.SetEnabled(DbaseOutputButton.Checked());
  if (front == &PageInputTab) PageSheetForward();
  for (const SheetInstructions& entry : kInstructions) {
    if (front != &(this->*entry.sheet)) continue;
    InstructionHints.Clear();
    for (const char* line : entry.lines) InstructionHints.AddLine(line);
    if (LargeHints.Checked()) InstructionHints.SetVisible(true);
  }
}

void TParseView::OutputSheetForward() {
  if (NumericOutputBox.Checked()) {
    NoCaseConversion.SetChecked(true);
    CaseConversionGroup.SetVisible(false);
    if (DbaseOutputButton.Checked()) DecimalConversion.SetChecked(true);
    NumericConversionGroup.SetVisible(true);
  } else {
    CaseConversionGroup.SetVisible(true);
    NumericConversionGroup.SetVisible(false);
  }
  OutputFieldNamesListBox.SetEnabled(true);
  OutputFieldNamesListBox.SetItemIndex(SelectedOutputField);
  if (OutputFieldsInUse() == 0) AddFieldButton.Click();
  OutputButton.SetEnabled(true);
  SaveConvertedFile.SetEnabled(true);
  AutoWidth.SetEnabled(true);
  if (OutputFieldNamesListBox.ItemIndex() < 0) OutputFieldNamesListBox.SetItemIndex(0);
  DisplayOutput.Click();
  OutputHint.Click();
}

void TParseView::PageSheetForward() {
  PageInputTabEnter();
}

void TParseView::ListOtherTabsClick() {
  TabListBox.Clear();
  for (const tk::TabSheet* sheet : PageControl.Sheets()) {
    if (sheet->Enabled()) TabListBox.Add(sheet->Caption());
  }
  tk::Bounds bounds = TabListBox.Geometry();
  bounds.height = std::min(TabListBox.Count() * TabListBox.ItemHeight() + 8, kTabListMaxHeight);
  TabListBox.SetGeometry(bounds);
  TabListBox.SetVisible(true);
  TabListBox.SetFocus();
}

void TParseView::TabListBoxClick() {
  const int row = TabListBox.ItemIndex();
  if (row < 0) return;  // a click beside the rows picks nothing
  int enabled = 0;
  for (tk::TabSheet* sheet : PageControl.Sheets()) {
    if (!sheet->Enabled()) continue;
    if (enabled++ != row) continue;
    PageControl.SetActivePage(sheet);
    PageControlSwitch.Click();
    break;
  }
  TabListBox.SetVisible(false);
}

void TParseView::TabListBoxExit() {
  TabListBox.SetVisible(false);
}

}  // namespace vt
