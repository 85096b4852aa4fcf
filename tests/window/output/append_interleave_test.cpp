// Append, interleave, header and trailer blocks and the plug-in program, as a user sets them up:
// the bytes of the files written, read back by independent tools where they are installed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "output/generated_sources.h"
#include "toolkit/services/posix_process_runner.h"
#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

namespace fs = std::filesystem;
using testing::Click;
using testing::FieldRow;
using testing::GoToSheet;
using testing::Pick;
using testing::ReadBytes;
using testing::Type;

constexpr const char* kTwo = "\"Ann\",\"1\"\r\n\"Bob\",\"2\"\r\n";

// The first program of `names` on the path, or "".
std::string Tool(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0)
      return name;
  }
  return {};
}

std::string Output(const std::string& command) {
  std::string text;
  if (std::FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
    char block[4096];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, pipe)) > 0;)
      text.append(block, got);
    ::pclose(pipe);
  }
  return text;
}

std::string Numbered(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "\"r" + std::to_string(i) + "\"\r\n";
  return text;
}

class AppendInterleaveTest : public testing::ViewTest {
 protected:
  TParseView& Open(const std::string& csv, tk::RadioButton TParseView::*format,
                   const std::vector<FieldRow>& fields) {
    TParseView& view = OpenInput("in.csv", csv);
    Click(view.DelimitedInputButton);
    testing::SetUpFields(view, fields);
    Click(view.*format);
    return view;
  }
  std::string RunInto(TParseView& view, const std::string& path) {
    return testing::RunInto(view, fakes.dialogs, path);
  }
  void CheckAppend(TParseView& view) {
    GoToSheet(view, view.OutputConfiguration);
    Click(view.AppendFile);
  }
  void PickStreams(TParseView& view, int streams) {
    GoToSheet(view, view.Mailing);
    Pick(view.InterLeaf, streams - 1);
  }
  // Combination 1 to 4 are field 1, field 2, field 1, field 2, each in an output field, and
  // the plug-in is on and named `program`.
  TParseView& OpenWithPlugIn(const std::string& program) {
    TParseView& view = Open(kTwo, &TParseView::DelimitedOutputButton,
                            {{"C1", -kCombination1, 0, 0x2, ""},
                             {"C2", -kCombination2, 0, 0x2, ""},
                             {"C3", -kCombination3, 0, 0x2, ""},
                             {"C4", -kCombination4, 0, 0x2, ""}});
    GoToSheet(view, view.CombineInputFields);
    for (int combination = 0; combination < 4; ++combination) {
      Pick(view.ComboIn1, combination);
      testing::ClickInputField(view, combination % 2);
    }
    EXPECT_FALSE(view.PlugInProg.Visible());
    Click(view.UsePlugIn);
    EXPECT_TRUE(view.PlugInProg.Visible());
    EXPECT_TRUE(view.PlugInFileLabel.Visible());
    Type(view.PlugInProg, program);
    return view;
  }
  void WriteProgram(const std::string& name, const std::string& script) {
    WriteFile(ProgramDir() + "/" + name, "#!/bin/sh\n" + script);
    fs::permissions(ProgramDir() + "/" + name, fs::perms::owner_all);
  }
};

