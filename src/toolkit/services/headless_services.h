// The services of the driver that runs without a display: standard streams in place of windows.
#pragma once

#include <iostream>
#include <string>

#include "toolkit/services/ini_settings_store.h"
#include "toolkit/services/posix_process_runner.h"
#include "toolkit/services/services.h"
#include "toolkit/services/shell_help.h"
#include "toolkit/services/system_clock.h"
#include "toolkit/services/xdg_shell.h"

namespace tk {

// Prints "caption: text" and a newline; nobody can answer, so a question gets No.
class HeadlessMessageBoxes : public MessageBoxes {
 public:
  explicit HeadlessMessageBoxes(std::ostream& out = std::cerr) : out_(out) {}
  MessageReply Show(const std::string& text, const std::string& caption,
                    MessageStyle style) override;

 private:
  std::ostream& out_;
};

// Nobody can pick a file: every dialog is cancelled.
class HeadlessFileDialogs : public FileDialogs {
 public:
  bool Run(const FileDialogRequest& request, std::string& chosen) override;
};

// The clipboard is standard input (read whole, once, on first use) and standard output.
class StdioClipboard : public Clipboard {
 public:
  explicit StdioClipboard(std::istream& in = std::cin, std::ostream& out = std::cout)
      : in_(in), out_(out) {}
  std::string GetText() override;
  void SetText(const std::string& text) override;

 private:
  std::istream& in_;
  std::ostream& out_;
  bool read_ = false;
  std::string text_;
};

class NullEventPump : public EventPump {
 public:
  void ProcessPendingEvents() override {}
};

// Records the exit the program asked for; the driver ends the process once the handler returns.
class HeadlessApplication : public Application {
 public:
  explicit HeadlessApplication(std::ostream& err = std::cerr) : err_(err) {}
  void Terminate(int code) override;
  void WriteError(const std::string& line) override;
  void Minimise() override {}
  void ScaleWindow(int /*numerator*/, int /*denominator*/, int /*left*/, int /*top*/, int /*width*/,
                   int /*height*/) override {}
  bool terminated = false;
  int exit_code = 0;

 private:
  std::ostream& err_;
};

// One of each headless service, wired into one Services value.
struct HeadlessServices {
  HeadlessServices() : HeadlessServices(std::cin, std::cout, std::cerr) {}
  HeadlessServices(std::istream& in, std::ostream& out, std::ostream& err);
  HeadlessServices(const HeadlessServices&) = delete;
  HeadlessServices& operator=(const HeadlessServices&) = delete;

  HeadlessMessageBoxes messages;
  HeadlessFileDialogs dialogs;
  StdioClipboard clipboard;
  IniSettingsStore settings;
  XdgShell shell;
  ShellHelp help{shell};
  PosixProcessRunner processes;
  NullEventPump events;
  SystemClock clock;
  HeadlessApplication app;
  Services services = WireServices(messages, dialogs, clipboard, settings, help, shell, processes,
                                   events, clock, app);
};

}  // namespace tk
