// Help over the program's own HTML help file, shown through the desktop's viewer.
#pragma once

#include <string>

#include "toolkit/services/help.h"
#include "toolkit/services/shell.h"

namespace tk {

// Contents and search open the help file; a topic opens "file#context-N", the anchor the help
// file gives the topic of context number N. A missing help file opens nothing.
class ShellHelp : public Help {
 public:
  explicit ShellHelp(Shell& shell) : shell_(shell) {}
  void Contents(const std::string& help_file) override;
  void Search(const std::string& help_file, const std::string& key) override;
  void Topic(const std::string& help_file, int context) override;
  // The viewer is not ours to close.
  void Quit(const std::string& help_file) override;

 private:
  Shell& shell_;
};

}  // namespace tk
