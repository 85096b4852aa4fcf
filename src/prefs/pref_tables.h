// Preference tables: the option words and staging fields that carry control state into the file,
// the control texts it holds, and the binding of every block to the table it comes from.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "input/input_tables.h"
#include "output/output_tables.h"
#include "parsing/word_lists.h"
#include "prefs/pref_image.h"

namespace vt {

// Owned by the preference commands: gathered from the controls at a save, read from a file at a
// load. They start with the controls' start-up values, so a short file does not empty them.
struct PrefStaging {
  std::uint32_t OptionFlagsA = 0;
  std::uint32_t OptionFlagsB = 0;
  std::uint32_t SplitFlags = 0;
  std::array<char, 3> CenturyBreakText{'2', '9', '\0'};
  std::array<char, 3> DateSeparatorText{' ', '\0', '\0'};
  std::array<char, 3> OutputSpecialDelimiterText{'~', '\0', '\0'};
  // [0] "Always use default", [1..7] the street part positions.
  std::array<std::int32_t, 8> SuitePositions{0, 3, 4, 5, 6, 1, 2, 7};
  std::array<char, 32> DefaultSuiteDesignator{'#'};
  // [1..5] the name part places and the standardised name's order; [0] belongs to no control.
  std::array<std::int32_t, 6> NamePartPositions{0, 1, 2, 3, 4, 5};
  std::array<std::int32_t, 6> NamePartOrder{0, 1, 2, 3, 4, 5};
};

// The texts of the edit boxes the file holds, and the selected item of the stream list.
struct PrefCaptions {
  std::string TagTextIn;
  std::string MaleTitleIn;
  std::string FemaleTitleIn;
  std::string JointTitleIn;
  std::string PlugInProg;
  std::string XMLTableName;
  std::string XMLRecordName;
  std::string HeaderBlockFile;
  std::string TrailerBlockFile;
  std::string FilterText;
  std::string DefaultTitleIn;
  std::int32_t InterLeafItem = 0;
};

// Every block bound to the program's tables: what a save writes and a load reads.
PrefTargets BindPrefTargets(InputTables& input, OutputTables& output, WordLists& words,
                            PrefStaging& staging, PrefCaptions& captions);

// What Copy Output Format reads into copies of its own, and the input side it reads and drops.
struct PrefCopyTables {
  std::uint32_t OptionFlagsA = 0;
  std::uint32_t OptionFlagsB = 0;
  std::array<std::int32_t, 8> SuitePositions{};
  std::array<std::int32_t, 6> NamePartPositions{};
  // Dropped.
  InputTables input;
  std::array<std::array<std::int32_t, 6>, 10> SpecialSourceTable{};
  std::array<std::array<std::array<char, 4>, 6>, 10> CombinationDividers{};
  std::array<std::int32_t, 30> DateTimeSources{};
  std::uint32_t SplitFlags = 0;
  std::int32_t FilterSourceField = 0;
  std::string TagTextIn;
  std::string FilterText;
};

// The blocks bound for Copy Output Format: the output side into the program's tables, the
// option words and positions into the copy's own, the input side into scratch.
PrefTargets BindCopyTargets(OutputTables& output, WordLists& words, PrefStaging& staging,
                            PrefCaptions& captions, PrefCopyTables& copy);

}  // namespace vt
