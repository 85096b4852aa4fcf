// Qt implementations of the platform services.
#include "gui/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>
#include <algorithm>
#include <cstdio>

#include "gui/cp1252.h"

namespace vt::gui {
namespace {

QString PathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// "*.a;*.b" -> "*.a *.b"; "*.*" -> "*" (Qt's "*.*" would skip names without a dot).
QString QtPatterns(const QString& patterns) {
  QStringList out;
  for (const QString& raw : patterns.split(';', Qt::SkipEmptyParts)) {
    const QString pattern = raw.trimmed();
    if (pattern.isEmpty()) continue;
    out << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
  }
  return out.isEmpty() ? QStringLiteral("*") : out.join(' ');
}

// Drops a trailing "(*.x)" from a description; Qt reads the patterns from the last brackets.
QString DescriptionWithoutPatterns(QString description) {
  description = description.trimmed();
  if (!description.endsWith(')')) return description;
  const qsizetype open = description.lastIndexOf('(');
  if (open <= 0 || !description.mid(open).contains('*')) return description;
  return description.left(open).trimmed();
}

}  // namespace

tk::MessageReply QtMessageBoxes::Show(const std::string& text, const std::string& caption,
                                      tk::MessageStyle style) {
  QMessageBox box(parent_);
  box.setWindowTitle(FromCp1252(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(FromCp1252(text));
  switch (style) {
    case tk::MessageStyle::kStop:
      box.setIcon(QMessageBox::Critical);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case tk::MessageStyle::kNote:
      box.setIcon(QMessageBox::NoIcon);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case tk::MessageStyle::kQuestion:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
  }
  const int answer = box.exec();
  if (style != tk::MessageStyle::kQuestion) return tk::MessageReply::kOk;
  return answer == QMessageBox::Yes ? tk::MessageReply::kYes : tk::MessageReply::kNo;
}

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = FromCp1252(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = DescriptionWithoutPatterns(parts[i]);
    const QString patterns = QtPatterns(parts[i + 1]);
    if (description.isEmpty()) description = patterns;
    filters << QStringLiteral("%1 (%2)").arg(description, patterns);
  }
  return filters;
}

bool QtFileDialogs::Run(const tk::FileDialogRequest& request, std::string& chosen) {
  QFileDialog dialog(parent_, FromCp1252(request.title));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.default_ext.empty()) dialog.setDefaultSuffix(FromCp1252(request.default_ext));
  if (!request.initial_dir.empty()) dialog.setDirectory(PathText(request.initial_dir));
  if (!request.file_name.empty()) dialog.selectFile(PathText(request.file_name));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwrite_prompt);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return false;
  chosen = PathBytes(files.first());
  return true;
}

std::string QtClipboard::GetText() {
  return ToCp1252(QGuiApplication::clipboard()->text());
}

void QtClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(FromCp1252(text));
}

void QtEventPump::ProcessPendingEvents() {
  QCoreApplication::processEvents();
}

void QtShell::OpenDocument(const std::string& path) {
  QString file = PathText(path);
  QString anchor;
  // "file#anchor" names a place in a file when only "file" exists (a help topic).
  const qsizetype hash = file.lastIndexOf('#');
  if (!QFileInfo::exists(file) && hash > 0 && QFileInfo::exists(file.left(hash))) {
    anchor = file.mid(hash + 1);
    file = file.left(hash);
  }
  QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
  if (!anchor.isEmpty()) url.setFragment(anchor);
  QDesktopServices::openUrl(url);
}

void QtApplication::Terminate(int exit_code) {
  terminated_ = true;
  exit_code_ = exit_code;
  QCoreApplication::exit(exit_code);
}

void QtApplication::WriteError(const std::string& line) {
  // The bytes as the program has them, like every other line on the standard streams.
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

void QtApplication::Minimise() {
  if (window_) window_->showMinimized();
}

void QtApplication::ScaleWindow(int numerator, int denominator, int left, int top, int width,
                                int height) {
  if (!window_ || numerator <= 0 || denominator <= 0) return;
  // A larger font makes every control larger: the view sizes them from the font.
  QFont font = window_->font();
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * numerator / denominator);
  } else {
    font.setPixelSize(std::max(1, font.pixelSize() * numerator / denominator));
  }
  window_->setFont(font);
  // The size is in the window's units, a 13-unit text line.
  const double scale = std::max(1.0, window_->fontMetrics().height() / 13.0);
  if (left >= 0 && top >= 0) window_->move(left, top);
  window_->resize(static_cast<int>(width * scale), static_cast<int>(height * scale));
}

}  // namespace vt::gui
