// TParseView: the program's one main window: its controls, tables and event handlers.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "input/binary_fields.h"
#include "input/input_tables.h"
#include "input/readers/record_reader.h"
#include "output/output_tables.h"
#include "output/record_builder.h"
#include "output/writers/writers.h"
#include "parsing/gender_list.h"
#include "parsing/word_lists.h"
#include "prefs/pref_tables.h"
#include "toolkit/toolkit.h"
#include "window/clock_local_time.h"
#include "window/controls/combo_controls.h"
#include "window/controls/conversion_controls.h"
#include "window/controls/date_controls.h"
#include "window/controls/frame_controls.h"
#include "window/controls/hidden_steps.h"
#include "window/controls/input_controls.h"
#include "window/controls/output_controls.h"
#include "window/controls/parse_display_controls.h"
#include "window/controls/parser_controls.h"
#include "window/controls/part_order_controls.h"
#include "window/controls/source_slot_controls.h"
#include "window/controls/split_controls.h"
#include "window/controls/word_list_controls.h"
#include "window/output/plug_in_exchange.h"
#include "window/paths.h"

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
                   public PrefStaging,
                   public FrameControls,
                   public HiddenSteps,
                   public InputControls,
                   public OutputControls,
                   public ParserControls,
                   public WordListControls,
                   public SourceSlotControls,
                   public ParseDisplayControls,
                   public DateControls,
                   public SplitControls,
                   public PartOrderControls,
                   public ConversionControls,
                   public ComboControls {
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
  // CityInStreet checked while the city sources are the street sources, and its state copied.
  void SyncCityInStreet();
  void FormClose();
  void FormDestroy();
  void Exit1Click();

  // --- Sheets, hints, help and the window's menus ------------------------------------------------
  void PageControlChange();
  void PageControlSwitchClick();
  void ListOtherTabsClick();
  void TabListBoxClick();
  void TabListBoxExit();
  void HelpButtonClick();
  void SearchforHelpOn1Click();
  void PageHelpClick();
  void ViewLogFile1Click();
  void ClearLogFile1Click();
  void ZoomClick();
  void MinimiseClick();
  void SplashClick();
  void About1Click();
  void MouseBackToForm();
  void PageControlMouseMove();
  void ParsedItemNamesMouseMove(int x, int y);
  void OutputFieldNamesListBoxMouseMove(int x, int y);
  // The hover panel's three labels, and its width from them.
  void FillHoverPanel(std::string number, std::string name, std::string contents);
  // The last mouse position over the generated-source list.
  std::int32_t ParsedMouseX = 0;
  std::int32_t ParsedMouseY = 0;

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
  bool OpenBinaryInput();
  void OpenTextInput();
  void BuildXmlTags();
  void ReadDbaseRecord();
  void ReadBinaryRecord();
  bool ReadTextRecord();
  void PageStepForward();
  void PageStepBack();
  // Whether Next finds a further page record (a block, a band or a page ahead).
  bool PageRecordAhead();
  void TakeFirstRecordNames();
  void RefreshRecordView();
  void RefillByteViews(tk::ListBox& first, tk::ListBox& second);
  void CloseInput();
  void ResetInputSide();
  TextRecordOptions TextOptions() const;
  int MarkerColumn(int x) const;

  // --- Binary records: the Binary sheet, the byte views and the reading panel ------------------
  void BinaryRecordSizeExit();
  void BinaryHeaderSizeInExit();
  void BinaryHeaderListMouseDown(bool right_button, int row);
  void BinaryHeaderListMouseMove(int x, int y);
  void BinaryViewBoxMouseMove(int x, int y);
  void BinaryInputTabMouseMove();  // also the record list, the view panel and its button
  void LocateFieldsButtonClick();
  void LocateRecordsButtonClick();
  void ViewBinaryClick();
  void HideBinaryClick();
  void MakeBinaryValueClick();
  void BinTextClick();
  // Steps the handlers above share.
  BinaryOptions BinaryReading() const;
  void KeepDividersWithinRecord();
  void RefillBinaryRecords();
  void RestartBinaryRecords();
  void ShowByteUnderMouse(const tk::ListBox& view, int x, int y);
  // The last mouse X over the header view, where a button press there takes its column.
  std::int32_t BinaryHeaderMouseX = 0;
  // While the reading panel shows a field's type, its radio buttons store nothing.
  bool ShowingBinaryType = false;

  // --- Page-image and tagged input (page_*.cpp, tag_editor.cpp, web_input.cpp) -------------------
  void ReadPageClick();
  void NextPageClick();
  void PrevPageClick();
  void PageInputTabEnter();
  void ListBoxLineToInputLine();
  void ProcessPageLineClick();
  void CutUpPageClick();
  void SetPageHeaderButtonClick();
  void SetPageFooterButtonClick();
  void PageDataButtonClick();
  void FormLengthInputBoxClick();
  void FormLengthInputBoxKeyPress(char& key);
  void PageLeftGutterExit();
  void PageBlockWidthExit();
  void PageBlockNumberExit();
  void ShowHeaderListBoxClick();
  void ShowDataBlockClick();
  void ShowFooterBlockClick();
  void BlockListBoxClick();
  void HeaderListBoxClick();
  void FooterListBoxClick();
  void InputPageScrollBarChange();
  void InputPageListBoxMouseDown();
  void InputPageListBoxMouseMove(int x, int y);
  void BlockListBoxMouseMove(int x, int y);
  void TagListClick();
  void AddTagClick();
  void DeleteTagClick();
  void TagInExit();
  void TagInKeyPress(char& key);
  void TagOccurInExit();
  void TagBelowClick();
  void IgnoreLineEndsClick();
  void GetTagsClick();
  void FindWebPatternsClick();
  void WebFormClick();
  void GetHTMLClick();
  void HTMLTableCheckBoxClick();
  void StripTagsClick();
  // Steps the handlers above share.
  // How pages end and what a page record is made of, as the controls say now.
  PageOptions PageBreakOptions() const;
  PageSetup PageInputSetup() const;
  // The page just read into the page image, its first line the current record.
  void ShowPage();
  // The band buttons' common end: the band height within the data area, and its label.
  void ClipBandHeight();
  // The tag list refilled from the tag table; TagCount follows what it lists.
  void RefillTagList();
  // The re-cut after a tag was added, changed or deleted, sources renumbered by name.
  void TagsChanged();
  int PageCharWidth() const;
  std::int32_t SelectedTag = -1;  // 0-based row of TagList; -1: a new tag is being entered
  // Typed into the page length box since it last lost the focus.
  bool FormLengthEdited = false;
  std::int32_t PageMouseX = 0;  // the last mouse position over the page image
  std::int32_t PageMouseY = 0;
  // Records Next has read since the window was made: the width scan stops when it stands.
  std::int64_t RecordsStepped = 0;

  // --- Output: the field table, the record builder, the conversion run ---------------------------
  void DisplayOutputClick();
  void FillOutputClick();
  void OutputFieldNamesListBoxClick();
  void OutputFieldNamesListBoxExit();
  void OutputFieldNamesListBoxKeyDown(int& key);
  void ParsedItemNamesClick();
  void ParsedItemNamesExit();
  void OutputHintClick();
  void OutputRecordScrollBarChange();
  void OutputRecordPanelMouseMove(int x, int y);
  void AddFieldButtonClick();
  void InsertFieldButtonClick();
  void DeleteFieldButtonClick();
  void RenameFieldButtonClick();
  void RenameEditBoxExit();
  void DefaultButtonClick();
  void DefaultValueEditBoxExit();
  void FieldWidthButtonClick();
  void OutputWidthEditBoxExit();
  void DecimalPlacesExit();
  void CloneButtonClick();
  void ClearOutputClick();
  void AutoWidthClick();
  void OutputFormatGroupBoxClick();
  // The dBase check of the output fields: false (with the message, the failing field selected
  // and dBase output unchecked) when a field lacks its width or decimals.
  bool DbaseFieldsPass();
  // The conversion run (output/conversion_run.cpp) and its Cancel button.
  void SaveConvertedFileClick();
  void CancelOutputClick();
  // Append, interleave, the block files and the plug-in (output/run_options.cpp).
  void BindRunOptionHandlers();
  void AppendFileClick();
  void InterLeafClick();
  void HeaderBlockFileBrowseClick();
  void TrailerBlockFileBrowseClick();
  void BrowseBlockFile(tk::Edit& edit);
  void UsePlugInClick();
  void PlugInProgExit();
  std::string OutputFileName;
  std::int32_t StopConversion = 0;
  std::int32_t ConversionCancelled = 0;
  bool ConversionRunning = false;
  // A press on item `item` (-1: no item) of the output names list; the right button copies the
  // format, the left one starts dragging.
  void OutputFieldNamesListBoxMouseDown(bool right_button, int item);
  // The drop of a drag from the names list on item `item` (-1: below the items).
  void OutputFieldNamesListBoxDragDrop(int item);
  void StoreValuesClick();
  void NumericOutputBoxClick();
  void CaseConversionGroupClick();
  void CaseOptionsClick();
  void DupIfBlankClick();
  void SkipIfNullClick();
  void FieldOptionClick();  // RemoveBlanksBox, RightJustify: store, rebuild, show
  // Input fields as sources. The input side clicks SaveOldNames before and MatchOldNames after
  // every edit that re-cuts the fields (a divider toggled; a tag added, changed or deleted).
  void InputFieldNamesListBoxClick();
  void InputFieldNamesListBoxExit();
  void SaveOldNamesClick();
  void MatchOldNamesClick();
  void FilterSourceNameClick();
  // The source slot lists of the street, city, name and phone parsers and their Clear buttons.
  struct ParserSlotRow {
    tk::ListBox* const* lists;
    int count;
    std::int32_t* active;  // the parser's active slot
    int first;             // the slot of the first list
    int row;               // the parser's row of SpecialSourceTable
    tk::Button* clear;
  };
  const ParserSlotRow StreetSlots{StreetLists, 6, &ActiveStreetSlot, 0, kStreetRow, &StreetClear};
  const ParserSlotRow CitySlots{CityLists, 5, &ActiveCitySlot, 1, kCityRow, &CityClear};
  const ParserSlotRow NameSlots{NameLists, 5, &ActiveNameSlot, 1, kNameRow, &NameClear};
  const ParserSlotRow PhoneSlots{PhoneLists, 6, &ActivePhoneSlot, 0, kPhoneRow, &PhoneClear};
  void BindSourceSlotHandlers();
  void SourceSlotClick(const ParserSlotRow& row, int i);
  void SourceSlotClearClick(const ParserSlotRow& row);
  void CityInStreetClick();
  // Steps the handlers above share.
  // The builder's request from the controls, placing fields with the chosen format's writer.
  BuildRequest GatherBuildRequest();
  // The output format of the checked format button (comma when none is checked).
  OutputFormat ChosenOutputFormat() const;
  // The writer the preview places fields with, made again when the format or delimiter changes.
  std::unique_ptr<RecordWriter> PreviewLayout;
  void ApplyOutputNameFormat(int n);
  void RefreshOutputValues();
  void ShowOutputRecordImage();
  bool AskKeepOutputFormat(int n);
  void ShowNumericGroup(bool numeric);
  void ShowSelectedFieldOptions(int n);
  int SelectedOutputFieldNumber() const;

  // --- Dates, times, combinations, splits and unit conversion ------------------------------------
  void BindDateComboHandlers();
  void DisplayDatesClick();
  void DateChoiceBoxClick();
  void DateChoiceBoxExit();
  void Button1Click();  // "Clear  Sources": the date sources
  void ClearTimeSourceClick();
  void TimeSourceClick();
  void CenturyBreakKeyPress(char& key);
  void DisplayComboClick();
  void ComboInClick(int component);  // ComboIn1Click..ComboIn5Click
  void ComboDivClick(int position);  // ComboDiv1Click..ComboDiv6Click
  void ComboDivEnterExit();
  void ComboDivEnterKeyPress(char& key);
  void ClearComboClick();
  void SplitInClick(int split);  // SplitIn1Click..SplitIn3Click
  void SplitClearClick();
  void ConvButtonClick();
  void ConversionPanelShowClick();
  void ConversionPanelXButtonClick();
  void ConvSelectClick();
  void ConvSelectCell();
  void ConvSetEditText(int column, int row);
  void ConvTypeClick();
  void ConvFromClick();
  void ConversionEditConstClick();
  void ConversionEditConstExit();
  void ConvSourceEditChange();
  void ConvUnitMouseMove(const tk::ListBox& list, bool from, int x, int y);
  // Steps the handlers above share.
  // The Date, Time, Combo and Split sheets' options into the builder's request.
  void GatherSheetOptions(BuildRequest& r);
  DatePatterns ChosenDatePatterns() const;
  // Today's texts from the clock, in the chosen date form, and the labels that show them.
  void ReadToday();
  // After a preview build: the time sheet's lists and the conversion grid.
  void ShowBuiltSources();
  // Fills both unit lists with the units of a conversion type (empty for none).
  void FillUnitLists(int type);
  // The divider being edited: its combination (1..4) and position (1..6).
  std::int32_t EditedDividerCombination = 1;
  std::int32_t EditedDividerPosition = 1;
  ClockLocalTime LocalTimeOfClock{services().clock};
  ProcessEnvironment EnvironmentOfProcess;
  WindowPlugIn PlugInOfWindow{services().processes};

  // --- Preference services ---------------------------------------------------------------------
  void PrefHistClick();
  void Hist1Click(tk::MenuItem& sender);
  void LoadConfiguration1Click();
  void SaveConfigurationClick();
  // The option controls into the option words and staging fields, and back.
  void GatherControlState();
  // `loaded_delimiter` is the input delimiter as the file held it, for the delimiter box.
  void RestoreControlState(const std::array<char, 2>& loaded_delimiter);
  // The current record cut again under a loaded set-up.
  void RestoreCurrentInput();
  void RestoreBinaryInput();
  void CopyOutputFormatClick();
  // The preference file from the command line or the open dialog into PrefFileName; false:
  // cancelled.
  bool ChoosePreferenceFile(const std::string& title, bool from_command_line,
                            bool start_in_last_folder);
  void RememberPreferenceFolder();
  // The start of Load and Copy: the boxes a short file leaves reset, the file chosen, and the
  // edit-box texts the read starts from; false (and the boxes as they were) on Cancel.
  bool BeginPreferenceRead(const std::string& title, bool from_command_line,
                           bool start_in_last_folder, PrefCaptions& captions);
  // The conversion panel shows the chosen result's stored conversion.
  void ShowConversionChoice();
  // A stored item index sets the group only when the group has that item.
  static void SetItemWithin(tk::RadioGroup& group, std::int32_t index, int last);
  // The Constant and Multiplier boxes show the chosen result's coefficients.
  void ShowConversionSlot();
  static std::string FormatCoefficient(double value);
  // The texts of the edit boxes a preference file holds, and the selected stream count.
  PrefCaptions GatherCaptions() const;
  void ApplyCaptions(const PrefCaptions& captions);
  // The preference file of the set-up as it stands (option words as last gathered).
  std::string PreferenceImage();

  // --- Names and genders -----------------------------------------------------------------------
  void GenderSourceClick();
  void TestNameInExit();
  void AddedNamesClick();
  void AddedGendersClick();
  void AddedGenderAddClick();
  void AddedGenderDeleteClick();
  void AddedNameInExit();
  void AddedNameInKeyPress(char& key);
  void AddedMaleClick();
  void AddedFemaleClick();
  void AddedAmbigClick();
  // The display step of the Gender sheet after a record is built (not during a run): the
  // source slots, Gender 1..3, the added names with their genders and the test box verdict.
  void DisplayGenderSheet();
  // The added-name slot being edited (0-based); -1: none.
  std::int32_t AddedNameSelected = -1;

  // --- Parser sheets: part order and what the parsers found --------------------------------------
  // A group of a part-order family set to a part takes it from the family's other groups.
  void PartOrderClick(std::span<tk::RadioGroup* const> family, tk::RadioGroup& group);
  void SuiteDesignatorOutKeyPress(char& key);
  void SuiteDesignatorOutExit();
  void MaleTitleInExit();
  void FemaleTitleInExit();
  void NameOptionsClick();
  // The display step of the Street, City, Names and Phone sheets after a record is built (not
  // during a run): the parsed lines, the parts by name and value, the fields in the slots.
  void DisplayParserSheets();
  void ShowSlotNames(const ParserSlotRow& row);
  // --- Word-list editors (main/word_list_editors.cpp) ------------------------------------------
  // One description per editor; one set of handlers serves them all.
  struct WordListEditor;
  void WordListRowClick(const WordListEditor& editor, const tk::ListBox& clicked);
  void WordListAddClick(const WordListEditor& editor);
  void WordListDeleteClick(const WordListEditor& editor);
  void WordListBoxExit(const WordListEditor& editor, bool leaving_second);
  void WordListKeyPress(const WordListEditor& editor, char& key);
  // Every editor's lists from the tables, with the selected rows kept (not during a run).
  void RefillWordLists();
  void ShowMailingClick();
  void MailingOptionButtonClick();
  // The slot each editor's next stored edit writes and its Delete removes; -1: none.
  std::int32_t TitleSelected = -1;
  std::int32_t SuffixSelected = -1;
  std::int32_t NameStripSelected = -1;
  std::int32_t StreetTypeSelected = -1;
  std::int32_t SuiteSelected = -1;
  std::int32_t NonCivicSelected = -1;
  std::int32_t CapitalExceptionSelected = -1;
  std::int32_t SurnamePrefixSelected = -1;
  std::int32_t StateSelected = -1;
  // The bytes of each editor's tables when its lists were last made.
  std::vector<std::string> WordListsShown;

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
  int UnattendedExitStatus = 0;  // the status the countdown ends the program with
  char CityInStreetState = 0;

 private:
  // One binding function per subsystem, each in that subsystem's handler files.
  void BindHandlers();
  void BindWindowHandlers();
  void BindHoverHandlers();
  void BindOutputFormatHandlers();
  void BindInputHandlers();
  void BindBinaryHandlers();

  void BindPageHandlers();
  void BindNameHandlers();
  void BindPartOrderHandlers();
  void BindWordListHandlers();
  // Shows a gender on the added-name radio buttons without storing it again.
  void ShowAddedGender(std::int32_t gender);
  // What the output and page sheets need when they come to the front.
  void OutputSheetForward();
  void PageSheetForward();
  void SetAddedGender(std::int32_t gender);
  bool ShowingAddedGender = false;
  void BindOutputHandlers();
  bool AllocateBuffers();
};

}  // namespace vt
