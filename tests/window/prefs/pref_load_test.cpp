// Load Saved Preferences and Copy Output Format through the window: what was saved comes back,
// whatever input type was current; Copy takes only the output side; Cancel changes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "strings/fixed_text.h"
#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::GoToSheet;
using testing::Pick;
using testing::TypeAndEnter;

class PrefLoadTest : public testing::ViewTest {
 protected:
  void Save(TParseView& view, const std::string& path) {
    fakes.dialogs.answers.push_back(path);
    Click(view.SaveConfiguration);
  }
  void Load(TParseView& view, const std::string& path) {
    fakes.dialogs.answers.push_back(path);
    Click(view.LoadConfiguration1);
  }
  static std::string Name(const TParseView& view, int n) {
    return std::string(TextOf(view.OutputFieldNameTable[static_cast<std::size_t>(n)]));
  }
  // Two output fields: input field 2 upper-cased in 6 columns, then input field 1.
  static void DefineOutput(TParseView& view) {
    GoToSheet(view, view.OutputConfiguration);
    testing::ClickInputField(view, 1);
    testing::SetWidth(view, "6");
    Click(view.UpperCaseConversion);
    Click(view.AddFieldButton);
    testing::ClickInputField(view, 0);
    Click(view.FixedFormatOutputButton);
  }
};

TEST_F(PrefLoadTest, APipeSetUpLoadedWhileATabFileIsOpenCutsAtThePipe) {
  TParseView& view = OpenInput("in.txt", "ab|cd|ef\nxy|z|w\n");
  GoToSheet(view, view.InputConfiguration);
  Click(view.SpecialInputButton);
  TypeAndEnter(view.SpecialDelimiterInputBox, "|");
  ASSERT_EQ(view.InputFieldNamesListBox.Count(), 3);
  DefineOutput(view);
  Save(view, Path("pipe.vnq"));
  const std::string saved_record = view.OutputRecord;

  // Another start on a tab file, the pipe set-up loaded over it.
  TParseView& other = OpenInput("in.tsv", "ab\tcd|q\tef\n");
  ASSERT_TRUE(other.TabInputButton.Checked());
  Load(other, Path("pipe.vnq"));
  EXPECT_TRUE(other.SpecialInputButton.Checked());
  EXPECT_EQ(other.InputDelimiter[0], '|');
  EXPECT_EQ(other.SpecialDelimiterInputBox.Text(), "|");
  EXPECT_EQ(other.InputFieldValues[1], "ab\tcd");
  EXPECT_EQ(other.OutputFieldCount, 2);
  EXPECT_TRUE(other.FixedFormatOutputButton.Checked());
  EXPECT_EQ(other.OutputRecord, "Q\tEF  ab\tcd");
  EXPECT_EQ(other.LoadingPreferences, 0);
  EXPECT_EQ(fakes.settings.Read(other.SettingsFilePath, "History", "File1", "", 255),
            Path("pipe.vnq"));

  // Saved again, the file is what it was.
  Save(other, Path("again.vnq"));
  fakes.messages.replies.push_back(tk::MessageReply::kYes);
  EXPECT_EQ(saved_record, "CD    ab");
}

TEST_F(PrefLoadTest, ATabSetUpCutsAtTheTabWhateverTheFileCarriedAsDelimiter) {
  TParseView& view = OpenInput("in.tsv", "a,b\tc,d\n");
  ASSERT_TRUE(view.TabInputButton.Checked());
  DefineOutput(view);
  Save(view, Path("tab.vnq"));

  TParseView& other = OpenInput("in.csv", "\"a,b\tc\",\"d\"\n");
  ASSERT_TRUE(other.DelimitedInputButton.Checked());
  Load(other, Path("tab.vnq"));
  EXPECT_TRUE(other.TabInputButton.Checked());
  EXPECT_EQ(other.InputDelimiter[0], '\t');
  EXPECT_EQ(other.InputFieldValues[2], "c\",\"d\"");
}