TEST_F(AppendInterleaveTest, AppendAddsARunsRecordsToAFileOfEveryFormat) {
  struct Row {
    const char* name;
    tk::RadioButton TParseView::*format;
  };
  const Row rows[] = {
      {"comma", &TParseView::DelimitedOutputButton},
      {"tab", &TParseView::TabDelimitedOutputButton},
      {"special", &TParseView::SpecialDelimitedOutputButton},
      {"fixed", &TParseView::FixedFormatOutputButton},
      {"merge", &TParseView::WordPerfect},
      {"clipboard", &TParseView::ClipOut},
      {"dbase", &TParseView::DbaseOutputButton},
      {"xml", &TParseView::XML},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& view = Open(kTwo, row.format, {{"N", 1, 3, 0x2, ""}, {"No", 2, 1, 0x2, ""}});
    const std::string path = Path(std::string("out.") + row.name);
    const std::string once = RunInto(view, path);
    CheckAppend(view);
    const std::string twice = RunInto(view, path);
    if (row.format == &TParseView::DbaseOutputButton) {
      ASSERT_EQ(once.size(), 97u + 2 * 5 + 1);
      EXPECT_EQ(twice, once.substr(0, 4) + std::string("\x04\0\0\0", 4) + once.substr(8, 97 - 8) +
                           " Ann1 Bob2 Ann1 Bob2\x1A");
      const std::string reader = Tool({"dbf_dump", "dbfdump"});
      if (!reader.empty()) {
        EXPECT_EQ(Output(reader + " " + path), "Ann:1\nBob:2\nAnn:1\nBob:2\n");
      }
    } else if (row.format == &TParseView::XML) {
      const std::size_t records = once.find("<RECORD>");
      const std::size_t close = once.rfind("</TABLE>");
      EXPECT_EQ(twice, once.substr(0, close) + once.substr(records));
      if (!Tool({"xmllint"}).empty()) {
        EXPECT_EQ(std::system(("xmllint --noout " + path).c_str()), 0);
      }
    } else {
      EXPECT_EQ(twice, once + once);
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
  }
}

TEST_F(AppendInterleaveTest, DbaseAppendKeepsEveryByteOfATableAndAsksBeforeReplacingAnyOtherFile) {
  TParseView& view = Open(kTwo, &TParseView::DbaseOutputButton, {{"N", 1, 3, 0x2, ""}});
  std::string table = RunInto(view, Path("made.dbf"));
  table.pop_back();  // a table some other program left without its end byte
  WriteFile(Path("out.dbf"), table);
  CheckAppend(view);
  EXPECT_EQ(RunInto(view, Path("out.dbf")).substr(4),
            std::string("\x04\0\0\0", 4) + table.substr(8, 57) + " Ann Bob Ann Bob\x1A");
  EXPECT_EQ(RunInto(view, Path("out.dbf"))[4], 6);

  WriteFile(Path("notes.dbf"), "not a table\r\n");
  fakes.messages.replies.push_back(tk::MessageReply::kNo);
  EXPECT_EQ(RunInto(view, Path("notes.dbf")), "not a table\r\n");
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, Path("notes.dbf") + " exists. Overwrite?");
  fakes.messages.replies.push_back(tk::MessageReply::kYes);
  EXPECT_EQ(RunInto(view, Path("notes.dbf")), table.substr(0, 65 + 8) + "\x1A") << "a new table";
}

// A table named as this program would not name it ("my-list") is still closed as the file had it.
TEST_F(AppendInterleaveTest, XmlAppendToAnEmptyTableKeepsTheRecordNameAndEndsAtTheClosingTag) {
  const struct {
    const char* table;
    const char* shown;  // the name the table box then shows
  } rows[] = {{"list", "list"}, {"my-list", "my_list"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.table);
    TParseView& view = Open(kTwo, &TParseView::XML, {{"N", 1, 0, 0x2, ""}});
    GoToSheet(view, view.MiscTab);
    Type(view.XMLRecordName, "ROW");
    const std::string table = row.table;
    WriteFile(Path("out.xml"),
              "<?xml version=\"1.0\"?>\r\n<" + table + ">\r\n</" + table + ">\r\n<!-- end -->\r\n");
    CheckAppend(view);
    EXPECT_EQ(RunInto(view, Path("out.xml")), "<?xml version=\"1.0\"?>\r\n<" + table +
                                                  ">\r\n<ROW>\r\n<N>Ann</N>\r\n\r\n</ROW>\r\n"
                                                  "<ROW>\r\n<N>Bob</N>\r\n\r\n</ROW>\r\n</" +
                                                  table + ">\r\n");
    EXPECT_EQ(view.XMLTableName.Text(), row.shown);
  }
}

TEST_F(AppendInterleaveTest, EveryStreamCountIsPaddedAndKeepsTheNameRecordFirst) {
  for (int streams = 1; streams <= 32; ++streams) {
    SCOPED_TRACE(std::to_string(streams) + " streams");
    TParseView& view = Open(Numbered(10), &TParseView::TabDelimitedOutputButton,
                            {{"No", -kRecordNumber, 0, 0x2, ""}, {"N", 1, 0, 0x2, ""}});
    Click(view.OutputFieldNames);
    PickStreams(view, streams);
    // 10 records, 3 streams: 1, 5, 9, 2, 6, 10, 3, 7, 11, 4, 8, 12 (11 and 12 are padding).
    const int per_stream = (10 + streams - 1) / streams;
    std::string expected = "No\tN\r\n";
    for (int k = 0; k < per_stream * streams; ++k) {
      const int n = (k % streams) * per_stream + k / streams + 1;
      expected += std::to_string(n) + "\t" + (n <= 10 ? "r" + std::to_string(n) : "") + "\r\n";
    }
    const std::string path = Path("out" + std::to_string(streams) + ".txt");
    EXPECT_EQ(RunInto(view, path), expected);
    if (streams != 3) continue;
    EXPECT_EQ(ReadBytes(view.TempFilePath).substr(0, 13), "No\tN\r\n1\tr1\r\n2") << "the work file";
    EXPECT_NE(ReadBytes(view.LogFilePath).find(" 12 records from "), std::string::npos);
  }
}

