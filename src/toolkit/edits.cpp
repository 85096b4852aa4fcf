// Text controls: change, key and clipboard rules.
#include "toolkit/edits.h"

#include "toolkit/window.h"

namespace tk {

void Edit::SetText(std::string text) {
  if (max_length_ != 0 && text.size() > max_length_) text.resize(max_length_);
  if (text == text_) return;
  text_ = std::move(text);
  Fire(on_change);
}

void Edit::UserSetText(std::string text) {
  if (!Reachable()) return;
  SetFocus();
  SetText(std::move(text));
}

void Edit::UserClick() {
  if (!Reachable()) return;
  SetFocus();
  Fire(on_click);
}

char Edit::UserKeyPress(char key) {
  if (!Reachable()) return 0;
  SetFocus();
  if (on_key_press) on_key_press(key);
  return key;
}

std::string Memo::Text() const {
  std::string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i != 0) text += "\r\n";
    text += lines_[i];
  }
  return text;
}

void Memo::SetText(const std::string& text) {
  lines_.clear();
  if (text.empty()) return;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    if (end == text.size() && start == end) break;  // no empty line after a final line feed
    lines_.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
}

void Memo::UserClick() {
  if (!Reachable()) return;
  SetFocus();
  Fire(on_click);
}

void RichEdit::PasteFromClipboard() {
  Clipboard* clipboard = Owner().services().clipboard;
  if (clipboard == nullptr) return;
  SetText(clipboard->GetText());
}

void RichEdit::CopyToClipboard() {
  Clipboard* clipboard = Owner().services().clipboard;
  if (clipboard != nullptr) clipboard->SetText(Text());
}

}  // namespace tk