TEST_F(PrefLoadTest, ATabSetUpKeepsTheDelimiterTypedForOtherDelimitedInput) {
  const std::string input = "Name\tQty\nPen\t3\n";
  TParseView& view = OpenInput("in.tsv", input);
  ASSERT_TRUE(view.TabInputButton.Checked());
  GoToSheet(view, view.InputConfiguration);
  Click(view.SpecialInputButton);
  TypeAndEnter(view.SpecialDelimiterInputBox, ";");
  Click(view.TabInputButton);
  Click(view.TakeFirstRecordAsFieldName);
  ASSERT_EQ(view.InputFieldNames[2], "Qty");
  Save(view, Path("tab.vnq"));
  const PrefBlock& block = PrefBlockAt(kBlockInputDelimiter);
  EXPECT_EQ(testing::ReadBytes(Path("tab.vnq")).substr(block.offset, block.size),
            std::string(";\0", 2));

  // Whatever input type was chosen before, the loaded set-up cuts at TAB.
  const struct {
    const char* chosen;
    tk::RadioButton TParseView::*button;
  } rows[] = {{"tab", nullptr},
              {"other delimited", &TParseView::SpecialInputButton},
              {"comma", &TParseView::DelimitedInputButton}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.chosen);
    TParseView& other = OpenInput("in.tsv", input);
    GoToSheet(other, other.InputConfiguration);
    if (row.button != nullptr) Click(other.*row.button);
    Load(other, Path("tab.vnq"));
    EXPECT_TRUE(other.TabInputButton.Checked());
    EXPECT_EQ(other.SpecialDelimiterInputBox.Text(), ";");
    EXPECT_EQ(other.InputDelimiter[0], '\t');
    EXPECT_EQ(other.InputFieldNamesListBox.Items(), (std::vector<std::string>{"Name", "Qty"}));
    EXPECT_EQ(other.InputFieldValues[2], "3");
  }
}

TEST_F(PrefLoadTest, AFileCutShortInTheStreamCountTakesTheByteItHolds) {
  TParseView& view = OpenInput("in.csv", "\"a\",\"b\"\n");
  DefineOutput(view);
  GoToSheet(view, view.Mailing);
  Pick(view.InterLeaf, 4);
  Save(view, Path("full.vnq"));
  const std::string full = testing::ReadBytes(Path("full.vnq"));
  const std::size_t streams = PrefBlockAt(kBlockInterLeaf).offset;
  ASSERT_EQ(full[streams], '\x04');
  // The same set-up as a file of the older form with 16-character names, 16-bit field options
  // and 50 tags: blocks 1 to 58 take 47,239 bytes.
  std::string older;
  for (const PrefBlock& b : kPrefBlocks) {
    if (b.number == kBlockInterLeaf) break;
    const std::string bytes = full.substr(b.offset, b.size);
    if (b.number == kBlockOutputFieldNames || b.number == kBlockOutputFieldFlags) {
      const std::size_t keep = b.width / 2;
      for (std::size_t i = 0; i < b.count(); ++i) older += bytes.substr(i * b.width, keep);
    } else {
      older += b.number == kBlockTagTexts ? bytes.substr(0, b.size / 2) : bytes;
    }
  }
  ASSERT_EQ(older.size(), 47239u);
  WriteFile(Path("current.vnq"), full.substr(0, streams + 1));
  WriteFile(Path("older.vnq"), older + full[streams]);

  for (const char* file : {"current.vnq", "older.vnq"}) {
    for (const bool copy : {false, true}) {
      SCOPED_TRACE(std::string(file) + (copy ? " copied" : " loaded"));
      TParseView& other = OpenInput("in.csv", "\"1\",\"2\"\n");
      fakes.dialogs.answers.push_back(Path(file));
      Click(copy ? other.CopyOutputFormat : other.LoadConfiguration1);
      EXPECT_EQ(other.InterLeaf.ItemIndex(), 4);
      EXPECT_EQ(other.InterLeaf.Items()[4], "5 streams");
      EXPECT_EQ(other.OutputFieldCount, 2) << "the blocks before it are read";
    }
  }
}

TEST_F(PrefLoadTest, AnOpenDbaseTableKeepsItsInputTypeAndFields) {
  TParseView& tab = OpenInput("in.tsv", "a\tb\n");
  DefineOutput(tab);
  Save(tab, Path("tab.vnq"));
  const std::string table = testing::ReadBytes(std::string(VONTRASK_SOURCE_DIR) +
                                               "/tests/golden/unattended/dbase/expected.out");
  TParseView& view = OpenInput("people.dbf", table);
  ASSERT_EQ(view.DbaseInputActive, 1);
  Load(view, Path("tab.vnq"));
  EXPECT_TRUE(view.DbaseInput.Checked());
  EXPECT_FALSE(view.TabInputButton.Checked());
  EXPECT_EQ(view.InputFieldNames[1], "NAME");
  EXPECT_EQ(view.OutputFieldCount, 2) << "the output side is the file's";
}

