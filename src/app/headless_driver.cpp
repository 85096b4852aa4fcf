// Headless driver: create, show, tick; a stopped unattended chain ends the process non-zero.
#include "app/headless_driver.h"

#include <ostream>

namespace vt {

void TickTimers(tk::Window& window) {
  for (tk::Control* control : window.Controls()) {
    if (control->Kind() == tk::ControlKind::kTimer) static_cast<tk::Timer*>(control)->Tick();
  }
}

int DriveHeadless(TParseView& view, const HeadlessHooks& hooks, std::ostream& err) {
  tk::Fire(view.on_create);
  if (!hooks.ended()) tk::Fire(view.on_show);
  const bool unattended = view.CommandLine.size() >= 3;
  const bool failed = view.UnattendedExitCountdown == 0 || view.UnattendedExitStatus != 0;
  if (!hooks.ended() && unattended && failed) {
    err << "vontrask: the unattended conversion stopped before " << view.CommandLine[2]
        << " was written\n";
    tk::Fire(view.on_close);
    tk::Fire(view.on_destroy);
    return 1;
  }
  // Nobody watches the finished run: the half second the window gives it is not waited out.
  if (!hooks.ended() && unattended) {
    tk::Fire(view.on_close);
    tk::Fire(view.on_destroy);
    return 0;
  }
  while (!hooks.ended()) {
    hooks.wait_tick();
    TickTimers(view);
  }
  tk::Fire(view.on_close);
  tk::Fire(view.on_destroy);
  return hooks.exit_code();
}

}  // namespace vt
