// Control: the base of every control of our window toolkit (name, kind, state, handlers).
#pragma once

#include <functional>
#include <string>

namespace tk {

class Window;

// The kinds of control the window is built from; the Qt view makes one widget per kind.
enum class ControlKind {
  kButton,
  kMenuItem,
  kCheckBox,
  kRadioButton,
  kRadioGroup,
  kListBox,
  kEdit,
  kMaskEdit,
  kMemo,
  kRichEdit,
  kStringGrid,
  kLabel,
  kImage,
  kPanel,
  kGroupBox,
  kScrollBar,
  kTabSheet,
  kPageControl,
  kStatusBar,
  kTimer,
  kOpenDialog,
  kSaveDialog,
};

const char* KindName(ControlKind kind);

// Where a front end puts a control. Inside a parent, controls flow in rows in creation order.
// Controls without a parent go in bands: kTop bars stacked above everything, a kRight column
// beside the kClient area, which takes the rest. A kFloat control lies above the others at its
// Bounds (hover panels, pop-up lists) and takes no room while hidden.
enum class Align {
  kFlow,
  kTop,
  kRight,
  kClient,
  kFloat,
};

using Handler = std::function<void()>;
using MouseHandler = std::function<void(int x, int y)>;
using KeyHandler = std::function<void(char& key)>;
// A key down by its code, whether or not it types a character; set it to 0 to swallow it.
using KeyDownHandler = std::function<void(int& key)>;

// Codes of the keys that type nothing; a letter or digit key's code is its upper-case character.
enum KeyCode : int {
  kKeyBack = 8,
  kKeyReturn = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyDelete = 46,
};

// Position and size in the window's units (a 13-pixel text line): left and top within the
// window's client area. The model sets them where it places a floating panel; a front end that
// lays controls out its own way writes back where a control really is.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Every control has a name (unique in its window), a kind, a caption and a parent (a tab sheet,
// group box, panel or, for menu items, the menu item above). Setting state from code runs handlers
// exactly as each kind's class documents; the User* entry points are what a user's action does.
class Control {
 public:
  Control(Window& window, ControlKind kind, std::string name, Control* parent);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& Owner() const { return window_; }
  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }
  int HelpContext() const { return help_context_; }
  void SetHelpContext(int context) { help_context_ = context; }
  const Bounds& Geometry() const { return bounds_; }
  void SetGeometry(const Bounds& bounds) { bounds_ = bounds; }
  void SetLeft(int left) { bounds_.left = left; }
  void SetTop(int top) { bounds_.top = top; }
  Align Alignment() const { return align_; }
  void SetAlign(Align align) { align_ = align; }
  // Starts a new row of its parent's flow.
  bool NewRow() const { return new_row_; }
  void SetNewRow(bool new_row) { new_row_ = new_row; }
  // Background colour as 0xRRGGBB; -1 is the toolkit's default.
  int Color() const { return color_; }
  void SetColor(int color) { color_ = color; }

  // Showing, hiding and enabling from code run nothing.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  void Show() { visible_ = true; }
  void Hide() { visible_ = false; }
  // Enabled and visible, and so are all its parents, and a tab sheet among them is the one in
  // front: what a user can reach.
  bool Reachable() const;
  // Shown on the screen: visible, and so are its parents, sheets in front.
  bool Showing() const;
  // The help topic of the control: its own context number, else its nearest parent's; 0: none.
  int HelpTopic() const;

  // Moves the keyboard focus here; the previous owner's exit handler runs.
  void SetFocus();
  bool Focused() const;

  Handler on_exit;             // the keyboard focus left this control
  MouseHandler on_mouse_move;  // the mouse moved over this control (x, y within it)

  // A user moved the mouse over the control.
  void UserMouseMove(int x, int y);

 protected:
  // A container that hides what it holds while it stands (a tab sheet not in front).
  virtual bool CoversChildren() const { return false; }

 private:
  Window& window_;
  ControlKind kind_;
  std::string name_;
  Control* parent_;
  std::string caption_;
  std::string hint_;
  int help_context_ = 0;
  Bounds bounds_;
  int color_ = -1;
  Align align_ = Align::kFlow;
  bool new_row_ = false;
  bool enabled_ = true;
  bool visible_ = true;
};

// Runs a handler when there is one.
inline void Fire(const Handler& handler) {
  if (handler) handler();
}

}  // namespace tk