TEST_F(PrefLoadTest, FixedDividersComeBackOnTheMarkerLine) {
  TParseView& view = OpenInput("in.txt", "AAAABBBBBBCCCC\n");
  GoToSheet(view, view.InputConfiguration);
  Click(view.FixedInputButton);
  for (int end : {4, 10}) {
    view.InputRecordMarkerLabel.UserMouseMove((end - 1) * view.YardStick.Geometry().width + 1, 3);
    Click(view.InputRecordMarkerLabel);
  }
  ASSERT_EQ(view.InputFieldNamesListBox.Count(), 3);
  Save(view, Path("fixed.vnq"));

  TParseView& other = OpenInput("in.txt", "AAAABBBBBBCCCC\n");
  Load(other, Path("fixed.vnq"));
  EXPECT_TRUE(other.FixedInputButton.Checked());
  EXPECT_EQ(other.InputFieldNamesListBox.Count(), 3);
  EXPECT_EQ(other.InputFieldValues[2], "BBBBBB");
  EXPECT_EQ(other.MarkerLine.substr(0, 11), ":::^:::::^:");
}

TEST_F(PrefLoadTest, AFileWithoutItsTailLeavesTheResetBoxes) {
  TParseView& view = OpenInput("in.csv", "\"a\",\"b\"\n");
  Save(view, Path("full.vnq"));
  WriteFile(Path("short.vnq"), testing::ReadBytes(Path("full.vnq")).substr(0, 52443));
  GoToSheet(view, view.MiscTab);
  TypeAndEnter(view.XMLTableName, "People");
  TypeAndEnter(view.FilterText, "keep");
  Load(view, Path("short.vnq"));
  EXPECT_EQ(view.XMLTableName.Text(), "TABLE");
  EXPECT_EQ(view.PlugInProg.Text(), "");
  EXPECT_EQ(view.FilterText.Text(), "keep") << "what the file does not hold stays";
  EXPECT_EQ(view.DefaultTitleIn.Text(), "");
}

TEST_F(PrefLoadTest, CancelChangesNothingAndAnUnreadableFileIsSaid) {
  TParseView& view = OpenInput("in.csv", "\"a\",\"b\"\n");
  GoToSheet(view, view.MiscTab);
  TypeAndEnter(view.XMLTableName, "People");
  std::filesystem::create_directories(Path("folder.vnq"));
  WriteFile(Path("empty.vnq"), "");
  for (const std::string& path :
       {std::string(), Path("missing.vnq"), Path("empty.vnq"), Path("folder.vnq")}) {
    SCOPED_TRACE(path);
    const std::size_t shown = fakes.messages.shown.size();
    Load(view, path);  // an empty answer is Cancel
    if (path.empty()) {
      EXPECT_EQ(view.XMLTableName.Text(), "People");
      EXPECT_EQ(fakes.messages.shown.size(), shown);
      continue;
    }
    EXPECT_EQ(view.XMLTableName.Text(), "TABLE") << "a failed load still resets the XML names";
    ASSERT_EQ(fakes.messages.shown.size(), shown + 1);
    EXPECT_EQ(fakes.messages.shown.back().text, "Cannot open that file.");
    EXPECT_EQ(fakes.messages.shown.back().caption, path);
  }
  EXPECT_EQ(view.LoadingPreferences, 0);
}

TEST_F(PrefLoadTest, CopyTakesTheOutputSideOnly) {
  TParseView& view = OpenInput("in.txt", "ab|cd\n");
  GoToSheet(view, view.InputConfiguration);
  Click(view.SpecialInputButton);
  TypeAndEnter(view.SpecialDelimiterInputBox, "|");
  DefineOutput(view);
  GoToSheet(view, view.GenderSheet);
  TypeAndEnter(view.MaleTitleIn, "Sir");
  Save(view, Path("pipe.vnq"));

  TParseView& other = OpenInput("in.csv", "\"1\",\"2\",\"3\"\n");
  GoToSheet(other, other.MiscTab);
  TypeAndEnter(other.FilterText, "keep");
  const auto dividers = other.DividerMatrix;
  fakes.dialogs.answers.push_back(Path("pipe.vnq"));
  Click(other.CopyOutputFormat);
  EXPECT_TRUE(other.DelimitedInputButton.Checked()) << "the input type stays";
  EXPECT_EQ(other.InputDelimiter[0], ' ');
  EXPECT_EQ(other.DividerMatrix, dividers);
  EXPECT_EQ(other.FilterText.Text(), "keep");
  EXPECT_EQ(other.OutputFieldCount, 2);
  EXPECT_EQ(other.OutputFieldSource[1], -kEmptyField)
      << "the other set-up's input fields do not exist here";
  EXPECT_EQ(other.OutputFieldWidths[1], 6);
  EXPECT_TRUE(other.FixedFormatOutputButton.Checked());
  EXPECT_EQ(other.MaleTitleIn.Text(), "Sir");
  EXPECT_EQ(other.PrefFileName, Path("pipe.vnq"));
  EXPECT_EQ(fakes.settings.Read(other.SettingsFilePath, "History", "File1", "", 255),
            Path("pipe.vnq"))
      << "from the save; a copy adds nothing";
}

