// Combination steps of the builder: the combinations and their evaluation, the unit
// conversions made of them, and the splits.
#pragma once

#include <array>

#include "input/input_tables.h"
#include "output/combinations.h"
#include "output/output_tables.h"
#include "output/record_builder.h"

namespace vt {

// Step 5: Combination 1-4, each evaluated as arithmetic when the request asks: a value replaces
// its text ("2.5", "4"); an error, or a result that is no finite number, empties it.
void CombineStep(const BuildRequest& request, const InputTables& in, OutputTables& out);

// Step 7: Convert j = A_j + B_j x (the leading number of Combination j), for the j a run
// needs (every j outside a run).
void ConvertStep(const SourceSet& needed, OutputTables& out);

// The numbers the unit conversions take (the leading number of Combination 1-4) of the record
// a run just built, for a display: of the combinations the build made, else (nothing the run
// writes takes them) of combinations made here, their expressions evaluated on a copy of the
// variables, so that no running total counts the record twice.
void CombinationNumbers(const BuildRequest& request, const InputTables& in, const OutputTables& out,
                        std::array<double, kCombinations>& numbers);

// Step 12: Split 1A-3C and DomainInSplit1-3 of the three split sources.
void SplitStep(const BuildRequest& request, const InputTables& in, OutputTables& out);

}  // namespace vt
