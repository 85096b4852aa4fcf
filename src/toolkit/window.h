// Window: the registry of a window's controls, its keyboard focus owner and its services.
#pragma once

#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/services/services.h"

namespace tk {

class Window {
 public:
  explicit Window(Services& services) : services_(services) {}
  // Virtual: front ends own the program's window through a pointer to this base.
  virtual ~Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  Services& services() const { return services_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  int ClientWidth() const { return client_width_; }
  int ClientHeight() const { return client_height_; }
  void SetClientSize(int width, int height) {
    client_width_ = width;
    client_height_ = height;
  }
  // The help file, and the topic of the window itself (controls without a topic of their own).
  const std::string& HelpFile() const { return help_file_; }
  void SetHelpFile(std::string help_file) { help_file_ = std::move(help_file); }
  int HelpContext() const { return help_context_; }
  void SetHelpContext(int context) { help_context_ = context; }
  // A user asked for help on a control (F1) or on the window (nullptr): its topic, else the
  // window's, else the contents.
  void UserHelp(const Control* control);

  // The mouse moved over the window itself, outside every control.
  MouseHandler on_mouse_move;
  void UserMouseMove(int x, int y) {
    if (on_mouse_move) on_mouse_move(x, y);
  }

  // A click on the window itself, outside every control.
  Handler on_click;
  void UserClick() { Fire(on_click); }

  // The window's own events; a front end fires them: create once the window object exists,
  // show when it first appears, close when the user closes it, destroy at the very end.
  Handler on_create;
  Handler on_show;
  Handler on_close;
  Handler on_destroy;

  // Controls in the order they were created (the order the view lays them out).
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* Find(const std::string& name) const;
  template <typename T>
  T* FindAs(const std::string& name) const {
    return dynamic_cast<T*>(Find(name));
  }

  // The one focus owner: moving the focus runs the previous owner's exit handler (once per
  // move; focusing the owner again runs nothing).
  Control* FocusOwner() const { return focus_; }
  void SetFocus(Control* control);

  // Called by Control's constructor and destructor.
  void Register(Control* control);
  void Unregister(Control* control);

 private:
  Services& services_;
  std::string caption_;
  int client_width_ = 630;
  int client_height_ = 408;
  std::string help_file_;
  int help_context_ = 0;
  std::vector<Control*> controls_;
  Control* focus_ = nullptr;
};

}  // namespace tk
