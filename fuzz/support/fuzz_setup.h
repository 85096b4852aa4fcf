// Fuzz set-up: the tables a preference file fills, a sample set-up to start from, and the plan
// of a run made from them the way the window gathers it from the controls a load sets.
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "input/input_tables.h"
#include "input/readers/record_reader.h"
#include "output/output_tables.h"
#include "output/run/conversion.h"
#include "parsing/gender_list.h"
#include "parsing/word_lists.h"
#include "prefs/pref_tables.h"
#include "support/fuzz_input.h"
#include "support/fuzz_tables.h"
#include "support/fuzz_words.h"

namespace vt::fuzz {

// The output and generated values sized as the window allocates them.
void SizeTables(OutputTables& out);

// Everything a preference file fills.
struct SetUp {
  SetUp();
  InputTablesPtr input = MakeInputTables();
  InputTables& in = *input;
  OutputTables out;
  WordLists words;
  PrefStaging staging;
  PrefCaptions captions;
  PrefTargets Targets() { return BindPrefTargets(in, out, words, staging, captions); }
};

// A sample set-up: output fields over input fields 1..6 and a spread of generated sources
// (parsers, dates, combinations, splits, units, the filter), the page and binary layout.
void FillSample(SetUp& set_up);

// The sample set-up with up to 16 patches the input picks, each inside one block of the
// preference file, written into the block's table as a file's bytes would be read into it.
void PatchSample(FuzzInput& fuzz, SetUp& set_up);

// The input kind and output format the loaded option words check.
[[nodiscard]] InputKind KindOfOptions(std::uint32_t b);
[[nodiscard]] OutputFormat FormatOfOptions(std::uint32_t a, std::uint32_t b);

// The plan of a run over the loaded set-up. Its texts view `set_up`, which must outlive it.
[[nodiscard]] RunPlan PlanOfSetUp(const SetUp& set_up, InputKind kind, OutputFormat format);

// A clock that never moves and a local time that is UTC, so that runs repeat exactly.
class FixedObserver : public RunObserver {
 public:
  std::int64_t Now() override { return 889002367; }
};
class UtcTime : public LocalTimeSource {
 public:
  bool Local(std::int64_t seconds, std::tm& out) const override;
};
// Three variables, so that "_name" operands find something.
class SmallEnvironment : public Environment {
 public:
  [[nodiscard]] std::optional<std::string_view> Find(std::string_view name) const override;
};

}  // namespace vt::fuzz
