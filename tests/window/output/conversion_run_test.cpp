// Conversion runs through the window: every format's file bytes, the log, the limits, Cancel
// and the refusals.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "window/conversion_fixture.h"
#include "window/output/conversion_run.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

namespace fs = std::filesystem;
using testing::Click;
using testing::FieldRow;
using testing::GoToSheet;
using testing::ReadBytes;

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "\"r" + std::to_string(i) + "\",\"x\"\r\n";
  return text;
}

int CountOf(const std::string& text, const std::string& piece) {
  int n = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
    ++n;
  return n;
}

// Output of a program on the path, or "" when it cannot be run.
std::string RunTool(const std::string& command) {
  std::FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return {};
  std::string text;
  char block[4096];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, pipe)) > 0;)
    text.append(block, got);
  return ::pclose(pipe) == 0 ? text : std::string();
}

bool ToolInstalled(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

class ConversionRunTest : public testing::ViewTest {
 protected:
  // Opens `csv` (`more_args` follow it on the command line), sets the fields up on the Output
  // sheet, then picks the format (dBase takes only fields that have their widths already).
  TParseView& Open(const std::string& csv, tk::RadioButton TParseView::*format,
                   const std::vector<FieldRow>& fields, std::vector<std::string> more_args = {}) {
    TParseView& view = OpenInput("in.csv", csv, std::move(more_args));
    Click(view.DelimitedInputButton);  // one-field lines are not guessed as comma
    testing::SetUpFields(view, fields);
    Click(view.*format);
    return view;
  }
  std::string RunInto(TParseView& view, const std::string& path) {
    return testing::RunInto(view, fakes.dialogs, path);
  }
  std::string Log(const TParseView& view) { return ReadBytes(view.LogFilePath); }
};

TEST_F(ConversionRunTest, UnattendedRunWritesTheFileWithoutDialogAndStartsTheCountdown) {
  TParseView& view = Open("\"a\",\"b\"\r\n\"c\",\"d\"\r\n", &TParseView::DelimitedOutputButton,
                          {{"One", 1, 0, 0x2, ""}, {"Two", 2, 0, 0x2, ""}}, {"", Path("out.csv")});
  Click(view.OutputFieldNames);
  EXPECT_EQ(RunInto(view, Path("out.csv")), "\"One\",\"Two\"\r\n\"a\",\"b\"\r\n\"c\",\"d\"\r\n");
  EXPECT_TRUE(fakes.dialogs.requests.empty());
  EXPECT_TRUE(fakes.messages.shown.empty());
  EXPECT_EQ(view.UnattendedExitCountdown, 1);
  EXPECT_EQ(view.BatchRun, 0);
  EXPECT_EQ(view.RecordNumber, 1) << "the first record is shown again";
  for (int tick = 0; tick < 5; ++tick) view.Timer1.Tick();
  EXPECT_EQ(fakes.app.exit_codes, std::vector<int>{0});
}

TEST_F(ConversionRunTest, LogEntryTextIsExact) {
  TParseView& view = Open("\"a\"\r\n\"b\"\r\n\"c\"\r\n", &TParseView::DelimitedOutputButton,
                          {{"One", 1, 0, 0x2, ""}});
  RunInto(view, Path("out.csv"));
  EXPECT_EQ(Log(view), "\nWed Mar  4 09:06:07 1998\n 3 records from " + Path("in.csv") + "\nto " +
                           Path("out.csv") + "\nusing preference file: \n");
  EXPECT_EQ(view.StatusBar1.PanelText(2), "3 records converted in 0.00 seconds, 9999 per minute.");
  fakes.messages.replies.push_back(tk::MessageReply::kYes);  // replace the first run's file
  RunInto(view, Path("out.csv"));
  EXPECT_EQ(CountOf(Log(view), "records from"), 2) << "entries are appended";
}

TEST_F(ConversionRunTest, StatisticsRateIsPerMinuteIn64Bits) {
  EXPECT_EQ(ConversionStatistics(3'000'000'000, 60),
            "3000000000 records converted in 60.00 seconds, 3000000000 per minute.");
  EXPECT_EQ(ConversionStatistics(7, 3), "7 records converted in 3.00 seconds, 140 per minute.");
}

TEST_F(ConversionRunTest, EveryRecordSkippedGivesAnEmptyFileAndZeroRecords) {
  // Field 2 is the Empty Field and skips every record.
  TParseView& view = Open(Lines(250), &TParseView::DelimitedOutputButton,
                          {{"One", 1, 0, 0x2, ""}, {"Gone", -kEmptyField, 0, 0x4002, ""}});
  fakes.events.calls = 0;
  EXPECT_EQ(RunInto(view, Path("out.csv")), "");
  EXPECT_NE(Log(view).find("\n 0 records from "), std::string::npos) << Log(view);
  EXPECT_EQ(fakes.events.calls, 2 + 2) << "start, probe and one progress point per 100 read";
}

TEST_F(ConversionRunTest, LimitStopsAfterOneThousandRecords) {
  TParseView& view =
      Open(Lines(5000), &TParseView::FixedFormatOutputButton, {{"One", 1, 6, 0x2, ""}});
  Click(view.Limit1000);
  const std::string out = RunInto(view, Path("out.txt"));
  EXPECT_EQ(CountOf(out, "\r\n"), 1000);
  EXPECT_NE(Log(view).find(" 1000 records from"), std::string::npos);
}

// The user presses Cancel while the run goes, without first changing the sheet in front.
TEST_F(ConversionRunTest, CancelStopsWithinOneHundredRecordsAndKeepsACompleteFile) {
  TParseView& view = Open(Lines(5000), &TParseView::XML, {{"One", 1, 0, 0x2, ""}});
  bool pressed = false;
  fakes.events.on_pump = [&view, &pressed] {
    if (view.BatchRun != 1 || view.RecordNumber <= 150 || pressed) return;
    pressed = true;
    Click(view.CancelOutput);
  };
  const std::string out = RunInto(view, Path("out.xml"));
  EXPECT_EQ(CountOf(out, "<RECORD>"), 200);
  EXPECT_TRUE(out.ends_with("</TABLE>\r\n")) << "the epilogue follows a cancelled run";
  EXPECT_FALSE(view.CancelOutput.Enabled());
  EXPECT_EQ(view.ConversionCancelled, 0);
  EXPECT_NE(Log(view).find(" 200 records from"), std::string::npos);
}

// A run trusts its field plans between progress points; a change a user makes while events run
// there (here Upper Case, which leaves the plain path) shows from the next record on.
TEST_F(ConversionRunTest, FieldChangesAtAProgressPointReachTheNextRecords) {
  TParseView& view =
      Open(Lines(250), &TParseView::FixedFormatOutputButton, {{"One", 1, 5, 0x2, ""}});
  fakes.events.on_pump = [&view] {
    if (view.BatchRun != 1 || view.RecordNumber <= 150 || view.UpperCaseConversion.Checked())
      return;
    GoToSheet(view, view.OutputConfiguration);  // the run put the Input sheet in front
    Click(view.UpperCaseConversion);
  };
  const std::string out = RunInto(view, Path("out.txt"));
  EXPECT_NE(out.find("r200 \r\n"), std::string::npos);
  EXPECT_NE(out.find("R201 \r\n"), std::string::npos) << "the change missed the records after it";
  EXPECT_NE(out.find("R250 \r\n"), std::string::npos);
}

// A run names the cut fields once between progress points; a name written while events run
// there is named again by the next cut.
TEST_F(ConversionRunTest, FieldNamesWrittenAtAProgressPointAreNamedAgain) {
  TParseView& view =
      Open(Lines(250), &TParseView::FixedFormatOutputButton, {{"One", 1, 5, 0x2, ""}});
  std::vector<std::string> seen;
  fakes.events.on_pump = [&view, &seen] {
    if (view.BatchRun != 1) return;
    seen.push_back(view.InputFieldNames[2]);
    view.InputFieldNames[2] = "Changed";
  };
  RunInto(view, Path("out.txt"));
  EXPECT_EQ(seen, (std::vector<std::string>{"Field2", "Field2"}));
}

// Fixed-column runs make plain records straight into the record; at a progress point the
// output values list shows the values of the record just built all the same.
TEST_F(ConversionRunTest, ProgressShowsTheValuesOfADirectFixedRecord) {
  TParseView& view = Open(Lines(250), &TParseView::FixedFormatOutputButton,
                          {{"One", 1, 5, 0x2, ""}, {"Two", 2, 3, 0x2, ""}});
  std::vector<std::vector<std::string>> shown;
  fakes.events.on_pump = [&view, &shown] {
    if (view.BatchRun == 1) shown.push_back(view.OutputFieldsListBox.Items());
  };
  const std::string out = RunInto(view, Path("out.txt"));
  EXPECT_NE(out.find("r100 x  \r\n"), std::string::npos);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], (std::vector<std::string>{"r100 ", "x  "}));
  EXPECT_EQ(shown[1], (std::vector<std::string>{"r200 ", "x  "}));
}

