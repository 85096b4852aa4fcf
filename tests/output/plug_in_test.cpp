// The plug-in exchange step: the names that may run, the transfer text, and how the answer (or
// its absence) becomes Combination 1-4.
#include "output/plug_in.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/generated_sources.h"

namespace vt {
namespace {

class ScriptedPlugIn : public PlugIn {
 public:
  PlugInOutcome Exchange(std::string_view sent, std::string& answer) override {
    this->sent = sent;
    answer = reply;
    return outcome;
  }
  PlugInOutcome outcome = PlugInOutcome::kAnswered;
  std::string reply;
  std::string sent;
};

std::vector<std::string> Combinations(const OutputTables& out) {
  return {out.GeneratedSourceValues.begin() + kCombination1,
          out.GeneratedSourceValues.begin() + kCombination4 + 1};
}

TEST(PlugIn, OnlyAPlainFileNameOfTheProgramFolderMayRun) {
  for (const char* name : {"upper", "my prog.sh", "a.b"}) EXPECT_TRUE(PlugInNameAllowed(name));
  for (const char* name : {"", "/bin/sh", "sub/prog", "..", "..\\x", "a\\b", "x..y"})
    EXPECT_FALSE(PlugInNameAllowed(name)) << name;
  EXPECT_FALSE(PlugInNameAllowed(std::string("a\0b", 3)));
}

TEST(PlugIn, TheAnswerReplacesTheCombinationsLineByLine) {
  struct Row {
    const char* name;
    PlugInOutcome outcome;
    std::string reply;
    std::vector<std::string> expected;
  };
  const std::string long_line(1400, 'x');
  const Row rows[] = {
      {"four lines", PlugInOutcome::kAnswered, "A\nB\nC\nD\n", {"A", "B", "C", "D"}},
      {"two lines keep the rest", PlugInOutcome::kAnswered, "A\r\nB", {"A", "B", "c3", "c4"}},
      {"empty lines empty them", PlugInOutcome::kAnswered, "\n\n", {"", "", "c3", "c4"}},
      {"a long line is cut, not spilled",
       PlugInOutcome::kAnswered,
       long_line + "\nB\n",
       {std::string(1299, 'x'), "B", "c3", "c4"}},
      {"not run", PlugInOutcome::kNotRun, "", {"c1", "c2", "c3", "c4"}},
      {"an empty answer keeps them all", PlugInOutcome::kAnswered, "", {"c1", "c2", "c3", "c4"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    OutputTables out;
    out.GeneratedSourceValues.assign(OutputTables::kGeneratedSlots, "");
    for (int c = 0; c < 4; ++c)
      out.GeneratedSourceValues[static_cast<std::size_t>(kCombination1 + c)] =
          "c" + std::to_string(c + 1);
    ScriptedPlugIn plug_in;
    plug_in.outcome = row.outcome;
    plug_in.reply = row.reply;
    PlugInStep(plug_in, out);
    EXPECT_EQ(plug_in.sent, "c1\nc2\nc3\nc4\n");
    EXPECT_EQ(Combinations(out), row.expected);
  }
}

}  // namespace
}  // namespace vt
