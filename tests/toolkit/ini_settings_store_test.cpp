// The settings file's profile-string rules: lookup, in-place edits, sizes and atomic replacement.
#include "toolkit/services/ini_settings_store.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/scratch_dir.h"

namespace tk {
namespace {

using ini_internal::FindValue;
using ini_internal::SetValue;
using ini_internal::Storable;
using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;

struct FindRow {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

TEST(IniFindValue, FollowsTheProfileRules) {
  const FindRow rows[] = {
      {"plain", "[Setup]\nLastInput=/home/a/\n", "Setup", "LastInput", "/home/a/"},
      {"section ignores case", "[setup]\nLastInput=x\n", "SETUP", "LastInput", "x"},
      {"key ignores case", "[Setup]\nlastinput=x\n", "Setup", "LASTINPUT", "x"},
      {"blanks around the equals sign", "[S]\n  key  =  va lue  \n", "S", "key", "va lue"},
      {"tabs around the equals sign", "[S]\n\tkey\t=\tvalue\t\n", "S", "key", "value"},
      {"blanks around the section name", "  [ Setup ]  \nk=v\n", "Setup", "k", "v"},
      {"caller's names are trimmed", "[S]\nk=v\n", " S ", "\tk ", "v"},
      {"CR LF line ends", "[S]\r\nk=v\r\nj=w\r\n", "S", "k", "v"},
      {"CR at the end of the file", "[S]\r\nk=v\r", "S", "k", "v"},
      {"no LF after the last line", "[S]\nk=v", "S", "k", "v"},
      {"empty value", "[S]\nk=\n", "S", "k", ""},
      {"blank value", "[S]\nk=   \n", "S", "k", ""},
      {"equals sign inside the value", "[S]\nk=a=b\n", "S", "k", "a=b"},
      {"quotes are kept", "[S]\nk=\"a b\"\n", "S", "k", "\"a b\""},
      {"bytes 128-255 pass through", "[S]\nn\xe9=\xc9t\xe9\xff\n", "S", "n\xe9", "\xc9t\xe9\xff"},
      {"later key of the same name", "[S]\nk=1\nk=2\n", "S", "k", "1"},
      {"duplicate sections: the first wins", "[S]\nk=1\n[S]\nk=2\n", "S", "k", "1"},
      {"duplicate sections: the second is not read", "[S]\na=1\n[S]\nk=2\n", "S", "k",
       std::nullopt},
      {"empty file", "", "S", "k", std::nullopt},
      {"missing section", "[T]\nk=1\n", "S", "k", std::nullopt},
      {"missing key", "[S]\nj=1\n", "S", "k", std::nullopt},
      {"key of the next section", "[S]\nj=1\n[T]\nk=2\n", "S", "k", std::nullopt},
      {"key before any section", "k=1\n[S]\n", "S", "k", std::nullopt},
      {"commented-out key", "[S]\n;k=1\n", "S", "k", std::nullopt},
      {"line without an equals sign", "[S]\nk\n", "S", "k", std::nullopt},
      {"prefix of a longer key", "[S]\nkey=1\n", "S", "k", std::nullopt},
      {"prefix of a longer section", "[Setup]\nk=1\n", "Set", "k", std::nullopt},
  };
  for (const FindRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FindValue(row.text, row.section, row.key), row.expected);
  }
}

// Only ASCII letters fold: byte b finds the first key of the table that equals it ignoring
// ASCII case, so 'a' finds the 'A' line and 0xE9 finds its own line, never the 0xC9 one.
TEST(IniFindValue, FoldsOnlyAsciiLettersOverAllBytes) {
  auto excluded = [](int b) { return b == '\n' || b == '\r' || b == '=' || b == ' ' || b == '\t'; };
  std::string text = "[S]\n";
  for (int b = 0; b < 256; ++b) {
    if (excluded(b)) continue;
    text += 'k';
    text += static_cast<char>(b);
    text += "=" + std::to_string(b) + "\n";
  }
  for (int b = 0; b < 256; ++b) {
    if (excluded(b)) continue;
    int first = b >= 'a' && b <= 'z' ? b - 'a' + 'A' : b;
    std::string key = "k";
    key += static_cast<char>(b);
    EXPECT_EQ(FindValue(text, "S", key), std::to_string(first)) << "byte " << b;
  }
}

struct SetRow {
  const char* name;
  std::string text;
  const char* section;
  const char* key;
  std::string value;
  std::string expected;
};

TEST(IniSetValue, EditsInPlaceAndKeepsEveryOtherLine) {
  const SetRow rows[] = {
      {"empty file", "", "Setup", "LastInput", "/a/", "[Setup]\nLastInput=/a/\n"},
      {"replaces the key in place", "; top\n[S]\na=1\nk=old\nb=2\n[T]\nk=t\n", "S", "k", "new",
       "; top\n[S]\na=1\nk=new\nb=2\n[T]\nk=t\n"},
      {"new key after the section's last line", "[S]\na=1\n\n[T]\nb=2\n", "S", "k", "v",
       "[S]\na=1\nk=v\n\n[T]\nb=2\n"},
      {"new key after a trailing comment", "[S]\na=1\n; note\n\n\n[T]\n", "S", "k", "v",
       "[S]\na=1\n; note\nk=v\n\n\n[T]\n"},
      {"header alone", "[S]\n[T]\n", "S", "k", "v", "[S]\nk=v\n[T]\n"},
      {"last section", "[T]\nb=2\n[S]\na=1\n", "S", "k", "v", "[T]\nb=2\n[S]\na=1\nk=v\n"},
      {"new section at the end", "[T]\nb=2\n", "S", "k", "v", "[T]\nb=2\n[S]\nk=v\n"},
      {"no LF after the last line", "[S]\na=1", "S", "k", "v", "[S]\na=1\nk=v\n"},
      {"CR LF becomes LF", "[S]\r\na=1\r\n", "S", "k", "v", "[S]\na=1\nk=v\n"},
      {"a lone CR inside a line stays", "x\ry\n[S]\n", "S", "k", "v", "x\ry\n[S]\nk=v\n"},
      {"a CR that ends a line's own text stays", "a=1\r\r\n[S]\n", "S", "k", "v",
       "a=1\r\r\n[S]\nk=v\n"},
      {"a header keeping its CR names no empty section", "[\r\r\n", "", "k", "v",
       "[\r\r\n[]\nk=v\n"},
      {"keeps the file's spelling of the key", "[Setup]\nLastInput=x\n", "SETUP", "lastinput", "y",
       "[Setup]\nLastInput=y\n"},
      {"blanks around the equals sign", "[S]\n  k  =  old  \n", "S", "k", "new", "[S]\nk=new\n"},
      {"empty value", "[S]\nk=old\n", "S", "k", "", "[S]\nk=\n"},
      {"empty value of a new key", "", "History", "File1", "", "[History]\nFile1=\n"},
      {"first of duplicate sections", "[S]\nk=1\n[S]\nk=2\n", "S", "k", "new",
       "[S]\nk=new\n[S]\nk=2\n"},
      {"first of duplicate keys", "[S]\nk=1\nk=2\n", "S", "k", "new", "[S]\nk=new\nk=2\n"},
      {"commented-out key stays", "[S]\n;k=1\n", "S", "k", "v", "[S]\n;k=1\nk=v\n"},
      {"unknown lines stay", "junk\n[S]\nno equals\n", "S", "k", "v",
       "junk\n[S]\nno equals\nk=v\n"},
      {"key before any section stays", "k=0\n", "S", "k", "v", "k=0\n[S]\nk=v\n"},
      {"bytes 128-255 pass through", "[S]\n\xe9=\xff\n", "S", "\xe9", "\x80\xc9",
       "[S]\n\xe9=\x80\xc9\n"},
      {"caller's names are trimmed", "", " S ", " k ", "v", "[S]\nk=v\n"},
  };
  for (const SetRow& row : rows) {
    SCOPED_TRACE(row.name);
    std::string out = SetValue(row.text, row.section, row.key, row.value);
    EXPECT_EQ(out, row.expected);
    EXPECT_EQ(FindValue(out, row.section, row.key), row.value);
  }
}

TEST(IniStorable, RefusesWhatWouldNotReadBack) {
  struct Row {
    const char* name;
    std::string section, key, value;
    bool storable;
  };
  const Row rows[] = {
      {"plain", "Setup", "LastInput", "/a b/", true},
      {"empty value", "S", "k", "", true},
      {"LF in the value", "S", "k", "a\nb", false},
      {"CR in the value", "S", "k", "a\rb", false},
      {"LF in the key", "S", "k\nx", "v", false},
      {"LF in the section", "S\n", "k", "v", false},
      {"equals sign in the key", "S", "k=x", "v", false},
      {"bracket closing the section", "S]x", "k", "v", false},
      {"key read as a header", "S", " [k", "v", false},
      {"key read as a comment", "S", ";k", "v", false},
      {"bracket inside the key", "S", "k[1]", "v", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Storable(row.section, row.key, row.value), row.storable);
  }
}

class IniFile : public ::testing::Test {
 protected:
  // Names in the scratch directory other than `except`: leftover temporary files show here.
  std::vector<std::string> Others(const std::string& dir, const std::string& except) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      std::string name = entry.path().filename().string();
      if (name != except) names.push_back(name);
    }
    return names;
  }

