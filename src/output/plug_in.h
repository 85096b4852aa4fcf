// Plug-in exchange: Combination 1-4 handed to a program of the user's, which may rewrite them.
// The builder runs the step right after the combinations are made; how the program is reached
// (the transfer file, starting it) is the caller's, behind PlugIn.
#pragma once

#include <string>
#include <string_view>

#include "output/output_tables.h"

namespace vt {

enum class PlugInOutcome {
  kNotRun,    // no program ran, or it left no file to read: the values stay as they are
  kAnswered,  // `answer` holds the text it left; a value past its last line stays
};

class PlugIn {
 public:
  virtual ~PlugIn() = default;
  // Hands `sent` to the program and waits for it.
  virtual PlugInOutcome Exchange(std::string_view sent, std::string& answer) = 0;
};

// Whether a plug-in name may be run: a plain file name of the program's folder, never a path
// ("/", "\", ".."), never empty.
[[nodiscard]] bool PlugInNameAllowed(std::string_view name);

// The transfer text: each combination's value and a line end.
void PlugInTransferText(const OutputTables& out, std::string& text);

// The answer's lines as Combination 1-4, in order (a CR before the LF dropped, each cut at the
// value limit); a combination past the answer's last line keeps its value.
void TakePlugInAnswer(std::string_view answer, OutputTables& out);

// The whole step: the values sent, the program run, its answer taken.
void PlugInStep(PlugIn& plug_in, OutputTables& out);

}  // namespace vt
