// TParseView: the program's one main window: its controls, tables and event handlers.
#pragma once

#include <string>
#include <vector>

#include "toolkit/toolkit.h"

namespace vt {

// The window object owns every table of the program. Controls are members in the order the view
// lays them out; each handler is a member function named after its control and event.
class TParseView : public tk::Window {
 public:
  // `args` are the command-line arguments after the program name.
  TParseView(tk::Services& services, std::vector<std::string> args);

  // --- Controls outside the sheets -------------------------------------------------------------
  tk::MenuItem File1{*this, "File1"};
  tk::MenuItem Open1{*this, "Open1", &File1};
  tk::MenuItem SaveConvertedFile{*this, "SaveConvertedFile", &File1};
  tk::MenuItem LoadConfiguration1{*this, "LoadConfiguration1", &File1};
  tk::MenuItem CopyOutputFormat{*this, "CopyOutputFormat", &File1};
  tk::MenuItem SaveConfiguration{*this, "SaveConfiguration", &File1};
  tk::MenuItem FileSeparator1{*this, "FileSeparator1", &File1};
  tk::MenuItem CloseFile1{*this, "CloseFile1", &File1};
  tk::MenuItem ViewLogFile1{*this, "ViewLogFile1", &File1};
  tk::MenuItem ClearLogFile1{*this, "ClearLogFile1", &File1};
  tk::MenuItem AutoWidth{*this, "AutoWidth", &File1};
  tk::MenuItem EbcdicIn{*this, "EbcdicIn", &File1};
  tk::MenuItem FileSeparator2{*this, "FileSeparator2", &File1};
  tk::MenuItem PreviousPreferences1{*this, "PreviousPreferences1", &File1};
  tk::MenuItem Hist1{*this, "Hist1", &File1};
  tk::MenuItem Hist2{*this, "Hist2", &File1};
  tk::MenuItem Hist3{*this, "Hist3", &File1};
  tk::MenuItem Hist4{*this, "Hist4", &File1};
  tk::MenuItem Hist5{*this, "Hist5", &File1};
  tk::MenuItem Hist6{*this, "Hist6", &File1};
  tk::MenuItem Hist7{*this, "Hist7", &File1};
  tk::MenuItem Hist8{*this, "Hist8", &File1};
  tk::MenuItem Hist9{*this, "Hist9", &File1};
  tk::MenuItem FileSeparator3{*this, "FileSeparator3", &File1};
  tk::MenuItem Exit1{*this, "Exit1", &File1};
  tk::MenuItem View1{*this, "View1"};
  tk::MenuItem LargeHints{*this, "LargeHints", &View1};
  tk::MenuItem Zoom{*this, "Zoom", &View1};
  tk::MenuItem Help1{*this, "Help1"};
  tk::MenuItem Contents1{*this, "Contents1", &Help1};
  tk::MenuItem SearchforHelpOn1{*this, "SearchforHelpOn1", &Help1};
  tk::MenuItem About1{*this, "About1", &Help1};

  tk::Panel ToolPanel{*this, "ToolPanel"};
  tk::Button TextFileOpen{*this, "TextFileOpen", &ToolPanel};
  tk::Button ClipIn{*this, "ClipIn", &ToolPanel};
  tk::Button PrevButton{*this, "PrevButton", &ToolPanel};
  tk::Button NextButton{*this, "NextButton", &ToolPanel};
  tk::Button OutputButton{*this, "OutputButton", &ToolPanel};
  tk::Button ListOtherTabs{*this, "ListOtherTabs", &ToolPanel};
  tk::Button HelpButton{*this, "HelpButton", &ToolPanel};
  tk::Button ExitButton{*this, "ExitButton", &ToolPanel};
  tk::Label FileNameLabel{*this, "FileNameLabel"};
  tk::Label InputRecordLabel{*this, "InputRecordLabel"};
  tk::Label InputRecordMarkerLabel{*this, "InputRecordMarkerLabel"};
  tk::Label OutputRecordLabel{*this, "OutputRecordLabel"};

  // --- The fifteen sheets ----------------------------------------------------------------------
  tk::PageControl PageControl{*this, "PageControl"};
  tk::TabSheet InputConfiguration{*this, "InputConfiguration", PageControl};
  tk::TabSheet PageInputTab{*this, "PageInputTab", PageControl};
  tk::TabSheet BinaryInputTab{*this, "BinaryInputTab", PageControl};
  tk::TabSheet OutputConfiguration{*this, "OutputConfiguration", PageControl};
  tk::TabSheet CombineInputFields{*this, "CombineInputFields", PageControl};
  tk::TabSheet DateSheet{*this, "DateSheet", PageControl};
  tk::TabSheet Time{*this, "Time", PageControl};
  tk::TabSheet ParseStreet{*this, "ParseStreet", PageControl};
  tk::TabSheet ParseNameSheet{*this, "ParseNameSheet", PageControl};
  tk::TabSheet ParsePhoneSheet{*this, "ParsePhoneSheet", PageControl};
  tk::TabSheet Mailing{*this, "Mailing", PageControl};
  tk::TabSheet CityPage{*this, "CityPage", PageControl};
  tk::TabSheet SplitSheet{*this, "SplitSheet", PageControl};
  tk::TabSheet GenderSheet{*this, "GenderSheet", PageControl};
  tk::TabSheet MiscTab{*this, "MiscTab", PageControl};

  tk::StatusBar StatusBar1{*this, "StatusBar1", 3};
  tk::Timer Timer1{*this, "Timer1", 100};

  // --- Hidden steps ----------------------------------------------------------------------------
  tk::Button PageControlSwitch{*this, "PageControlSwitch"};

  // --- Handlers --------------------------------------------------------------------------------
  void FormCreate();
  void FormShow();
  void HalfSecondTimer();
  void FormClose();
  void FormDestroy();
  void Exit1Click();
  void PageControlChange();

  // --- Tables ----------------------------------------------------------------------------------
  std::vector<std::string> CommandLine;
  std::string CmdInputFileName;
  std::string CmdPrefFileName;
  std::string CmdOutputFileName;
  std::string HelpFilePath;
  // 0 = not counting; the conversion run sets 1 when its output came from the command line.
  int UnattendedExitCountdown = 0;

 private:
  void SetCaptions();
  void BindHandlers();
};

}  // namespace vt
