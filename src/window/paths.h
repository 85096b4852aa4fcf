// Paths: where the program finds its own files and keeps the settings, log and transfer files.
#pragma once

#include <string>

namespace vt {

struct ProgramPaths {
  std::string ProgramDir;  // directory of the executable, no trailing '/'
  std::string HelpFilePath;
  std::string WindowsDir;  // settings directory, no trailing '/'
  std::string SettingsFilePath;
  std::string ClipInTransferPath;
  std::string ClipOutTransferPath;
  std::string TempFilePath;
  std::string LogFilePath;
  std::string PlugInTransferPath;
  std::string GenderListPath;
};

// Every path from the two directories.
ProgramPaths MakeProgramPaths(const std::string& program_dir, const std::string& settings_dir);

// The folder of a file's path with its trailing '/' ("" for a bare name): what the settings
// remember as the last folder used.
std::string FolderOf(const std::string& path);

// The directory of the running executable (empty when it cannot be found).
std::string ExecutableDir();

// $VONTRASK_HOME, else $XDG_CONFIG_HOME/vontrask, else $HOME/.config/vontrask (else ".").
std::string DefaultSettingsDir();

}  // namespace vt
