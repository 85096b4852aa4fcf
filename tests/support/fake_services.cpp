// Scriptable fakes of the toolkit services.
#include "support/fake_services.h"

namespace tk::testing {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Trim(const std::string& text) {
  std::size_t begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return "";
  std::size_t end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

}  // namespace

MessageReply FakeMessageBoxes::Show(const std::string& text, const std::string& caption,
                                    MessageStyle style) {
  shown.push_back({text, caption, style});
  if (style != MessageStyle::kQuestion) return MessageReply::kOk;
  if (replies.empty()) return MessageReply::kNo;
  MessageReply reply = replies.front();
  replies.pop_front();
  return reply;
}

bool FakeFileDialogs::Run(const FileDialogRequest& request, std::string& chosen) {
  requests.push_back(request);
  if (answers.empty()) return false;
  chosen = answers.front();
  answers.pop_front();
  return !chosen.empty();
}

std::string FakeSettingsStore::Read(const std::string& path, const std::string& section,
                                    const std::string& key, const std::string& fallback,
                                    std::size_t size) {
  auto it = values.find(path + "|" + Upper(section) + "|" + Upper(key));
  std::string value = Trim(it == values.end() ? fallback : it->second);
  if (size == 0) return "";
  if (value.size() > size - 1) value.resize(size - 1);
  return value;
}

bool FakeSettingsStore::Write(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& value) {
  values[path + "|" + Upper(section) + "|" + Upper(key)] = value;
  return true;
}

int FakeProcessRunner::RunAndWait(const std::string& program, const std::string& argument) {
  runs.emplace_back(program, argument);
  return behaviour ? behaviour(program, argument) : 0;
}

void FakeEventPump::ProcessPendingEvents() {
  ++calls;
  if (on_pump) on_pump();
}

std::tm FakeClock::Local(std::time_t t) {
  std::tm out{};
  gmtime_r(&t, &out);
  return out;
}

bool FakeClock::TryLocal(std::time_t t, std::tm& out) {
  return gmtime_r(&t, &out) != nullptr;
}

void FakeApplication::ScaleWindow(int numerator, int denominator, int left, int top, int width,
                                  int height) {
  scalings.push_back({numerator, denominator, left, top, width, height});
}

}  // namespace tk::testing
