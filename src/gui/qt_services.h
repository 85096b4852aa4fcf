// Qt implementations of the platform services that need the window system.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <string>

#include "toolkit/services/application.h"
#include "toolkit/services/clipboard.h"
#include "toolkit/services/event_pump.h"
#include "toolkit/services/file_dialogs.h"
#include "toolkit/services/message_boxes.h"
#include "toolkit/services/shell.h"

namespace vt::gui {

// Modal message boxes over the main window (once it exists). Text and caption are Windows-1252.
class QtMessageBoxes : public tk::MessageBoxes {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  tk::MessageReply Show(const std::string& text, const std::string& caption,
                        tk::MessageStyle style) override;

 private:
  QPointer<QWidget> parent_;
};

// "Text files|*.txt;*.csv|All files|*.*" as Qt's name filters: {"Text files (*.txt *.csv)",
// "All files (*)"}. "*.*" means every file, as it does in the filter's own convention; a
// description that already ends in a pattern list in brackets has that list replaced.
QStringList QtNameFilters(const std::string& filter);

// Open and save dialogs. Title and filter are Windows-1252; paths are the file system's bytes.
class QtFileDialogs : public tk::FileDialogs {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  bool Run(const tk::FileDialogRequest& request, std::string& chosen) override;

 private:
  QPointer<QWidget> parent_;
};

class QtClipboard : public tk::Clipboard {
 public:
  std::string GetText() override;
  void SetText(const std::string& text) override;
};

class QtEventPump : public tk::EventPump {
 public:
  void ProcessPendingEvents() override;
};

class QtShell : public tk::Shell {
 public:
  void OpenDocument(const std::string& path) override;
};

// Terminate may come before the event loop runs (an unattended start), when exit() would be lost,
// so the request is remembered for the runner to check before exec().
class QtApplication : public tk::Application {
 public:
  void SetWindow(QWidget* window) { window_ = window; }
  void Terminate(int exit_code) override;
  void WriteError(const std::string& line) override;
  void Minimise() override;
  void ScaleWindow(int numerator, int denominator, int left, int top, int width,
                   int height) override;
  bool Terminated() const { return terminated_; }
  int ExitCode() const { return exit_code_; }

 private:
  QPointer<QWidget> window_;
  bool terminated_ = false;
  int exit_code_ = 0;
};

}  // namespace vt::gui