TEST_F(PrefLoadTest, ATagCountAboveTheListedTagsKeepsTheTagAfterTheGap) {
  const std::string report = "Page 1\nInvoice: 17\nName: Ann Lee\nTotal: 5\n";
  TParseView& view = OpenInput("tagged.txt", report);
  Click(view.PageInputButton);
  Click(view.TagTextButton);
  Click(view.TaggedData);
  GoToSheet(view, view.PageInputTab);
  Click(view.IgnoreLineEnds);
  for (const char* tag : {"Invoice: ", "Name: ", "Total: "}) {
    Click(view.AddTag);
    TypeAndEnter(view.TagIn, tag);
  }
  testing::SetUpFields(view, {{"Name", 2, 0, 0, ""}});
  Click(view.TabDelimitedOutputButton);
  Save(view, Path("tags.vnq"));
  // Seven tags counted, the third empty and "Total: " the fourth.
  std::string file = testing::ReadBytes(Path("tags.vnq"));
  testing::SetPrefElement(file, kBlockTagCount, 0, "\x07");
  testing::SetPrefElement(file, kBlockTagTexts, 3, "");
  testing::SetPrefElement(file, kBlockTagTexts, 4, "Total: ");
  WriteFile(Path("gap.vnq"), file);

  TParseView& other = OpenInput("tagged.txt", report);
  Load(other, Path("gap.vnq"));
  EXPECT_EQ(other.TagCount, 7);
  EXPECT_EQ(other.TagList.Items(), (std::vector<std::string>{"Invoice: ", "Name: "}));
  EXPECT_EQ(other.InputFieldValues[2], "Ann Lee ") << "cut where the fourth tag begins";
  EXPECT_EQ(testing::RunInto(other, fakes.dialogs, Path("out.txt")), "Ann Lee \r\n");
  Save(other, Path("again.vnq"));
  const PrefBlock& count = PrefBlockAt(kBlockTagCount);
  EXPECT_EQ(testing::ReadBytes(Path("again.vnq")).substr(count.offset, count.size),
            file.substr(count.offset, count.size));
}

TEST_F(PrefLoadTest, CopyChecksFieldNamesAsFirstRecordButNeverUnchecksIt) {
  TParseView& view = OpenInput("in.csv", "\"a\",\"b\"\n");
  DefineOutput(view);
  Save(view, Path("without.vnq"));
  Click(view.OutputFieldNames);
  Save(view, Path("with.vnq"));

  const struct {
    const char* file;
    bool checked_before;
  } rows[] = {{"without.vnq", true}, {"with.vnq", false}};
  TParseView& other = OpenInput("in.csv", "\"1\",\"2\"\n");
  GoToSheet(other, other.OutputConfiguration);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    if (other.OutputFieldNames.Checked() != row.checked_before) Click(other.OutputFieldNames);
    fakes.dialogs.answers.push_back(Path(row.file));
    Click(other.CopyOutputFormat);
    EXPECT_TRUE(other.OutputFieldNames.Checked());
  }
}

TEST_F(PrefLoadTest, AHistoryPickLoadsOnceAndLeavesTheCommandLineSlot) {
  TParseView& view = OpenInput("in.csv", "\"a\",\"b\"\n");
  DefineOutput(view);
  Save(view, Path("one.vnq"));
  Click(view.ClearOutput);
  TParseView& other = OpenInput("in.csv", "\"a\",\"b\"\n");
  ASSERT_EQ(other.Hist1.Caption(), Path("one.vnq"));
  Click(other.Hist1);
  EXPECT_EQ(other.OutputFieldCount, 2);
  EXPECT_TRUE(other.CmdPrefFileName.empty());
  EXPECT_EQ(fakes.dialogs.requests.size(), 1u) << "only the save asked for a name";
}

}  // namespace
}  // namespace vt
