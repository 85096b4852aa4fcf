// Tables whose value slots are reserved up front, so that a warmed-up build never grows one:
// what the allocation tests measure is then the build itself.
#pragma once

#include <cstddef>
#include <string>

#include "input/input_tables.h"
#include "output/output_tables.h"

namespace vt {

inline void ReserveValueSlots(InputTables& in, OutputTables& out, std::size_t input_slots) {
  constexpr std::size_t kReserve = 1300;
  in.InputFieldValues.assign(input_slots, std::string());
  for (auto& v : in.InputFieldValues) v.reserve(kReserve);
  out.OutputFieldValues.assign(100, std::string());
  for (auto& v : out.OutputFieldValues) v.reserve(kReserve);
  out.GeneratedSourceValues.assign(120, std::string());
  for (auto& v : out.GeneratedSourceValues) v.reserve(kReserve);
}

}  // namespace vt
