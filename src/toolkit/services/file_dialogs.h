// File dialogs: the open and save dialogs through which the user names a file.
#pragma once

#include <string>

namespace tk {

struct FileDialogRequest {
  bool save = false;  // a save dialog (else an open dialog)
  std::string title;
  std::string filter;       // "Text files|*.txt|All files|*.*"
  std::string default_ext;  // without the dot
  std::string initial_dir;
  std::string file_name;  // proposed name
  bool overwrite_prompt = false;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Returns true and sets `chosen` when the user accepted a name; false when cancelled.
  virtual bool Run(const FileDialogRequest& request, std::string& chosen) = 0;
};

}  // namespace tk
