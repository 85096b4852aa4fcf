// Application: ending the process and the window-level actions (minimise, scale).
#pragma once

#include <string>

namespace tk {

class Application {
 public:
  virtual ~Application() = default;
  // Ends the program with this exit status once the running handler returns.
  virtual void Terminate(int exit_code) = 0;
  // Writes `line` and a line end on the program's standard error: what a run started from the
  // command line says where nobody may be at the window to answer a message box.
  virtual void WriteError(const std::string& line) = 0;
  virtual void Minimise() = 0;
  // Scales the window by numerator/denominator and gives it this position and size.
  virtual void ScaleWindow(int numerator, int denominator, int left, int top, int width,
                           int height) = 0;
};

}  // namespace tk
