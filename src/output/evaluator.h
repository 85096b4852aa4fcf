// Evaluator: the arithmetic of the "Evaluate as arithmetic" option, a small recursive-descent
// interpreter over doubles with named variables that keep their values from one expression to
// the next (and so from record to record), the constants pi and e, and environment variables
// as operands ("_name").
//
// Grammar, lowest precedence first: assignment (name = sum; "name =" clears the name), sum
// (+ -), term (* / %), factor (one ^), unary (+ -), primary (number, name, parenthesis).
// Whatever the grammar cannot take ends the expression without an error ("1 2" is 1).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vt {

// The numbered errors of an evaluation (4, 6 and 7 are not used).
enum EvaluatorError : int {
  kEvalOk = 0,
  kEvalBadToken = 1,       // a character of no token, or a token that starts no operand
  kEvalMissingParen = 2,   // "(" without its ")"
  kEvalDivideByZero = 3,   // "/" or "%" by 0
  kEvalVariablesFull = 5,  // an assignment with all variables in use
  kEvalEmptyParens = 8,    // "()"
  kEvalEmpty = 9,          // nothing to evaluate
};

inline constexpr std::size_t kEvaluatorNameLength = 15;

// A variable; an empty name marks a free entry.
struct EvaluatorVariable {
  std::array<char, kEvaluatorNameLength + 1> name{};
  double value = 0;
};
using EvaluatorVariableTable = std::array<EvaluatorVariable, 50>;

// The process environment as the evaluator reads it.
class Environment {
 public:
  virtual ~Environment() = default;
  // The value of the variable of this name, its case ignored; none when there is no such
  // variable.
  [[nodiscard]] virtual std::optional<std::string_view> Find(std::string_view name) const = 0;
};

// The environment of this process.
class ProcessEnvironment final : public Environment {
 public:
  [[nodiscard]] std::optional<std::string_view> Find(std::string_view name) const override;
};

struct Evaluation {
  int error = kEvalOk;  // an EvaluatorError
  double value = 0;
  bool assigned = false;  // the expression set or cleared a variable
};

// Evaluates `text`, which is lower-cased in place. `environment` may be null (no variables).
[[nodiscard]] Evaluation EvaluateExpression(std::string& text, EvaluatorVariableTable& variables,
                                            const Environment* environment);

// The value of a name: for "_name" the environment variable "name" only, otherwise a variable,
// else a constant. False (value untouched) when there is none.
bool ValueOfName(std::string_view name, const EvaluatorVariableTable& variables,
                 const Environment* environment, double& value);

// Sets a variable, which moves to the first free entry; false when every entry is in use.
bool SetVariable(std::string_view name, double value, EvaluatorVariableTable& variables);

// Empties the variable of that name; false when there is none.
bool ClearVariable(std::string_view name, EvaluatorVariableTable& variables);

}  // namespace vt