  ScratchDir scratch;
  IniSettingsStore store;
};

TEST_F(IniFile, ReadGivesTheDefaultTrimmedAndCut) {
  struct Row {
    const char* name;
    bool file;
    std::string fallback;
    std::size_t size;
    std::string expected;
  };
  // The file holds [S] k=abcdef.
  const Row rows[] = {
      {"stored value", true, "dflt", 255, "abcdef"},
      {"stored value cut to size - 1", true, "dflt", 4, "abc"},
      {"stored value at exactly its size", true, "dflt", 7, "abcdef"},
      {"size 1", true, "dflt", 1, ""},
      {"size 0", true, "dflt", 0, ""},
      {"missing file", false, "  /home/a/\t", 255, "/home/a/"},
      {"missing file, default cut", false, " dflt ", 3, "df"},
      {"missing file, size 0", false, "dflt", 0, ""},
  };
  WriteBytes(scratch.Path("with.ini"), "[S]\nk= abcdef \n");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string path = scratch.Path(row.file ? "with.ini" : "none.ini");
    EXPECT_EQ(store.Read(path, "S", "k", row.fallback, row.size), row.expected);
  }
  EXPECT_EQ(store.Read(scratch.Path("with.ini"), "S", "missing", " d ", 255), "d");
  EXPECT_EQ(store.Read(scratch.Path("with.ini"), "T", "k", "d", 255), "d");
  EXPECT_EQ(store.Read(scratch.Root(), "S", "k", "a directory", 255), "a directory");
}

