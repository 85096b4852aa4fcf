// Shell: opening a document in the desktop's viewer for it.
#pragma once

#include <string>

namespace tk {

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the desktop to open the file; the result is not reported.
  virtual void OpenDocument(const std::string& path) = 0;
};

}  // namespace tk
