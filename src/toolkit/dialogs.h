// Dialog objects: open and save dialogs with their settings, run through the dialog service.
#pragma once

#include <string>

#include "toolkit/control.h"
#include "toolkit/services/file_dialogs.h"

namespace tk {

class FileDialog : public Control {
 public:
  FileDialog(Window& window, std::string name, bool save);
  FileDialogRequest& Settings() { return request_; }
  const std::string& FileName() const { return request_.file_name; }
  void SetFileName(std::string name) { request_.file_name = std::move(name); }
  // Shows the dialog; true when the user accepted a name (then FileName() holds it).
  bool Execute();

 private:
  FileDialogRequest request_;
};

class OpenDialog : public FileDialog {
 public:
  OpenDialog(Window& window, std::string name) : FileDialog(window, std::move(name), false) {}
};

class SaveDialog : public FileDialog {
 public:
  SaveDialog(Window& window, std::string name) : FileDialog(window, std::move(name), true) {}
};

}  // namespace tk
