// Opening and stepping through real files as a user would: the type guess, Next and Previous
// to the end and back, the cutters' fields, dBase tables, dividers and the refusals.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "input/ebcdic.h"
#include "strings/fixed_text.h"
#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ViewTest;

constexpr const char* kEnd = "*** End of File Reached ***";

std::vector<std::string> Names(const TParseView& v) {
  return v.InputFieldNamesListBox.Items();
}
std::vector<std::string> Values(const TParseView& v) {
  return v.InputFieldsListBox.Items();
}

class InputScenarioTest : public ViewTest {};

TEST_F(InputScenarioTest, CommaDelimitedWithQuotesStepsToTheEndAndBack) {
  TParseView& v = OpenInput("in.csv",
                            "\"Smith, John\",\"42\"\n"
                            "\"say \"hi\" now\",x,\r\n"
                            "a,,b\n"
                            "\"p\",\"q\"");
  EXPECT_TRUE(v.DelimitedInputButton.Checked());
  EXPECT_EQ(v.RecordNumber, 1);
  EXPECT_EQ(Names(v), (std::vector<std::string>{"Field1", "Field2"}));
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Smith, John", "42"}));
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"say \"hi\" now", "x"}))
      << "a quote ends a quoted field only before a comma; a trailing comma adds no field";
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"a", "", "b"}));
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"p", "q"})) << "the final quote is dropped";
  EXPECT_EQ(v.RecordNumber, 4);
  v.NextButton.UserClick();
  EXPECT_EQ(v.InputRecordLabel.Caption(), kEnd) << "no empty record after the last line";
  EXPECT_EQ(v.RecordNumber, 4);
  EXPECT_EQ(Values(v), (std::vector<std::string>{"p", "q"}));

  v.PrevButton.UserClick();
  EXPECT_EQ(v.RecordNumber, 3);
  EXPECT_EQ(Values(v), (std::vector<std::string>{"a", "", "b"}));
  for (int i = 0; i < 2; ++i) v.PrevButton.UserClick();
  EXPECT_EQ(v.RecordNumber, 1);
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Smith, John", "42"}));
  EXPECT_FALSE(v.PrevButton.Enabled());
  EXPECT_EQ(v.RecordNumberLabel.Caption(), "1");
  EXPECT_EQ(v.LowHint.Lines().back(),
            ",\" pairs were found so this is probably a Comma Delimited file.");
}

// Next ends where a run ends: the empty line after the last line end is a record, a last line
// that runs into the end with nothing left of it (stripped) is none.
TEST_F(InputScenarioTest, NextShowsTheEmptyLastLineAndThenTheEnd) {
  const struct {
    const char* bytes;
    bool strip;
    std::vector<std::string> records;
  } rows[] = {
      {"yes\r\n\r\n", false, {"yes", ""}},
      {"yes\r\n", false, {"yes"}},
      {"yes\r\n\x01", true, {"yes"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.bytes);
    TParseView& v = OpenInput("last.txt", row.bytes);
    if (row.strip) {
      testing::GoToSheet(v, v.MiscTab);
      testing::Click(v.OmitControlChar);
    }
    for (std::size_t k = 1; k <= row.records.size(); ++k) {
      if (k > 1) v.NextButton.UserClick();
      EXPECT_EQ(v.RecordNumber, static_cast<int>(k));
      EXPECT_EQ(v.InputRecordLabel.Caption(), row.records[k - 1]);
    }
    v.NextButton.UserClick();
    EXPECT_EQ(v.InputRecordLabel.Caption(), kEnd);
    EXPECT_EQ(v.RecordNumber, static_cast<int>(row.records.size()));
  }
}

// The cutter names fields only where a name differs from "Field<n>": a name written since the
// last cut (of any length, one byte off) is named again, and every digit count is right.
TEST_F(InputScenarioTest, DelimitedCutsRenameFieldsThatWereChanged) {
  std::string line;
  for (int i = 1; i <= 1200; ++i) line += "v" + std::to_string(i) + ",";
  TParseView& v = OpenInput("names.txt", line + "\n" + line + "\n");
  v.NextButton.UserClick();
  const struct {
    std::size_t field;
    const char* written;
    const char* expected;
  } rows[] = {
      {1, "Field2", "Field1"},
      {9, "Field9 ", "Field9"},
      {10, "Field1", "Field10"},
      {99, "Fielf99", "Field99"},
      {100, "", "Field100"},
      {512, "field512", "Field512"},
      {999, "Field998", "Field999"},
      {1000, "Field1", "Field1000"},
      {1200, "Gield1200", "Field1200"},
  };
  for (const auto& row : rows) v.InputFieldNames[row.field] = row.written;
  v.ParseInputLine.Click();  // the cutter step alone
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(v.InputFieldNames[row.field], row.expected);
  }
  EXPECT_EQ(v.InputFieldNames[1201], "") << "no name above the fields cut";
}

