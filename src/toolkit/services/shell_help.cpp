// Help that opens the HTML help file, or one of its topics, in the desktop's viewer.
#include "toolkit/services/shell_help.h"

#include <filesystem>
#include <system_error>

namespace tk {
namespace {

bool HelpFileExists(const std::string& help_file) {
  std::error_code error;
  return !help_file.empty() && std::filesystem::is_regular_file(help_file, error);
}

}  // namespace

void ShellHelp::Contents(const std::string& help_file) {
  if (HelpFileExists(help_file)) shell_.OpenDocument(help_file);
}

// The viewer's own find does the searching; the key has no place in a file name.
void ShellHelp::Search(const std::string& help_file, const std::string& /*key*/) {
  if (HelpFileExists(help_file)) shell_.OpenDocument(help_file);
}

void ShellHelp::Topic(const std::string& help_file, int context) {
  if (HelpFileExists(help_file)) {
    shell_.OpenDocument(help_file + "#context-" + std::to_string(context));
  }
}

void ShellHelp::Quit(const std::string& /*help_file*/) {}

}  // namespace tk
