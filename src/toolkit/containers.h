// Static and container controls: labels, panels, group boxes, tab sheets and the page control.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

class Label : public Control {
 public:
  Label(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kLabel, std::move(name), parent) {}
  Handler on_click;
  void UserClick() {
    if (Reachable()) Fire(on_click);
  }
  // Shown in the record font, a character per column cell (the page's ruler).
  bool FixedPitch() const { return fixed_pitch_; }
  void SetFixedPitch(bool fixed) { fixed_pitch_ = fixed; }

 private:
  bool fixed_pitch_ = false;
};

// A picture of width x height pixels, row by row from the top left, each 0xRRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// A picture shown at its pixel size (scaled with the window); clicks as a label does.
class Image : public Control {
 public:
  Image(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kImage, std::move(name), parent) {}
  Handler on_click;
  void UserClick() {
    if (Reachable()) Fire(on_click);
  }
  const Picture& Pixels() const { return picture_; }
  void SetPicture(Picture picture) { picture_ = std::move(picture); }

 private:
  Picture picture_;
};

// A panel holds other controls and may show a caption of its own.
class Panel : public Control {
 public:
  Panel(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kPanel, std::move(name), parent) {}
  Handler on_click;
  void UserClick() {
    if (Reachable()) Fire(on_click);
  }
};

// A captioned frame; radio buttons inside one form a group.
class GroupBox : public Control {
 public:
  GroupBox(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kGroupBox, std::move(name), parent) {}
};

class PageControl;

// One page of a page control. Its caption is the tab's text; a sheet whose tab is not visible is
// not offered to the user. Only the sheet in front shows its controls.
class TabSheet : public Control {
 public:
  TabSheet(Window& window, std::string name, PageControl& pages);
  PageControl& Pages() const;
  bool TabVisible() const { return tab_visible_; }
  void SetTabVisible(bool visible) { tab_visible_ = visible; }
  bool InFront() const;

 protected:
  bool CoversChildren() const override { return !InFront(); }

 private:
  bool tab_visible_ = true;
};

// The tabbed pages. Bringing a sheet to the front from code runs nothing; a user's change of the
// sheet runs the change handler.
class PageControl : public Control {
 public:
  PageControl(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kPageControl, std::move(name), parent) {}
  Handler on_change;
  const std::vector<TabSheet*>& Sheets() const { return sheets_; }
  TabSheet* ActivePage() const { return active_; }
  void SetActivePage(TabSheet* sheet);
  // A user picked a sheet's tab: it must be enabled with its tab shown.
  void UserSelectPage(TabSheet* sheet);

 private:
  friend class TabSheet;
  std::vector<TabSheet*> sheets_;
  TabSheet* active_ = nullptr;
};

// The status line with its panels of text.
class StatusBar : public Control {
 public:
  StatusBar(Window& window, std::string name, int panels, Control* parent = nullptr)
      : Control(window, ControlKind::kStatusBar, std::move(name), parent),
        panels_(static_cast<std::size_t>(panels)) {}
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const std::string& PanelText(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel));
  }
  void SetPanelText(int panel, std::string text);

 private:
  std::vector<std::string> panels_;
};

// SetPosition clamps to [min, max]; a change of position runs the change handler.
class ScrollBar : public Control {
 public:
  ScrollBar(Window& window, std::string name, Control* parent = nullptr)
      : Control(window, ControlKind::kScrollBar, std::move(name), parent) {}
  Handler on_change;
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int min, int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  void UserSetPosition(int position);

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace tk
