// vontrask: entry point; picks the Qt window or the headless driver.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/headless_driver.h"
#include "toolkit/services/headless_services.h"
#include "window/parse_view.h"

#ifdef VONTRASK_WITH_GUI
#include "gui/run_window.h"
#endif

namespace {

constexpr const char* kUsage =
    "usage: vontrask INPUT PREFERENCES OUTPUT\n"
    "  converts INPUT with the saved preference file PREFERENCES into OUTPUT and ends;\n"
    "  \"*\" as INPUT reads standard input, \"*\" as OUTPUT writes standard output.\n"
    "  With a display, vontrask [INPUT [PREFERENCES [OUTPUT]]] opens the window.\n";

int RunUnattended(const std::vector<std::string>& args) {
  tk::HeadlessServices headless;
  vt::TParseView view(headless.services, args);
  vt::HeadlessHooks hooks;
  hooks.ended = [&] { return headless.app.terminated; };
  hooks.exit_code = [&] { return headless.app.exit_code; };
  hooks.wait_tick = [] { std::this_thread::sleep_for(std::chrono::milliseconds(100)); };
  return vt::DriveHeadless(view, hooks, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool unattended = args.size() >= 3;
#ifdef VONTRASK_WITH_GUI
  if (!unattended && args.size() <= 3 && vt::gui::HasDisplay()) {
    return vt::gui::RunQtWindow(argc, argv, [&](tk::Services& services) {
      return std::make_unique<vt::TParseView>(services, args);
    });
  }
#endif
  if (!unattended || args.size() > 3) {
    std::cerr << kUsage;
    return 2;
  }
  return RunUnattended(args);
}