TEST_F(InputScenarioTest, FieldAndValueLimits) {
  std::string line;
  for (int i = 1; i <= 1600; ++i) line += "v" + std::to_string(i) + ",";
  line += std::string(2000, 'L');
  TParseView& v =
      OpenInput("wide.txt", "a,\"b\"\n" + line + "\n\"" + std::string(1400, 'q') + "\n");
  v.NextButton.UserClick();
  EXPECT_EQ(v.InputFieldCounts[0], 1500);
  EXPECT_EQ(v.InputFieldTotal, 1500);
  EXPECT_EQ(Names(v).back(), "Field1500");
  EXPECT_EQ(Values(v).back(), "v1500");
  v.NextButton.UserClick();
  EXPECT_EQ(v.InputFieldCounts[0], 1);
  EXPECT_EQ(v.InputFieldValues[1], std::string(1299, 'q'));
}

// A change of input type starts the input again: nothing lies before its first record.
TEST_F(InputScenarioTest, PreviousWaitsForTheSecondRecordAfterATypeChange) {
  const struct {
    const char* name;
    tk::RadioButton TParseView::*type;
  } rows[] = {{"fixed", &TParseView::FixedInputButton},
              {"other delimiter", &TParseView::SpecialInputButton},
              {"page image", &TParseView::PageInputButton}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& v = OpenInput("in.csv", "\"a\",\"1\"\n\"b\",\"2\"\n\"c\",\"3\"\n");
    Click(v.NextButton);
    Click(v.NextButton);
    Click(v.*row.type);
    EXPECT_EQ(v.RecordNumber, 0);
    EXPECT_FALSE(v.PrevButton.Enabled());
    Click(v.NextButton);
    EXPECT_EQ(v.RecordNumber, 1);
    EXPECT_FALSE(v.PrevButton.Enabled());
  }
}

TEST_F(InputScenarioTest, TabDelimited) {
  TParseView& v = OpenInput("in.tsv", "name\tcity\nAnn\tOslo\n");
  EXPECT_TRUE(v.TabInputButton.Checked());
  EXPECT_EQ(v.InputDelimiter[0], '\t');
  EXPECT_EQ(Values(v), (std::vector<std::string>{"name", "city"}));
  EXPECT_EQ(v.LowHint.Lines().back(),
            "Tabs (ASCII 9) were found so this is probably a Tab Delimited file.");
  EXPECT_EQ(v.InputRecordLabel.Caption(),
            "name\x80"
            "city")
      << "TABs take one marked column";
}

TEST_F(InputScenarioTest, OtherDelimiterChosenFromTheList) {
  TParseView& v = OpenInput("bars.txt", "a|b||c\nd|e\n");
  EXPECT_TRUE(v.FixedInputButton.Checked());
  EXPECT_EQ(Names(v), (std::vector<std::string>{"Col1_End"}));
  v.SpecialInputButton.UserClick();
  EXPECT_TRUE(v.DelimChoice.Visible());
  EXPECT_EQ(v.DelimChoice.ItemIndex(), 31) << "the blank, the starting delimiter";
  v.DelimChoice.UserSelect(123);
  EXPECT_EQ(v.InputDelimiter[0], '|');
  EXPECT_EQ(v.SpecialDelimiterInputBox.Text(), "|");
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"a", "b", "", "c"}));
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"d", "e"}));

  v.SpecialDelimiterInputBox.UserSetText("");
  EXPECT_EQ(v.InputDelimiter[0], '|') << "an empty box changes nothing";
  EXPECT_EQ(Values(v), (std::vector<std::string>{"d", "e"}));
}

