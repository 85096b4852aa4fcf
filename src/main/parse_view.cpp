// TParseView: captions and the binding of handlers to controls.
#include "main/parse_view.h"

namespace vt {

TParseView::TParseView(tk::Services& services, std::vector<std::string> args)
    : tk::Window(services), CommandLine(std::move(args)) {
  SetCaptions();
  BindHandlers();
}

void TParseView::SetCaptions() {
  SetCaption("Vontrask - Data File Converter");
  SetClientSize(630, 408);
  File1.SetCaption("&File");
  Open1.SetCaption("&Open Input File...");
  SaveConvertedFile.SetCaption("&Save Converted File...");
  SaveConvertedFile.SetEnabled(false);
  LoadConfiguration1.SetCaption("&Load Saved Preferences");
  LoadConfiguration1.SetEnabled(false);
  CopyOutputFormat.SetCaption("Copy Output Format from another Preference File");
  SaveConfiguration.SetCaption("Save Preferences to File");
  SaveConfiguration.SetEnabled(false);
  for (tk::MenuItem* separator : {&FileSeparator1, &FileSeparator2, &FileSeparator3}) {
    separator->SetSeparator(true);
  }
  CloseFile1.SetCaption("&Close Input File");
  ViewLogFile1.SetCaption("View Log File");
  ClearLogFile1.SetCaption("Clear Log File");
  AutoWidth.SetCaption("Autoset Output Field Widths");
  AutoWidth.SetEnabled(false);
  EbcdicIn.SetCaption("EBCDIC Conversion");
  PreviousPreferences1.SetCaption("Previous Preferences:");
  for (tk::MenuItem* item : {&Hist1, &Hist2, &Hist3, &Hist4, &Hist5, &Hist6, &Hist7, &Hist8, &Hist9}) {
    item->SetEnabled(false);
    item->SetVisible(false);
  }
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
  ClipIn.SetCaption("Paste");
  PrevButton.SetCaption("Previous");
  PrevButton.SetEnabled(false);
  NextButton.SetCaption("Next");
  OutputButton.SetCaption("Out&put");
  OutputButton.SetEnabled(false);
  ListOtherTabs.SetCaption("Tabs...");
  ListOtherTabs.SetHint("Click to Show Selection List of All Tabs Currently Active");
  HelpButton.SetCaption("&Help");
  ExitButton.SetCaption("Exit");

  const struct {
    tk::TabSheet* sheet;
    const char* caption;
  } sheets[] = {
      {&InputConfiguration, "Input"}, {&PageInputTab, "Page"},
      {&BinaryInputTab, "Binary"},    {&OutputConfiguration, "Output"},
      {&CombineInputFields, "Combo"}, {&DateSheet, "Date"},
      {&Time, "Time"},                {&ParseStreet, "Street"},
      {&ParseNameSheet, "Names"},     {&ParsePhoneSheet, "Phone"},
      {&Mailing, "Mailing"},          {&CityPage, "City"},
      {&SplitSheet, "Split"},         {&GenderSheet, "Gender"},
      {&MiscTab, "Misc"},
  };
  for (const auto& s : sheets) s.sheet->SetCaption(s.caption);
  PageControlSwitch.SetVisible(false);
}

void TParseView::BindHandlers() {
  on_create = [this] { FormCreate(); };
  on_show = [this] { FormShow(); };
  on_close = [this] { FormClose(); };
  on_destroy = [this] { FormDestroy(); };
  Timer1.on_timer = [this] { HalfSecondTimer(); };
  Exit1.on_click = [this] { Exit1Click(); };
  ExitButton.on_click = [this] { Exit1Click(); };
  PageControl.on_change = [this] { PageControlChange(); };
}

}  // namespace vt
