// Shell that opens documents with xdg-open, without a shell and without waiting for it.
#pragma once

#include <string>

#include "toolkit/services/shell.h"

namespace tk {

class XdgShell : public Shell {
 public:
  // `opener` is the program that opens a document: a path, or a name looked up on PATH.
  explicit XdgShell(std::string opener = "xdg-open") : opener_(std::move(opener)) {}
  // Starts the opener and returns at once; a missing opener or its failure is ignored.
  void OpenDocument(const std::string& path) override;

  // What the opener receives for `path`: the path itself, or, for "file#anchor" where only
  // "file" exists, a file URL with the anchor (a path cannot carry one).
  static std::string Target(const std::string& path);

 private:
  std::string opener_;
};

}  // namespace tk
