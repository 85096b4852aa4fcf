// A main window over fake services, with its own program and settings folders, and the acts of
// a user on it: every act goes through a user entry point and needs the control in reach.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/fake_services.h"
#include "window/parse_view.h"

namespace vt::testing {

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("vontrask-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "program");
    std::filesystem::create_directories(root_ / "settings");
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  std::string ProgramDir() const { return (root_ / "program").string(); }
  std::string SettingsDir() const { return (root_ / "settings").string(); }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }

  void WriteFile(const std::string& path, const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  // Makes the window with these arguments and runs its creation (not its showing).
  TParseView& Create(std::vector<std::string> args = {}) {
    view_ = std::make_unique<TParseView>(fakes.services, std::move(args));
    view_->ProgramDirOverride = ProgramDir();
    view_->SettingsDirOverride = SettingsDir();
    tk::Fire(view_->on_create);
    return *view_;
  }

  TParseView& CreateAndShow(std::vector<std::string> args = {}) {
    TParseView& view = Create(std::move(args));
    tk::Fire(view.on_show);
    return view;
  }

  // Writes `bytes` to the file `name` and starts the window with it as the first argument.
  TParseView& OpenInput(const std::string& name, const std::string& bytes,
                        std::vector<std::string> more_args = {}) {
    WriteFile(Path(name), bytes);
    more_args.insert(more_args.begin(), Path(name));
    return CreateAndShow(std::move(more_args));
  }

  tk::testing::FakeServices fakes;

 private:
  std::filesystem::path root_;
  std::unique_ptr<TParseView> view_;
};

// Whether a user can reach the control; a test that cannot says which control stood in its way.
inline void InReach(const tk::Control& control) {
  EXPECT_TRUE(control.Reachable()) << control.Name() << " is out of a user's reach";
}

// A user's click on a button, check box, radio button or menu item.
template <typename Clickable>
void Click(Clickable& control) {
  InReach(control);
  control.UserClick();
}

// A user's pick of a sheet's tab.
inline void GoToSheet(TParseView& view, tk::TabSheet& sheet) {
  InReach(view.PageControl);
  view.PageControl.UserSelectPage(&sheet);
  EXPECT_EQ(view.PageControl.ActivePage(), &sheet) << sheet.Name() << " did not come forward";
}

// A user's pick of a row of a list.
inline void Pick(tk::ListBox& list, int row) {
  InReach(list);
  list.UserSelect(row);
}

// The input field list beside the sheets feeds whatever the sheet in front asks for.
inline void ClickInputField(TParseView& view, int row) {
  Pick(view.InputFieldNamesListBox, row);
}
inline void SelectOutputField(TParseView& view, int row) {
  Pick(view.OutputFieldNamesListBox, row);
}

// Types into a box; the entry ends when the user's next act takes the focus elsewhere.
inline void Type(tk::Edit& box, std::string text) {
  InReach(box);
  box.UserSetText(std::move(text));
}
// Types into a box and presses Enter, which ends the entry where the program moves the focus.
inline void TypeAndEnter(tk::Edit& box, std::string text) {
  Type(box, std::move(text));
  box.UserKeyPress('\r');
}
// The selected output field's width, as Field Width-> and its box take it.
inline void SetWidth(TParseView& view, const std::string& width) {
  Click(view.FieldWidthButton);
  TypeAndEnter(view.OutputWidthEditBox, width);
}

}  // namespace vt::testing