TEST_F(AppendInterleaveTest, AFailedPassKeepsTheRecordsAsWrittenAndSaysWhere) {
  TParseView& view = Open(Numbered(4), &TParseView::TabDelimitedOutputButton, {{"N", 1, 0, 2, ""}});
  PickStreams(view, 2);
  fs::create_directories(view.TempFilePath + "/busy");  // the work file cannot be made
  WriteFile(Path("out.txt"), "old\r\n");
  fakes.messages.replies.push_back(tk::MessageReply::kYes);
  EXPECT_EQ(RunInto(view, Path("out.txt")), "r1\r\nr2\r\nr3\r\nr4\r\n");
  ASSERT_EQ(fakes.messages.shown.size(), 2u);
  EXPECT_EQ(fakes.messages.shown[1].text,
            "The records could not be interleaved. They are in " + Path("out.txt") + ".");
  EXPECT_EQ(fakes.messages.shown[1].caption, "File Error");
  EXPECT_FALSE(fs::exists(view.LogFilePath));
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("")), fs::directory_iterator()), 4)
      << "program, settings, in.csv and out.txt: no temporary file stays";
}

TEST_F(AppendInterleaveTest, InterleavedXmlAndDbaseStayWholeTables) {
  TParseView& xml = Open(Numbered(3), &TParseView::XML, {{"N", 1, 0, 0x2, ""}});
  PickStreams(xml, 2);
  const std::string out = RunInto(xml, Path("out.xml"));
  EXPECT_EQ(out,
            "<?xml version=\"1.0\"?><TABLE>\r\n<RECORD><N>r1</N></RECORD>\r\n"
            "<RECORD><N>r3</N></RECORD>\r\n<RECORD><N>r2</N></RECORD>\r\n"
            "<RECORD><N></N></RECORD>\r\n</TABLE>\r\n");
  if (!Tool({"xmllint"}).empty()) {
    EXPECT_EQ(std::system(("xmllint --noout " + Path("out.xml")).c_str()), 0);
  }

  // Every record skipped: the closing tag once.
  TParseView& none = Open("\"a\",\"\"\r\n", &TParseView::XML, {{"N", 2, 0, 0x4002, ""}});
  PickStreams(none, 4);
  EXPECT_EQ(RunInto(none, Path("none.xml")), "<?xml version=\"1.0\"?><TABLE>\r\n</TABLE>\r\n");

  TParseView& dbase = Open(Numbered(3), &TParseView::DbaseOutputButton, {{"N", 1, 2, 0x2, ""}});
  PickStreams(dbase, 2);
  const std::string table = RunInto(dbase, Path("out.dbf"));
  EXPECT_EQ(table[4], 4) << "the padding record counts";
  EXPECT_EQ(table.substr(65), " r1 r3 r2   \x1A");
}

