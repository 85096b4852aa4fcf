// Paths: file names beside the executable and in the settings directory.
#include "window/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace vt {

ProgramPaths MakeProgramPaths(const std::string& program_dir, const std::string& settings_dir) {
  ProgramPaths p;
  p.ProgramDir = program_dir;
  p.HelpFilePath = program_dir + "/vontrask.html";
  p.GenderListPath = program_dir + "/gender.txt";
  p.WindowsDir = settings_dir;
  p.SettingsFilePath = settings_dir + "/vontrask.ini";
  p.ClipInTransferPath = settings_dir + "/~vontclip.txt";
  p.ClipOutTransferPath = settings_dir + "/~vontclipout.txt";
  p.TempFilePath = settings_dir + "/~$vnstemp.tmp";
  p.LogFilePath = settings_dir + "/VontraskLog.txt";
  p.PlugInTransferPath = settings_dir + "/~vntplug.txt";
  return p;
}

std::string ExecutableDir() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return "";
    if (static_cast<std::size_t>(n) < buffer.size()) {
      std::string path(buffer.data(), static_cast<std::size_t>(n));
      const std::size_t slash = path.rfind('/');
      return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string DefaultSettingsDir() {
  const char* home = std::getenv("VONTRASK_HOME");
  if (home != nullptr && *home != '\0') return home;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && *config != '\0') return std::string(config) + "/vontrask";
  const char* user = std::getenv("HOME");
  if (user != nullptr && *user != '\0') return std::string(user) + "/.config/vontrask";
  return ".";
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace vt
