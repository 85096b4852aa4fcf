// Opening documents and help topics: the opener's argument, no waiting, no child left behind.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/fake_services.h"
#include "toolkit/scratch_dir.h"
#include "toolkit/services/shell_help.h"
#include "toolkit/services/xdg_shell.h"

namespace tk {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;
using testing::WriteScript;

// Waits for a file that another process writes; the opener runs on its own.
bool AppearsWithin(const std::string& path, std::chrono::seconds limit) {
  auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (std::filesystem::exists(path)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(XdgShell, StartsTheOpenerAndLeavesNoChild) {
  ScratchDir scratch;
  std::string opener = scratch.Path("opener");
  // Reports its argument and where its standard output goes, then renames so the test never
  // reads half a file.
  WriteScript(opener,
              "dir=$(dirname \"$0\")\n"
              "printf '%s\\n%s' \"$1\" \"$(readlink /proc/$$/fd/1)\" > \"$dir/report.tmp\"\n"
              "mv \"$dir/report.tmp\" \"$dir/report\"");
  std::string document = scratch.Path("log file.txt");
  WriteBytes(document, "log");

  XdgShell shell(opener);
  shell.OpenDocument(document);

  ASSERT_TRUE(AppearsWithin(scratch.Path("report"), std::chrono::seconds(20)));
  EXPECT_EQ(ReadBytes(scratch.Path("report")), document + "\n/dev/null");
  int status = 0;
  errno = 0;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1) << "a child of ours is still there";
  EXPECT_EQ(errno, ECHILD);
}

TEST(XdgShell, MissingOpenerIsIgnored) {
  ScratchDir scratch;
  XdgShell by_path(scratch.Path("no-such-opener"));
  by_path.OpenDocument("/etc/hostname");
  XdgShell by_name("vontrask-no-such-opener");
  by_name.OpenDocument("/etc/hostname");
  int status = 0;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
}

TEST(XdgShell, TargetCarriesAnAnchorAsAFileUrl) {
  ScratchDir scratch;
  std::string help = scratch.Path("help file.html");
  std::string hashed = scratch.Path("a#b.html");
  WriteBytes(help, "<html></html>");
  WriteBytes(hashed, "");
  struct Row {
    const char* name;
    std::string path;
    std::string expected;
  };
  const Row rows[] = {
      {"plain file", help, help},
      {"file with an anchor", help + "#context-6",
       "file://" + scratch.Root() + "/help%20file.html#context-6"},
      {"missing file with an anchor", scratch.Path("none.html#context-6"),
       scratch.Path("none.html#context-6")},
      {"file whose name holds a hash", hashed, hashed},
      {"no anchor, missing file", scratch.Path("none.html"), scratch.Path("none.html")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(XdgShell::Target(row.path), row.expected);
  }
}

TEST(ShellHelp, OpensTheHelpFileOrItsTopic) {
  ScratchDir scratch;
  std::string file = scratch.Path("vontrask.html");
  WriteBytes(file, "<html></html>");
  std::string missing = scratch.Path("missing.html");
  struct Row {
    const char* name;
    std::function<void(Help&)> call;
    std::vector<std::string> opened;
  };
  const Row rows[] = {
      {"contents", [&](Help& h) { h.Contents(file); }, {file}},
      {"search", [&](Help& h) { h.Search(file, ""); }, {file}},
      {"topic", [&](Help& h) { h.Topic(file, 6); }, {file + "#context-6"}},
      {"topic 403", [&](Help& h) { h.Topic(file, 403); }, {file + "#context-403"}},
      {"quit", [&](Help& h) { h.Quit(file); }, {}},
      {"contents of a missing file", [&](Help& h) { h.Contents(missing); }, {}},
      {"search of a missing file", [&](Help& h) { h.Search(missing, "x"); }, {}},
      {"topic of a missing file", [&](Help& h) { h.Topic(missing, 6); }, {}},
      {"a directory", [&](Help& h) { h.Contents(scratch.Root()); }, {}},
      {"no file name", [&](Help& h) { h.Topic("", 1); }, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    testing::FakeShell shell;
    ShellHelp help(shell);
    row.call(help);
    EXPECT_EQ(shell.opened, row.opened);
  }
}

}  // namespace
}  // namespace tk
