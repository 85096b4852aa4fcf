// Web-form data: pairs split at "&" first, then at their first "=".
#include "input/web_form.h"

#include <algorithm>
#include <string_view>

#include "input/tag_fields.h"
#include "strings/fixed_text.h"
#include "strings/search.h"

namespace vt {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The field of a name (ignoring case), or 0.
int FieldOfName(const InputTables& in, std::string_view name) {
  const int names = std::clamp(in.TagCount, 0, kMaxTags);
  for (int t = 1; t <= names; ++t) {
    const std::string_view known = TextOf(in.TagTexts[static_cast<std::size_t>(t)]);
    if (known.size() == name.size() && SameTextN(known, name, name.size()) == 0) return t;
  }
  return 0;
}

}  // namespace

void DecodeFormValue(std::string& value) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    if (c == '+') c = ' ';
    const int high = c == '%' && i + 2 < value.size() ? HexDigit(value[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(value[i + 2]) : -1;
    if (low >= 0) {
      const int code = high * 16 + low;
      c = code < 32 ? ' ' : static_cast<char>(code);
      i += 2;
    }
    value[out++] = c;
  }
  value.resize(std::min(out, InputTables::kValueLimit));
}

int CutWebForm(InputTables& in, bool add_names) {
  const int before = std::clamp(in.InputFieldCounts[0], 0, InputTables::kMaxFields);
  for (int f = 1; f <= before; ++f) in.InputFieldValues[static_cast<std::size_t>(f)].clear();
  in.TagCount = std::clamp(in.TagCount, 0, kMaxTags);
  std::string_view rest = in.InputLine;
  for (;;) {
    const std::size_t amp = rest.find('&');
    const std::string_view pair = rest.substr(0, amp);
    const std::size_t eq = pair.find('=');
    if (eq != std::string_view::npos && eq != 0) {
      const std::string_view name = pair.substr(0, std::min(eq, InputTables::kNameLimit));
      int field = FieldOfName(in, name);
      if (field == 0 && add_names && in.TagCount < kMaxTags) {
        field = ++in.TagCount;
        CopyText(in.TagTexts[static_cast<std::size_t>(field)], name);
        in.TagOccurrences[static_cast<std::size_t>(field)] = 1;
      }
      if (field != 0)
        in.InputFieldValues[static_cast<std::size_t>(field)].assign(
            pair.substr(eq + 1, InputTables::kValueLimit));
    }
    if (amp == std::string_view::npos) break;
    rest.remove_prefix(amp + 1);
  }
  for (int f = 1; f <= in.TagCount; ++f) {
    const auto slot = static_cast<std::size_t>(f);
    in.InputFieldNames[slot].assign(TextOf(in.TagTexts[slot]));
    DecodeFormValue(in.InputFieldValues[slot]);
  }
  in.InputFieldCounts[0] = in.TagCount;
  in.InputRecordCut();
  return in.TagCount;
}

}  // namespace vt
