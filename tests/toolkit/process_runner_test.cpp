// Starting a program with one argument and waiting for it: statuses, argument bytes, environment.
#include "toolkit/services/posix_process_runner.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "toolkit/scratch_dir.h"

namespace tk {
namespace {

using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteScript;

class ProcessRunnerTest : public ::testing::Test {
 protected:
  ScratchDir scratch;
  PosixProcessRunner runner;
};

TEST_F(ProcessRunnerTest, ReturnsTheExitStatusOrMinusOne) {
  WriteScript(scratch.Path("seven"), "exit 7");
  WriteScript(scratch.Path("killed"), "kill -TERM $$\nsleep 5");
  WriteScript(scratch.Path("not-executable"), "exit 0");
  ::chmod(scratch.Path("not-executable").c_str(), 0644);
  struct Row {
    const char* name;
    std::string program;
    std::string argument;
    int expected;
  };
  const Row rows[] = {
      {"true", "/bin/true", "", 0},
      {"false", "/bin/false", "", 1},
      {"its own status", scratch.Path("seven"), "x", 7},
      {"ended by a signal", scratch.Path("killed"), "", -1},
      {"missing program", scratch.Path("missing"), "", -1},
      {"not executable", scratch.Path("not-executable"), "", -1},
      {"a directory", scratch.Root(), "", -1},
      {"empty program", "", "", -1},
      {"name not looked up on PATH", "true", "", -1},
      {"NUL in the argument", "/bin/true", std::string("a\0b", 3), -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(runner.RunAndWait(row.program, row.argument), row.expected);
  }
}

TEST_F(ProcessRunnerTest, PassesTheArgumentIntactWithoutAShell) {
  std::string program = scratch.Path("echo arg");  // a blank in the program's own path too
  WriteScript(program, "printf '%s' \"$1\" > \"$(dirname \"$0\")/out\"\nexit $#");
  const std::string arguments[] = {
      "plain",
      "two words",
      "\"double\" and 'single' quotes",
      "$HOME `id` $(id) ; | & > < * ? ~ \\",
      "",
      " leading and trailing blanks ",
      "tab\there",
      "bytes \x80\xe9\xff",
      "-e",
  };
  for (const std::string& argument : arguments) {
    SCOPED_TRACE(argument);
    std::remove(scratch.Path("out").c_str());
    EXPECT_EQ(runner.RunAndWait(program, argument), 1) << "one argument, always";
    EXPECT_EQ(ReadBytes(scratch.Path("out")), argument);
  }
}

TEST_F(ProcessRunnerTest, GivesTheProgramItsPathAndOurEnvironment) {
  std::string program = scratch.Path("probe");
  WriteScript(program, "printf '%s|%s' \"$0\" \"$VONTRASK_RUNNER_PROBE\" > \"$1\"");
  ::setenv("VONTRASK_RUNNER_PROBE", "probe value", 1);
  EXPECT_EQ(runner.RunAndWait(program, scratch.Path("out")), 0);
  ::unsetenv("VONTRASK_RUNNER_PROBE");
  EXPECT_EQ(ReadBytes(scratch.Path("out")), program + "|probe value");
}

}  // namespace
}  // namespace tk
