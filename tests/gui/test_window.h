// A small window with one control of each kind whose handlers write a trace, for the view tests.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"

namespace vt::gui::testing {

class TestWindow : public tk::Window {
 public:
  explicit TestWindow(tk::Services& services) : tk::Window(services) {
    SetCaption("Test \x80 window");
    File.SetCaption("&File");
    Open.SetCaption("&Open...");
    Separator.SetSeparator(true);
    Quit.SetCaption("E&xit");
    Go.SetCaption("Go");
    Info.SetCaption("Ready");
    First.SetCaption("First");
    Second.SetCaption("Second");
    Hidden.SetCaption("Hidden");
    Hidden.SetTabVisible(false);
    Disabled.SetCaption("Disabled");
    Disabled.SetEnabled(false);
    Check.SetCaption("Check me");
    Choice.SetCaption("Choice");
    RadioA.SetCaption("A");
    RadioB.SetCaption("B");
    RadioC.SetCaption("C");
    RadioA.SetChecked(true);
    Fields.SetItems({"Field1", "Field2", "Field3", "Field4", "Field5"});
    Mode.SetCaption("Mode");
    Mode.SetItems({"One", "Two", "Three"});
    for (int c = 0; c < 3; ++c) {
      for (int r = 0; r < 3; ++r) Grid.SetCell(c, r, std::to_string(c) + "," + std::to_string(r));
    }
    Notes.SetLines({"line 1", "line 2"});
    Scroll.SetRange(0, 10);

    Open.on_click = [this] { trace.push_back("Open"); };
    Quit.on_click = [this] { trace.push_back("Quit"); };
    Go.on_click = [this] { trace.push_back("Go"); };
    Info.on_click = [this] { trace.push_back("Info"); };
    Pages.on_change = [this] { trace.push_back("Pages " + Pages.ActivePage()->Name()); };
    Check.on_click = [this] { trace.push_back(Check.Checked() ? "Check on" : "Check off"); };
    RadioA.on_click = [this] { trace.push_back("RadioA"); };
    RadioB.on_click = [this] { trace.push_back("RadioB"); };
    RadioC.on_click = [this] { trace.push_back("RadioC"); };
    Name.on_change = [this] { trace.push_back("Name change " + Name.Text()); };
    Name.on_exit = [this] { trace.push_back("Name exit"); };
    Other.on_exit = [this] { trace.push_back("Other exit"); };
    Fields.on_click = [this] { trace.push_back("Fields " + std::to_string(Fields.ItemIndex())); };
    Fields.on_double_click = [this] { trace.push_back("Fields double"); };
    Mode.on_click = [this] { trace.push_back("Mode " + std::to_string(Mode.ItemIndex())); };
    Scroll.on_change = [this] { trace.push_back("Scroll " + std::to_string(Scroll.Position())); };
    Tick.on_timer = [this] { trace.push_back("Tick"); };
    Status.SetPanelText(0, "Panel 0");
    Status.SetPanelText(2, "Panel 2");

    Pages.SetAlign(tk::Align::kClient);
    Hint.SetAlign(tk::Align::kRight);
    Hint.SetLines({"A hint"});
    Popup.SetAlign(tk::Align::kFloat);
    Popup.SetCaption("Popup");
    Popup.SetGeometry({20, 30, 60, 26});
    Popup.SetVisible(false);
    SetHelpFile("help.html");
    Name.SetHelpContext(7);
    auto move = [this](tk::Control& control) {
      control.on_mouse_move = [this, &control](int x, int y) {
        moves.push_back(control.Name() + " " + std::to_string(x) + "," + std::to_string(y));
      };
    };
    for (tk::Control* c : std::initializer_list<tk::Control*>{&Go, &Info, &First, &Fields, &Hint})
      move(*c);
    on_mouse_move = [this](int x, int y) {
      moves.push_back("window " + std::to_string(x) + "," + std::to_string(y));
    };
    Fields.on_mouse_down = [this](bool right, int row) {
      trace.push_back(std::string(right ? "Fields right " : "Fields down ") + std::to_string(row));
    };
    Fields.on_drag_drop = [this](int row) {
      trace.push_back("Fields drop " + std::to_string(row));
    };
  }

  std::vector<std::string> trace;
  std::vector<std::string> moves;  // mouse moves, apart: a click moves the mouse first

  tk::MenuItem File{*this, "File"};
  tk::MenuItem Open{*this, "Open", &File};
  tk::MenuItem Separator{*this, "Separator", &File};
  tk::MenuItem Quit{*this, "Quit", &File};
  tk::Panel Tools{*this, "Tools"};
  tk::Button Go{*this, "Go", &Tools};
  tk::Label Info{*this, "Info"};
  tk::PageControl Pages{*this, "Pages"};
  tk::TabSheet First{*this, "First", Pages};
  tk::TabSheet Second{*this, "Second", Pages};
  tk::TabSheet Hidden{*this, "Hidden", Pages};
  tk::TabSheet Disabled{*this, "Disabled", Pages};
  tk::CheckBox Check{*this, "Check", &First};
  tk::GroupBox Choice{*this, "Choice", &First};
  tk::RadioButton RadioA{*this, "RadioA", &Choice};
  tk::RadioButton RadioB{*this, "RadioB", &Choice};
  tk::RadioButton RadioC{*this, "RadioC", &Choice};
  tk::Edit Name{*this, "Name", &First};
  tk::Edit Other{*this, "Other", &First};
  tk::ListBox Fields{*this, "Fields", &Second};
  tk::RadioGroup Mode{*this, "Mode", &Second};
  tk::StringGrid Grid{*this, "Grid", 3, 3, &Second};
  tk::Memo Notes{*this, "Notes", &Second};
  tk::ScrollBar Scroll{*this, "Scroll", &Second};
  tk::Memo Hint{*this, "Hint"};
  tk::Panel Popup{*this, "Popup"};
  tk::StatusBar Status{*this, "Status", 3};
  tk::Timer Tick{*this, "Tick", 100};
  tk::OpenDialog OpenDialog{*this, "OpenDialog"};
};

}  // namespace vt::gui::testing
