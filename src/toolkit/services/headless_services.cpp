// Headless services: message boxes on standard error, the clipboard on the standard streams.
#include "toolkit/services/headless_services.h"

#include <iterator>

namespace tk {

MessageReply HeadlessMessageBoxes::Show(const std::string& text, const std::string& caption,
                                        MessageStyle style) {
  out_ << caption << ": " << text << '\n';
  out_.flush();
  return style == MessageStyle::kQuestion ? MessageReply::kNo : MessageReply::kOk;
}

bool HeadlessFileDialogs::Run(const FileDialogRequest& /*request*/, std::string& /*chosen*/) {
  return false;
}

std::string StdioClipboard::GetText() {
  if (!read_) {
    read_ = true;
    text_.assign(std::istreambuf_iterator<char>(in_), std::istreambuf_iterator<char>());
  }
  return text_;
}

void StdioClipboard::SetText(const std::string& text) {
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  out_.flush();
}

void HeadlessApplication::Terminate(int code) {
  terminated = true;
  exit_code = code;
}

void HeadlessApplication::WriteError(const std::string& line) {
  err_ << line << '\n';
  err_.flush();
}

HeadlessServices::HeadlessServices(std::istream& in, std::ostream& out, std::ostream& err)
    : messages(err), clipboard(in, out), app(err) {}

}  // namespace tk
