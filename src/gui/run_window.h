// Running a window in Qt: the application, the services, the view, the timer and the loop.
#pragma once

#include <functional>
#include <memory>

#include "toolkit/window.h"

namespace vt::gui {

// True when a display is at hand: DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set.
bool HasDisplay();

// Starts Qt, makes the window with the Qt services, fires its create and show events, shows the
// view and runs the event loop with a 100 ms timer tick until the window closes or the program
// ends itself; then fires destroy. Returns the exit status.
int RunQtWindow(int& argc, char** argv,
                const std::function<std::unique_ptr<tk::Window>(tk::Services&)>& make_window);

}  // namespace vt::gui
