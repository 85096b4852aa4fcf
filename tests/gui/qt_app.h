// The one QApplication of the gui tests, made on first use (offscreen unless a platform is set).
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QSaveFile>
#include <QTimer>
#include <functional>

namespace vt::gui::testing {

// The offscreen platform's screen is 1280x1024, the smallest screen the window is made for.
inline QApplication& TestApp() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") {
    const QString config = QStringLiteral(VONTRASK_BINARY_DIR "/tests/offscreen-screen.json");
    QSaveFile file(config);  // tests run in parallel: each replaces the file whole
    file.open(QIODevice::WriteOnly);
    file.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
               R"( "logicalDpi": 96}]})");
    const bool written = file.commit();
    qputenv("QT_QPA_PLATFORM",
            written ? "offscreen:configfile=" + config.toLocal8Bit() : QByteArray("offscreen"));
  }
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