// A NUL inside a field is a byte of that field for every cutter: in the type guess, in the
// record shown, stepping back to it, and in the converted file.
TEST_F(InputScenarioTest, NulInsideAFieldIsKeptByEveryCutter) {
  const struct {
    const char* name;
    std::string file;
    tk::RadioButton TParseView::*guess;  // the type the open guesses
    tk::RadioButton TParseView::*type;
  } rows[] = {
      {"comma", std::string("\"a\0b\",\"c\"\n\"def\",\"g\"\n", 18),
       &TParseView::DelimitedInputButton, &TParseView::DelimitedInputButton},
      {"tab", std::string("a\0b\tc\ndef\tg\n", 12), &TParseView::TabInputButton,
       &TParseView::TabInputButton},
      {"other delimiter", std::string("a\0b|c\ndef|g\n", 12), &TParseView::FixedInputButton,
       &TParseView::SpecialInputButton},
      {"fixed", std::string("a\0bc\ndefg\n", 10), &TParseView::FixedInputButton,
       &TParseView::FixedInputButton},
  };
  const std::vector<std::string> first = {std::string("a\0b", 3), "c"};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& v = OpenInput("nul.txt", row.file);
    EXPECT_TRUE((v.*row.guess).Checked()) << "guessed from the first line, NUL and all";
    if (row.type == &TParseView::SpecialInputButton) {
      Click(v.SpecialInputButton);
      testing::TypeAndEnter(v.SpecialDelimiterInputBox, "|");
    } else if (row.type == &TParseView::FixedInputButton) {
      v.InputRecordMarkerLabel.UserMouseMove(2 * v.YardStick.Geometry().width + 1, 3);
      Click(v.InputRecordMarkerLabel);
    }
    EXPECT_EQ(Values(v), first);
    while (v.RecordNumber < 2) v.NextButton.UserClick();
    EXPECT_EQ(Values(v), (std::vector<std::string>{"def", "g"}));
    v.PrevButton.UserClick();
    EXPECT_EQ(Values(v), first);

    testing::SetUpFields(v, {{"One", 1, 3, 0, ""}, {"Two", 2, 1, 0, ""}});
    Click(v.TabDelimitedOutputButton);
    EXPECT_EQ(testing::RunInto(v, fakes.dialogs, Path(std::string("out ") + row.name)),
              std::string("a\0b\tc\r\ndef\tg\r\n", 14));
  }
}

