// Message boxes: the modal text, caption and style the program shows the user.
#pragma once

#include <string>

namespace tk {

enum class MessageStyle {
  kStop,      // stop icon, OK: refusals and file errors
  kNote,      // no icon, OK: notes
  kQuestion,  // question icon, Yes and No
};

enum class MessageReply { kOk, kYes, kNo };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageReply Show(const std::string& text, const std::string& caption,
                            MessageStyle style) = 0;
};

}  // namespace tk