TEST_F(AppendInterleaveTest, HeaderAndTrailerBlocksStandAroundTheRecords) {
  struct Row {
    const char* name;
    std::string header;
    int streams;
    std::string expected_header;
  };
  const std::string big(20000, 'h');
  const Row rows[] = {
      {"one stream", "HEAD\r\n", 1, "HEAD\r\n"},
      {"interleaved records only", "H1\r\nH2\r\n", 2, "H1\r\nH2\r\n"},
      {"15,000 bytes at most", big, 1, big.substr(0, 15000)},
      {"cut before a NUL", std::string("ab\0cd", 5), 1, "ab"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteFile(ProgramDir() + "/head.txt", row.header);
    WriteFile(Path("tail.txt"), "TAIL");
    TParseView& view =
        Open(Numbered(3), &TParseView::FixedFormatOutputButton, {{"N", 1, 2, 0, ""}});
    Click(view.OutputFieldNames);
    PickStreams(view, row.streams);
    GoToSheet(view, view.MiscTab);
    Type(view.HeaderBlockFile, "head.txt");
    Type(view.TrailerBlockFile, Path("tail.txt"));
    const std::string records =
        row.streams == 1 ? "r1\r\nr2\r\nr3\r\n" : "r1\r\nr3\r\nr2\r\n  \r\n";
    EXPECT_EQ(RunInto(view, Path(std::string(row.name) + ".txt")),
              row.expected_header + records + "TAIL");
    EXPECT_FALSE(view.OutputFieldNames.Checked()) << "a header block stands for the names";
  }
}

TEST_F(AppendInterleaveTest, AppendAndInterleaveRefuseEachOtherAndBrowseFillsTheBlockFile) {
  TParseView& view = Open(kTwo, &TParseView::DelimitedOutputButton, {{"N", 1, 0, 0x2, ""}});
  PickStreams(view, 2);
  CheckAppend(view);
  EXPECT_FALSE(view.AppendFile.Checked());
  PickStreams(view, 1);
  CheckAppend(view);
  PickStreams(view, 5);
  EXPECT_EQ(view.InterLeaf.ItemIndex(), 0);
  ASSERT_EQ(fakes.messages.shown.size(), 2u);
  for (const auto& shown : fakes.messages.shown) {
    EXPECT_EQ(shown.text,
              "Using Append with interleaving would result in a scrambled file sequence.");
    EXPECT_EQ(shown.caption, "Action Cancelled");
  }

  GoToSheet(view, view.MiscTab);
  fakes.dialogs.answers.push_back(Path("block.txt"));
  Click(view.TrailerBlockFileBrowse);
  EXPECT_EQ(view.TrailerBlockFile.Text(), Path("block.txt"));
  EXPECT_EQ(fakes.dialogs.requests.back().initial_dir, ProgramDir());
  Click(view.TrailerBlockFileBrowse);  // cancelled
  EXPECT_EQ(view.TrailerBlockFile.Text(), "");
}

// The output of Combination 1 to 4 as they are sent.
constexpr const char* kCombinationsSent =
    "\"Ann\",\"1\",\"Ann\",\"1\"\r\n\"Bob\",\"2\",\"Bob\",\"2\"\r\n";

TEST_F(AppendInterleaveTest, ThePlugInRewritesTheCombinationsOfEveryRecord) {
  struct Row {
    const char* name;
    const char* program;
    std::string script;
    std::string expected;
    bool runs;
  };
  const Row rows[] = {
      {"rewrites", "upper", "tr a-z A-Z < \"$1\" > \"$1.new\" && mv \"$1.new\" \"$1\"\n",
       "\"ANN\",\"1\",\"ANN\",\"1\"\r\n\"BOB\",\"2\",\"BOB\",\"2\"\r\n", true},
      {"fails after writing nothing", "empties", ": > \"$1\"\nexit 1\n", kCombinationsSent, true},
      {"fails after one line", "one", "echo X > \"$1\"\nexit 1\n",
       "\"X\",\"1\",\"Ann\",\"1\"\r\n\"X\",\"2\",\"Bob\",\"2\"\r\n", true},
      {"fails after four lines", "four", "printf 'W\\nX\\nY\\nZ\\n' > \"$1\"\nexit 1\n",
       "\"W\",\"X\",\"Y\",\"Z\"\r\n\"W\",\"X\",\"Y\",\"Z\"\r\n", true},
      {"leaves no file", "removes", "rm \"$1\"\n", kCombinationsSent, true},
      {"a path is refused", "../upper", "", kCombinationsSent, false},
      {"fails untouched", "keeps", "exit 3\n", kCombinationsSent, true},
  };
  fakes.processes.behaviour = [](const std::string& program, const std::string& argument) {
    return tk::PosixProcessRunner().RunAndWait(program, argument);
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (!row.script.empty()) WriteProgram(row.program, row.script);
    WriteProgram("../upper", "touch \"$1.ran\"\n");  // beside the program folder: never run
    TParseView& view = OpenWithPlugIn(row.program);
    fakes.processes.runs.clear();
    EXPECT_EQ(RunInto(view, Path(std::string(row.name) + ".csv")), row.expected);
    EXPECT_EQ(fakes.processes.runs.empty(), !row.runs);
    EXPECT_FALSE(fs::exists(view.PlugInTransferPath + ".ran"));
    if (!row.runs) continue;
    EXPECT_EQ(fakes.processes.runs[0].first, ProgramDir() + "/" + row.program);
    EXPECT_EQ(fakes.processes.runs[0].second, view.PlugInTransferPath);
    if (std::string(row.program) != "keeps") continue;
    EXPECT_EQ(ReadBytes(view.PlugInTransferPath), " Ann \n 1 \n Ann \n 1 \n") << "LF line ends";
    struct stat info {};
    ASSERT_EQ(::stat(view.PlugInTransferPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u) << "the owner's only";
  }
}

// With no program named nothing runs, yet the transfer file is written for every record.
TEST_F(AppendInterleaveTest, AnUnattendedRunWithNoPlugInNamedWritesTheTransferFile) {
  TParseView& set_up = OpenWithPlugIn("");
  fakes.dialogs.answers.push_back(Path("plug.vnq"));
  Click(set_up.SaveConfiguration);
  const std::string out = Path("plug.csv");
  TParseView& view = CreateAndShow({Path("in.csv"), Path("plug.vnq"), out});
  EXPECT_EQ(view.UnattendedExitCountdown, 1) << "the run started its end";
  EXPECT_EQ(ReadBytes(out), kCombinationsSent);
  EXPECT_EQ(ReadBytes(view.PlugInTransferPath), " Ann \n 1 \n Ann \n 1 \n");
  EXPECT_TRUE(fakes.processes.runs.empty());
}

}  // namespace
}  // namespace vt