TEST_F(InputScenarioTest, FixedFormatDividers) {
  TParseView& v = OpenInput("fixed.txt", "ABCDEFGHIJKLMNOP\nQRSTUVWXYZ\n");
  EXPECT_TRUE(v.FixedInputButton.Checked());
  EXPECT_EQ(Names(v), (std::vector<std::string>{"Col1_End"}));
  const int cell = v.YardStick.Geometry().width;
  v.InputRecordMarkerLabel.UserMouseMove(9 * cell + 1, 3);
  EXPECT_EQ(v.Position.Caption(), "10");
  EXPECT_EQ(v.BinaryTextLabel.Caption(), "J");
  EXPECT_EQ(v.HexValueLabel.Caption(), "4a");
  v.InputRecordMarkerLabel.UserClick();
  EXPECT_EQ(Names(v), (std::vector<std::string>{"Col1_10", "Col11_End"}));
  EXPECT_EQ(Values(v), (std::vector<std::string>{"ABCDEFGHIJ", "KLMNOP"}));
  EXPECT_EQ(v.MarkerLine.substr(0, 11), ":::::::::^:");
  EXPECT_EQ(v.PositionMarkedLabel.Caption(), "10");
  EXPECT_EQ(v.FieldNumberLabel.Caption(), "2");
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"QRSTUVWXYZ", ""}));
  v.InputRecordMarkerLabel.UserClick();
  EXPECT_EQ(Names(v), (std::vector<std::string>{"Col1_End"})) << "a second click removes it";

  // A click beyond the marker line's buffer is ignored.
  v.InputRecordMarkerLabel.UserMouseMove(40000 * cell, 3);
  v.InputRecordMarkerLabel.UserClick();
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(InputScenarioTest, NinetyNineFieldLimit) {
  TParseView& v = OpenInput("fixed.txt", std::string(300, 'x') + "\n");
  const int cell = v.YardStick.Geometry().width;
  for (int d = 1; d <= 97; ++d) {
    v.InputRecordMarkerLabel.UserMouseMove((2 * d) * cell, 0);
    v.InputRecordMarkerLabel.UserClick();
  }
  EXPECT_EQ(v.InputFieldTotal, 98);
  EXPECT_TRUE(fakes.messages.shown.empty());
  v.InputRecordMarkerLabel.UserMouseMove(250 * cell, 0);
  v.InputRecordMarkerLabel.UserClick();
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            "You may not define more than 99 input fields. To add another you must first delete "
            "one.");
  EXPECT_EQ(fakes.messages.shown[0].caption, "Too many fields");
  EXPECT_EQ(v.InputFieldTotal, 99) << "the 99th field is still made";
  v.InputRecordMarkerLabel.UserMouseMove(260 * cell, 0);
  v.InputRecordMarkerLabel.UserClick();
  EXPECT_EQ(fakes.messages.shown.size(), 2u);
  EXPECT_EQ(v.InputFieldTotal, 99);
  EXPECT_EQ(v.MarkerLine[260], ':');
  v.InputRecordMarkerLabel.UserMouseMove(250 * cell, 0);
  v.InputRecordMarkerLabel.UserClick();
  EXPECT_EQ(v.InputFieldTotal, 98) << "removing is always allowed";
  EXPECT_EQ(fakes.messages.shown.size(), 2u);
}

TEST_F(InputScenarioTest, ScrollingTheRecordView) {
  TParseView& v = OpenInput("long.txt", std::string(1000, 'a') + std::string(1000, 'b') + "\n");
  v.InputRecordScrollBar.UserSetPosition(250);
  EXPECT_EQ(v.InputLineOffset, 1000);
  EXPECT_EQ(v.InputOffsetLabel.Caption(), "1000");
  EXPECT_EQ(v.InputRecordLabel.Caption(), std::string(1000, 'b'));
}

TEST_F(InputScenarioTest, FirstRecordAsFieldNames) {
  const std::string long_name(80, 'N');
  TParseView& v = OpenInput("names.csv", "\"id\",\"" + long_name + "\"\n1,2\n3,4\n");
  v.TakeFirstRecordAsFieldName.UserClick();
  EXPECT_EQ(v.RecordNumber, 2);
  EXPECT_EQ(Names(v), (std::vector<std::string>{"id", std::string(63, 'N')}));
  EXPECT_EQ(Values(v), (std::vector<std::string>{"1", "2"}));
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"3", "4"}));
  v.PrevButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(v.RecordNumber, 2);
  EXPECT_EQ(Names(v)[0], "id") << "the names were taken again";
}

TEST_F(InputScenarioTest, RefusedExtensions) {
  const struct {
    const char* file;
    const char* text;
  } rows[] = {
      {"set.VnQ",
       "The extension VNQ indicates a Vontrask saved preferences file, not a file suitable for "
       "parsing."},
      {"prog.exe",
       "The extension EXE indicates an executable file, not a file suitable for "
       "parsing."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    fakes.messages.shown.clear();
    TParseView& v = OpenInput(row.file, "a,\"b\"\n");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, row.text);
    EXPECT_EQ(fakes.messages.shown[0].caption, "File Open");
    EXPECT_TRUE(v.Open1.Enabled());
  }
  fakes.messages.shown.clear();
  TParseView& v = OpenInput("a", "x\n");
  EXPECT_TRUE(fakes.messages.shown.empty()) << "a short name has no extension to test";
  EXPECT_FALSE(v.Open1.Enabled());
}

