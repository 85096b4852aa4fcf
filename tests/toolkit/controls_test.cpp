// Event rules of the toolkit controls: which handler runs, how often, in which order.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/fake_services.h"
#include "toolkit/toolkit.h"

namespace tk {
namespace {

// A window whose handlers append their names to one trace.
class TraceWindow : public ::testing::Test {
 protected:
  testing::FakeServices fakes;
  Window window{fakes.services};
  std::vector<std::string> trace;

  Handler Log(const std::string& what) {
    return [this, what] { trace.push_back(what); };
  }
};

TEST_F(TraceWindow, CheckBoxRunsItsClickOnlyWhenTheStateChanges) {
  CheckBox box(window, "Box");
  box.on_click = Log("Box");
  struct Row {
    const char* name;
    bool set;
    int runs_after;
  };
  const Row rows[] = {
      {"unchecked to unchecked", false, 0},
      {"unchecked to checked", true, 1},
      {"checked to checked", true, 1},
      {"checked to unchecked", false, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    box.SetChecked(row.set);
    EXPECT_EQ(box.Checked(), row.set);
    EXPECT_EQ(static_cast<int>(trace.size()), row.runs_after);
  }
}

TEST_F(TraceWindow, UserClickOnCheckBoxTogglesAndNeedsItReachable) {
  GroupBox group(window, "Group");
  CheckBox box(window, "Box", &group);
  box.on_click = Log("Box");
  box.UserClick();
  EXPECT_TRUE(box.Checked());
  group.SetEnabled(false);
  box.UserClick();  // a disabled parent keeps the user out
  EXPECT_TRUE(box.Checked());
  box.SetChecked(false);  // code still reaches it
  EXPECT_EQ(trace, (std::vector<std::string>{"Box", "Box"}));
}

TEST_F(TraceWindow, RadioButtonCheckedUnchecksItsGroupAndRunsOnce) {
  GroupBox a(window, "A");
  GroupBox b(window, "B");
  RadioButton a1(window, "A1", &a), a2(window, "A2", &a), a3(window, "A3", &a);
  RadioButton b1(window, "B1", &b);
  for (RadioButton* r : {&a1, &a2, &a3, &b1}) r->on_click = Log(r->Name());
  b1.SetChecked(true);
  a1.SetChecked(true);
  a2.SetChecked(true);
  EXPECT_FALSE(a1.Checked());
  EXPECT_TRUE(a2.Checked());
  EXPECT_FALSE(a3.Checked());
  EXPECT_TRUE(b1.Checked()) << "another group box is another group";
  a2.SetChecked(true);   // already checked: nothing
  a2.SetChecked(false);  // unchecking runs nothing
  EXPECT_FALSE(a2.Checked());
  EXPECT_EQ(trace, (std::vector<std::string>{"B1", "A1", "A2"}));
}

TEST_F(TraceWindow, DisabledRadioButtonCanBeCheckedFromCodeButNotByTheUser) {
  RadioButton r(window, "R");
  r.on_click = Log("R");
  r.SetEnabled(false);
  r.UserClick();
  EXPECT_FALSE(r.Checked());
  r.SetChecked(true);
  EXPECT_TRUE(r.Checked());
  EXPECT_EQ(trace, std::vector<std::string>{"R"});
}

TEST_F(TraceWindow, RadioGroupClampsAndRunsOnChangesToAnItem) {
  RadioGroup group(window, "Group");
  group.SetItems({"one", "two", "three"});
  group.on_click = Log("Group");
  struct Row {
    const char* name;
    int set;
    int index_after;
    int runs_after;
  };
  const Row rows[] = {
      {"-1 is already -1", -1, -1, 0},
      {"below -1 clamps to -1", -5, -1, 0},
      {"first item", 0, 0, 1},
      {"same item", 0, 0, 1},
      {"past the end clamps", 9, 2, 2},
      {"last again", 2, 2, 2},
      {"back to none runs nothing", -1, -1, 2},
      {"middle", 1, 1, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    group.SetItemIndex(row.set);
    EXPECT_EQ(group.ItemIndex(), row.index_after);
    EXPECT_EQ(static_cast<int>(trace.size()), row.runs_after);
  }
}

TEST_F(TraceWindow, MenuItemClickRunsOnlyWhileEnabled) {
  MenuItem file(window, "File1");
  MenuItem open(window, "Open1", &file);
  open.on_click = Log("Open1");
  open.Click();
  open.SetEnabled(false);
  open.Click();
  open.UserClick();
  open.SetChecked(true);  // checking runs nothing
  open.SetEnabled(true);
  open.Click();
  EXPECT_EQ(trace, (std::vector<std::string>{"Open1", "Open1"}));
}

TEST_F(TraceWindow, ButtonClickAlwaysRunsEvenHiddenAndDisabled) {
  Button step(window, "DisplayOutput");
  step.SetVisible(false);
  step.SetEnabled(false);
  step.on_click = Log("DisplayOutput");
  step.Click();
  step.UserClick();  // a user cannot reach it
  EXPECT_EQ(trace, std::vector<std::string>{"DisplayOutput"});
}

TEST_F(TraceWindow, NestedClicksRunInOrderBeforeTheCallerGoesOn) {
  Button outer(window, "Outer"), inner(window, "Inner");
  MenuItem item(window, "Item");
  CheckBox box(window, "Box");
  inner.on_click = [&] {
    trace.push_back("inner begin");
    box.SetChecked(true);
    trace.push_back("inner end");
  };
  box.on_click = Log("box");
  item.on_click = Log("item");
  outer.on_click = [&] {
    trace.push_back("outer begin");
    inner.Click();
    item.Click();
    trace.push_back("outer end");
  };
  outer.Click();
  EXPECT_EQ(trace, (std::vector<std::string>{"outer begin", "inner begin", "box", "inner end",
                                             "item", "outer end"}));
}

TEST_F(TraceWindow, ExitHandlerRunsOncePerFocusMove) {
  Edit a(window, "A"), b(window, "B");
  Button go(window, "Go");
  a.on_exit = Log("A exit");
  b.on_exit = Log("B exit");
  a.SetFocus();
  a.SetFocus();  // focusing the owner again is no move
  EXPECT_TRUE(trace.empty());
  b.SetFocus();
  go.UserClick();  // a user's click takes the focus
  a.UserSetText("x");
  EXPECT_EQ(trace, (std::vector<std::string>{"A exit", "B exit"}));
  EXPECT_TRUE(a.Focused());
}

TEST_F(TraceWindow, ExitHandlerSeesTheFocusAlreadyMoved) {
  Edit a(window, "A");
  Button add(window, "Add");
  a.on_exit = [&] { trace.push_back(window.FocusOwner()->Name()); };
  a.SetFocus();
  add.SetFocus();
  EXPECT_EQ(trace, std::vector<std::string>{"Add"});
}

TEST_F(TraceWindow, EditChangeRunsOnADifferentTextOnly) {
  MaskEdit edit(window, "DateSeparator");
  edit.on_change = Log("change");
  edit.SetText("");
  edit.SetText("/");
  edit.SetText("/");
  edit.SetText("-");
  EXPECT_EQ(trace.size(), 2u);
  edit.SetMaxLength(1);
  edit.SetText("ab");
  EXPECT_EQ(edit.Text(), "a");
}

TEST_F(TraceWindow, EnterKeyHandlerCanMoveTheFocusAndSwallowTheKey) {
  Edit name(window, "RenameEditBox");
  Button add(window, "AddButton");
  name.on_exit = Log("exit");
  name.on_key_press = [&](char& key) {
    if (key != '\r') return;
    add.SetFocus();
    key = 0;
  };
  EXPECT_EQ(name.UserKeyPress('x'), 'x');
  EXPECT_EQ(name.UserKeyPress('\r'), 0);
  EXPECT_EQ(trace, std::vector<std::string>{"exit"});
}

TEST_F(TraceWindow, SelectionsVisibilityAndSheetsFromCodeRunNothing) {
  ListBox list(window, "List");
  list.on_click = Log("list");
  list.SetItems({"a", "b"});
  list.SetItemIndex(1);
  list.SetItemIndex(7);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.SetVisible(false);
  list.SetEnabled(false);
  PageControl pages(window, "PageControl");
  TabSheet one(window, "One", pages), two(window, "Two", pages);
  pages.on_change = Log("pages");
  pages.SetActivePage(&two);
  EXPECT_EQ(pages.ActivePage(), &two);
  EXPECT_TRUE(trace.empty());
}

TEST_F(TraceWindow, UserSheetChangeRunsTheChangeHandlerForReachableTabsOnly) {
  PageControl pages(window, "PageControl");
  TabSheet one(window, "One", pages), two(window, "Two", pages), three(window, "Three", pages);
  pages.on_change = Log("change");
  EXPECT_EQ(pages.ActivePage(), &one) << "the first sheet starts in front";
  pages.UserSelectPage(&one);  // already in front
  two.SetEnabled(false);
  pages.UserSelectPage(&two);
  three.SetTabVisible(false);
  pages.UserSelectPage(&three);
  EXPECT_TRUE(trace.empty());
  two.SetEnabled(true);
  pages.UserSelectPage(&two);
  EXPECT_EQ(pages.ActivePage(), &two);
  EXPECT_EQ(trace, std::vector<std::string>{"change"});
}

TEST_F(TraceWindow, OnlyTheSheetInFrontIsWithinReach) {
  PageControl pages(window, "PageControl");
  TabSheet one(window, "One", pages), two(window, "Two", pages);
  GroupBox group(window, "Group", &two);
  Button button(window, "Button", &group);
  ListBox list(window, "List", &two);
  Edit edit(window, "Edit", &two);
  list.SetItems({"a"});
  button.on_click = Log("button");
  list.on_click = Log("list");
  edit.on_change = Log("edit");
  Button outside(window, "Outside");  // above the sheets: always in reach
  outside.on_click = Log("outside");
  button.UserClick();
  list.UserSelect(0);
  edit.UserSetText("x");
  EXPECT_FALSE(button.Showing());
  EXPECT_TRUE(trace.empty()) << "sheet Two is behind sheet One";
  outside.UserClick();
  pages.UserSelectPage(&two);
  button.UserClick();
  list.UserSelect(0);
  edit.UserSetText("x");
  EXPECT_EQ(trace, (std::vector<std::string>{"outside", "button", "list", "edit"}));
  button.SetHelpContext(0);
  group.SetHelpContext(7);
  EXPECT_EQ(button.HelpTopic(), 7) << "a control without a topic takes its parent's";
}

TEST_F(TraceWindow, UserListSelectionRunsClick) {
  ListBox list(window, "List");
  list.SetItems({"a", "b"});
  list.on_click = [&] { trace.push_back(std::to_string(list.ItemIndex())); };
  list.UserSelect(1);
  EXPECT_EQ(trace, std::vector<std::string>{"1"});
}

TEST_F(TraceWindow, ScrollBarClampsAndRunsOnChange) {
  ScrollBar bar(window, "Bar");
  bar.SetRange(0, 10);
  bar.on_change = Log("change");
  bar.SetPosition(0);
  bar.SetPosition(20);
  EXPECT_EQ(bar.Position(), 10);
  bar.SetPosition(10);
  EXPECT_EQ(trace.size(), 1u);
}

TEST_F(TraceWindow, TimerTicksOnlyWhenTickedAndEnabled) {
  Timer timer(window, "Timer1", 100);
  timer.on_timer = Log("tick");
  timer.Tick();
  timer.SetEnabled(false);
  timer.Tick();
  EXPECT_EQ(trace.size(), 1u);
}

TEST_F(TraceWindow, RegistryFindsControlsByNameInCreationOrder) {
  Button a(window, "A");
  {
    CheckBox b(window, "B");
    EXPECT_EQ(window.FindAs<CheckBox>("B"), &b);
    EXPECT_EQ(window.FindAs<Button>("B"), nullptr);
    b.SetFocus();
  }
  EXPECT_EQ(window.Find("B"), nullptr);
  EXPECT_EQ(window.FocusOwner(), nullptr) << "a destroyed control gives up the focus";
  ASSERT_EQ(window.Controls().size(), 1u);
  EXPECT_EQ(window.Controls()[0], &a);
}

TEST_F(TraceWindow, MemoSplitsLinesAndRichEditTalksToTheClipboard) {
  RichEdit clip(window, "ClipContents");
  fakes.clipboard.text = "a,b\r\nc\n\nd\n";
  clip.PasteFromClipboard();
  EXPECT_EQ(clip.Lines(), (std::vector<std::string>{"a,b", "c", "", "d"}));
  clip.CopyToClipboard();
  EXPECT_EQ(fakes.clipboard.text, "a,b\r\nc\r\n\r\nd");
}

TEST_F(TraceWindow, DialogReturnsTheChosenNameOrCancel) {
  OpenDialog dialog(window, "OpenFileDialog");
  dialog.Settings().title = "Open";
  EXPECT_FALSE(dialog.Execute());
  fakes.dialogs.answers.push_back("/tmp/in.txt");
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "/tmp/in.txt");
  ASSERT_EQ(fakes.dialogs.requests.size(), 2u);
  EXPECT_EQ(fakes.dialogs.requests[1].title, "Open");
}

TEST_F(TraceWindow, StringGridCellsOutsideAreIgnored) {
  StringGrid grid(window, "Conv", 5, 5);
  grid.SetCell(0, 1, "Convert1");
  grid.SetCell(5, 0, "outside");
  EXPECT_EQ(grid.Cell(0, 1), "Convert1");
  grid.Select(9, -1);
  EXPECT_EQ(grid.Column(), 4);
  EXPECT_EQ(grid.Row(), 0);
}

}  // namespace
}  // namespace tk
