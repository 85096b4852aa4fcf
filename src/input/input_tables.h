// Input tables: the current record, its fields and the input layout the user defined.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/input_files.h"

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
  // Whether the input values of the current cut were entity-decoded already. Every cut of the
  // input record must call InputRecordCut(), so that a refresh never decodes a value twice.
  bool InputValuesDecoded = false;
  std::int32_t DecodedRecordNumber = -1;
  // A run's comma and delimited cuts may leave the values as views into InputLine, sparing a
  // copy of every field (CutIntoViews). InputViewCount is then the number of views, and
  // InputFieldValues 1..that number stay empty until SettleInputValues; -1: no views.
  bool CutIntoViews = false;
  std::int32_t InputViewCount = -1;
  std::vector<std::string_view> InputFieldViews;
  // `views`: the number of values the cut left as views, or -1.
  void InputRecordCut(std::int32_t views = -1) {
    InputValuesDecoded = false;
    InputViewCount = views;
  }
  // The views of the current cut into InputFieldValues, before InputLine changes or anything
  // reads or rewrites the values themselves.
  void SettleInputValues() {
    for (std::int32_t f = 1; f <= InputViewCount; ++f)
      InputFieldValues[static_cast<std::size_t>(f)].assign(
          InputFieldViews[static_cast<std::size_t>(f)]);
    InputViewCount = -1;
  }

  // --- The open input ----------------------------------------------------------------------
  TextInput InputTextStream;                    // text records
  DataInput InputDataFile;                      // binary and dBase records
  std::array<char, 15001> StartOfFileBuffer{};  // the first 15,000 bytes and a NUL
  std::int32_t StartOfFileFull = 0;             // 1 when the file holds 15,000 bytes or more
  std::string FirstLineCopy;
  std::int32_t XmlInput = 0;
  std::int32_t SkipXmlAnalysis = 0;
  std::int32_t DbaseInputActive = 0;
  std::string HtmlRowTag = "<TR";
  std::int32_t FirstRecordNamesTaken = 0;
  std::int32_t PageLinePending = 0;
  std::string BinaryRecordCopy;  // the raw bytes of the current binary record

  // dBase header values; per-field arrays numbered from 1.
  std::uint32_t DbaseRecordCount = 0;
  std::uint16_t DbaseHeaderLength = 0;
  std::uint16_t DbaseRecordLength = 0;
  std::uint32_t DbaseFieldsLength = 1;
  std::int32_t DbaseFieldCount = 0;
  std::vector<char> DbaseFieldTypes = std::vector<char>(kMaxFields + 1, 0);
  std::vector<std::int32_t> DbaseFieldLengths = std::vector<std::int32_t>(kMaxFields + 1, 0);
  std::vector<std::int32_t> DbaseFieldDecimals = std::vector<std::int32_t>(kMaxFields + 1, 0);

  // Page stepping of page-image input.
  std::int32_t PageBandIndex = 1;
  std::int32_t PageBlockIndex = 1;
  std::int32_t PageLineInBand = 1;
  std::int32_t PageSelectedColumn = 1;
  std::int32_t PageLineCount = 0;
  std::int32_t PageSelectedLine = 0;
  std::int32_t SelectedBlock = 1;  // the first page line of the current band

  // The current page of page-image input: line 0 is the ruler shown above the page, lines
  // 1..PageLineCount the page (255 characters each); PageText the page as one text.
  std::array<std::string, 100> PageLines = MakePageLines();
  std::string PageLineBuffer;  // the line read last; the next page's first while pending
  std::string PageText;
  std::int32_t PageLongestLine = 1;
  std::int32_t HeaderFooterFieldCount = 0;
  // Where the selected tag was found on the page (line, 1-based column); 0: not found.
  std::int32_t TagFoundLine = 0;
  std::int32_t TagFoundColumn = 0;
  // The e-mail addresses and URLs of the current page (tagged and HTML input).
  std::array<std::string, 4> WebEmails;
  std::array<std::string, 4> WebUrls;

  // The record view and the marker line under it.
  std::string InputLineView;
  std::string MarkerLineView;
  std::string DividerListText;
  std::int32_t MarkerMouseX = 0;
  std::int32_t ListMouseX = 0;
  std::int32_t ListMouseY = 0;

  static std::array<std::string, 100> MakePageLines() {
    std::array<std::string, 100> lines;
    for (int i = 0; i < 13; ++i) lines[0] += "1234567890";
    lines[0] += "12";
    lines[1] = "Second Line";
    return lines;
  }

  std::int16_t& BinaryHeaderSize() { return DividerMatrix[98][0]; }
  // Type bits of binary field f (1..99).
  std::int16_t& BinaryTypeBits(int f) { return DividerMatrix[98][static_cast<std::size_t>(f)]; }

  // The tables above hold whatever a preference file held; these read them safely.
  // Where the binary records start: a negative header size counts as none.
  std::int64_t BinaryRecordsStart() const {
    return std::max<std::int16_t>(DividerMatrix[98][0], 0);
  }
  // Whether binary records of BinaryRecordLength can be read; outside 1..32,766 none are.
  bool BinaryLengthUsable() const {
    return BinaryRecordLength >= 1 && BinaryRecordLength <= static_cast<std::int32_t>(kLineLimit);
  }
  // TagCount and the cut counts of row 0 and page lines 1..FormLength (98 at most), summed in
  // 64 bits so that no stored count can overflow the sum.
  std::int64_t CutCountSum() const {
    std::int64_t sum = TagCount;
    const int rows = std::min<std::int32_t>(FormLength, 98);
    for (int r = 0; r <= rows; ++r) sum += InputFieldCounts[static_cast<std::size_t>(r)];
    return sum;
  }
  // CutCountSum less row 0, the only count a record's cut writes: a run sums the rest once.
  std::int64_t CutCountRest() const { return CutCountSum() - InputFieldCounts[0]; }
  // The fields the record view lists after a cut, from CutCountSum: 0..kMaxFields.
  int CountedFields(std::int64_t sum) const {
    if (InputFieldCounts[0] < sum) sum -= InputFieldCounts[0];
    return static_cast<int>(
        std::clamp<std::int64_t>(std::max<std::int64_t>(sum, FirstRecordNameCount), 0, kMaxFields));
  }
};

}  // namespace vt
