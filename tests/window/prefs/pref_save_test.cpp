// Save Preferences to File through the window: the file of a fresh start, a set-up changed
// through the window read back byte for byte, the overwrite question and refused paths.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "prefs/pref_tables.h"
#include "strings/fixed_text.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

namespace fs = std::filesystem;
using testing::Click;
using testing::GoToSheet;
using testing::Pick;
using testing::TypeAndEnter;

std::string Contents(const std::string& path) {
  if (!fs::is_regular_file(path)) return "";
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PrefSaveTest : public testing::ViewTest {
 protected:
  static constexpr const char* kInput = "\"Ann\",\"Apt 4 123 N Main St\",\"Toronto ON M5V2T6\"\n";

  std::string Save(TParseView& view, const std::string& path) {
    fakes.dialogs.answers.push_back(path);
    Click(view.SaveConfiguration);
    return Contents(path);
  }
  std::string Setting(TParseView& view, const char* section, const char* key) {
    return fakes.settings.Read(view.SettingsFilePath, section, key, "<none>", 300);
  }
};

TEST_F(PrefSaveTest, AFreshStartSavesTheStartUpSetUp) {
  TParseView& view = OpenInput("in.csv", kInput);
  const std::string file = Save(view, Path("fresh.vnq"));
  ASSERT_EQ(file.size(), kPrefFileSize);
  const auto& request = fakes.dialogs.requests.back();
  EXPECT_EQ(request.title, "Please choose a name for the configuration you are saving");
  EXPECT_EQ(request.default_ext, "VNQ");
  EXPECT_EQ(request.initial_dir, view.ProgramDir) << "no LastPrefs yet";

  const fs::path golden =
      fs::path(VONTRASK_SOURCE_DIR) / "tests/golden/prefs/_startup/expected.vnq";
  if (std::getenv("GOLDEN_UPDATE") != nullptr) std::ofstream(golden, std::ios::binary) << file;
  EXPECT_TRUE(file == Contents(golden.string())) << "differs from " << golden;
  // The start-up values where the layout puts them.
  EXPECT_EQ(static_cast<unsigned char>(file[1]) & 0x80, 0x80) << "the wide layout marker";
  EXPECT_EQ(file.substr(0, 4), file.substr(27520, 4));
  EXPECT_EQ(file.substr(4 + 32 * 7, 8), std::string("Output7\0", 8));
  EXPECT_EQ(file.substr(27524, 3), std::string("29\0", 3));
  EXPECT_EQ(file.substr(52043, 8), std::string("Mr\0e\0\0\0\0", 8)) << "the tail of Page";
  EXPECT_EQ(file.substr(53495, 9), std::string("Mr or Ms\0", 9));

  EXPECT_EQ(view.PrefFileName, Path("fresh.vnq"));
  EXPECT_EQ(Setting(view, "Setup", "LastPrefs"), Path(""));
  EXPECT_EQ(Setting(view, "History", "File1"), Path("fresh.vnq"));
  EXPECT_EQ(view.Hist1.Caption(), Path("fresh.vnq"));
}

TEST_F(PrefSaveTest, ASetUpChangedThroughTheWindowReadsBackByteForByte) {
  TParseView& view = OpenInput("in.csv", kInput);
  GoToSheet(view, view.OutputConfiguration);
  testing::ClickInputField(view, 1);
  testing::SetWidth(view, "12");
  Click(view.UpperCaseConversion);
  Click(view.AddFieldButton);
  Pick(view.ParsedItemNames, kStdAddress - kEmptyField);  // the list starts at Empty Field
  Click(view.TabDelimitedOutputButton);
  Click(view.OutputFieldNames);
  GoToSheet(view, view.ParseStreet);
  Pick(view.Street0, 0);
  testing::ClickInputField(view, 1);
  view.Position3.UserSelect(0);
  TypeAndEnter(view.SuiteDesignatorOut, "Unit");
  GoToSheet(view, view.DateSheet);
  Click(view.DateInYMD);
  Click(view.Years2);
  GoToSheet(view, view.Time);
  view.TimeType.UserSelect(2);
  GoToSheet(view, view.SplitSheet);
  Click(view.Split22);
  Click(view.Split34);
  GoToSheet(view, view.GenderSheet);
  TypeAndEnter(view.MaleTitleIn, "Sir");
  GoToSheet(view, view.MiscTab);
  Click(view.StripTags);
  GoToSheet(view, view.Mailing);
  Pick(view.InterLeaf, 3);
  GoToSheet(view, view.MiscTab);
  TypeAndEnter(view.XMLTableName, "People");
  const std::string saved = Save(view, Path("changed.vnq"));
  ASSERT_EQ(saved.size(), kPrefFileSize);

  // A second window reads the file into its tables and edit boxes and writes it again.
  TParseView copy(fakes.services, {Path("in.csv")});
  copy.ProgramDirOverride = ProgramDir();
  copy.SettingsDirOverride = SettingsDir();
  tk::Fire(copy.on_create);
  tk::Fire(copy.on_show);
  PrefCaptions captions;
  ReadPrefImage(saved, static_cast<std::int64_t>(saved.size()),
                BindPrefTargets(copy, copy, copy, copy, captions));
  copy.ApplyCaptions(captions);
  EXPECT_TRUE(copy.PreferenceImage() == saved);
  EXPECT_EQ(copy.OutputFieldSource[1], 2);
  EXPECT_EQ(copy.SpecialSourceTable[kStreetRow][0], 2);

  // The restore sets the controls so that gathering them again gives the same words.
  copy.RestoreControlState(copy.InputDelimiter);
  const PrefStaging read = copy;
  copy.GatherControlState();
  EXPECT_EQ(copy.OptionFlagsA, read.OptionFlagsA);
  EXPECT_EQ(copy.OptionFlagsB, read.OptionFlagsB);
  EXPECT_EQ(copy.SplitFlags, read.SplitFlags);
  EXPECT_EQ(copy.SuitePositions, read.SuitePositions);
  EXPECT_EQ(TextOf(copy.DefaultSuiteDesignator), "Unit");
  EXPECT_TRUE(copy.Years2.Checked());
  EXPECT_EQ(copy.TimeType.ItemIndex(), 2);
  EXPECT_TRUE(copy.Split22.Checked() && copy.Split34.Checked() && copy.Split33.Checked());
}

TEST_F(PrefSaveTest, OverwriteIsAskedAndNoKeepsTheOldFile) {
  TParseView& view = OpenInput("in.csv", kInput);
  WriteFile(Path("old.vnq"), "old");
  EXPECT_EQ(Save(view, Path("old.vnq")), "old");
  EXPECT_EQ(fakes.messages.shown.back().text, Path("old.vnq") + " exists. Overwrite?");
  EXPECT_EQ(view.PrefFileName, Path("old.vnq")) << "the chosen file is the current one";
  EXPECT_EQ(Setting(view, "History", "File1"), "");
  fakes.messages.replies.push_back(tk::MessageReply::kYes);
  EXPECT_EQ(Save(view, Path("old.vnq")).size(), kPrefFileSize);
}

TEST_F(PrefSaveTest, AFileThatCannotBeWrittenIsSaidAndChangesNothing) {
  TParseView& view = OpenInput("in.csv", kInput);
  fs::create_directories(Path("folder.vnq"));
  const struct {
    const char* name;
    std::string path;
  } rows[] = {
      {"missing folder", Path("missing/x.vnq")},
      {"a folder", Path("folder.vnq")},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fakes.messages.replies.push_back(tk::MessageReply::kYes);
    Save(view, row.path);
    EXPECT_EQ(fakes.messages.shown.back().text, "Cannot open that file.");
    EXPECT_EQ(fakes.messages.shown.back().caption, row.path);
    EXPECT_EQ(Setting(view, "Setup", "LastPrefs"), "<none>");
    EXPECT_EQ(Setting(view, "History", "File1"), "");
  }
  EXPECT_TRUE(fs::is_directory(Path("folder.vnq")));

  fs::create_directories(Path(std::string(200, 'd')));
  const std::string long_path = Path(std::string(200, 'd') + "/" + std::string(60, 'x') + ".vnq");
  EXPECT_EQ(Save(view, long_path).size(), kPrefFileSize) << "the file itself is written";
  EXPECT_EQ(Setting(view, "History", "File1"), "") << "a path that would come back cut";
}

}  // namespace
}  // namespace vt
