// Fuzz target: the arithmetic evaluator over a record's worth of expressions, one a line, with
// the variables they set kept from one to the next as a run keeps them.
#include <string>
#include <string_view>

#include "output/evaluator.h"
#include "support/fuzz_input.h"
#include "support/fuzz_setup.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {

void Evaluator(FuzzInput& fuzz) {
  EvaluatorVariableTable variables{};
  const SmallEnvironment environment;
  const bool with_environment = fuzz.Bool();
  std::string_view rest;
  const std::string text = fuzz.Rest();
  rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string expression(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    const Evaluation result =
        EvaluateExpression(expression, variables, with_environment ? &environment : nullptr);
    Require(result.error >= kEvalOk && result.error <= kEvalEmpty);
    double value = 0;
    (void)ValueOfName(expression, variables, &environment, value);
    if (expression.size() > 2 && expression[0] == '!')
      (void)ClearVariable(expression.substr(1), variables);
    if (expression.size() > 2 && expression[0] == '$')
      (void)SetVariable(expression.substr(1), 1, variables);
  }
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(Evaluator)
