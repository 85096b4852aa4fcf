// TParseView: the program's one main window: its controls, tables and event handlers.
#pragma once

#include <string>
#include <vector>

#include "main/controls/frame_controls.h"
#include "main/controls/hidden_steps.h"
#include "main/controls/input_controls.h"
#include "main/controls/output_controls.h"
#include "main/controls/parser_controls.h"
#include "main/input_tables.h"
#include "main/paths.h"
#include "output/output_tables.h"
#include "parsing/gender_list.h"
#include "parsing/word_lists.h"
#include "toolkit/toolkit.h"

namespace vt {

// The window object owns every table of the program (the bases below give them their plain
// names) and every control. Handlers are member functions named after their control and event;
// they live in one file per subsystem.
class TParseView : public tk::Window,
                   public InputTables,
                   public OutputTables,
                   public GenderList,
                   public WordLists,
                   public ProgramPaths,
                   public FrameControls,
                   public HiddenSteps,
                   public InputControls,
                   public OutputControls,
                   public ParserControls {
 public:
  // `args` are the command-line arguments after the program name.
  TParseView(tk::Services& services, std::vector<std::string> args);

  // Where the program's own files and the settings live; empty means from the environment.
  // Tests set them before the window is created.
  std::string ProgramDirOverride;
  std::string SettingsDirOverride;

  // --- Start-up and shut-down ------------------------------------------------------------------
  void FormCreate();
  void FormShow();
  void HalfSecondTimer();
  void FormClose();
  void FormDestroy();
  void Exit1Click();
  void PageControlChange();

  // --- Input: opening, reading, stepping, cutting records ----------------------------------------
  void Open1Click();
  void ClipInClick();
  void CloseFile1Click();
  void EbcdicInClick();
  void NextButtonClick();
  void PrevButtonClick();
  void InputTypeClick();
  void TakeFirstRecordAsFieldNameClick();
  void InputRecordScrollBarChange();
  void StoreInputRecordMousePosition(int x);
  void InputRecordMarkerLabelClick();
  void DisplayPosition(int x, int y);
  void ScrollFieldNames(int x, int y);
  void CutUpInputLineClick();
  void DisplayInputClick();
  void ParseInputLineClick();
  void SpecialParseClick();
  void SpecialDelimiterInputBoxChange();
  void DelimChoiceClick();
  // Steps the handlers above share.
  bool OpenDbaseInput();
  void OpenTextInput();
  void BuildXmlTags();
  void ReadDbaseRecord();
  void ReadBinaryRecord();
  bool ReadTextRecord();
  void PageStepForward();
  void PageStepBack();
  void TakeFirstRecordNames();
  void RefreshRecordView();
  void RefillByteViews(tk::ListBox& first, tk::ListBox& second);
  void CloseInput();
  void ResetInputSide();
  TextRecordOptions TextOptions() const;
  int MarkerColumn(int x) const;

  // --- Output: the field table, the record builder, the conversion run ---------------------------

  // --- Preference services ---------------------------------------------------------------------
  void PrefHistClick();
  void Hist1Click(tk::MenuItem& sender);
  void LoadConfiguration1Click();

  // --- Tables of start-up ----------------------------------------------------------------------
  std::vector<std::string> CommandLine;
  std::string CmdInputFileName;
  std::string CmdPrefFileName;
  std::string CmdOutputFileName;
  std::string PrefFileName;
  std::int32_t LoadingPreferences = 0;
  std::vector<std::string> DelimChoiceNames;  // entry c - 1 names byte value c
  std::string LineBreakMarker = "\x07";
  // 0 = not counting; the conversion run sets 1 when its output came from the command line.
  int UnattendedExitCountdown = 0;
  char CityInStreetState = 0;

 private:
  // The window base, named so that control groups are not mistaken for copies of themselves.
  tk::Window& AsWindow() { return *this; }
  // One binding function per subsystem, each in that subsystem's handler files.
  void BindHandlers();
  void BindInputHandlers();
  void BindOutputHandlers();
  bool AllocateBuffers();
};

}  // namespace vt
