// Frame controls: captions and starting states of the menus, tool buttons and sheets.
#include "window/controls/frame_controls.h"

#include "window/controls/splash_picture.h"

namespace vt {

FrameControls::FrameControls(tk::Window& window) : w_(window) {
  File1.SetCaption("&File");
  Open1.SetCaption("&Open Input File...");
  SaveConvertedFile.SetCaption("&Save Converted File...");
  SaveConvertedFile.SetEnabled(false);
  LoadConfiguration1.SetCaption("&Load Saved Preferences");
  LoadConfiguration1.SetEnabled(false);
  CopyOutputFormat.SetCaption("Copy Output Format from another Preference File");
  SaveConfiguration.SetCaption("Save Preferences to File");
  SaveConfiguration.SetEnabled(false);
  for (tk::MenuItem* separator : {&N2, &N4, &N5}) separator->SetSeparator(true);
  CloseFile1.SetCaption("&Close Input File");
  ViewLogFile1.SetCaption("View Log File");
  ClearLogFile1.SetCaption("Clear Log File");
  AutoWidth.SetCaption("Autoset Output Field Widths");
  AutoWidth.SetEnabled(false);
  EbcdicIn.SetCaption("EBCDIC Conversion");
  PreviousPreferences1.SetCaption("Previous Preferences:");
  for (tk::MenuItem* item : HistoryItems) item->SetEnabled(false);
  Exit1.SetCaption("E&xit");
  View1.SetCaption("&View");
  LargeHints.SetCaption("Show Large Yellow Hints");
  LargeHints.SetChecked(true);
  Zoom.SetCaption("View Enlarged");
  Help1.SetCaption("&Help");
  Contents1.SetCaption("Help &Contents");
  SearchforHelpOn1.SetCaption("&Search for Help On...");
  About1.SetCaption("&About...");

  TextFileOpen.SetCaption("Open");
  TextFileOpen.SetHint("Open Input File");
  ClipIn.SetCaption("Paste");
  ClipIn.SetHint("Open the clipboard's text as input");
  PrevButton.SetCaption("Previous");
  PrevButton.SetEnabled(false);
  NextButton.SetCaption("Next");
  OutputButton.SetCaption("Out&put");
  OutputButton.SetHint("Save converted file");
  OutputButton.SetEnabled(false);
  ListOtherTabs.SetCaption("Tabs...");
  ListOtherTabs.SetHint("Click to Show Selection List of All Tabs Currently Active");
  ListOtherTabs.SetEnabled(false);
  HelpButton.SetCaption("&Help");
  Minimise.SetCaption("_");
  Minimise.SetHint("Minimise window");
  ExitButton.SetCaption("Exit");
  CancelOutput.SetCaption("Cancel");
  CancelOutput.SetHint("Stop the conversion run");
  CancelOutput.SetEnabled(false);
  InstructionHints.SetLines({"Instruction Hints"});
  InstructionHints.SetColor(0xFFFF80);
  LowHint.SetColor(0xFFFF80);
  Image1.SetPicture(SplashPicture());
  SplashTitle.SetCaption("Vontrask");
  SplashSubtitle.SetCaption("Converts data files from one layout into another");
  Splash.SetTop(149);  // between the record lines and the sheets, clear of both
  InitialInstructions.SetCaption("Open an input file to begin: File, Open Input File.");
  TabListBox.SetVisible(false);
  DeletedWarning.SetCaption("Deleted record. Will not appear in output.");
  DeletedWarning.SetVisible(false);
  PositionLabel.SetCaption("Position");
  PositionLabel.SetVisible(false);
  Position.SetVisible(false);
  FieldDivisionLabel.SetCaption("Input Field Division");
  FieldDivisionLabel.SetVisible(false);
  TabInstructionLabel.SetCaption("Click below the input line to set or clear a field divider.");
  TabInstructionLabel.SetVisible(false);
  TabInstructionLabel2.SetCaption("Each divider marks the last character of a field.");
  TabInstructionLabel2.SetVisible(false);
  FieldNumberLabel.SetCaption("0");
  ClipContents.SetVisible(false);
  InputRecordScrollBar.SetRange(0, 500);
  InputFieldPanel.SetVisible(false);
  OutputPositionLabel.SetCaption("Position");
  OutputPositionLabel.SetVisible(false);
  OutputPosition.SetVisible(false);
  YardStick.SetCaption("M");
  YardStick.SetVisible(false);
  YardStick.SetGeometry({0, 0, 7, 13});
  InputFieldsGroup.SetCaption("Input Fields");
  InputNamesHeading.SetCaption("Input Field Names");
  InputValuesHeading.SetCaption("Current Values");
  InputFieldNamesListBox.SetNewRow(true);
  InputCountLabel.SetNewRow(true);
  InputCountUnit.SetCaption("input fields");
  RecordHeading.SetCaption("Record");
  InputFieldNamesListBox.SetGeometry({0, 0, 110, 230});
  InputFieldsListBox.SetGeometry({0, 0, 150, 230});
  // Headings over their lists; record lines as wide as the window; room for a path.
  InputNamesHeading.SetGeometry({0, 0, 110, 13});
  InputValuesHeading.SetGeometry({0, 0, 150, 13});
  for (tk::Label* line : {&InputRecordLabel, &InputRecordMarkerLabel, &OutputRecordLabel}) {
    line->SetGeometry({0, 0, w_.ClientWidth(), 13});
  }
  FileNameLabel.SetGeometry({0, 0, 260, 13});
  PositionMarkedLabel.SetGeometry({0, 0, 200, 13});
  TabListBox.SetGeometry({360, 40, 150, 200});

  // Bars above the sheets, the field lists and hints beside them, panels that float.
  for (tk::Control* c :
       std::initializer_list<tk::Control*>{&ToolPanel, &InputRecordPanel, &OutputRecordPanel}) {
    c->SetAlign(tk::Align::kTop);
  }
  for (tk::Control* c :
       std::initializer_list<tk::Control*>{&InputFieldsGroup, &InstructionHints, &LowHint}) {
    c->SetAlign(tk::Align::kRight);
  }
  PageControl.SetAlign(tk::Align::kClient);
  for (tk::Control* c :
       std::initializer_list<tk::Control*>{&Splash, &TabListBox, &InputFieldPanel, &ClipContents}) {
    c->SetAlign(tk::Align::kFloat);
  }

  const struct {
    tk::TabSheet* sheet;
    const char* caption;
  } sheets[] = {
      {&InputConfiguration, "Input"},
      {&PageInputTab, "Page"},
      {&BinaryInputTab, "Binary"},
      {&OutputConfiguration, "Output"},
      {&CombineInputFields, "Combo"},
      {&DateSheet, "Date"},
      {&Time, "Time"},
      {&ParseStreet, "Street"},
      {&ParseNameSheet, "Names"},
      {&ParsePhoneSheet, "Phone"},
      {&Mailing, "Mailing"},
      {&CityPage, "City"},
      {&SplitSheet, "Split"},
      {&GenderSheet, "Gender"},
      {&MiscTab, "Misc"},
  };
  for (const auto& s : sheets) s.sheet->SetCaption(s.caption);
  PageControl.SetEnabled(false);
}

}  // namespace vt
