// Unattended cases: each set-up is built through the window as a user builds it, saved as a
// preference file and converted interactively; the saved file and the converted bytes are the
// golden folder tests/golden/unattended/<case>/ (setup.vnq, expected.out). The same folders
// then replay unattended: here through the window's own chain, and by the real executable in
// tests/app/cli_test.sh. GOLDEN_UPDATE=1 rewrites them; examples/contacts.vnq is kept the same way.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

namespace fs = std::filesystem;
using testing::Click;
using testing::ClickInputField;
using testing::GoToSheet;
using testing::Pick;
using testing::SetWidth;
using testing::TypeAndEnter;

const fs::path kSource = VONTRASK_SOURCE_DIR;

void NamesFromFirstRecord(TParseView& v) {
  Click(v.TakeFirstRecordAsFieldName);
}

// Output field `n` (1-based) from input field `input` (1-based), `width` characters wide.
void Field(TParseView& v, int n, int input, const char* width) {
  if (n > v.OutputFieldCount) Click(v.AddFieldButton);
  testing::SelectOutputField(v, n - 1);
  ClickInputField(v, input - 1);
  if (width != nullptr) SetWidth(v, width);
}

// A typed entry, ended by a click below the rows of the input field list.
void TypeAndLeave(TParseView& v, tk::Edit& box, const std::string& text) {
  testing::Type(box, text);
  Pick(v.InputFieldNamesListBox, -1);
}

// Dividers after the given 1-based columns of the record line, clicked on the marker line.
void Dividers(TParseView& v, std::initializer_list<int> columns) {
  const int cell = v.YardStick.Geometry().width;
  for (const int column : columns) {
    v.InputRecordMarkerLabel.UserMouseMove((column - 1) * cell + 1, 3);
    v.InputRecordMarkerLabel.UserClick();
  }
}

struct Recipe {
  const char* name;
  const char* input;  // a file of tests/golden/unattended/<name>/, or of examples/
  std::function<void(TParseView&)> build;
};

const Recipe kRecipes[] = {
    {"comma", "input.csv",
     [](TParseView& v) {
       NamesFromFirstRecord(v);
       GoToSheet(v, v.OutputConfiguration);
       Click(v.CloneButton);
       Click(v.DelimitedOutputButton);
       Click(v.OutputFieldNames);
     }},
    {"fixed", "input.csv",
     [](TParseView& v) {
       NamesFromFirstRecord(v);
       GoToSheet(v, v.ParseStreet);
       Pick(v.Street0, 0);
       ClickInputField(v, 1);
       GoToSheet(v, v.OutputConfiguration);
       Field(v, 1, 1, "24");
       Click(v.UpperCaseConversion);
       Field(v, 2, 3, "12");
       Click(v.AddFieldButton);
       Pick(v.ParsedItemNames, kStdAddress - kEmptyField);  // the list starts at Empty Field
       SetWidth(v, "30");
       Click(v.FixedFormatOutputButton);
     }},
    {"dbase", "input.csv",
     [](TParseView& v) {
       NamesFromFirstRecord(v);
       GoToSheet(v, v.OutputConfiguration);
       Field(v, 1, 1, "20");
       Field(v, 2, 4, "10");
       Click(v.NumericOutputBox);
       TypeAndEnter(v.DecimalPlaces, "2");
       Click(v.DbaseOutputButton);
     }},
    {"xml", "input.csv",
     [](TParseView& v) {
       NamesFromFirstRecord(v);
       GoToSheet(v, v.OutputConfiguration);
       Field(v, 1, 1, nullptr);
       Field(v, 2, 3, nullptr);
       Click(v.XML);
       GoToSheet(v, v.MiscTab);
       TypeAndEnter(v.XMLTableName, "People");
       TypeAndEnter(v.XMLRecordName, "Person");
     }},
    {"dates", "input.csv",
     [](TParseView& v) {
       GoToSheet(v, v.DateSheet);
       Click(v.DateInYMD);
       Click(v.DateYMD);
       Click(v.MonthA2);
       testing::Type(v.DateSeparator, "/");
       Pick(v.DateChoiceBox, 0);
       ClickInputField(v, 0);
       // Combination 1 is the amount times two, evaluated, then turned from miles into km.
       GoToSheet(v, v.CombineInputFields);
       Click(v.EvalCheckBox);
       Pick(v.ComboIn1, 0);
       ClickInputField(v, 1);
       Pick(v.ComboDiv2, 0);
       TypeAndEnter(v.ComboDivEnter, "*2");
       Click(v.ConvButton);
       v.ConvType.UserSelect(0);
       Pick(v.ConvFrom, 0);
       Pick(v.ConvTo, 1);
       GoToSheet(v, v.OutputConfiguration);
       for (int k : {kDate1, kWeekday1, kJulianDate1, kCombination1, kConvert1}) {
         if (k != kDate1) Click(v.AddFieldButton);
         Pick(v.ParsedItemNames, k - kEmptyField);
       }
     }},
    // A file whose last line is empty: that line is a record too.
    {"last_empty_line", "input.txt",
     [](TParseView& v) {
       GoToSheet(v, v.OutputConfiguration);
       Field(v, 1, 1, "3");
       Click(v.FixedFormatOutputButton);
     }},
    // Posted form data: a line that ends in "!" goes on in the next line; an inner "!" is data.
    {"web_form", "input.txt",
     [](TParseView& v) {
       Click(v.WebFormInput);
       GoToSheet(v, v.OutputConfiguration);
       Field(v, 1, 1, nullptr);
       Field(v, 2, 2, nullptr);
       Click(v.TabDelimitedOutputButton);
     }},
    // Ten header bytes, then records of text, packed, big-endian integer, zoned, float, byte.
    {"binary", "input.bin",
     [](TParseView& v) {
       Click(v.BinaryInput);
       TypeAndLeave(v, v.BinaryHeaderSizeIn, "10");
       TypeAndLeave(v, v.BinaryRecordSize, "16");
       Dividers(v, {3, 5, 7, 11, 15});
       Click(v.LocateFieldsButton);
       const struct {
         int field;
         tk::RadioButton& reading;
       } readings[] = {{2, v.BinPacked}, {3, v.BinInt}, {4, v.BinZoned}, {6, v.BinUns}};
       for (const auto& r : readings) {
         ClickInputField(v, r.field - 1);
         Click(r.reading);
       }
       testing::InReach(v.FirstByte);
       v.FirstByte.UserSelect(1);
       GoToSheet(v, v.OutputConfiguration);
       Click(v.CloneButton);
       Click(v.DelimitedOutputButton);
       Click(v.OutputFieldNames);
     }},
};

