// Evaluator: the arithmetic of the "Evaluate as arithmetic" option.
#include "output/evaluator.h"

#include <unistd.h>

#include <cmath>

#include "output/number_text.h"
#include "strings/char_class.h"
#include "strings/fixed_text.h"

extern char** environ;  // NOLINT: the C library's own name

namespace vt {

namespace {

struct Constant {
  std::string_view name;
  double value;
};
constexpr Constant kConstants[] = {{"pi", 3.141592653589793}, {"e", 2.718281828459045}};

// Deeper than a 1,299-character combination can nest; it only keeps the stack bounded.
constexpr int kDepthLimit = 2000;

bool IsDelimiter(char c) {
  switch (c) {
    case '%':
    case '(':
    case ')':
    case '*':
    case '+':
    case ',':
    case '-':
    case '/':
    case '=':
    case '^':
      return true;
    default:
      return false;
  }
}

bool IsNameStart(char c) {
  return (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) {
  return IsNameStart(c) || IsDigit(c);
}

std::string_view NameOf(std::string_view token) {
  return token.substr(0, kEvaluatorNameLength);
}

class Parser {
 public:
  Parser(std::string_view text, EvaluatorVariableTable& variables, const Environment* environment)
      : text_(text), variables_(variables), environment_(environment) {}

  Evaluation Run() {
    Evaluation result;
    NextToken();
    if (error_ == kEvalOk && type_ == Type::kNone) Fail(kEvalEmpty);
    if (error_ == kEvalOk) result.value = Expression(result.assigned);
    result.error = error_;
    if (error_ != kEvalOk) result.value = 0;
    return result;
  }

 private:
  enum class Type { kNone, kName, kDelimiter, kNumber };

  void Fail(int code) {
    if (error_ == kEvalOk) error_ = code;
    type_ = Type::kNone;
    token_ = {};
  }

  bool At(char delimiter) const { return type_ == Type::kDelimiter && token_[0] == delimiter; }

  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }

  void NextToken() {
    if (error_ != kEvalOk) return;
    SkipBlanks();
    const std::size_t start = pos_;
    type_ = Type::kNone;
    token_ = {};
    if (pos_ >= text_.size()) return;
    const char c = text_[pos_];
    if (IsDelimiter(c)) {
      ++pos_;
      type_ = Type::kDelimiter;
    } else if (IsDigit(c) || c == '.') {
      while (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == '.')) ++pos_;
      type_ = Type::kNumber;
    } else if (IsNameStart(c)) {
      while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
      type_ = Type::kName;
    } else {
      return Fail(kEvalBadToken);
    }
    token_ = text_.substr(start, pos_ - start);
    SkipBlanks();
  }

  bool NextCharIs(char c) const { return pos_ < text_.size() && text_[pos_] == c; }

  double Expression(bool& assigned) {
    if (type_ != Type::kName || !NextCharIs('=')) return Sum();
    const std::string_view name = NameOf(token_);
    assigned = true;
    NextToken();  // the "="
    NextToken();
    if (type_ == Type::kNone) {
      if (error_ == kEvalOk) ClearVariable(name, variables_);
      return 0;
    }
    const double value = Sum();
    if (error_ != kEvalOk) return 0;
    if (!SetVariable(name, value, variables_)) Fail(kEvalVariablesFull);
    return value;
  }

  double Sum() {
    double value = Term();
    while (At('+') || At('-')) {
      const bool add = At('+');
      NextToken();
      const double right = Term();
      value = add ? value + right : value - right;
    }
    return value;
  }

  double Term() {
    double value = Factor();
    while (At('*') || At('/') || At('%')) {
      const char op = token_[0];
      NextToken();
      const double right = Factor();
      if (error_ != kEvalOk) return 0;
      if (op != '*' && right == 0) {
        Fail(kEvalDivideByZero);
        return 0;
      }
      if (op == '*') value *= right;
      if (op == '/') value /= right;
      if (op == '%') value = std::fmod(value, right);
    }
    return value;
  }

  double Factor() {
    const double base = Unary();
    if (!At('^')) return base;
    NextToken();
    return std::pow(base, Unary());
  }

  double Unary() {
    const bool negate = At('-');
    if (negate || At('+')) NextToken();
    const double value = Primary();
    return negate ? -value : value;
  }

  double Primary() {
    if (++depth_ > kDepthLimit) Fail(kEvalBadToken);
    const double value = PrimaryValue();
    --depth_;
    if (error_ != kEvalOk) return 0;
    NextToken();
    return value;
  }

  double PrimaryValue() {
    switch (type_) {
      case Type::kDelimiter: {
        if (!At('(')) break;
        NextToken();
        if (At(')')) {
          Fail(kEvalEmptyParens);
          return 0;
        }
        bool ignored = false;
        const double value = Expression(ignored);
        if (error_ == kEvalOk && !At(')')) Fail(kEvalMissingParen);
        return value;
      }
      case Type::kNumber:
        return LeadingNumber(token_);
      case Type::kName: {
        // A function call is no operand.
        if (NextCharIs('(')) break;
        double value = 0;
        ValueOfName(NameOf(token_), variables_, environment_, value);
        return value;
      }
      case Type::kNone:
        break;
    }
    Fail(kEvalBadToken);
    return 0;
  }

  std::string_view text_;
  EvaluatorVariableTable& variables_;
  const Environment* environment_;
  std::size_t pos_ = 0;
  std::string_view token_;
  Type type_ = Type::kNone;
  int error_ = kEvalOk;
  int depth_ = 0;
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string_view> ProcessEnvironment::Find(std::string_view name) const {
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    const std::string_view line(*entry);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (SameIgnoringCase(line.substr(0, equals), name)) return line.substr(equals + 1);
  }
  return std::nullopt;
}

Evaluation EvaluateExpression(std::string& text, EvaluatorVariableTable& variables,
                              const Environment* environment) {
  for (char& c : text) c = LowerAscii(c);
  return Parser(text, variables, environment).Run();
}

bool ValueOfName(std::string_view name, const EvaluatorVariableTable& variables,
                 const Environment* environment, double& value) {
  if (!name.empty() && name[0] == '_') {
    if (environment == nullptr) return false;
    const std::optional<std::string_view> found = environment->Find(name.substr(1));
    if (!found) return false;
    value = LeadingNumber(*found);
    return true;
  }
  for (const EvaluatorVariable& v : variables) {
    if (v.name[0] == '\0' || TextOf(v.name) != name) continue;
    value = v.value;
    return true;
  }
  for (const Constant& c : kConstants) {
    if (c.name != name) continue;
    value = c.value;
    return true;
  }
  return false;
}

bool SetVariable(std::string_view name, double value, EvaluatorVariableTable& variables) {
  ClearVariable(name, variables);
  for (EvaluatorVariable& v : variables) {
    if (v.name[0] != '\0') continue;
    CopyText(v.name, NameOf(name));
    v.value = value;
    return true;
  }
  return false;
}

bool ClearVariable(std::string_view name, EvaluatorVariableTable& variables) {
  const std::string_view key = NameOf(name);
  for (EvaluatorVariable& v : variables) {
    if (v.name[0] == '\0' || TextOf(v.name) != key) continue;
    v.name.fill('\0');
    return true;
  }
  return false;
}

}  // namespace vt
