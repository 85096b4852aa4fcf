// Text controls: one-line edit boxes (plain and masked) and multi-line memos.
#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

// A one-line text box. SetText with a different text runs the change handler where there is one;
// the exit handler (Control::on_exit) runs only when the keyboard focus leaves the box.
class Edit : public Control {
 public:
  Edit(Window& window, std::string name, Control* parent = nullptr)
      : Edit(window, ControlKind::kEdit, std::move(name), parent) {}
  Handler on_change;
  Handler on_click;         // a user's click in the box
  KeyHandler on_key_press;  // may change the key, or set it to 0 to swallow it

  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // 0: no limit.
  std::size_t MaxLength() const { return max_length_; }
  void SetMaxLength(std::size_t length) { max_length_ = length; }

  // A user typed: the box takes the focus, then its text changes.
  void UserSetText(std::string text);
  // A user clicked in the box: it takes the focus, then the click handler runs.
  void UserClick();
  // A user pressed a key in the box; returns the key after the handler (0 when swallowed).
  char UserKeyPress(char key);

 protected:
  Edit(Window& window, ControlKind kind, std::string name, Control* parent)
      : Control(window, kind, std::move(name), parent) {}

 private:
  std::string text_;
  std::size_t max_length_ = 0;
};

// An edit box with an input mask; the same event rules as Edit.
class MaskEdit : public Edit {
 public:
  MaskEdit(Window& window, std::string name, Control* parent = nullptr)
      : Edit(window, ControlKind::kMaskEdit, std::move(name), parent) {}
  const std::string& Mask() const { return mask_; }
  void SetMask(std::string mask) { mask_ = std::move(mask); }

 private:
  std::string mask_;
};

// A multi-line text box (memo; rich edit when `rich`). Setting lines from code runs nothing.
class Memo : public Control {
 public:
  Memo(Window& window, std::string name, Control* parent = nullptr)
      : Memo(window, ControlKind::kMemo, std::move(name), parent) {}
  Handler on_click;

  const std::vector<std::string>& Lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
  void AddLine(std::string line) { lines_.push_back(std::move(line)); }
  void Clear() { lines_.clear(); }
  // The lines joined by CR LF, the way the clipboard and files see them.
  std::string Text() const;
  // Splits at LF (a CR before it is dropped) into lines.
  void SetText(const std::string& text);

  void UserClick();

 protected:
  Memo(Window& window, ControlKind kind, std::string name, Control* parent)
      : Control(window, kind, std::move(name), parent) {}

 private:
  std::vector<std::string> lines_;
};

// A rich edit box: a memo that can exchange its text with the clipboard.
class RichEdit : public Memo {
 public:
  RichEdit(Window& window, std::string name, Control* parent = nullptr)
      : Memo(window, ControlKind::kRichEdit, std::move(name), parent) {}
  // Replaces the text with the clipboard's.
  void PasteFromClipboard();
  // Puts the whole text on the clipboard.
  void CopyToClipboard();
};

}  // namespace tk
