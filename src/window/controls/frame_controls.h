// Frame controls: the menus, tool buttons, record display, hints and the fifteen sheets.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct FrameControls {
  explicit FrameControls(tk::Window& window);

 private:
  tk::Window& w_;  // declared first: the controls below are created with it

 public:
  // --- Main menu -------------------------------------------------------------------------------
  tk::MenuItem File1{w_, "File1"};
  tk::MenuItem Open1{w_, "Open1", &File1};
  tk::MenuItem SaveConvertedFile{w_, "SaveConvertedFile", &File1};
  tk::MenuItem LoadConfiguration1{w_, "LoadConfiguration1", &File1};
  tk::MenuItem CopyOutputFormat{w_, "CopyOutputFormat", &File1};
  tk::MenuItem SaveConfiguration{w_, "SaveConfiguration", &File1};
  tk::MenuItem N2{w_, "N2", &File1};
  tk::MenuItem CloseFile1{w_, "CloseFile1", &File1};
  tk::MenuItem ViewLogFile1{w_, "ViewLogFile1", &File1};
  tk::MenuItem ClearLogFile1{w_, "ClearLogFile1", &File1};
  tk::MenuItem AutoWidth{w_, "AutoWidth", &File1};
  tk::MenuItem EbcdicIn{w_, "EbcdicIn", &File1};
  tk::MenuItem N4{w_, "N4", &File1};
  tk::MenuItem PreviousPreferences1{w_, "PreviousPreferences1", &File1};
  tk::MenuItem Hist1{w_, "Hist1", &File1};
  tk::MenuItem Hist2{w_, "Hist2", &File1};
  tk::MenuItem Hist3{w_, "Hist3", &File1};
  tk::MenuItem Hist4{w_, "Hist4", &File1};
  tk::MenuItem Hist5{w_, "Hist5", &File1};
  tk::MenuItem Hist6{w_, "Hist6", &File1};
  tk::MenuItem Hist7{w_, "Hist7", &File1};
  tk::MenuItem Hist8{w_, "Hist8", &File1};
  tk::MenuItem Hist9{w_, "Hist9", &File1};
  tk::MenuItem N5{w_, "N5", &File1};
  tk::MenuItem Exit1{w_, "Exit1", &File1};
  tk::MenuItem View1{w_, "View1"};
  tk::MenuItem LargeHints{w_, "LargeHints", &View1};
  tk::MenuItem Zoom{w_, "Zoom", &View1};
  tk::MenuItem Help1{w_, "Help1"};
  tk::MenuItem Contents1{w_, "Contents1", &Help1};
  tk::MenuItem SearchforHelpOn1{w_, "SearchforHelpOn1", &Help1};
  tk::MenuItem About1{w_, "About1", &Help1};

  // The nine history items, in menu order.
  tk::MenuItem* HistoryItems[9] = {&Hist1, &Hist2, &Hist3, &Hist4, &Hist5,
                                   &Hist6, &Hist7, &Hist8, &Hist9};

  // --- Tool buttons and the record display ----------------------------------------------------
  tk::Panel ToolPanel{w_, "ToolPanel"};
  tk::Button TextFileOpen{w_, "TextFileOpen", &ToolPanel};
  tk::Button ClipIn{w_, "ClipIn", &ToolPanel};
  tk::Button PrevButton{w_, "PrevButton", &ToolPanel};
  tk::Button NextButton{w_, "NextButton", &ToolPanel};
  tk::Button OutputButton{w_, "OutputButton", &ToolPanel};
  tk::Button ListOtherTabs{w_, "ListOtherTabs", &ToolPanel};
  tk::Button HelpButton{w_, "HelpButton", &ToolPanel};
  tk::Button Minimise{w_, "Minimise", &ToolPanel};
  tk::Button ExitButton{w_, "ExitButton", &ToolPanel};
  // Beside the tool buttons: a run shows the Input sheet, and Cancel must stay within reach.
  tk::Button CancelOutput{w_, "CancelOutput", &ToolPanel};
  tk::Label FileNameLabel{w_, "FileNameLabel"};
  tk::Panel InputRecordPanel{w_, "InputRecordPanel"};
  tk::Label InputRecordLabel{w_, "InputRecordLabel", &InputRecordPanel};
  tk::Label InputRecordMarkerLabel{w_, "InputRecordMarkerLabel", &InputRecordPanel};
  tk::ScrollBar InputRecordScrollBar{w_, "InputRecordScrollBar", &InputRecordPanel};
  // The output record built from the current input record, under the input record.
  tk::Panel OutputRecordPanel{w_, "OutputRecordPanel"};
  tk::Label OutputSizeLabel{w_, "OutputSizeLabel", &OutputRecordPanel};
  tk::Label OutputRecordLabel{w_, "OutputRecordLabel", &OutputRecordPanel};
  tk::ScrollBar OutputRecordScrollBar{w_, "OutputRecordScrollBar", &OutputRecordPanel};
  tk::Label OutputPositionLabel{w_, "OutputPositionLabel", &OutputRecordPanel};
  tk::Label OutputPosition{w_, "OutputPosition", &OutputRecordPanel};
  tk::Label YardStick{w_, "YardStick", &OutputRecordPanel};
  // The fields of the current record, beside the sheets: whatever sheet is in front, a click on
  // a field stores it in that sheet's active slot.
  tk::GroupBox InputFieldsGroup{w_, "InputFieldsGroup"};
  tk::Label InputNamesHeading{w_, "InputNamesHeading", &InputFieldsGroup};
  tk::Label InputValuesHeading{w_, "InputValuesHeading", &InputFieldsGroup};
  tk::ListBox InputFieldNamesListBox{w_, "InputFieldNamesListBox", &InputFieldsGroup};
  tk::ListBox InputFieldsListBox{w_, "InputFieldsListBox", &InputFieldsGroup};
  tk::Label InputCountLabel{w_, "InputCountLabel", &InputFieldsGroup};
  tk::Label InputCountUnit{w_, "InputCountUnit", &InputFieldsGroup};
  tk::Memo InstructionHints{w_, "InstructionHints"};
  tk::Memo LowHint{w_, "LowHint"};
  tk::Panel Splash{w_, "Splash"};
  tk::Image Image1{w_, "Image1", &Splash};
  tk::Label SplashTitle{w_, "SplashTitle", &Splash};
  tk::Label SplashSubtitle{w_, "SplashSubtitle", &Splash};
  tk::Label VersionLabel{w_, "VersionLabel", &Splash};
  tk::Label InitialInstructions{w_, "InitialInstructions"};
  tk::ListBox TabListBox{w_, "TabListBox"};
  tk::Panel InputFieldPanel{w_, "InputFieldPanel"};
  tk::Label InputFieldNumberLabel{w_, "InputFieldNumberLabel", &InputFieldPanel};
  tk::Label InputFieldNameLabel{w_, "InputFieldNameLabel", &InputFieldPanel};
  tk::Label InputFieldContentsLabel{w_, "InputFieldContentsLabel", &InputFieldPanel};
  tk::Panel PanelLineDivision{w_, "PanelLineDivision"};
  // The record view's read-outs and notes.
  tk::Label RecordHeading{w_, "RecordHeading"};
  tk::Label RecordNumberLabel{w_, "RecordNumberLabel"};
  tk::Label DeletedWarning{w_, "DeletedWarning"};
  tk::Label InputOffsetLabel{w_, "InputOffsetLabel", &InputRecordPanel};
  tk::Label PositionLabel{w_, "PositionLabel", &InputRecordPanel};
  tk::Label Position{w_, "Position", &InputRecordPanel};
  tk::Label FieldDivisionLabel{w_, "FieldDivisionLabel"};
  tk::Label TabInstructionLabel{w_, "TabInstructionLabel"};
  tk::Label TabInstructionLabel2{w_, "TabInstructionLabel2"};
  tk::Label PositionMarkedLabel{w_, "PositionMarkedLabel", &PanelLineDivision};
  tk::Label FieldNumberLabel{w_, "FieldNumberLabel", &PanelLineDivision};
  tk::RichEdit ClipContents{w_, "ClipContents"};

  // --- The fifteen sheets ----------------------------------------------------------------------
  tk::PageControl PageControl{w_, "PageControl"};
  tk::TabSheet InputConfiguration{w_, "InputConfiguration", PageControl};
  tk::TabSheet PageInputTab{w_, "PageInputTab", PageControl};
  tk::TabSheet BinaryInputTab{w_, "BinaryInputTab", PageControl};
  tk::TabSheet OutputConfiguration{w_, "OutputConfiguration", PageControl};
  tk::TabSheet CombineInputFields{w_, "CombineInputFields", PageControl};
  tk::TabSheet DateSheet{w_, "DateSheet", PageControl};
  tk::TabSheet Time{w_, "Time", PageControl};
  tk::TabSheet ParseStreet{w_, "ParseStreet", PageControl};
  tk::TabSheet ParseNameSheet{w_, "ParseNameSheet", PageControl};
  tk::TabSheet ParsePhoneSheet{w_, "ParsePhoneSheet", PageControl};
  tk::TabSheet Mailing{w_, "Mailing", PageControl};
  tk::TabSheet CityPage{w_, "CityPage", PageControl};
  tk::TabSheet SplitSheet{w_, "SplitSheet", PageControl};
  tk::TabSheet GenderSheet{w_, "GenderSheet", PageControl};
  tk::TabSheet MiscTab{w_, "MiscTab", PageControl};

  tk::StatusBar StatusBar1{w_, "StatusBar1", 3};
  tk::Timer Timer1{w_, "Timer1", 100};

  tk::OpenDialog OpenFileDialog{w_, "OpenFileDialog"};
  tk::SaveDialog SaveFileDialog{w_, "SaveFileDialog"};
  tk::OpenDialog OpenPrefsDialog{w_, "OpenPrefsDialog"};
  tk::SaveDialog SavePrefsDialog{w_, "SavePrefsDialog"};
};

}  // namespace vt
