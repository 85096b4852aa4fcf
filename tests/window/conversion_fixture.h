// Helpers of the conversion tests: fields set up through the window, a run, the file's bytes.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "output/writers/writers.h"
#include "prefs/pref_layout.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"
#include "window/view_fixture.h"

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

// Element `index` of block `block` of a preference file's bytes becomes `bytes`, NUL-padded to
// the element's width (an int32 as its little-endian bytes).
inline void SetPrefElement(std::string& file, int block, std::size_t index,
                           const std::string& bytes) {
  const PrefBlock& b = PrefBlockAt(block);
  ASSERT_LE(bytes.size(), b.width) << b.name;
  ASSERT_LE(b.offset + (index + 1) * b.width, file.size()) << b.name;
  file.replace(b.offset + index * b.width, b.width,
               bytes + std::string(b.width - bytes.size(), '\0'));
}

// Fills the output field table the way the field editors leave it, then refreshes. Only for
// writer tests, whose subject is the bytes a writer makes of a given table; every other test
// sets its fields up through the window (SetUpFields).
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

// Sets up the selected output field `n` from `row` as a user does on the Output sheet: the
// source picked in a list, then the name, the width, the options and the decimals.
inline void SetUpField(TParseView& v, int n, const FieldRow& row) {
  if (row.source > 0) ClickInputField(v, row.source - 1);
  if (row.source < 0) Pick(v.ParsedItemNames, -row.source - 1);
  const auto slot = static_cast<std::size_t>(n);
  if (TextOf(v.OutputFieldNameTable[slot]) != row.name) {
    Click(v.RenameFieldButton);
    TypeAndEnter(v.RenameEditBox, row.name);
  }
  if (v.OutputFieldWidths[slot] != row.width) SetWidth(v, std::to_string(row.width));
  const struct {
    std::uint32_t bit;
    tk::CheckBox& box;
  } options[] = {{kFlagNumeric, v.NumericOutputBox},
                 {kFlagRemoveBlanks, v.RemoveBlanksBox},
                 {kFlagSkipIfNull, v.SkipIfNull}};
  for (const auto& option : options) {
    if ((v.OutputFieldFlags[slot] & option.bit) != (row.flags & option.bit)) Click(option.box);
  }
  if (!row.decimals.empty()) TypeAndEnter(v.DecimalPlaces, row.decimals);
  EXPECT_EQ(v.OutputFieldFlags[slot], row.flags) << row.name;
  EXPECT_EQ(v.OutputFieldSource[slot], row.source) << row.name;
}

// The output fields of `rows`, added and set up one by one on the Output sheet.
inline void SetUpFields(TParseView& v, const std::vector<FieldRow>& rows) {
  GoToSheet(v, v.OutputConfiguration);  // which starts the sheet with one field
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i != 0) Click(v.AddFieldButton);
    SetUpField(v, static_cast<int>(i + 1), rows[i]);
  }
  EXPECT_EQ(v.OutputFieldCount, static_cast<std::int32_t>(rows.size()));
}

// A run as a user starts it: the Output sheet in front, then File, Save Converted File, whose
// dialog is answered with `path` unless the command line or the clipboard choice names the
// output. Returns the bytes written.
inline std::string RunInto(TParseView& v, tk::testing::FakeFileDialogs& dialogs,
                           const std::string& path) {
  const bool named = !v.CmdOutputFileName.empty() || v.ClipOut.Checked();
  if (!named) dialogs.answers.push_back(path);
  GoToSheet(v, v.OutputConfiguration);
  Click(v.SaveConvertedFile);
  if (v.ClipOut.Checked()) return ReadBytes(v.ClipOutTransferPath);
  return ReadBytes(v.CmdOutputFileName.empty() ? path : v.CmdOutputFileName);
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
