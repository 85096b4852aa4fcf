// Clipboard: the system clipboard's text, as bytes.
#pragma once

#include <string>

namespace tk {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::string GetText() = 0;
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace tk
