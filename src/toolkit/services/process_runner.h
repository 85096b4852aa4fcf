// Process runner: starts a program with one argument and waits for it to end.
#pragma once

#include <string>

namespace tk {

class ProcessRunner {
 public:
  virtual ~ProcessRunner() = default;
  // Runs `program` with `argument` (no shell) and waits; returns its exit status, or -1 when it
  // could not be started or did not end normally.
  virtual int RunAndWait(const std::string& program, const std::string& argument) = 0;
};

}  // namespace tk
