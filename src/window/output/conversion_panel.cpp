// The unit conversion panel: the rule Y = A + B * X of each result slot, typed in or made from
// a pair of units.
#include <algorithm>
#include <string>

#include "output/number_text.h"
#include "output/unit_conversion.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr int kConstantColumn = 3;
constexpr int kMultiplierColumn = 4;
constexpr int kHoverBelow = 60;
constexpr int kHoverRight = 20;

}  // namespace

void TParseView::ConvButtonClick() {
  PageControl.SetActivePage(&MiscTab);
  PageControlSwitch.Click();
  ConversionPanelShow.Click();
}

void TParseView::ConversionPanelShowClick() {
  const int row = std::max(Conv.Row(), 1);
  ConvSelect.SetItemIndex(row - 1);
  ConversionPanel.SetVisible(true);
  ConversionPanelShow.SetEnabled(false);
  ConversionEditConst.SetText(Conv.Cell(kConstantColumn, row));
  ConversionEditMult.SetText(Conv.Cell(kMultiplierColumn, row));
}

void TParseView::ConversionPanelXButtonClick() {
  ConversionPanel.SetVisible(false);
  ConversionPanelShow.SetEnabled(true);
}

void TParseView::ConvSelectClick() {
  const int row = std::clamp(ConvSelect.ItemIndex(), 0, 3) + 1;
  ConversionEditConst.SetText(Conv.Cell(kConstantColumn, row));
  ConversionEditMult.SetText(Conv.Cell(kMultiplierColumn, row));
  Conv.Select(Conv.Column(), row);
  ShowConversionChoice();
}

void TParseView::ConvSelectCell() {
  if (Conv.Row() >= 1) ConvSelect.SetItemIndex(Conv.Row() - 1);
  DisplayOutput.Click();
}

void TParseView::ConvSetEditText(int column, int row) {
  if (row < 1 || row > 4) return;
  auto& coefficients = ConversionCoefficients[static_cast<std::size_t>(row - 1)];
  const double value = LeadingNumber(Conv.Cell(column, row));
  if (column == kConstantColumn) coefficients[0] = value;
  if (column == kMultiplierColumn) coefficients[1] = value;
  const int current = std::clamp(Conv.Row(), 1, 4);
  const auto& shown = ConversionCoefficients[static_cast<std::size_t>(current - 1)];
  ConversionEditConst.SetText(FormatCoefficient(shown[0]));
  ConversionEditMult.SetText(FormatCoefficient(shown[1]));
}

void TParseView::FillUnitLists(int type) {
  ConvFrom.Clear();
  ConvTo.Clear();
  const auto tables = UnitTables();
  if (type < 0 || type >= static_cast<int>(tables.size())) return;
  for (const Unit& unit : tables[static_cast<std::size_t>(type)].units) {
    ConvFrom.Add(std::string(unit.name));
    ConvTo.Add(std::string(unit.name));
  }
}

void TParseView::ConvTypeClick() {
  FillUnitLists(ConvType.ItemIndex());
}

void TParseView::ConvFromClick() {
  const int type = ConvType.ItemIndex();
  const int from = ConvFrom.ItemIndex();
  const int to = ConvTo.ItemIndex();
  if (type < 0 || from < 0 || to < 0) return;
  const LinearRule rule = RuleOfUnits(type, from, to);
  ConversionEditMult.SetText(FormatCoefficient(rule.b));
  ConversionEditConst.SetText(FormatCoefficient(rule.a));
  // The slot keeps the rule as shown, so that what is saved is what the boxes say.
  const auto slot = static_cast<std::size_t>(std::clamp(ConvSelect.ItemIndex(), 0, 3));
  ConversionCoefficients[slot] = {LeadingNumber(ConversionEditConst.Text()),
                                  LeadingNumber(ConversionEditMult.Text())};
  ConversionChoices[slot] = {static_cast<std::int16_t>(type), static_cast<std::int16_t>(from),
                             static_cast<std::int16_t>(to)};
  DisplayOutput.Click();
}

void TParseView::ConversionEditConstClick() {
  // A typed rule belongs to no unit pair.
  ConvFrom.Clear();
  ConvTo.Clear();
  const auto slot = static_cast<std::size_t>(std::clamp(ConvSelect.ItemIndex(), 0, 3));
  ConversionChoices[slot] = {-1, -1, -1};
  ConvType.SetItemIndex(-1);
}

void TParseView::ConversionEditConstExit() {
  ConversionEditConstClick();
  const auto slot = static_cast<std::size_t>(std::clamp(ConvSelect.ItemIndex(), 0, 3));
  ConversionCoefficients[slot] = {LeadingNumber(ConversionEditConst.Text()),
                                  LeadingNumber(ConversionEditMult.Text())};
  DisplayOutput.Click();
}

void TParseView::ConvSourceEditChange() {
  if (BatchRun != 0) return;
  const LinearRule rule{LeadingNumber(ConversionEditConst.Text()),
                        LeadingNumber(ConversionEditMult.Text())};
  std::string result;
  AppendConverted(rule, LeadingNumber(ConvSourceEdit.Text()), result);
  ConvResultLabel.SetCaption(result);
}

void TParseView::ConvUnitMouseMove(const tk::ListBox& list, bool from, int x, int y) {
  const int type = ConvType.ItemIndex();
  const int row = y / list.ItemHeight() + list.TopIndex();
  const auto tables = UnitTables();
  const bool typed = type >= 0 && type < static_cast<int>(tables.size());
  const bool found = typed && row >= 0 &&
                     row < static_cast<int>(tables[static_cast<std::size_t>(type)].units.size());
  if (!found) {
    InputFieldPanel.SetVisible(false);
    return;
  }
  const std::string_view name =
      tables[static_cast<std::size_t>(type)].units[static_cast<std::size_t>(row)].name;
  FillHoverPanel("",
                 (from ? "Click to convert from " : "Click to convert to     ") + std::string(name),
                 "UNIT CONVERSION");
  const tk::Bounds& at = list.Geometry();
  tk::Bounds panel = InputFieldPanel.Geometry();
  panel.left = at.left + x + kHoverRight;
  panel.top = at.top + y + kHoverBelow;
  InputFieldPanel.SetGeometry(panel);
  InputFieldPanel.SetVisible(true);
}

}  // namespace vt