// The conversion grid shows the results of the record at each progress point, whether or not a
// field takes them.
TEST_F(ConversionRunTest, ConversionGridFollowsTheRunAtEachProgressPoint) {
  std::string numbered;
  for (int i = 1; i <= 250; ++i) numbered += "\"r\"," + std::to_string(i) + "\r\n";
  const struct {
    const char* name;
    std::vector<FieldRow> fields;
  } rows[] = {{"a field takes Convert 1", {{"Convert 1", -kConvert1, 0, 0x2, ""}}},
              {"no field takes it", {{"One", 1, 0, 0x2, ""}}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& view = Open(numbered, &TParseView::DelimitedOutputButton, row.fields);
    GoToSheet(view, view.CombineInputFields);  // Combination 1 is field 2
    testing::Pick(view.ComboIn1, 0);
    testing::ClickInputField(view, 1);
    Click(view.ConvButton);  // Convert 1 doubles it
    testing::InReach(view.Conv);
    view.Conv.UserSetCell(4, 1, "2");
    view.Conv.UserSelect(0, 1);
    ASSERT_EQ(view.Conv.Cell(2, 1), "2");
    std::vector<std::string> shown;
    fakes.events.on_pump = [&view, &shown] {
      if (view.BatchRun == 1) shown.push_back(view.Conv.Cell(2, 1));
    };
    RunInto(view, Path(std::string("out ") + row.name));
    EXPECT_EQ(shown, (std::vector<std::string>{"200", "400"}));
    fakes.events.on_pump = nullptr;
  }
}

// A run that passes midnight: the records after the next progress point, and the date the end
// of a dBase file writes, take the new day.
TEST_F(ConversionRunTest, ARunPastMidnightDatesTheLaterRecordsAndTheHeaderByTheNewDay) {
  constexpr std::time_t kMarch4 = 888969600;  // 1998-03-04 00:00:00
  fakes.clock.now = kMarch4 + 86399;
  TParseView& view = Open(Lines(250), &TParseView::DbaseOutputButton,
                          {{"Today's Date", -kTodaysDate, 0,
                            kFlagRemoveBlanks | kFlagDateSource | kFlagDbaseDate, ""}});
  std::vector<std::string> labels;
  fakes.events.on_pump = [this, &view, &labels] {
    if (view.BatchRun != 1) return;
    labels.push_back(view.TodayLabel.Caption());
    fakes.clock.now = kMarch4 + 86400 + 1;
  };
  const std::string f = RunInto(view, Path("out.dbf"));
  ASSERT_EQ(f.size(), 65u + 250 * 9 + 1);
  EXPECT_EQ(f.substr(1, 3), "\x62\x03\x05") << "the date the run ended on";
  EXPECT_EQ(f.substr(65 + 199 * 9, 9), " 19980304");
  EXPECT_EQ(f.substr(65 + 200 * 9, 9), " 19980305") << "the next progress point reads the clock";
  EXPECT_EQ(labels, (std::vector<std::string>{"Mar 04 1998", "Mar 05 1998"}));
}

TEST_F(ConversionRunTest, ExitDuringARunCancelsItFirst) {
  TParseView& view = Open(Lines(1000), &TParseView::DelimitedOutputButton, {{"One", 1, 0, 0, ""}});
  fakes.events.on_pump = [&view] {
    if (view.BatchRun == 1) Click(view.Exit1);
  };
  const std::string out = RunInto(view, Path("out.csv"));
  EXPECT_EQ(CountOf(out, "\r\n"), 100);
  EXPECT_FALSE(fakes.app.exit_codes.empty());
}

TEST_F(ConversionRunTest, OpenCloseAndSaveDoNothingWhileARunIsGoing) {
  TParseView& view = Open(Lines(300), &TParseView::DelimitedOutputButton, {{"One", 1, 0, 0, ""}});
  int pumps_in_run = 0;
  fakes.events.on_pump = [&] {
    if (view.BatchRun != 1) return;
    ++pumps_in_run;
    view.Open1.UserClick();
    view.CloseFile1.UserClick();
    view.SaveConvertedFile.UserClick();
  };
  const std::string out = RunInto(view, Path("out.csv"));
  EXPECT_EQ(pumps_in_run, 3);
  EXPECT_EQ(CountOf(out, "\r\n"), 300);
  EXPECT_EQ(view.InputFileName, Path("in.csv"));
  EXPECT_EQ(fakes.dialogs.requests.size(), 1u) << "the run's own save dialog only";
}

TEST_F(ConversionRunTest, DbaseHeaderDescriptorsRecordsAndEndByte) {
  TParseView& view = Open("\"Ann\",12.5\r\n\"Bob\",3\r\n", &TParseView::DbaseOutputButton,
                          {{"Name", 1, 20, 0x2, ""}, {"Amount", 2, 8, 0x3, "2"}});
  GoToSheet(view, view.DateSheet);  // which offers the Y2K header for dBase output
  Click(view.DBVer);
  const std::string f = RunInto(view, Path("out.dbf"));
  ASSERT_EQ(f.size(), 97u + 2 * 29 + 1);
  auto byte = [&f](std::size_t at) { return static_cast<unsigned char>(f[at]); };
  EXPECT_EQ(byte(0), 0x03);
  EXPECT_EQ(byte(1), 98 + 100) << "two-digit year, plus 100 for the Y2K header";
  EXPECT_EQ(byte(2), 3);
  EXPECT_EQ(byte(3), 4);
  EXPECT_EQ(f.substr(4, 4), std::string("\x02\0\0\0", 4)) << "count rewritten at the end";
  EXPECT_EQ(byte(8) | byte(9) << 8, 97);
  EXPECT_EQ(byte(10) | byte(11) << 8, 29);
  EXPECT_EQ(f.substr(12, 20), std::string(20, '\0'));
  EXPECT_EQ(f.substr(32, 32),
            std::string("NAME\0\0\0\0\0\0\0C\0\0\0\0\x14", 17) + std::string(15, '\0'));
  EXPECT_EQ(f.substr(64, 32),
            std::string("AMOUNT\0\0\0\0\0N\0\0\0\0\x08\x02", 18) + std::string(14, '\0'));
  EXPECT_EQ(byte(96), 0x0D);
  EXPECT_EQ(f.substr(97, 1), " ");
  EXPECT_EQ(f.substr(98, 3), "Ann");
  EXPECT_EQ(byte(f.size() - 1), 0x1A);
  if (!ToolInstalled("dbfdump")) GTEST_SKIP() << "dbfdump is not installed";
  const std::string dump = RunTool("dbfdump " + Path("out.dbf"));
  EXPECT_NE(dump.find("Ann"), std::string::npos) << dump;
  EXPECT_NE(dump.find("12.50"), std::string::npos) << dump;
  EXPECT_NE(dump.find("Bob"), std::string::npos) << dump;
}

TEST_F(ConversionRunTest, DbaseAppendCountsTheRecordsAlreadyThere) {
  TParseView& view =
      Open("\"Ann\"\r\n\"Bob\"\r\n", &TParseView::DbaseOutputButton, {{"Name", 1, 5, 0x2, ""}});
  RunInto(view, Path("out.dbf"));
  GoToSheet(view, view.OutputConfiguration);
  Click(view.AppendFile);
  const std::string f = RunInto(view, Path("out.dbf"));
  ASSERT_EQ(f.size(), 65u + 4 * 6 + 1);
  EXPECT_EQ(f[4], 4);
  EXPECT_EQ(f.substr(65), " Ann   Bob   Ann   Bob  \x1A");
}

TEST_F(ConversionRunTest, DbaseInputPassesOverDeletedRecordsAndReadsLikeNext) {
  TParseView& first = Open("\"Ann\",\"1\"\r\n\"Bob\",\"2\"\r\n\"Cy\",\"3\"\r\n",
                           &TParseView::DbaseOutputButton, {{"Name", 1, 4, 0x2, ""}});
  std::string table = RunInto(first, Path("table.dbf"));
  ASSERT_EQ(table.size(), 65u + 3 * 5 + 1);
  table[65 + 2 * 5] = '*';  // the last record is deleted
  TParseView& view = OpenInput("table.dbf", table);
  ASSERT_EQ(view.DbaseInputActive, 1);
  ASSERT_EQ(view.InputFieldValues[1], "Ann ");
  testing::SetUpFields(view, {{"N", 1, 0, 0x2, ""}, {"No", -kRecordNumber, 0, 0, ""}});
  Click(view.TabDelimitedOutputButton);
  EXPECT_EQ(RunInto(view, Path("out.txt")), "Ann\t1\r\nBob\t2\r\n");
  EXPECT_EQ(view.InputFieldValues[1], "Ann ") << "the first record is shown again";
}

TEST_F(ConversionRunTest, LineBreakMarkersBecomeTheTerminatorAsTheRecordIsWritten) {
  struct Row {
    const char* name;
    tk::RadioButton TParseView::*format;
    const char* expected;
  };
  const Row rows[] = {
      {"fixed", &TParseView::FixedFormatOutputButton, "a\r\nb\r\n"},
      {"merge", &TParseView::WordPerfect,
       "a\x12\x12\x05\x0A\x12"
       "b\x12\x05\x0A"},
      {"dbase keeps the length", &TParseView::DbaseOutputButton, " a b"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& view =
        Open("\"a\",\"b\"\r\n", row.format,
             {{"A", 1, 1, 0, ""}, {"Br", -kLineBreak, 1, 0, ""}, {"B", 2, 1, 0, ""}});
    std::string out = RunInto(view, Path(std::string("out ") + row.name));
    if (row.format == &TParseView::DbaseOutputButton) out = out.substr(129, out.size() - 130);
    EXPECT_EQ(out, row.expected);
  }
}

TEST_F(ConversionRunTest, XmlIsWellFormedWithLongValuesAndControlBytes) {
  const std::string long_value(1400, '&');
  TParseView& view = Open("\"" + long_value + "\",\"a\x01\x0B<b>\"\r\n", &TParseView::XML,
                          {{"Long", 1, 0, 0, ""}, {"Ctl", 2, 0, 0, ""}});
  Click(view.OutputFieldNames);
  GoToSheet(view, view.MiscTab);
  testing::Type(view.XMLTableName, "my table");
  const std::string out = RunInto(view, Path("out.xml"));
  EXPECT_TRUE(out.starts_with("<?xml version=\"1.0\"?>\r\n<my_table>\r\n<RECORD>\r\n"))
      << "no name record before the declaration; names made valid when written";
  EXPECT_NE(out.find("<Ctl>a&lt;b&gt;</Ctl>"), std::string::npos);
  EXPECT_EQ(CountOf(out, "&amp;"), 1299) << "a long value (cut at 1,299) is escaped too";
  EXPECT_TRUE(out.ends_with("</my_table>\r\n"));
  if (!ToolInstalled("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(std::system(("xmllint --noout " + Path("out.xml")).c_str()), 0);
}

TEST_F(ConversionRunTest, FieldsCopiedUnderXmlOutputGetElementNames) {
  TParseView& view = OpenInput("in.csv", "\"First Name\",\"Caf\xE9\"\r\n\"Ann\",\"x\"\r\n");
  Click(view.TakeFirstRecordAsFieldName);
  GoToSheet(view, view.OutputConfiguration);
  Click(view.XML);
  Click(view.CloneButton);
  const std::string out = RunInto(view, Path("out.xml"));
  EXPECT_EQ(out,
            "<?xml version=\"1.0\"?>\r\n<TABLE>\r\n<RECORD>\r\n<First_Name>Ann</First_Name>\r\n"
            "<Caf>x</Caf>\r\n\r\n</RECORD>\r\n</TABLE>\r\n");
  if (!ToolInstalled("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(std::system(("xmllint --noout " + Path("out.xml")).c_str()), 0);
}

// A blank repeats what the record before wrote, however the field formats its numbers.
TEST_F(ConversionRunTest, DupIfBlankWritesThePreviousValueAsItWasWritten) {
  const struct {
    const char* name;
    const char* value;
    std::uint32_t flags;  // numeric, with or without "Zero blanks"
    int width;
    const char* decimals;
    std::vector<tk::CheckBox TParseView::*> boxes;
    tk::RadioButton TParseView::*style;
    const char* written;
  } rows[] = {
      {"Plain", "12.5", 0x3, 0, "", {}, nullptr, "12.5"},
      {"Times100", "0.125", 0x3, 0, "", {&TParseView::Mult100}, nullptr, "12.5"},
      {"Div100", "1234", 0x3, 0, "2", {&TParseView::Div100}, nullptr, "12.34"},
      {"Rounded", "2.5", 0x3, 0, "0", {&TParseView::Round}, nullptr, "3"},
      {"Hex", "255", 0x3, 0, "", {}, &TParseView::HexConversion, "FFH"},
      {"Sci", "1234.5", 0x3, 0, "", {}, &TParseView::ScientificConversion, "1.234500E+03"},
      {"Zeros", "-12", 0x3, 6, "", {&TParseView::NumLdgZero}, nullptr, "-00012"},
      {"Right", "12.5", 0x1, 6, "", {&TParseView::RightJustify}, nullptr, "  12.5"},
  };
  std::vector<FieldRow> fields;
  std::string first, blank, line;
  for (const auto& row : rows) {
    const int n = static_cast<int>(fields.size()) + 1;
    fields.push_back({row.name, n, row.width, row.flags, row.decimals});
    first += std::string(n == 1 ? "" : ",") + '"' + row.value + '"';
    blank += n == 1 ? "\"\"" : ",\"\"";
    line += std::string(n == 1 ? "" : "\t") + row.written;
  }
  TParseView& view = Open(first + "\r\n" + blank + "\r\n" + blank + "\r\n",
                          &TParseView::TabDelimitedOutputButton, fields);
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    testing::SelectOutputField(view, static_cast<int>(i));
    for (auto box : rows[i].boxes) Click(view.*box);
    if (rows[i].style != nullptr) Click(view.*rows[i].style);
    Click(view.DupIfBlank);
  }
  const std::string out = RunInto(view, Path("out.txt"));
  EXPECT_EQ(out, line + "\r\n" + line + "\r\n" + line + "\r\n");
}

TEST_F(ConversionRunTest, CommaFieldNamesAreQuotedAndCutToTheirWidth) {
  TParseView& view =
      Open("\"Ann\"\r\n", &TParseView::DelimitedOutputButton, {{"Customer", 1, 5, 0x2, ""}});
  Click(view.OutputFieldNames);
  EXPECT_EQ(RunInto(view, Path("out.csv")), "\"Custo\"\r\n\"Ann  \"\r\n");
}

TEST_F(ConversionRunTest, CommaAppendAddsRecordsWithoutANameRecord) {
  TParseView& view =
      Open("\"Ann\"\r\n", &TParseView::DelimitedOutputButton, {{"N", 1, 0, 0x2, ""}});
  Click(view.OutputFieldNames);
  WriteFile(Path("out.csv"), "old\r\n");
  Click(view.AppendFile);
  EXPECT_EQ(RunInto(view, Path("out.csv")), "old\r\n\"Ann\"\r\n");
}

TEST_F(ConversionRunTest, XmlAppendTakesTheNamesOfTheFileAndReplacesItsClosingTag) {
  TParseView& view = Open("\"Ann\",\"x\"\r\n", &TParseView::XML, {{"N", 1, 0, 0x2, ""}});
  WriteFile(Path("out.xml"),
            "<?xml version=\"1.0\"?>\r\n<people>\r\n<person>\r\n<N>Old</N>\r\n"
            "</person>\r\n</people>\r\n   \r\n");
  Click(view.AppendFile);
  const std::string out = RunInto(view, Path("out.xml"));
  EXPECT_EQ(view.XMLTableName.Text(), "people");
  EXPECT_EQ(view.XMLRecordName.Text(), "person");
  EXPECT_EQ(out.substr(out.find("</person>") + 11),
            "<person>\r\n<N>Ann</N>\r\n\r\n</person>\r\n</people>\r\n");
  if (!ToolInstalled("xmllint")) GTEST_SKIP() << "xmllint is not installed";
  EXPECT_EQ(std::system(("xmllint --noout " + Path("out.xml")).c_str()), 0);
}

TEST_F(ConversionRunTest, XmlAppendToAFileThatIsNotXmlLeavesItAlone) {
  TParseView& view = Open("\"Ann\",\"x\"\r\n", &TParseView::XML, {{"N", 1, 0, 0x2, ""}});
  WriteFile(Path("out.xml"), "plain text");
  Click(view.AppendFile);
  EXPECT_EQ(RunInto(view, Path("out.xml")), "plain text");
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, "The append file selected is not XML.");
  EXPECT_EQ(fakes.messages.shown[0].caption, "File Error");
}

TEST_F(ConversionRunTest, TheInputIsNeverOverwrittenUnderAnotherSpelling) {
  struct Row {
    const char* name;
    std::string path;
  };
  WriteFile(Path("in.csv"), "\"a\"\r\n");
  fs::create_symlink(Path("in.csv"), Path("link.csv"));
  const Row rows[] = {
      {"same name", Path("in.csv")},
      {"other case", Path("IN.CSV")},
      {"dot segment", (fs::path(Path("")) / "." / "in.csv").string()},
      {"symbolic link", Path("link.csv")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& view = Open("\"a\"\r\n", &TParseView::DelimitedOutputButton, {{"N", 1, 0, 0, ""}});
    fakes.messages.shown.clear();
    RunInto(view, row.path);
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "You cannot overwrite the input file.");
    EXPECT_EQ(fakes.messages.shown[0].caption, "File Save");
    EXPECT_EQ(ReadBytes(Path("in.csv")), "\"a\"\r\n");
    EXPECT_EQ(view.UnattendedExitCountdown, 0);
  }
}

// A run the user started says it in a box; a run from the command line, which nobody may be
// there to answer, says it on standard error and ends the program with a failure status.
TEST_F(ConversionRunTest, AnOutputThatCannotBeOpenedIsSaidAndNothingReachesTheClipboard) {
  const struct {
    const char* name;
    std::vector<std::string> args;
    bool boxed;
  } rows[] = {{"the user's run", {}, true}, {"a command-line run", {"", "*"}, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& view = Open("\"a\"\r\n", &TParseView::ClipOut, {{"N", 1, 0, 0, ""}}, row.args);
    view.ClipOutTransferPath = Path("missing/dir/clip.txt");
    fakes.clipboard.text = "before";
    fakes.messages.shown.clear();
    fakes.app.errors.clear();
    RunInto(view, "*");
    if (row.boxed) {
      ASSERT_EQ(fakes.messages.shown.size(), 1u);
      EXPECT_EQ(fakes.messages.shown[0].text, "Cannot open that file.");
      EXPECT_EQ(fakes.messages.shown[0].caption, Path("missing/dir/clip.txt"));
      EXPECT_TRUE(fakes.app.errors.empty());
      EXPECT_EQ(view.UnattendedExitCountdown, 0);
    } else {
      EXPECT_TRUE(fakes.messages.shown.empty());
      EXPECT_EQ(fakes.app.errors, std::vector<std::string>{Path("missing/dir/clip.txt") +
                                                           ": Cannot open that file."});
      for (int tick = 0; tick < 5; ++tick) view.Timer1.Tick();
      EXPECT_EQ(fakes.app.exit_codes, std::vector<int>{1});
    }
    EXPECT_EQ(fakes.clipboard.text, "before");
    EXPECT_FALSE(fs::exists(view.LogFilePath));
  }
}

TEST_F(ConversionRunTest, ClipboardOutputGoesToTheClipboard) {
  TParseView& view = Open("\"a\",\"b\"\r\n", &TParseView::DelimitedOutputButton,
                          {{"A", 1, 0, 0, ""}, {"B", 2, 0, 0, ""}}, {"", "*"});
  RunInto(view, "*");
  EXPECT_TRUE(view.ClipOut.Checked());
  EXPECT_EQ(fakes.clipboard.text, "a\tb\r\n");
  EXPECT_EQ(ReadBytes(view.ClipOutTransferPath), "a\tb\r\n");
}

TEST_F(ConversionRunTest, AReplacedFileIsSwappedWholeAndNoTemporaryFileStays) {
  TParseView& view = Open("\"a\"\r\n", &TParseView::DelimitedOutputButton, {{"N", 1, 0, 0, ""}});
  WriteFile(Path("out.csv"), std::string(5000, 'x'));
  fs::permissions(Path("out.csv"), fs::perms::owner_read | fs::perms::owner_write);
  fakes.messages.replies.push_back(tk::MessageReply::kYes);
  EXPECT_EQ(RunInto(view, Path("out.csv")), "\"a\"\r\n");
  EXPECT_EQ(fs::status(Path("out.csv")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(Path(""))) files += entry.is_regular_file();
  EXPECT_EQ(files, 2) << "in.csv and out.csv only";
}

TEST_F(ConversionRunTest, TheDialogNamesTheFileAndAnExistingFileIsOnlyReplacedOnYes) {
  TParseView& view = Open("\"a\"\r\n", &TParseView::DelimitedOutputButton, {{"N", 1, 0, 0, ""}});
  Click(view.OutputFieldNames);
  WriteFile(Path("out.csv"), "keep");
  fakes.dialogs.answers = {Path("out.csv"), Path("out.csv")};
  Click(view.SaveConvertedFile);
  ASSERT_EQ(fakes.dialogs.requests.size(), 1u);
  EXPECT_EQ(fakes.dialogs.requests[0].title,
            "Please choose a name for the converted file you are saving");
  EXPECT_EQ(fakes.dialogs.requests[0].filter, "Comma Delimited, Quoted Strings, Field Names|*");
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, Path("out.csv") + " exists. Overwrite?");
  EXPECT_EQ(fakes.messages.shown[0].caption, "File exists");
  EXPECT_EQ(ReadBytes(Path("out.csv")), "keep");
  fakes.messages.replies = {tk::MessageReply::kYes};
  Click(view.SaveConvertedFile);
  EXPECT_EQ(ReadBytes(Path("out.csv")), "\"N\"\r\n\"a\"\r\n");
  EXPECT_EQ(fakes.settings.Read(view.SettingsFilePath, "Setup", "LastOutput", "", 255), Path(""));
  EXPECT_EQ(view.UnattendedExitCountdown, 0);
}

TEST_F(ConversionRunTest, DbaseFieldWithoutDecimalsIsRefusedBeforeAnythingIsOpened) {
  // dBase takes the field as it stands; made numeric afterwards it lacks its decimals.
  TParseView& view = Open("\"1\"\r\n", &TParseView::DbaseOutputButton, {{"Amount", 1, 8, 0, ""}});
  ASSERT_TRUE(view.DbaseOutputButton.Checked());
  Click(view.NumericOutputBox);
  RunInto(view, Path("out.dbf"));
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].caption, "Output Format Alert");
  EXPECT_FALSE(view.DbaseOutputButton.Checked());
  EXPECT_FALSE(fs::exists(Path("out.dbf")));
}

}  // namespace
}  // namespace vt
