// Preference history: the merge and clean rules, and the menu items and settings keys.
#include "prefs/history.h"

#include <gtest/gtest.h>

#include "window/view_fixture.h"

namespace vt {
namespace {

HistoryEntries List(std::initializer_list<const char*> paths) {
  HistoryEntries entries;
  std::size_t k = 0;
  for (const char* p : paths) entries[k++] = p;
  return entries;
}

TEST(MergeHistory, Rows) {
  const struct {
    const char* name;
    HistoryEntries before;
    const char* current;
    bool changed;
    HistoryEntries after;
  } rows[] = {
      {"empty history, no file", {}, "", true, {}},
      {"first file", {}, "/a.vnq", true, List({"/a.vnq"})},
      {"entry 1 again in another case: nothing", List({"/A.vnq", "/b", "/b"}), "/a.VNQ", false,
       List({"/A.vnq", "/b", "/b"})},
      {"accents are not folded", List({"/\xC9.vnq"}), "/\xE9.vnq", true,
       List({"/\xE9.vnq", "/\xC9.vnq"})},
      {"new file drops entry 9", List({"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "new", true,
       List({"new", "1", "2", "3", "4", "5", "6", "7", "8"})},
      {"entry 5 moves first and the list holds eight",
       List({"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "5", true,
       List({"5", "1", "2", "3", "4", "6", "7", "8"})},
      {"entry 9 moves first and the list keeps nine",
       List({"1", "2", "3", "4", "5", "6", "7", "8", "9"}), "9", true,
       List({"9", "1", "2", "3", "4", "5", "6", "7", "8"})},
      {"duplicates removed, first kept", List({"/a", "/b", "/A", "/c", "/B"}), "", true,
       List({"/a", "/b", "/c"})},
      {"a gap closes up", List({"/a", "", "/b"}), "", true, List({"/a", "", "/b"})},
      {"later gaps removed", List({"/a", "", "/b", "", "/c"}), "", true,
       List({"/a", "", "/b", "/c"})},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HistoryEntries entries = row.before;
    EXPECT_EQ(MergeHistory(entries, row.current), row.changed);
    EXPECT_EQ(entries, row.after);
  }
}

TEST(MergeHistory, CutsALongPathTo255) {
  HistoryEntries entries;
  MergeHistory(entries, std::string(300, 'p'));
  EXPECT_EQ(entries[0].size(), 255u);
}

using testing::ViewTest;

std::string Key(int k) {
  return "File" + std::to_string(k);
}

TEST_F(ViewTest, FirstStartHidesEveryItemAndWritesNineEmptyKeys) {
  TParseView& view = CreateAndShow();
  for (tk::MenuItem* item : view.HistoryItems) EXPECT_FALSE(item->Visible()) << item->Name();
  EXPECT_TRUE(view.PreviousPreferences1.Visible());
  for (int k = 1; k <= 9; ++k) {
    const auto it =
        fakes.settings.values.find(view.SettingsFilePath + "|HISTORY|FILE" + std::to_string(k));
    ASSERT_NE(it, fakes.settings.values.end()) << k;
    EXPECT_EQ(it->second, "");
  }
}

TEST_F(ViewTest, ShowListsTheStoredHistoryWithoutDuplicates) {
  TParseView& view = Create();
  fakes.settings.Write(view.SettingsFilePath, "History", "File1", "/p/a & b.vnq");
  fakes.settings.Write(view.SettingsFilePath, "History", "File2", "/p/A & B.VNQ");
  fakes.settings.Write(view.SettingsFilePath, "History", "File3", "/p/c.vnq");
  tk::Fire(view.on_show);
  EXPECT_EQ(view.Hist1.Caption(), "/p/a & b.vnq");
  EXPECT_EQ(view.Hist2.Caption(), "/p/c.vnq");
  EXPECT_TRUE(view.Hist2.Visible());
  EXPECT_FALSE(view.Hist3.Visible());
  EXPECT_FALSE(view.Hist1.Enabled()) << "enabled only once an input file is open";
  EXPECT_EQ(fakes.settings.Read(view.SettingsFilePath, "History", "File2", "", 255), "/p/c.vnq");
  EXPECT_EQ(fakes.settings.Read(view.SettingsFilePath, "History", "File3", "", 255), "");
}

TEST_F(ViewTest, TheCurrentFileEqualToEntry1ChangesNothing) {
  TParseView& view = CreateAndShow();
  fakes.settings.Write(view.SettingsFilePath, "History", Key(1), "/p/a.vnq");
  fakes.settings.Write(view.SettingsFilePath, "History", Key(2), "/p/a.vnq");
  view.PrefFileName = "/P/A.VNQ";
  view.PrefHist.Click();
  EXPECT_EQ(fakes.settings.Read(view.SettingsFilePath, "History", Key(2), "", 255), "/p/a.vnq")
      << "the settings file is not rewritten";
  view.PrefFileName = "/p/b.vnq";
  view.PrefHist.Click();
  EXPECT_EQ(view.Hist1.Caption(), "/p/b.vnq");
  EXPECT_EQ(view.Hist2.Caption(), "/p/a.vnq");
  EXPECT_FALSE(view.Hist3.Visible());
}

TEST_F(ViewTest, PickingAnEntryLoadsItWithoutADialogOnce) {
  WriteFile(Path("in.txt"), "a\n");
  TParseView& view = Create({Path("in.txt"), "cmd.vnq"});
  const char* const entries[] = {"/p/a.vnq", "/p/b.vnq", "/p/c.vnq", "/p/x & y.vnq"};
  for (int k = 1; k <= 4; ++k)
    fakes.settings.Write(view.SettingsFilePath, "History", Key(k), entries[k - 1]);
  std::string loaded;
  view.LoadConfiguration1.on_click = [&] { loaded = view.CmdPrefFileName; };
  tk::Fire(view.on_show);  // opens the input, which enables the history items
  EXPECT_EQ(loaded, "cmd.vnq");
  testing::Click(view.Hist4);
  EXPECT_EQ(loaded, "/p/x & y.vnq");
  EXPECT_EQ(view.CmdPrefFileName, "cmd.vnq");
}

}  // namespace
}  // namespace vt
