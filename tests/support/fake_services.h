// Scriptable fakes of every toolkit service, for tests that drive a window as a user would.
#pragma once

#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/services/services.h"

namespace tk::testing {

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageStyle style;
};

// Records every message; answers questions from a script (No when the script is empty).
class FakeMessageBoxes : public MessageBoxes {
 public:
  MessageReply Show(const std::string& text, const std::string& caption,
                    MessageStyle style) override;
  std::vector<ShownMessage> shown;
  std::deque<MessageReply> replies;
};

// Answers dialogs from a script of names; an empty script (or an empty name) cancels.
class FakeFileDialogs : public FileDialogs {
 public:
  bool Run(const FileDialogRequest& request, std::string& chosen) override;
  std::vector<FileDialogRequest> requests;
  std::deque<std::string> answers;
};

class FakeClipboard : public Clipboard {
 public:
  std::string GetText() override { return text; }
  void SetText(const std::string& value) override { text = value; }
  std::string text;
};

// Settings held in memory, keyed by path, with the same case and trimming rules as the file.
class FakeSettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& fallback, std::size_t size) override;
  bool Write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) override;
  std::map<std::string, std::string> values;  // "path|SECTION|KEY" -> value
};

class FakeHelp : public Help {
 public:
  void Contents(const std::string& file) override { calls.push_back("contents " + file); }
  void Search(const std::string& file, const std::string& key) override {
    calls.push_back("search " + file + " [" + key + "]");
  }
  void Topic(const std::string& file, int context) override {
    calls.push_back("topic " + file + " " + std::to_string(context));
  }
  void Quit(const std::string& file) override { calls.push_back("quit " + file); }
  std::vector<std::string> calls;
};

class FakeShell : public Shell {
 public:
  void OpenDocument(const std::string& path) override { opened.push_back(path); }
  std::vector<std::string> opened;
};

// Runs a test's function in place of the program; records the calls.
class FakeProcessRunner : public ProcessRunner {
 public:
  int RunAndWait(const std::string& program, const std::string& argument) override;
  std::vector<std::pair<std::string, std::string>> runs;
  std::function<int(const std::string&, const std::string&)> behaviour;
};

// Counts the calls; runs a test's function on each (to click Cancel mid-run, say).
class FakeEventPump : public EventPump {
 public:
  void ProcessPendingEvents() override;
  int calls = 0;
  std::function<void()> on_pump;
};

// A pinned clock: 1998-03-04 09:06:07 UTC (a Wednesday) unless a test moves it; Local() is UTC.
class FakeClock : public Clock {
 public:
  std::time_t Now() override { return now; }
  std::tm Local(std::time_t t) override;
  bool TryLocal(std::time_t t, std::tm& out) override;
  std::time_t now = 889002367;
};

class FakeApplication : public Application {
 public:
  void Terminate(int exit_code) override { exit_codes.push_back(exit_code); }
  void WriteError(const std::string& line) override { errors.push_back(line); }
  void Minimise() override { ++minimised; }
  void ScaleWindow(int numerator, int denominator, int left, int top, int width,
                   int height) override;
  std::vector<int> exit_codes;
  std::vector<std::string> errors;  // the lines written on standard error
  int minimised = 0;
  std::vector<std::vector<int>> scalings;
};

// Every fake, wired into one Services value.
struct FakeServices {
  FakeServices() = default;
  FakeServices(const FakeServices&) = delete;
  FakeServices& operator=(const FakeServices&) = delete;

  FakeMessageBoxes messages;
  FakeFileDialogs dialogs;
  FakeClipboard clipboard;
  FakeSettingsStore settings;
  FakeHelp help;
  FakeShell shell;
  FakeProcessRunner processes;
  FakeEventPump events;
  FakeClock clock;
  FakeApplication app;
  Services services = WireServices(messages, dialogs, clipboard, settings, help, shell, processes,
                                   events, clock, app);
};

}  // namespace tk::testing
