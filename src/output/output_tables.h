// Output tables: the output field table, the source slots of the special parses and the values
// of the record being built.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "output/builder_scratch.h"
#include "output/evaluator.h"

namespace vt {

// Bits of an output field's option word (OutputFieldFlags).
inline constexpr std::uint32_t kFlagNumeric = 0x1;
inline constexpr std::uint32_t kFlagRemoveBlanks = 0x2;  // trim; "Zero blanks" when numeric
inline constexpr std::uint32_t kFlagUpperCase = 0x4;
inline constexpr std::uint32_t kFlagLowerCase = 0x8;
inline constexpr std::uint32_t kFlagProperCase = 0x10;
inline constexpr std::uint32_t kFlagSoundex = 0x20;
inline constexpr std::uint32_t kFlagDupIfBlank = 0x40;
inline constexpr std::uint32_t kFlagHex = 0x80;
inline constexpr std::uint32_t kFlagScientific = 0x100;
inline constexpr std::uint32_t kFlagDbaseDate = 0x200;
inline constexpr std::uint32_t kFlagDbaseLogic = 0x400;
inline constexpr std::uint32_t kFlagDateSource = 0x800;  // the source gives a date
inline constexpr std::uint32_t kFlagLeadingZeros = 0x1000;
inline constexpr std::uint32_t kFlagDeDup = 0x2000;
inline constexpr std::uint32_t kFlagSkipIfNull = 0x4000;
inline constexpr std::uint32_t kFlagDiv100 = 0x8000;
inline constexpr std::uint32_t kFlagSkipWhenFull = 0x10000;  // with 0x4000: skip when not empty
inline constexpr std::uint32_t kFlagMult100 = 0x20000;
inline constexpr std::uint32_t kFlagRound = 0x40000;
inline constexpr std::uint32_t kFlagRightJustify = 0x80000;

// Limits of the values and the record.
inline constexpr std::size_t kValueBufferSize = 1300;
inline constexpr std::size_t kRecordLimit = 32764;  // a record stays below this length
inline constexpr int kMaxFieldWidth = 1255;
inline constexpr int kMaxDbaseWidth = 254;

// Rows of SpecialSourceTable: the input fields that feed each special parse, by slot.
inline constexpr int kFirstCombinationRow = 1;  // combinations 1..4 in rows 1..4
inline constexpr int kStreetRow = 5;
inline constexpr int kNameRow = 6;
inline constexpr int kCityRow = 7;
inline constexpr int kPhoneRow = 8;
inline constexpr int kGenderSplitRow = 9;  // gender sources in slots 0..2, splits 1..3 after
inline constexpr int kFirstSplitSlot = 3;

struct OutputTables {
  static constexpr int kSlots = 100;           // output fields 1..99; slot 0 unused
  static constexpr int kGeneratedSlots = 120;  // generated sources 0..109 (room for 120)

  OutputTables();

  // The fields 1..n in use: OutputFieldCount holds whatever a preference file held, so every
  // loop over the field slots is bounded by this instead.
  int OutputFieldsInUse() const { return std::clamp(OutputFieldCount, 0, kSlots - 1); }

  // --- Stored in preference files (fixed layout) -------------------------------------------
  std::array<std::array<char, 32>, kSlots> OutputFieldNameTable{};
  std::array<std::array<char, 32>, kSlots> OutputFieldDefaults{};
  std::array<std::int16_t, kSlots> OutputFieldWidths{};
  std::array<std::uint32_t, kSlots> OutputFieldFlags{};
  std::array<std::int16_t, kSlots> OutputFieldSource{};  // >0 input field, <0 -generated, 0 none
  std::array<std::array<char, 3>, kSlots> OutputFieldDecimals{};
  std::int32_t OutputFieldCount = 0;
  // Indexed by the rows and slots named above.
  SpecialSources SpecialSourceTable{};
  std::array<std::array<std::array<char, 4>, 6>, 10> CombinationDividers{};
  // Elements 1-4: input fields of dates 1-4; 5-8: of times 1-4.
  std::array<std::int32_t, 30> DateTimeSources{};
  std::int32_t FilterSourceField = 0;
  std::array<std::array<double, 2>, 4> ConversionCoefficients{};   // A and B of Y = A + B * X
  std::array<std::array<std::int16_t, 3>, 4> ConversionChoices{};  // -1: nothing chosen

  // --- The record being built --------------------------------------------------------------
  std::vector<std::string> OutputFieldValues;      // 1..99
  std::vector<std::string> GeneratedSourceValues;  // 0..109
  std::string RecordTerminator = "\r\n";
  std::string OutputRecord;     // the built record, below kRecordLimit characters
  std::int32_t RecordSkip = 0;  // 1: the conversion run does not write this record
  std::int32_t BatchRun = 0;    // 1 while a run or the width scan steps through the records
  // Kept from record to record for "Dup if blank" and "DeDup"; whole values, 0..99.
  std::vector<std::string> OutputFieldPrevious;
  std::array<std::int32_t, kSlots> OutputFieldLongest{};
  // Date text, weekday name, day, month and year of today (filled by the dates sheet).
  std::array<std::string, 5> TodayTexts;
  // The evaluator's variables: kept from record to record for as long as the program runs.
  EvaluatorVariableTable EvaluatorVariables{};
  BuilderScratch Scratch;

  // --- The output sheet --------------------------------------------------------------------
  std::int32_t SelectedOutputField = -1;  // item index remembered by Add, Insert and leaving
  std::int32_t OutputRecordOffset = 0;    // first character shown by the record view
  std::int32_t DragSourceField = 0;       // field being dragged in the names list, 0 none
  // Set while the refresh puts a field's options into the controls, so that their click
  // handlers do not store a half-set flag word.
  bool ShowingFieldOptions = false;

  // --- Active slots of the slot sheets (set by their slot lists) ----------------------------
  std::int32_t ActiveSourceRow = 1;  // combination 1..4, also the date 1..4
  std::int32_t ActiveComboSlot = 1;
  std::int32_t ActiveStreetSlot = 0;
  std::int32_t ActiveCitySlot = 1;
  std::int32_t ActiveNameSlot = 1;
  std::int32_t ActivePhoneSlot = 0;
  std::int32_t ActiveGenderSlot = 1;
  std::int32_t ActiveSplitSlot = 1;
  std::int32_t ActiveTimeSlot = 1;

  // --- Renumbering by name across a re-cut --------------------------------------------------
  std::array<std::array<char, 64>, 100> OldFieldNames{};
  std::array<std::int32_t, 100> OldToNewField{};
};

}  // namespace vt
