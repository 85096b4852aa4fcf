// Input tables: the current record, its fields and the input layout the user defined.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

struct InputTables {
  static constexpr int kMaxFields = 1500;           // delimited and dBase records
  static constexpr std::size_t kValueLimit = 1299;  // characters of one field value
  static constexpr std::size_t kNameLimit = 63;     // characters of one field name
  static constexpr std::size_t kLineLimit = 32766;  // characters of one input line

  // --- Stored in preference files (fixed layout) -------------------------------------------
  // Rows 0..97: divider columns (row 0 fixed-format and binary, row L page line L);
  // row 98: element 0 the binary header size, element f the binary type bits of field f.
  std::array<std::array<std::int16_t, 100>, 99> DividerMatrix{};
  // Element 0: fields of the current record; element L: cuts on page line L.
  std::array<std::int32_t, 99> InputFieldCounts{};
  std::array<char, 2> InputDelimiter{' ', '\0'};
  std::int32_t FormLength = 99;
  std::int32_t PageDataFirstLine = 1;
  std::int32_t PageDataBandEnd = 2;
  std::int32_t PageFooterLine = 99;
  std::int32_t PageBandHeight = 1;
  std::int32_t PageGutter = 0;
  std::int32_t PageBlockStep = 200;
  std::int32_t PageBlockCount = 1;
  std::int32_t BinaryRecordLength = 50;
  std::int32_t TagCount = 0;
  std::array<std::array<char, 64>, 100> TagTexts{};  // tag i at index i
  std::array<std::int16_t, 100> TagOccurrences{};    // negative: the value is on the line below

  // --- The current record ------------------------------------------------------------------
  std::string InputLine;
  std::string MarkerLine;                     // ':' per column, '^' at a divider
  std::vector<std::string> InputFieldValues;  // fields 1..1500 (0 unused)
  std::vector<std::string> InputFieldNames;   // fields 1..1500 (0 unused)
  int InputFieldTotal = 0;
  std::int32_t RecordNumber = 0;
  std::int32_t InputLineOffset = 0;  // first column shown by the record view
  std::int32_t PagesRead = 0;
  std::int32_t FormLengthInUse = 0;
  std::string BlankLineText;
  std::int32_t FirstRecordNameCount = 0;
  std::string InputFileName;
};

}  // namespace vt
