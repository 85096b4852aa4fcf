// The arithmetic evaluator: precedence, powers, unary minus, names, every error code, and
// variables that live from one expression to the next.
#include "output/evaluator.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "output/number_text.h"
#include "strings/char_class.h"

namespace vt {
namespace {

class FakeEnvironment : public Environment {
 public:
  std::optional<std::string_view> Find(std::string_view name) const override {
    for (const auto& [key, value] : values) {
      if (key.size() != name.size()) continue;
      bool same = true;
      for (std::size_t i = 0; i < key.size(); ++i)
        same = same && LowerAscii(key[i]) == LowerAscii(name[i]);
      if (same) return value;
    }
    return std::nullopt;
  }
  std::map<std::string, std::string> values{{"RATE", "1.5"}, {"Path", "/usr/bin"}};
};

// The builder's text of a value: "%.16f" with its zeros cut; the error code when there is one.
std::string Evaluate(std::string text, EvaluatorVariableTable& variables,
                     const Environment* environment) {
  const Evaluation e = EvaluateExpression(text, variables, environment);
  if (e.error != kEvalOk) return "error " + std::to_string(e.error);
  std::string shown;
  AppendNumberText(e.value, 16, shown);
  return shown;
}

TEST(EvaluatorTest, ValuesAndErrors) {
  FakeEnvironment environment;
  EvaluatorVariableTable variables{};
  const struct {
    const char* text;
    const char* expected;
  } rows[] = {
      {"2+3*4", "14"},
      {"(2+3)*4", "20"},
      {"10-4-3", "3"},
      {"-2^2", "4"},
      {"2^3^2", "8"},  // one "^" is taken; the rest ends the expression
      {"7%3", "1"},
      {"7 / 2", "3.5"},
      {"2^0.5", "1.4142135623730951"},
      {"PI", "3.1415926535897931"},
      {"e", "2.7182818284590451"},
      {"+-1", "error 1"},
      {"1 2", "1"},
      {"2)", "2"},
      {"3,4", "3"},
      {"1e5", "1"},
      {"12345678901234567890", "12345678901234567168"},
      {"1.5.7", "1.5"},
      {"_rate*2", "3"},  // the environment ignores case
      {"_path", "0"},
      {"_missing", "0"},
      {"nosuchname+1", "1"},
      {"sqrt(2)", "error 1"},
      {"3#", "error 1"},
      {"(1", "error 2"},
      {"1/0", "error 3"},
      {"1%0", "error 3"},
      {"()", "error 8"},
      {"", "error 9"},
      {" \t ", "error 9"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Evaluate(row.text, variables, &environment), row.expected);
  }
}

TEST(EvaluatorTest, VariablesLiveOnUntilCleared) {
  EvaluatorVariableTable variables{};
  const struct {
    const char* text;
    const char* expected;
    bool assigned;
  } steps[] = {
      {"x=5", "5", true},   {"x*2", "10", false}, {"(y = x + 1) * 2", "12", false},
      {"y", "6", false},    {"x =", "0", true},   {"x", "0", false},
      {"n=n+1", "1", true}, {"n=n+1", "2", true},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.text);
    std::string text = step.text;
    const Evaluation e = EvaluateExpression(text, variables, nullptr);
    std::string shown;
    AppendNumberText(e.value, 16, shown);
    EXPECT_EQ(shown, step.expected);
    EXPECT_EQ(e.assigned, step.assigned);
  }
  // Fifty variables fit; the fifty-first distinct one does not.
  variables = {};
  for (int i = 0; i < 50; ++i)
    EXPECT_EQ(Evaluate("v" + std::to_string(i) + "=1", variables, nullptr), "1");
  EXPECT_EQ(Evaluate("v50=1", variables, nullptr), "error 5");
  EXPECT_EQ(Evaluate("v7=2", variables, nullptr), "2") << "an existing name is set again";
  EXPECT_EQ(Evaluate("averyveryverylongname=3", variables, nullptr), "error 5");
  EXPECT_EQ(Evaluate("v7 =", variables, nullptr), "0");
  EXPECT_EQ(Evaluate("averyveryverylongname=3", variables, nullptr), "3");
  EXPECT_EQ(Evaluate("averyveryverylongXX", variables, nullptr), "3") << "15 characters count";
}

}  // namespace
}  // namespace vt
