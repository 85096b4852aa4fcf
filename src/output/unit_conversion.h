// Unit conversion: the straight-line rules Y = A + B * X that turn Combination 1-4 into
// Convert 1-4, and the built-in unit tables a rule can be made from.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vt {

// A unit: how many of it make one of its table's reference unit, and where its scale starts
// (temperatures only).
struct Unit {
  std::string_view name;
  double factor;
  double offset;
};

// The units of one conversion type, in list order.
struct UnitTable {
  std::string_view type;
  std::span<const Unit> units;
};

// The seven tables, in the order of the conversion types: distance, area, volume, mass, energy,
// temperature, time.
[[nodiscard]] std::span<const UnitTable> UnitTables();

struct LinearRule {
  double a = 0;  // Constant
  double b = 0;  // Multiplier
};

// The rule converting unit `from` into unit `to` of table `type`: B is the ratio of the
// factors, A the shift of a temperature's scale, both worked out in extended precision and
// kept as 15 significant digits show them; the same unit twice is the identity. Indexes
// outside the tables give no rule (0, 0).
[[nodiscard]] LinearRule RuleOfUnits(int type, int from, int to);

// Convert j: A + B * x printed with 14 decimals, its zeros cut ("212", "2.5").
void AppendConverted(const LinearRule& rule, double x, std::string& out);

}  // namespace vt
