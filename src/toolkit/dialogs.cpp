// Dialog objects: the request handed to the dialog service.
#include "toolkit/dialogs.h"

#include "toolkit/window.h"

namespace tk {

FileDialog::FileDialog(Window& window, std::string name, bool save)
    : Control(window, save ? ControlKind::kSaveDialog : ControlKind::kOpenDialog, std::move(name),
              nullptr) {
  request_.save = save;
  SetVisible(false);
}

bool FileDialog::Execute() {
  FileDialogs* dialogs = Owner().services().dialogs;
  if (dialogs == nullptr) return false;
  std::string chosen;
  if (!dialogs->Run(request_, chosen)) return false;
  request_.file_name = std::move(chosen);
  return true;
}

}  // namespace tk
