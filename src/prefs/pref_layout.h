// Preference file layout: the 70 blocks of a preference file, their places, sizes and elements.
//
// A preference file is the set-up's tables written one after the other with nothing around
// them: no header, no version, no checksum. One table below, kPrefBlocks, names every block;
// the writer, the reader and the tests' fixture builder all walk it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vt {

// What one element of a block is. Numbers are little-endian; text is a fixed field of `width`
// bytes holding 8-bit characters and a NUL.
enum class PrefElement : std::uint8_t {
  kText,
  kInt16,
  kInt32,
  kUInt32,
  kDouble,
};

// How a block is written and read back.
enum class PrefBlockKind : std::uint8_t {
  kTable,    // a table or value of the program, copied byte for byte
  kCaption,  // the text of an edit box, through a shared work buffer
  kItem,     // the selected item of a list (an int32)
};

struct PrefBlock {
  int number;  // 1..70
  std::size_t offset;
  std::size_t size;
  PrefElement element;
  std::size_t width;  // bytes of one element
  PrefBlockKind kind;
  const char* name;
  constexpr std::size_t count() const { return size / width; }
};

inline constexpr int kPrefBlockCount = 70;
inline constexpr std::size_t kPrefFileSize = 53559;
inline constexpr std::size_t kPrefMandatoryEnd = 52443;  // blocks 1..60; the tail follows
inline constexpr std::uint32_t kWideLayoutMarker = 0x8000;

// Block numbers the program refers to by name.
enum PrefBlockNumber : int {
  kBlockOptionFlagsA = 1,
  kBlockOutputFieldNames = 2,
  kBlockOutputFieldDefaults = 3,
  kBlockOutputFieldWidths = 4,
  kBlockOutputFieldFlags = 5,
  kBlockDividerMatrix = 6,
  kBlockOutputFieldCount = 7,
  kBlockOutputFieldSource = 8,
  kBlockSpecialSourceTable = 9,
  kBlockCombinationDividers = 10,
  kBlockFormLength = 11,
  kBlockPageDataFirstLine = 12,
  kBlockPageBlockCount = 18,
  kBlockOptionFlagsAAgain = 19,
  kBlockCenturyBreak = 20,
  kBlockDateSeparator = 21,
  kBlockInputFieldCounts = 22,
  kBlockDateTimeSources = 23,
  kBlockInputDelimiter = 24,
  kBlockOutputSpecialDelimiter = 25,
  kBlockFormLengthAgain = 26,
  kBlockOptionFlagsB = 27,
  kBlockSuitePositions = 28,
  kBlockDefaultSuiteDesignator = 29,
  kBlockTitleWords = 30,
  kBlockNamePartPositions = 35,
  kBlockNamePartOrder = 36,
  kBlockOutputFieldDecimals = 44,
  kBlockBinaryRecordLength = 45,
  kBlockStateNames = 46,
  kBlockStateCodes = 47,
  kBlockTagCount = 52,
  kBlockTagTexts = 53,
  kBlockTagTextIn = 54,
  kBlockMaleTitle = 55,
  kBlockFemaleTitle = 56,
  kBlockJointTitle = 57,
  kBlockSplitFlags = 58,
  kBlockInterLeaf = 59,
  kBlockTagOccurrences = 60,
  kBlockPlugInProg = 61,
  kBlockXmlTableName = 62,
  kBlockXmlRecordName = 63,
  kBlockHeaderBlockFile = 64,
  kBlockTrailerBlockFile = 65,
  kBlockFilterSourceField = 66,
  kBlockFilterText = 67,
  kBlockConversionCoefficients = 68,
  kBlockConversionChoices = 69,
  kBlockDefaultTitle = 70,
};

