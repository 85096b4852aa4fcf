// Fuzz run: the preview of an input's first record and a whole conversion run, as the window's
// Load and Save Converted File make them.
#pragma once

#include <string>
#include <string_view>

#include "output/run/conversion.h"
#include "support/fuzz_setup.h"

namespace vt::fuzz {

// The record view and the output preview: the first record read, cut and built with every
// generated source, as the window shows it after a load.
void PreviewFirstRecord(SetUp& set_up, const RunPlan& plan);

// What a run does to the output file besides writing it.
struct RunOutput {
  bool append = false;   // the file exists with `existing` in it, and the run appends
  std::string existing;  // its bytes
};

// The run into a scratch output file, then the interleave pass when the plan has streams.
RunResult RunConversion(SetUp& set_up, RunPlan plan, const RunOutput& output);

}  // namespace vt::fuzz
