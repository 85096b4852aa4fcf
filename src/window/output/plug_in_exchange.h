// Plug-in exchange of the window: the transfer file in the settings folder and the program in the
// program's folder, started through the toolkit's process runner.
#pragma once

#include <string>
#include <string_view>

#include "output/plug_in.h"
#include "toolkit/services/process_runner.h"

namespace vt {

class WindowPlugIn final : public PlugIn {
 public:
  explicit WindowPlugIn(tk::ProcessRunner* runner) : runner_(runner) {}

  // The program `name` in `program_dir`, and the transfer file it is handed.
  void Aim(const std::string& program_dir, const std::string& name, const std::string& transfer);

  // The transfer file is written first; nothing runs when it cannot be, or for a name that is
  // not a plain file name or names no executable file. Whatever the program's exit status, the
  // file it leaves is the answer; a file it removed is none.
  PlugInOutcome Exchange(std::string_view sent, std::string& answer) override;

 private:
  tk::ProcessRunner* runner_;
  std::string program_dir_;
  std::string name_;
  std::string transfer_;
};

}  // namespace vt