fs::path CaseDir(const Recipe& r) {
  return kSource / "tests/golden/unattended" / r.name;
}

bool Updating() {
  const char* update = std::getenv("GOLDEN_UPDATE");
  return update != nullptr && std::string(update) == "1";
}

void CheckGolden(const fs::path& path, const std::string& actual) {
  if (Updating()) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  EXPECT_TRUE(actual == testing::ReadBytes(path.string()))
      << path << " is not what the window makes now (GOLDEN_UPDATE=1 rewrites it)";
}

class UnattendedCases : public testing::ViewTest {};

TEST_F(UnattendedCases, SetUpsBuiltInTheWindowSaveAndConvertAsTheGoldenFoldersSay) {
  for (const Recipe& r : kRecipes) {
    SCOPED_TRACE(r.name);
    TParseView& view = OpenInput(r.input, testing::ReadBytes((CaseDir(r) / r.input).string()));
    r.build(view);
    fakes.dialogs.answers.push_back(Path(std::string(r.name) + ".vnq"));
    Click(view.SaveConfiguration);
    CheckGolden(CaseDir(r) / "setup.vnq", testing::ReadBytes(Path(std::string(r.name) + ".vnq")));
    const std::string converted =
        testing::RunInto(view, fakes.dialogs, Path(std::string(r.name) + ".converted"));
    for (const auto& m : fakes.messages.shown) ADD_FAILURE() << m.caption << ": " << m.text;
    CheckGolden(CaseDir(r) / "expected.out", converted);
  }
}

TEST_F(UnattendedCases, TheGoldenFoldersReplayUnattended) {
  for (const Recipe& r : kRecipes) {
    SCOPED_TRACE(r.name);
    const std::string out = Path(std::string(r.name) + ".out");
    TParseView& view =
        CreateAndShow({(CaseDir(r) / r.input).string(), (CaseDir(r) / "setup.vnq").string(), out});
    EXPECT_EQ(view.UnattendedExitCountdown, 1) << "the run started its end";
    EXPECT_EQ(testing::ReadBytes(out), testing::ReadBytes((CaseDir(r) / "expected.out").string()));
  }
}

// The example the README and `make run` use.
TEST_F(UnattendedCases, TheExamplePreferenceFileIsCurrent) {
  TParseView& view =
      OpenInput("contacts.csv", testing::ReadBytes((kSource / "examples/contacts.csv").string()));
  NamesFromFirstRecord(view);
  GoToSheet(view, view.ParseNameSheet);
  Pick(view.NameIn1, 0);
  ClickInputField(view, 0);
  GoToSheet(view, view.OutputConfiguration);
  // First name, last name and salutation from the name parser, then the phone field.
  for (int parsed : {kFirstName, kLastName, kSalutation}) {
    if (parsed != kFirstName) Click(view.AddFieldButton);
    Pick(view.ParsedItemNames, parsed - kEmptyField);
  }
  Field(view, 4, 4, nullptr);
  Click(view.DelimitedOutputButton);
  Click(view.OutputFieldNames);
  fakes.dialogs.answers.push_back(Path("contacts.vnq"));
  Click(view.SaveConfiguration);
  CheckGolden(kSource / "examples/contacts.vnq", testing::ReadBytes(Path("contacts.vnq")));
}

}  // namespace
}  // namespace vt
