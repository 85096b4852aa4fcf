// Hover panels: the panel that shows a field's number, name and value while the mouse rests
// near the left edge of a field list, and the mouse moves that put the read-outs away.
#include <algorithm>
#include <initializer_list>

#include "output/generated_sources.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr int kPanelCharWidth = 6;  // the panel's font, for the width of its labels
constexpr int kPanelMaxWidth = 425;
constexpr int kHotEdge = 20;  // the panel shows while the mouse is this close to the left edge
constexpr int kSteadyDistance = 10;

bool NearLeftEdge(int x, int y) {
  return x >= 3 && x < kHotEdge && y >= 5;
}

}  // namespace

void TParseView::BindHoverHandlers() {
  auto back_to_form = [this](int, int) { MouseBackToForm(); };
  on_mouse_move = back_to_form;
  for (tk::Control* c : std::initializer_list<tk::Control*>{
           &ToolPanel, &ExitButton, &HelpButton, &NextButton, &PrevButton, &OutputButton,
           &ListOtherTabs, &InitialInstructions, &Splash, &Image1, &SplashTitle, &SplashSubtitle,
           &VersionLabel, &PanelLineDivision, &FileNameLabel}) {
    c->on_mouse_move = back_to_form;
  }
  auto page_control = [this](int, int) { PageControlMouseMove(); };
  for (tk::Control* c : std::initializer_list<tk::Control*>{&PageControl, &OutputConfiguration,
                                                            &OutputFieldNames, &ParsedItemValues}) {
    c->on_mouse_move = page_control;
  }
  for (tk::Control* c : std::initializer_list<tk::Control*>{&InputFieldPanel, &InputFieldNameLabel,
                                                            &InputFieldContentsLabel}) {
    c->on_mouse_move = [this](int, int) { InputFieldPanel.SetVisible(false); };
  }
  InputConfiguration.on_mouse_move = [this](int, int) { BinaryPositionPanel.SetVisible(false); };
  ParsedItemNames.on_mouse_move = [this](int x, int y) { ParsedItemNamesMouseMove(x, y); };
  OutputFieldNamesListBox.on_mouse_move = [this](int x, int y) {
    OutputFieldNamesListBoxMouseMove(x, y);
  };
  InstructionHints.on_mouse_move = [this](int, int) { InstructionHints.SetVisible(false); };
  LowHint.on_mouse_move = [this](int, int) { LowHint.SetVisible(false); };
}

void TParseView::MouseBackToForm() {
  for (tk::Control* c : std::initializer_list<tk::Control*>{
           &InputFieldPanel, &PagePositionPanel, &BinaryPositionPanel, &PositionLabel,
           &PanelLineDivision, &Position, &OutputPositionLabel, &OutputPosition}) {
    c->SetVisible(false);
  }
}

void TParseView::PageControlMouseMove() {
  InputFieldPanel.SetVisible(false);
  BinaryPositionPanel.SetVisible(false);
}

void TParseView::FillHoverPanel(std::string number, std::string name, std::string contents) {
  InputFieldNumberLabel.SetCaption(std::move(number));
  InputFieldNameLabel.SetCaption(std::move(name));
  InputFieldContentsLabel.SetCaption(std::move(contents));
  const auto widest =
      std::max(InputFieldNameLabel.Caption().size(), InputFieldContentsLabel.Caption().size());
  tk::Bounds panel = InputFieldPanel.Geometry();
  panel.width = std::min(static_cast<int>(widest) * kPanelCharWidth + 12, kPanelMaxWidth);
  InputFieldPanel.SetGeometry(panel);
}

void TParseView::ParsedItemNamesMouseMove(int x, int y) {
  PagePositionPanel.SetVisible(false);
  // The list starts at "Empty Field".
  const int k = y / ParsedItemNames.ItemHeight() + ParsedItemNames.TopIndex() + kEmptyField;
  const bool listed = k >= kEmptyField && k < kGeneratedSourceCount;
  FillHoverPanel("Parsed", listed ? std::string(GeneratedSourceName(k)) : std::string(),
                 listed ? GeneratedSourceValues[static_cast<std::size_t>(k)] : std::string());
  const tk::Bounds& list = ParsedItemNames.Geometry();
  tk::Bounds panel = InputFieldPanel.Geometry();
  panel.top = y + list.top + kHotEdge;
  panel.left = x + list.left - panel.width / 2;
  InputFieldPanel.SetGeometry(panel);
  const int dx = x - ParsedMouseX;
  const int dy = y - ParsedMouseY;
  const bool steady = dx * dx + dy * dy < kSteadyDistance * kSteadyDistance;
  InputFieldPanel.SetVisible(listed && NearLeftEdge(x, y) && steady);
  ParsedMouseX = x;
  ParsedMouseY = y;
}

void TParseView::OutputFieldNamesListBoxMouseMove(int x, int y) {
  const int n = y / OutputFieldNamesListBox.ItemHeight() + OutputFieldNamesListBox.TopIndex() + 1;
  const bool listed = n >= 1 && n <= OutputFieldsInUse();
  const auto slot = static_cast<std::size_t>(listed ? n : 0);
  FillHoverPanel(std::to_string(n), std::string(TextOf(OutputFieldNameTable[slot])),
                 listed ? OutputFieldValues[slot] : std::string());
  const tk::Bounds& list = OutputFieldNamesListBox.Geometry();
  tk::Bounds panel = InputFieldPanel.Geometry();
  panel.top = y + list.top + kHotEdge;
  panel.left = x + list.left - panel.width + 12;
  InputFieldPanel.SetGeometry(panel);
  InputFieldPanel.SetVisible(listed && NearLeftEdge(x, y));
}

}  // namespace vt
