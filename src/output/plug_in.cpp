// Plug-in exchange: the transfer text of the four combinations and the reading of the answer.
#include "output/plug_in.h"

#include "output/combinations.h"
#include "output/generated_sources.h"

namespace vt {

namespace {

std::string& Combination(OutputTables& out, int c) {
  return out.GeneratedSourceValues[static_cast<std::size_t>(kCombination1 + c - 1)];
}

}  // namespace

bool PlugInNameAllowed(std::string_view name) {
  if (name.empty()) return false;
  constexpr std::string_view kRefused[] = {"/", "\\", "..", std::string_view("\0", 1)};
  for (std::string_view bad : kRefused) {
    if (name.find(bad) != std::string_view::npos) return false;
  }
  return true;
}

void PlugInTransferText(const OutputTables& out, std::string& text) {
  text.clear();
  for (int c = 1; c <= kCombinations; ++c) {
    text += out.GeneratedSourceValues[static_cast<std::size_t>(kCombination1 + c - 1)];
    text += '\n';
  }
}

void TakePlugInAnswer(std::string_view answer, OutputTables& out) {
  for (int c = 1; c <= kCombinations && !answer.empty(); ++c) {
    const std::size_t lf = answer.find('\n');
    std::string_view line = answer.substr(0, lf);
    answer.remove_prefix(lf == std::string_view::npos ? answer.size() : lf + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    // A long line is one value, cut at the limit of a value, never spilled into the next one.
    Combination(out, c).assign(line.substr(0, kValueBufferSize - 1));
  }
}

void PlugInStep(PlugIn& plug_in, OutputTables& out) {
  // A process starts for every record, so these two texts are no cost worth keeping.
  std::string sent;
  std::string answer;
  PlugInTransferText(out, sent);
  if (plug_in.Exchange(sent, answer) == PlugInOutcome::kAnswered) TakePlugInAnswer(answer, out);
}

}  // namespace vt
