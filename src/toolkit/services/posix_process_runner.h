// Process runner that starts a program directly (posix_spawn, no shell) and waits for it.
#pragma once

#include <string>

#include "toolkit/services/process_runner.h"

namespace tk {

// The program gets argv {program, argument} and this process's environment; `program` is a
// path, not looked up on PATH. Blanks, quotes and shell characters in the argument reach the
// program as they are.
class PosixProcessRunner : public ProcessRunner {
 public:
  int RunAndWait(const std::string& program, const std::string& argument) override;
};

}  // namespace tk
