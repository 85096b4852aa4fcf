// Help: the program's help file, opened at its contents, its search or a numbered topic.
#pragma once

#include <string>

namespace tk {

class Help {
 public:
  virtual ~Help() = default;
  virtual void Contents(const std::string& help_file) = 0;
  virtual void Search(const std::string& help_file, const std::string& key) = 0;
  virtual void Topic(const std::string& help_file, int context) = 0;
  virtual void Quit(const std::string& help_file) = 0;
};

}  // namespace tk
