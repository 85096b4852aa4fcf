// Quiet services: every platform service of the window answered in memory, so that a fuzz run
// shows nothing, asks nobody, starts no program and always sees the same time.
#pragma once

#include <ctime>
#include <map>
#include <string>

#include "toolkit/services/services.h"

namespace vt::fuzz {

class QuietMessages : public tk::MessageBoxes {
 public:
  tk::MessageReply Show(const std::string&, const std::string&, tk::MessageStyle) override {
    return tk::MessageReply::kNo;
  }
};
class QuietDialogs : public tk::FileDialogs {
 public:
  bool Run(const tk::FileDialogRequest&, std::string&) override { return false; }
};
class QuietClipboard : public tk::Clipboard {
 public:
  std::string GetText() override { return text; }
  void SetText(const std::string& value) override { text = value; }
  std::string text;
};
class QuietSettings : public tk::SettingsStore {
 public:
  std::string Read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& fallback, std::size_t size) override;
  bool Write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) override;

 private:
  std::map<std::string, std::string> values_;
};
class QuietHelp : public tk::Help {
 public:
  void Contents(const std::string&) override {}
  void Search(const std::string&, const std::string&) override {}
  void Topic(const std::string&, int) override {}
  void Quit(const std::string&) override {}
};
class QuietShell : public tk::Shell {
 public:
  void OpenDocument(const std::string&) override {}
};
// A plug-in named by a preference file is never started: it counts as one that failed.
class NoProcesses : public tk::ProcessRunner {
 public:
  int RunAndWait(const std::string&, const std::string&) override { return -1; }
};
class NoEvents : public tk::EventPump {
 public:
  void ProcessPendingEvents() override {}
};
// 1998-03-04 09:06:07 UTC, local time UTC.
class PinnedClock : public tk::Clock {
 public:
  std::time_t Now() override { return 889002367; }
  std::tm Local(std::time_t t) override;
  bool TryLocal(std::time_t t, std::tm& out) override;
};
class QuietApplication : public tk::Application {
 public:
  void Terminate(int code) override { exit_code = code; }
  void WriteError(const std::string&) override {}
  void Minimise() override {}
  void ScaleWindow(int, int, int, int, int, int) override {}
  int exit_code = -1;
};

struct QuietServices {
  QuietServices() = default;
  QuietServices(const QuietServices&) = delete;
  QuietServices& operator=(const QuietServices&) = delete;

  QuietMessages messages;
  QuietDialogs dialogs;
  QuietClipboard clipboard;
  QuietSettings settings;
  QuietHelp help;
  QuietShell shell;
  NoProcesses processes;
  NoEvents events;
  PinnedClock clock;
  QuietApplication app;
  tk::Services services = tk::WireServices(messages, dialogs, clipboard, settings, help, shell,
                                           processes, events, clock, app);
};

}  // namespace vt::fuzz
