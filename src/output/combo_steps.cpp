// Combination steps of the builder: the combinations and their evaluation, the unit
// conversions made of them, and the splits.
#include "output/combo_steps.h"

#include <cmath>
#include <optional>

#include "output/combinations.h"
#include "output/input_value.h"
#include "output/number_text.h"
#include "output/unit_conversion.h"

namespace vt {

namespace {

std::string& Source(OutputTables& out, int k) {
  return out.GeneratedSourceValues[static_cast<std::size_t>(k)];
}

// A combination evaluated as arithmetic: its value replaces its text; an error, or a result
// that is no finite number, empties it.
void Evaluate(std::string& combination, std::string& expression, EvaluatorVariableTable& variables,
              const Environment* environment) {
  expression.assign(combination);
  const Evaluation e = EvaluateExpression(expression, variables, environment);
  combination.clear();
  if (e.error == kEvalOk && std::isfinite(e.value)) AppendNumberText(e.value, 16, combination);
}

}  // namespace

void CombineStep(const BuildRequest& request, const InputTables& in, OutputTables& out) {
  for (int c = 1; c <= kCombinations; ++c)
    BuildCombination(in, out, c, Source(out, kCombination1 + c - 1));
  if (!request.evaluate) return;
  for (int c = 1; c <= kCombinations; ++c) {
    Evaluate(Source(out, kCombination1 + c - 1), out.Scratch.expression, out.EvaluatorVariables,
             request.environment);
  }
}

void CombinationNumbers(const BuildRequest& request, const InputTables& in, const OutputTables& out,
                        std::array<double, kCombinations>& numbers) {
  const bool combined = request.plug_in != nullptr || out.Scratch.plans.steps.combinations;
  std::optional<EvaluatorVariableTable> variables;
  std::string combination;
  std::string expression;
  for (int j = 0; j < kCombinations; ++j) {
    const std::string* text =
        &out.GeneratedSourceValues[static_cast<std::size_t>(kCombination1 + j)];
    if (!combined) {
      BuildCombination(in, out, j + 1, combination);
      if (request.evaluate) {
        if (!variables) variables = out.EvaluatorVariables;
        Evaluate(combination, expression, *variables, request.environment);
      }
      text = &combination;
    }
    numbers[static_cast<std::size_t>(j)] = LeadingNumber(*text);
  }
}

void ConvertStep(const SourceSet& needed, OutputTables& out) {
  const bool all = !out.BatchRun;
  for (int j = 0; j < kCombinations; ++j) {
    if (!all && !needed.test(static_cast<std::size_t>(kConvert1 + j))) continue;
    const auto& coefficients = out.ConversionCoefficients[static_cast<std::size_t>(j)];
    std::string& convert = Source(out, kConvert1 + j);
    convert.clear();
    AppendConverted({coefficients[0], coefficients[1]},
                    LeadingNumber(Source(out, kCombination1 + j)), convert);
  }
}

void SplitStep(const BuildRequest& request, const InputTables& in, OutputTables& out) {
  constexpr int kSplitSources = 3;
  for (int s = 0; s < kSplitSources; ++s) {
    const std::int32_t field =
        out.SpecialSourceTable[kGenderSplitRow][static_cast<std::size_t>(kFirstSplitSlot + s)];
    SplitValue(InputValue(in, field), request.splits[static_cast<std::size_t>(s)],
               Source(out, kSplit1A + 3 * s), Source(out, kSplit1A + 3 * s + 1),
               Source(out, kSplit1A + 3 * s + 2), Source(out, kDomainInSplit1 + s));
  }
}

}  // namespace vt