TEST_F(IniFile, WriteCreatesTheFileAndItsDirectories) {
  std::string path = scratch.Path("new/deeper/vontrask.ini");
  ASSERT_TRUE(store.Write(path, "Setup", "LastInput", "/data/"));
  EXPECT_EQ(ReadBytes(path), "[Setup]\nLastInput=/data/\n");
  ASSERT_TRUE(store.Write(path, "History", "File1", ""));
  ASSERT_TRUE(store.Write(path, "setup", "LASTINPUT", "/other/"));
  ASSERT_TRUE(store.Write(path, "Setup", "LastPrefs", "/prefs/"));
  EXPECT_EQ(ReadBytes(path), "[Setup]\nLastInput=/other/\nLastPrefs=/prefs/\n[History]\nFile1=\n");
  EXPECT_EQ(store.Read(path, "SETUP", "lastprefs", "", 255), "/prefs/");
  EXPECT_EQ(store.Read(path, "History", "File1", "default", 255), "");
  EXPECT_EQ(Others(scratch.Path("new/deeper"), "vontrask.ini"), std::vector<std::string>{});
}

TEST_F(IniFile, WriteKeepsCrLfFilesReadableAndTheFileMode) {
  std::string path = scratch.Path("old.ini");
  WriteBytes(path, "; kept\r\n[Setup]\r\nLastInput = /a/\r\n\r\n[Other]\r\nx=1\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(store.Write(path, "Setup", "LastInput", "/b/"));
  EXPECT_EQ(ReadBytes(path), "; kept\n[Setup]\nLastInput=/b/\n\n[Other]\nx=1\n");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// The history's nine keys go in one replacement; writing them again unchanged leaves the file
// alone (no new inode), and one key that cannot be stored keeps all of them out.
TEST_F(IniFile, WriteKeysReplacesOnceOrNotAtAll) {
  const std::string path = scratch.Path("keys.ini");
  const std::vector<std::pair<std::string, std::string>> keys = {{"File1", "a.vnq"}, {"File2", ""}};
  ASSERT_TRUE(store.WriteKeys(path, "History", keys));
  EXPECT_EQ(ReadBytes(path), "[History]\nFile1=a.vnq\nFile2=\n");
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  ASSERT_TRUE(store.WriteKeys(path, "History", keys));
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_FALSE(store.WriteKeys(path, "History", {{"File1", "b.vnq"}, {"File2", "x\ny"}}));
  EXPECT_EQ(ReadBytes(path), "[History]\nFile1=a.vnq\nFile2=\n");
}

TEST_F(IniFile, RefusedWritesLeaveTheOldFile) {
  std::string path = scratch.Path("old.ini");
  const std::string old = "[S]\nk=old\n";
  WriteBytes(path, old);
  struct Row {
    const char* name;
    std::string path, key, value;
  };
  const Row rows[] = {
      {"value with a line break", path, "k", "a\nb=c"},
      {"key with an equals sign", path, "k=x", "v"},
      {"path is a directory", scratch.Root(), "k", "v"},
      {"directory part is a file", path + "/inner.ini", "k", "v"},
      {"no file name", scratch.Root() + "/", "k", "v"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(store.Write(row.path, "S", row.key, row.value));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Others(scratch.Root(), "old.ini"), std::vector<std::string>{});
  }
}

// While it lives, files cannot grow past `limit` bytes: a write fails instead of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lower = saved_;
    lower.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &lower);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit saved_{};
  sighandler_t old_handler_;
};

TEST_F(IniFile, FailedWriteLeavesTheOldFileAndNoTemporary) {
  std::string path = scratch.Path("old.ini");
  const std::string old = "[S]\nk=old\n";
  WriteBytes(path, old);
  {
    FileSizeLimit limit(16);
    EXPECT_FALSE(store.Write(path, "S", "k", std::string(100, 'x')));
  }
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(Others(scratch.Root(), "old.ini"), std::vector<std::string>{});
}

TEST_F(IniFile, UnwritableDirectoryLeavesTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  std::string dir = scratch.Path("locked");
  std::filesystem::create_directory(dir);
  std::string path = dir + "/old.ini";
  WriteBytes(path, "[S]\nk=old\n");
  ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
  EXPECT_FALSE(store.Write(path, "S", "k", "new"));
  EXPECT_EQ(ReadBytes(path), "[S]\nk=old\n");
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);
  EXPECT_FALSE(store.Write(path, "S", "k", "new")) << "an unreadable file must not be replaced";
}

}  // namespace
}  // namespace tk
