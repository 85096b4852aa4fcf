// Output tables: the output field table, the source slots of the special parses and the values
// of the record being built.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

// Bits of an output field's option word that start-up relies on.
inline constexpr std::uint32_t kFlagRemoveBlanks = 0x2;

struct OutputTables {
  static constexpr int kSlots = 100;           // output fields 1..99; slot 0 unused
  static constexpr int kGeneratedSlots = 120;  // generated sources 0..109 (room for 120)

  // --- Stored in preference files (fixed layout) -------------------------------------------
  std::array<std::array<char, 32>, kSlots> OutputFieldNameTable{};
  std::array<std::array<char, 32>, kSlots> OutputFieldDefaults{};
  std::array<std::int16_t, kSlots> OutputFieldWidths{};
  std::array<std::uint32_t, kSlots> OutputFieldFlags{};
  std::array<std::int16_t, kSlots> OutputFieldSource{};  // >0 input field, <0 -generated, 0 none
  std::array<std::array<char, 3>, kSlots> OutputFieldDecimals{};
  std::int32_t OutputFieldCount = 0;
  // Rows 1-4 combinations, 5 street, 6 name, 7 city, 8 phone, 9 gender and split.
  std::array<std::array<std::int32_t, 6>, 10> SpecialSourceTable{};
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
};

}  // namespace vt
