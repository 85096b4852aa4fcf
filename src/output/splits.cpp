// Splits: a field cut into up to three parts and the web or mail domain it holds.
#include "output/splits.h"

#include "strings/char_class.h"
#include "strings/words.h"

namespace vt {

namespace {

// The characters of a host name's label.
bool IsLabelChar(char c) {
  return IsWordChar(c) || c == '-' || c == '_';
}

// The start of the label that ends just before `end`.
std::size_t LabelStart(std::string_view text, std::size_t end) {
  while (end > 0 && IsLabelChar(text[end - 1])) --end;
  return end;
}

}  // namespace

void DomainOf(std::string_view value, std::string& domain) {
  domain.clear();
  const std::size_t first_dot = value.find('.');
  if (first_dot == std::string_view::npos) return;
  std::string_view host = value.substr(0, value.find('/', first_dot));
  const std::size_t dot = host.rfind('.');
  std::size_t end = dot + 1;
  while (end < host.size() && IsLetter(host[end])) ++end;
  const std::size_t top_level = end - dot - 1;
  std::size_t start = LabelStart(host, dot);
  // A two-letter country under a short second level ("co.uk") takes one more label; the walk
  // goes back only over a dot, and never before the text.
  if (top_level == 2 && end - start < 7 && start > 0 && host[start - 1] == '.')
    start = LabelStart(host, start - 1);
  if (top_level > 1) domain.assign(host.substr(start, end - start));
}

void SplitValue(std::string_view value, const SplitOption& option, std::string& a, std::string& b,
                std::string& c, std::string& domain) {
  a.clear();
  b.clear();
  c.clear();
  const bool words = option.basis == SplitBasis::kWords;
  if (words) SplitWords(value.substr(SkipToWord(value, 0)), a, b, c);
  DomainOf(value, domain);
  if (words) JoinWords(c);
  char separator = ' ';
  if (option.basis == SplitBasis::kComma) separator = ',';
  if (option.basis == SplitBasis::kSlash) separator = '/';
  if (!words) {
    std::string_view rest = value;
    const std::size_t first = rest.find(separator);
    const std::size_t second =
        first == std::string_view::npos ? first : rest.find(separator, first + 1);
    if (second != std::string_view::npos) {
      if (second + 1 < rest.size()) c.assign(rest.substr(second + 1));
      rest = rest.substr(0, second);
    }
    if (first != std::string_view::npos) {
      if (first + 1 < rest.size()) b.assign(rest.substr(first + 1));
      rest = rest.substr(0, first);
    }
    a.assign(rest);
  }
  if (option.parts <= 2) {
    b.push_back(separator);
    b.append(c);
    c.clear();
  }
  if (option.parts <= 1) {
    a.push_back(separator);
    a.append(b);
    b.clear();
  }
}

}  // namespace vt
