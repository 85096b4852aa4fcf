// Application: ending the process and the window-level actions (minimise, scale).
#pragma once

namespace tk {

class Application {
 public:
  virtual ~Application() = default;
  // Ends the program with this exit status once the running handler returns.
  virtual void Terminate(int exit_code) = 0;
  virtual void Minimise() = 0;
  // Scales the window by numerator/denominator and gives it this position and size.
  virtual void ScaleWindow(int numerator, int denominator, int left, int top, int width,
                           int height) = 0;
};

}  // namespace tk