namespace prefs_internal {

using E = PrefElement;
using K = PrefBlockKind;

struct Row {
  std::size_t size;
  E element;
  std::size_t width;
  K kind;
  const char* name;
};

// clang-format off
constexpr Row kRows[kPrefBlockCount] = {
    {4, E::kUInt32, 4, K::kTable, "OptionFlagsA"},                        //  1
    {3200, E::kText, 32, K::kTable, "OutputFieldNameTable"},              //  2
    {3200, E::kText, 32, K::kTable, "OutputFieldDefaults"},               //  3
    {200, E::kInt16, 2, K::kTable, "OutputFieldWidths"},                  //  4
    {400, E::kUInt32, 4, K::kTable, "OutputFieldFlags"},                  //  5
    {19800, E::kInt16, 2, K::kTable, "DividerMatrix"},                    //  6
    {4, E::kInt32, 4, K::kTable, "OutputFieldCount"},                     //  7
    {200, E::kInt16, 2, K::kTable, "OutputFieldSource"},                  //  8
    {240, E::kInt32, 4, K::kTable, "SpecialSourceTable"},                 //  9
    {240, E::kText, 4, K::kTable, "CombinationDividers"},                 // 10
    {4, E::kInt32, 4, K::kTable, "FormLength"},                           // 11
    {4, E::kInt32, 4, K::kTable, "PageDataFirstLine"},                    // 12
    {4, E::kInt32, 4, K::kTable, "PageDataBandEnd"},                      // 13
    {4, E::kInt32, 4, K::kTable, "PageFooterLine"},                       // 14
    {4, E::kInt32, 4, K::kTable, "PageBandHeight"},                       // 15
    {4, E::kInt32, 4, K::kTable, "PageGutter"},                           // 16
    {4, E::kInt32, 4, K::kTable, "PageBlockStep"},                        // 17
    {4, E::kInt32, 4, K::kTable, "PageBlockCount"},                       // 18
    {4, E::kUInt32, 4, K::kTable, "OptionFlagsA again"},                  // 19
    {3, E::kText, 3, K::kTable, "CenturyBreakText"},                      // 20
    {3, E::kText, 3, K::kTable, "DateSeparatorText"},                     // 21
    {396, E::kInt32, 4, K::kTable, "InputFieldCounts"},                   // 22
    {120, E::kInt32, 4, K::kTable, "DateTimeSources"},                    // 23
    {2, E::kText, 2, K::kTable, "InputDelimiter"},                        // 24
    {3, E::kText, 3, K::kTable, "OutputSpecialDelimiterText"},            // 25
    {4, E::kInt32, 4, K::kTable, "FormLength again"},                     // 26
    {4, E::kUInt32, 4, K::kTable, "OptionFlagsB"},                        // 27
    {32, E::kInt32, 4, K::kTable, "SuitePositions"},                      // 28
    {32, E::kText, 32, K::kTable, "DefaultSuiteDesignator"},              // 29
    {1000, E::kText, 20, K::kTable, "TitleWords"},                        // 30
    {1000, E::kText, 20, K::kTable, "TitleSubstitutes"},                  // 31
    {1000, E::kText, 20, K::kTable, "SuffixWords"},                       // 32
    {1000, E::kText, 20, K::kTable, "SuffixSubstitutes"},                 // 33
    {1000, E::kText, 20, K::kTable, "NameStripWords"},                    // 34
    {24, E::kInt32, 4, K::kTable, "NamePartPositions"},                   // 35
    {24, E::kInt32, 4, K::kTable, "NamePartOrder"},                       // 36
    {1000, E::kText, 20, K::kTable, "NonCivicWords"},                     // 37
    {1000, E::kText, 20, K::kTable, "NonCivicSubstitutes"},               // 38
    {1000, E::kText, 20, K::kTable, "StreetTypeWords"},                   // 39
    {1000, E::kText, 20, K::kTable, "StreetTypeSubstitutes"},             // 40
    {800, E::kText, 16, K::kTable, "SuiteWords"},                         // 41
    {800, E::kText, 16, K::kTable, "SuiteSubstitutes"},                   // 42
    {800, E::kText, 16, K::kTable, "CapitalExceptions"},                  // 43
    {300, E::kText, 3, K::kTable, "OutputFieldDecimals"},                 // 44
    {4, E::kInt32, 4, K::kTable, "BinaryRecordLength"},                   // 45
    {2400, E::kText, 24, K::kTable, "StateNames"},                        // 46
    {300, E::kText, 3, K::kTable, "StateCodes"},                          // 47
    {1600, E::kText, 16, K::kTable, "AddedFirstNames"},                   // 48
    {400, E::kInt32, 4, K::kTable, "AddedFirstNameGenders"},              // 49
    {500, E::kText, 10, K::kTable, "SurnamePrefixes"},                    // 50
    {500, E::kText, 10, K::kTable, "SurnamePrefixSeconds"},               // 51
    {4, E::kInt32, 4, K::kTable, "TagCount"},                             // 52
    {6400, E::kText, 64, K::kTable, "TagTexts"},                          // 53
    {64, E::kText, 64, K::kCaption, "TagTextIn"},                         // 54
    {64, E::kText, 64, K::kCaption, "MaleTitleIn"},                       // 55
    {64, E::kText, 64, K::kCaption, "FemaleTitleIn"},                     // 56
    {64, E::kText, 64, K::kCaption, "JointTitleIn"},                      // 57
    {4, E::kUInt32, 4, K::kTable, "SplitFlags"},                          // 58
    {4, E::kInt32, 4, K::kItem, "InterLeaf"},                             // 59
    {200, E::kInt16, 2, K::kTable, "TagOccurrences"},                     // 60
    {64, E::kText, 64, K::kCaption, "PlugInProg"},                        // 61
    {64, E::kText, 64, K::kCaption, "XMLTableName"},                      // 62
    {64, E::kText, 64, K::kCaption, "XMLRecordName"},                     // 63
    {256, E::kText, 256, K::kCaption, "HeaderBlockFile"},                 // 64
    {256, E::kText, 256, K::kCaption, "TrailerBlockFile"},                // 65
    {4, E::kInt32, 4, K::kTable, "FilterSourceField"},                    // 66
    {256, E::kText, 256, K::kCaption, "FilterText"},                      // 67
    {64, E::kDouble, 8, K::kTable, "ConversionCoefficients"},             // 68
    {24, E::kInt16, 2, K::kTable, "ConversionChoices"},                   // 69
    {64, E::kText, 64, K::kCaption, "DefaultTitleIn"},                    // 70
};
// clang-format on

constexpr std::array<PrefBlock, kPrefBlockCount> MakeBlocks() {
  std::array<PrefBlock, kPrefBlockCount> blocks{};
  std::size_t offset = 0;
  for (int i = 0; i < kPrefBlockCount; ++i) {
    const Row& r = kRows[i];
    blocks[static_cast<std::size_t>(i)] = {i + 1,   offset, r.size, r.element,
                                           r.width, r.kind, r.name};
    offset += r.size;
  }
  return blocks;
}

}  // namespace prefs_internal

// The current layout, block 1 first. kPrefBlocks[n - 1] is block n.
inline constexpr std::array<PrefBlock, kPrefBlockCount> kPrefBlocks = prefs_internal::MakeBlocks();

constexpr const PrefBlock& PrefBlockAt(int number) {
  return kPrefBlocks[static_cast<std::size_t>(number - 1)];
}

}  // namespace vt