TEST_F(InputScenarioTest, DialogOpenRemembersTheFolderAndCloseReturnsToNoInput) {
  WriteFile(Path("d.txt"), "x\n");
  TParseView& v = CreateAndShow();
  fakes.dialogs.answers.push_back(Path("d.txt"));
  v.Open1.UserClick();
  EXPECT_EQ(v.InputFileName, Path("d.txt"));
  EXPECT_EQ(fakes.settings.Read(v.SettingsFilePath, "Setup", "LastInput", "", 255),
            Path("d.txt").substr(0, Path("d.txt").rfind('/') + 1));
  v.CloseFile1.UserClick();
  EXPECT_TRUE(v.Open1.Enabled());
  EXPECT_FALSE(v.PageControl.Enabled());
  EXPECT_TRUE(v.InputFieldNamesListBox.Items().empty());
  EXPECT_FALSE(v.InputTextStream.IsOpen());
  fakes.dialogs.answers.clear();
  v.Open1.UserClick();
  EXPECT_EQ(fakes.dialogs.requests.size(), 2u);
  EXPECT_TRUE(v.Open1.Enabled()) << "a cancelled dialog opens nothing";
}

TEST_F(InputScenarioTest, FormFeedHtmlAndXmlHints) {
  {
    TParseView& v = OpenInput("page.txt", "head\n\fpage two\n");
    EXPECT_TRUE(v.PageInputButton.Checked());
    EXPECT_TRUE(v.FormFeedButton.Checked());
    EXPECT_EQ(v.LowHint.Lines()[1],
              "Form Feeds (ASCII 12) were found, so this is probably a Page Image file.");
  }
  {
    TParseView& v = OpenInput("t.htm", "<html><table><tr><td>1</td></tr></table></html>\n");
    EXPECT_EQ(v.HtmlRowTag, "<tr");
    EXPECT_TRUE(v.HTMLTableCheckBox.Checked());
    ASSERT_EQ(v.LowHint.Lines().size(), 1u);
    EXPECT_EQ(v.LowHint.Lines()[0].substr(0, 46), "The beginning of an HTML table was detected in");
  }
  {
    TParseView& v =
        OpenInput("d.xml",
                  "<?xml version=\"1.0\"?>\n<list>\n<item><a>1</a><a>2</a><a>3</a></item>\n"
                  "<item><a>4</a></item>\n</list>\n");
    EXPECT_EQ(v.XmlInput, 1);
    EXPECT_EQ(v.XMLTableName.Text(), "list");
    EXPECT_EQ(v.XMLRecordName.Text(), "item");
    EXPECT_EQ(v.TagCount, 7);
    EXPECT_EQ(TextOf(v.TagTexts[7]), "<a>");
    EXPECT_EQ(v.TagOccurrences[5], 1);
    EXPECT_EQ(v.TagOccurrences[6], 2);
    EXPECT_EQ(v.TagOccurrences[7], 3);
    EXPECT_TRUE(v.IgnoreLineEnds.Checked());
    EXPECT_EQ(v.LowHint.Lines()[1], "This appears to be an XML Tagged Data file, see Page tab.");
  }
}

TEST_F(InputScenarioTest, EbcdicSwitchRestoresTheStartBlockAndReadsRecordsTranslated) {
  // EBCDIC records with line feeds added between them, as a transfer writes them.
  std::string ebcdic = "AB12,\"x\"\nC\x01\n";
  for (char& c : ebcdic) {
    if (c != '\n') c = AsciiToEbcdic(c);
  }
  TParseView& v = OpenInput("e.dat", ebcdic);
  const auto before = v.StartOfFileBuffer;
  v.EbcdicIn.UserClick();
  EXPECT_TRUE(v.EbcdicIn.Checked());
  EXPECT_FALSE(v.ReverseEbcdic.Enabled());
  EXPECT_EQ(std::string(v.StartOfFileBuffer.data(), 8), "AB12,\"x\"");
  EXPECT_EQ(v.InputLine, "AB12,\"x\"");
  testing::GoToSheet(v, v.MiscTab);
  testing::Click(v.OmitControlChar);
  v.NextButton.UserClick();
  EXPECT_EQ(v.InputLine, "C") << "translated before control bytes are stripped";
  v.EbcdicIn.UserClick();
  EXPECT_TRUE(v.StartOfFileBuffer == before) << "switching back restores every byte";
}

