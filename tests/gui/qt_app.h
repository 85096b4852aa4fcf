// The one QApplication of the gui tests, made on first use (offscreen unless a platform is set).
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace vt::gui::testing {

inline QApplication& TestApp() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  return *new QApplication(argc, argv);  // lives as long as the process: Qt dislikes a second one
}

// Runs `act` on the next modal message box once it is up (a box's exec() may start later than a
// zero timer would fire).
inline void WhenMessageBox(std::function<void(QMessageBox&)> act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    act(*box);
  });
  poll->start();
}

}  // namespace vt::gui::testing
