// Running a window in Qt: services, start-up order, timer, loop and shut-down.
#include "gui/run_window.h"

#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdlib>

#include "gui/main_view.h"
#include "gui/qt_services.h"
#include "toolkit/services/ini_settings_store.h"
#include "toolkit/services/posix_process_runner.h"
#include "toolkit/services/shell_help.h"
#include "toolkit/services/system_clock.h"

namespace vt::gui {

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

int RunQtWindow(int& argc, char** argv,
                const std::function<std::unique_ptr<tk::Window>(tk::Services&)>& make_window) {
  QApplication app(argc, argv);
  // Qt has set the user's locale; numbers are formatted the C way ("%f" with a point).
  std::setlocale(LC_NUMERIC, "C");

  QtMessageBoxes messages;
  QtFileDialogs dialogs;
  QtClipboard clipboard;
  tk::IniSettingsStore settings;
  QtShell shell;
  tk::ShellHelp help(shell);
  tk::PosixProcessRunner processes;
  QtEventPump events;
  tk::SystemClock clock;
  QtApplication application;
  tk::Services services = tk::WireServices(messages, dialogs, clipboard, settings, help, shell,
                                           processes, events, clock, application);

  std::unique_ptr<tk::Window> window = make_window(services);
  tk::Fire(window->on_create);
  if (application.Terminated()) {  // start-up failed and said so
    tk::Fire(window->on_destroy);
    return application.ExitCode();
  }
  int code = 0;
  {
    MainView view(*window);
    messages.SetParent(&view);
    dialogs.SetParent(&view);
    application.SetWindow(&view);
    view.show();
    tk::Fire(window->on_show);
    view.Sync();
    QTimer timer;
    timer.setInterval(100);
    QObject::connect(&timer, &QTimer::timeout, &view, &MainView::TickTimers);
    timer.start();
    // exit() before exec() is lost, so a program that ended itself during start-up skips the loop.
    if (!application.Terminated()) code = app.exec();
    timer.stop();
    if (application.Terminated()) code = application.ExitCode();
    messages.SetParent(nullptr);
    dialogs.SetParent(nullptr);
    application.SetWindow(nullptr);
  }
  tk::Fire(window->on_destroy);
  window.reset();
  return code;
}

}  // namespace vt::gui