struct DbaseColumn {
  std::string name;
  char type;
  int length;
};

// The header of a dBase III table last updated on 4 March 2024, with its field descriptors.
std::string DbaseHead(const std::vector<DbaseColumn>& columns, int records, int record_length) {
  std::string bytes(32, '\0');
  bytes[0] = 3;
  bytes[1] = 124;
  bytes[2] = 3;
  bytes[3] = 4;
  bytes[4] = static_cast<char>(records);
  const int header = 32 + 32 * static_cast<int>(columns.size()) + 1;
  bytes[8] = static_cast<char>(header & 0xFF);
  bytes[9] = static_cast<char>(header >> 8);
  bytes[10] = static_cast<char>(record_length & 0xFF);
  bytes[11] = static_cast<char>(record_length >> 8);
  for (const DbaseColumn& c : columns) {
    std::string d(32, '\0');
    d.replace(0, c.name.size(), c.name);
    d[11] = c.type;
    d[16] = static_cast<char>(c.length);
    bytes += d;
  }
  return bytes + '\r';
}

// A dBase III table with a character, a numeric and an integer field, the second record
// flagged deleted and two bytes of slack after the fields.
std::string SmallDbase() {
  std::string bytes =
      DbaseHead({{"NAME", 'C', 6}, {"QTY", 'N', 4}, {"CODE", 'I', 4}}, 3, 1 + 6 + 4 + 4 + 2);
  bytes += std::string(" Ann      7\x01\0\0\0zz", 17);
  bytes += std::string("*Bob     12\xFF\xFF\xFF\xFFzz", 17);
  bytes += std::string(" Cy       3\x02\0\0\0", 15);  // short last record
  return bytes;
}

TEST_F(InputScenarioTest, DbaseTableStepsWithAbsoluteSeeks) {
  TParseView& v = OpenInput("t.DbF", SmallDbase());
  EXPECT_EQ(v.DbaseInputActive, 1);
  EXPECT_TRUE(v.DbaseInput.Checked());
  EXPECT_TRUE(v.DBVer.Checked());
  EXPECT_EQ(Names(v), (std::vector<std::string>{"NAME", "QTY", "CODE"}));
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Ann   ", "   7", "1"}));
  EXPECT_EQ(v.LowHint.Lines()[1],
            "According to its file header it was last updated on 4 March 2024.");
  EXPECT_EQ(v.LowHint.Lines()[2], "3 records are contained in the dBase table.");
  EXPECT_FALSE(v.DeletedWarning.Visible());
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Bob   ", "  12", "-1"}));
  EXPECT_TRUE(v.DeletedWarning.Visible());
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Cy    ", "   3", "2"}));
  EXPECT_FALSE(v.NextButton.Enabled());
  v.PrevButton.UserClick();
  EXPECT_EQ(v.RecordNumber, 2);
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Bob   ", "  12", "-1"}));
  v.PrevButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Ann   ", "   7", "1"}));
  EXPECT_FALSE(v.PrevButton.Enabled());
}

TEST_F(InputScenarioTest, DbaseRefusalsReturnToNoInput) {
  std::string bytes = SmallDbase();
  bytes[8] = static_cast<char>((32 + 1501 * 32 + 1) & 0xFF);
  bytes[9] = static_cast<char>((32 + 1501 * 32 + 1) >> 8);
  TParseView& v = OpenInput("big.dbf", bytes);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, "Too many fields in file.");
  EXPECT_EQ(fakes.messages.shown[0].caption, Path("big.dbf"));
  EXPECT_TRUE(v.Open1.Enabled());
  EXPECT_FALSE(v.PageControl.Enabled());
  EXPECT_EQ(v.DbaseInputActive, 0);
}

// Field f of record r in a table of 150 character fields of 250 bytes: a record of 37,501
// bytes, longer than the shown line.
std::string WideValue(int r, int f) {
  std::string value = std::to_string(r) + "." + std::to_string(f);
  value.resize(249, '-');
  return value + '|';
}

