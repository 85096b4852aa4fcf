// Headless driver: runs the main window without a display, the way its message loop would.
#pragma once

#include <functional>
#include <iosfwd>

#include "window/parse_view.h"

namespace vt {

struct HeadlessHooks {
  std::function<bool()> ended;      // the program asked to end
  std::function<int()> exit_code;   // with this status
  std::function<void()> wait_tick;  // sleeps one timer interval
};

// Creates and shows `view`, then ticks its timers every interval until the program ends itself.
// An unattended run (all three arguments) ends as soon as it is over: status 0 when the
// conversion wrote its output, else status 1 and a line on `err`, instead of waiting for a
// window nobody sees.
int DriveHeadless(TParseView& view, const HeadlessHooks& hooks, std::ostream& err);

// Ticks every timer of the window once.
void TickTimers(tk::Window& window);

}  // namespace vt
