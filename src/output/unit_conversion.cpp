// Unit conversion: the straight-line rules and the built-in unit tables.
#include "output/unit_conversion.h"

#include <array>
#include <charconv>

#include "output/number_text.h"

namespace vt {

namespace {

// How many of each unit make the table's reference unit (the one with factor 1). The mile's
// factor carries more digits than the others, so that a mile is 1.609344 kilometres to the
// eleventh digit (B = 1.60934400061469).
// clang-format off
constexpr Unit kDistance[] = {
    {"mile", 0.621371192, 0}, {"kilometer", 1, 0}, {"furlong", 4.97097, 0},
    {"chain", 49.7097, 0}, {"rod", 198.8388, 0}, {"meter", 1000, 0}, {"yard", 1093.613, 0},
    {"foot", 3280.84, 0}, {"decimeter", 10000, 0}, {"inch", 39370.08, 0},
    {"centimeter", 100000, 0}, {"millimeter", 1000000, 0}, {"micron", 1e9, 0},
    {"angstrom", 1e13, 0}};
constexpr Unit kArea[] = {
    {"square mile", 0.386102, 0}, {"square kilometer", 1, 0}, {"hectare", 100, 0},
    {"acre", 247.1054, 0}, {"vergee", 556.041, 0}, {"rood", 988.4215, 0}, {"are", 10000, 0},
    {"square meter", 1000000, 0}, {"square yard", 1195990, 0}, {"square foot", 10763910, 0},
    {"square inch", 1.550003e9, 0}, {"square centimeter", 1e10, 0},
    {"square millimeter", 1e12, 0}};
constexpr Unit kVolume[] = {
    {"cubic meter", 1, 0}, {"cubic yard", 1.307951, 0}, {"barrel (imp)", 6.110602, 0},
    {"barrel (petroleum)", 6.289811, 0}, {"barrel (US Dry)", 8.6489, 0}, {"hectoliter", 10, 0},
    {"bushel (imp)", 27.4961, 0}, {"bushel (US)", 28.37759, 0}, {"cubic foot", 35.31467, 0},
    {"decaliter", 100, 0}, {"peck (imp)", 109.9844, 0}, {"peck (US)", 113.5104, 0},
    {"gallon (imp)", 219.9688, 0}, {"gallon (US dry)", 227.0208, 0},
    {"gallon (US liquid)", 264.1721, 0}, {"quart (imp)", 879.8752, 0},
    {"quart (US dry)", 908.083, 0}, {"liter", 1000, 0}, {"quart (US liquid)", 1056.688, 0},
    {"pint (imp)", 1759.75, 0}, {"pint (US dry)", 1816.166, 0},
    {"pint (US liquid)", 2113.376, 0}, {"gill (US dry)", 7264.664, 0},
    {"gill (US liquid)", 8453.506, 0}, {"deciliter", 10000, 0},
    {"fluid ounce (oz)", 33814.02, 0}, {"cubic inch", 61023.74, 0}, {"centiliter", 100000, 0},
    {"fluid dram", 270512.2, 0}, {"cubic centimeter", 1000000, 0}, {"minim", 16230730, 0},
    {"cubic millimeter", 1e9, 0}};
constexpr Unit kMass[] = {
    {"kilotonne", 0.001, 0}, {"long ton", 0.984207, 0}, {"tonne", 1, 0},
    {"short ton", 1.102311, 0}, {"centner", 10, 0}, {"long hundredweight", 19.68413, 0},
    {"short hundredweight", 22.04623, 0}, {"stone", 157.473, 0}, {"kilogram", 1000, 0},
    {"pound (US/avoirdupois)", 2204.623, 0}, {"pound (troy)", 2679.229, 0},
    {"pound (apothecary)", 2679.229, 0}, {"newton", 9806.652, 0}, {"ounce (troy)", 32150.75, 0},
    {"ounce (apothecary)", 32150.75, 0}, {"ounce (US/avoirdupois)", 35273.96, 0},
    {"dram (apothecary)", 257206, 0}, {"dram (US/avoirdupois)", 564383.4, 0},
    {"pennyweight", 643014.9, 0}, {"scruple", 771617.9, 0}, {"gram", 1000000, 0},
    {"carat (troy)", 4878049, 0}, {"carat (metric)", 5000000, 0}, {"grain", 15432360, 0},
    {"mite", 308647200, 0}, {"milligram", 1e9, 0}, {"doite", 7.407532e9, 0}};
constexpr Unit kEnergy[] = {
    {"therm", 0.009478134, 0}, {"megacalorie (Mcal)", 0.238846, 0},
    {"kilowatt hour (kW*h)", 0.277778, 0}, {"megajoule (MJ)", 1, 0},
    {"kilocalorie (kcal)", 238.8459, 0}, {"watt hour (W*h)", 277.7778, 0},
    {"British Thermal Unit (BTU)", 947.8134, 0}, {"kilojoule (kJ)", 1000, 0},
    {"calorie (cal)", 238845.9, 0}, {"foot pound-force (ft*lbf)", 737562.2, 0},
    {"joule (J)", 1000000, 0}, {"watt second (W*s)", 1000000, 0},
    {"foot poundal", 23730360, 0}, {"erg", 1e13, 0}, {"electronvolt (eV)", 1.2589405e19, 0}};
// Degrees per span of the scale (from freezing to boiling water), and where each scale puts
// freezing water. The names are 8-bit text: "\xE9" is e acute.
constexpr Unit kTemperature[] = {
    {"Celsius", 100, 0}, {"Fahrenheit", 180, 32}, {"Kelvin", 100, 273.15},
    {"R\xE9" "aumur", 80, 0}, {"Rankin", 180, 491.67}};
constexpr Unit kTime[] = {
    {"Year (approx)", 0.01916536, 0}, {"Month (approx)", 0.229984, 0}, {"Week", 1, 0},
    {"Day", 7, 0}, {"Hour", 168, 0}, {"Minute", 10080, 0}, {"Second", 604800, 0}};
// clang-format on

constexpr int kTemperatureType = 5;

constexpr std::array<UnitTable, 7> kTables = {{
    {"Distance", kDistance},
    {"Area", kArea},
    {"Volume", kVolume},
    {"Mass/Weight", kMass},
    {"Energy/Work", kEnergy},
    {"Temperature", kTemperature},
    {"Time", kTime},
}};

// An extended-precision value as the boxes show it, with 15 significant digits, read back.
// Rounding it to a double first could move the last shown digit.
double Shown(long double value) {
  char text[64];
  const std::to_chars_result printed =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  double shown = 0;
  std::from_chars(text, printed.ptr, shown);
  return shown;
}

}  // namespace

std::span<const UnitTable> UnitTables() {
  return kTables;
}

LinearRule RuleOfUnits(int type, int from, int to) {
  if (type < 0 || type >= static_cast<int>(kTables.size())) return {};
  const std::span<const Unit> units = kTables[static_cast<std::size_t>(type)].units;
  const int count = static_cast<int>(units.size());
  if (from < 0 || from >= count || to < 0 || to >= count) return {};
  if (from == to) return {0, 1};
  const Unit& f = units[static_cast<std::size_t>(from)];
  const Unit& t = units[static_cast<std::size_t>(to)];
  const long double ratio = static_cast<long double>(t.factor) / f.factor;
  LinearRule rule;
  rule.b = Shown(ratio);
  if (type == kTemperatureType)
    rule.a = Shown(t.offset - static_cast<long double>(t.factor) * f.offset / f.factor);
  return rule;
}

void AppendConverted(const LinearRule& rule, double x, std::string& out) {
  AppendNumberText(rule.a + rule.b * x, 14, out);
}

}  // namespace vt