TEST_F(InputScenarioTest, DbaseRecordLongerThanTheShownLineIsReadWhole) {
  std::vector<DbaseColumn> columns;
  for (int f = 1; f <= 150; ++f) columns.push_back({"F" + std::to_string(f), 'C', 250});
  std::string bytes = DbaseHead(columns, 3, 1 + 150 * 250);
  for (int r = 1; r <= 3; ++r) {
    bytes += ' ';
    for (int f = 1; f <= 150; ++f) bytes += WideValue(r, f);
  }
  TParseView& v = OpenInput("wide.dbf", bytes + '\x1A');
  ASSERT_TRUE(fakes.messages.shown.empty());
  ASSERT_EQ(v.DbaseInputActive, 1);
  EXPECT_EQ(Names(v).size(), 150u);
  EXPECT_EQ(v.InputFieldValues[150], WideValue(1, 150));
  EXPECT_EQ(v.InputLine.size(), 131u * 250) << "the shown line stops below 32,766 characters";
  v.NextButton.UserClick();
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v).back(), WideValue(3, 150));
  EXPECT_FALSE(v.NextButton.Enabled());
  v.PrevButton.UserClick();
  EXPECT_EQ(v.InputFieldValues[1], WideValue(2, 1));
  EXPECT_EQ(v.InputFieldValues[150], WideValue(2, 150));

  testing::SetUpFields(v, {{"First", 1, 250, 0, ""}, {"Last", 150, 250, 0, ""}});
  Click(v.TabDelimitedOutputButton);
  std::string expected;
  for (int r = 1; r <= 3; ++r) expected += WideValue(r, 1) + "\t" + WideValue(r, 150) + "\r\n";
  EXPECT_EQ(testing::RunInto(v, fakes.dialogs, Path("wide.txt")), expected);
}

// A table written by an independent dBase tool, when one is installed.
TEST_F(InputScenarioTest, DbaseTableFromAnIndependentTool) {
  if (std::system("command -v dbfcreate >/dev/null 2>&1 && command -v dbfadd >/dev/null 2>&1"))
    GTEST_SKIP() << "dbfcreate and dbfadd are not installed";
  const std::string path = Path("made.dbf");
  const std::string base = path.substr(0, path.size() - 4);
  const std::string commands = "dbfcreate '" + base + "' -s NAME 10 -n AGE 3 0 && dbfadd '" + base +
                               "' 'Ann Lee' 42 && dbfadd '" + base + "' Bo 7";
  ASSERT_EQ(std::system(commands.c_str()), 0);
  TParseView& v = CreateAndShow({path});
  EXPECT_EQ(Names(v), (std::vector<std::string>{"NAME", "AGE"}));
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Ann Lee   ", " 42"}));
  v.NextButton.UserClick();
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Bo        ", "  7"}));
  EXPECT_FALSE(v.NextButton.Enabled());
  v.PrevButton.UserClick();
  EXPECT_EQ(Values(v)[0], "Ann Lee   ");
}

TEST_F(InputScenarioTest, BinaryRecordsToTheEndAndBack) {
  std::string bytes;
  for (int i = 0; i < 120; ++i) bytes += static_cast<char>('A' + i % 26);
  bytes[1] = '\0';
  TParseView& v = OpenInput("b.bin", bytes);
  v.BinaryInput.UserClick();
  EXPECT_EQ(v.PageControl.ActivePage(), &v.BinaryInputTab);
  EXPECT_EQ(v.BinaryTypeBits(1), 1);
  v.NextButton.UserClick();
  EXPECT_EQ(v.InputLine.substr(0, 3), "A_C");
  EXPECT_EQ(v.BinaryRecordCopy.substr(0, 3), std::string("A\0C", 3));
  v.NextButton.UserClick();
  v.NextButton.UserClick();
  EXPECT_EQ(v.InputLine.size(), 20u);
  v.NextButton.UserClick();
  EXPECT_EQ(v.InputRecordLabel.Caption(), kEnd);
  EXPECT_EQ(v.RecordNumber, 3);
  v.PrevButton.UserClick();
  EXPECT_EQ(v.RecordNumber, 2);
  EXPECT_EQ(v.InputLine, bytes.substr(50, 50));
}

}  // namespace
}  // namespace vt
