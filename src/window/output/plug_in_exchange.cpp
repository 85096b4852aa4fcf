// Plug-in exchange of the window: write the transfer file, run the program, read the file back.
#include "window/output/plug_in_exchange.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "toolkit/services/private_files.h"

namespace vt {

namespace {

namespace fs = std::filesystem;

bool IsProgram(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  constexpr fs::perms kRunnable =
      fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  return !ec && fs::is_regular_file(status) &&
         (status.permissions() & kRunnable) != fs::perms::none;
}

}  // namespace

void WindowPlugIn::Aim(const std::string& program_dir, const std::string& name,
                       const std::string& transfer) {
  program_dir_ = program_dir;
  name_ = name;
  transfer_ = transfer;
}

PlugInOutcome WindowPlugIn::Exchange(std::string_view sent, std::string& answer) {
  // The file is there for the user's program to find, whether or not a program starts.
  if (!tk::WritePrivateFile(transfer_, sent)) return PlugInOutcome::kNotRun;
  const std::string program = program_dir_ + "/" + name_;
  if (runner_ == nullptr || !PlugInNameAllowed(name_) || !IsProgram(program))
    return PlugInOutcome::kNotRun;
  // Its exit status says nothing about the file: what it left there is its answer.
  (void)runner_->RunAndWait(program, transfer_);
  std::ifstream in(transfer_, std::ios::binary);
  if (!in) return PlugInOutcome::kNotRun;
  answer.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return in.bad() ? PlugInOutcome::kNotRun : PlugInOutcome::kAnswered;
}

}  // namespace vt
