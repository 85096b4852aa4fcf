// Helpers of the conversion tests: fields set up through the window, a run, the file's bytes.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "main/parse_view.h"
#include "main/strings/fixed_text.h"
#include "output/writers/writers.h"

namespace vt::testing {

// One output field: `name source width flags decimals` in a setup file ("-": no decimals).
struct FieldRow {
  std::string name;
  int source = 0;
  int width = 0;
  std::uint32_t flags = 0;
  std::string decimals;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Fills the output field table the way the field editors leave it, then refreshes.
inline void ApplyFields(TParseView& v, const std::vector<FieldRow>& rows) {
  v.OutputFieldCount = static_cast<std::int32_t>(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::size_t slot = i + 1;
    CopyText(v.OutputFieldNameTable[slot], rows[i].name);
    v.OutputFieldSource[slot] = static_cast<std::int16_t>(rows[i].source);
    v.OutputFieldWidths[slot] = static_cast<std::int16_t>(rows[i].width);
    v.OutputFieldFlags[slot] = rows[i].flags;
    CopyText(v.OutputFieldDecimals[slot], rows[i].decimals.empty() ? " " : rows[i].decimals);
  }
  v.DisplayOutput.Click();
}

inline tk::RadioButton& FormatButton(TParseView& v, OutputFormat format) {
  switch (format) {
    case OutputFormat::kComma:
      return v.DelimitedOutputButton;
    case OutputFormat::kTab:
      return v.TabDelimitedOutputButton;
    case OutputFormat::kSpecial:
      return v.SpecialDelimitedOutputButton;
    case OutputFormat::kFixed:
      return v.FixedFormatOutputButton;
    case OutputFormat::kDbase:
      return v.DbaseOutputButton;
    case OutputFormat::kWordPerfect:
      return v.WordPerfect;
    case OutputFormat::kXml:
      return v.XML;
    case OutputFormat::kClipboard:
      return v.ClipOut;
  }
  return v.DelimitedOutputButton;
}

// An unattended run into `path` (as the command line names it); returns the written bytes.
inline std::string RunInto(TParseView& v, const std::string& path) {
  v.CmdOutputFileName = path;
  v.SaveConvertedFile.SetEnabled(true);
  v.SaveConvertedFile.Click();
  return ReadBytes(v.ClipOut.Checked() ? v.ClipOutTransferPath : path);
}

// Parses a setup file: `field name source width flags decimals`, `names on`, `special c`,
// `formats a b c`; '#' starts a comment line.
struct Setup {
  std::vector<FieldRow> fields;
  bool names = false;
  std::string special = "~";
  std::vector<std::string> formats;
};

inline Setup ParseSetup(const std::string& text) {
  Setup s;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string key;
    if (!(words >> key) || key[0] == '#') continue;
    if (key == "names") {
      std::string on;
      words >> on;
      s.names = on == "on";
    } else if (key == "special") {
      words >> s.special;
    } else if (key == "formats") {
      for (std::string f; words >> f;) s.formats.push_back(f);
    } else if (key == "field") {
      FieldRow row;
      std::string flags;
      words >> row.name >> row.source >> row.width >> flags >> row.decimals;
      row.flags = static_cast<std::uint32_t>(std::stoul(flags, nullptr, 0));
      if (row.decimals == "-") row.decimals.clear();
      s.fields.push_back(row);
    }
  }
  return s;
}

}  // namespace vt::testing
