// Part order controls: captions and starting states.
#include "window/controls/part_order_controls.h"

#include <string>
#include <vector>

namespace vt {

namespace {

const char* const kOrdinals[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th"};

}  // namespace

PartOrderControls::PartOrderControls(tk::Window& window, const PartOrderSheets& sheets)
    : w_(window), s_(sheets) {
  SuiteDesignatorGroup.SetCaption("Default Suite Designator");
  SuiteDesignatorGroup.SetNewRow(true);
  SuiteDesignatorOut.SetText("#");
  UseDefaultSuite.SetCaption("Always use default");
  PositionGroup.SetCaption("Sequence of elements in Std. Address");
  PositionGroup.SetNewRow(true);
  const std::vector<std::string> street_parts = {
      "None",        "Suite Designator",  "Suite Number",     "Street Number",
      "Street Name", "Street Designator", "Street Direction", "Non-Civic Addr"};
  const int street_start[7] = {3, 4, 5, 6, 1, 2, 7};
  for (int i = 0; i < 7; ++i) {
    PositionGroups[i]->SetCaption(kOrdinals[i]);
    PositionGroups[i]->SetItems(street_parts);
    PositionGroups[i]->SetItemIndex(street_start[i]);
  }

  NamePGroup.SetCaption("Set incoming sequence of elements (if present)");
  NamePGroup.SetNewRow(true);
  NameOGroup.SetCaption("Set sequence to use in generating standard name");
  NameOGroup.SetNewRow(true);
  const std::vector<std::string> name_parts = {"None",         "Title",     "First Name",
                                               "Middle Names", "Last Name", "Name Suffix"};
  for (int i = 0; i < 5; ++i) {
    for (tk::RadioGroup* group : {NamePGroups[i], NameOGroups[i]}) {
      group->SetCaption(kOrdinals[i]);
      group->SetItems(name_parts);
      group->SetItemIndex(i + 1);
    }
  }

  InferredTitlesGroup.SetCaption("Inferred Titles");
  InferredTitlesGroup.SetNewRow(true);
  GuessTitle.SetCaption("Infer Title from:");
  GuessTitle.SetChecked(true);
  MaleTitleLabel.SetNewRow(true);
  MaleTitleLabel.SetCaption("Male");
  MaleTitleIn.SetText("Mr");
  FemaleTitleLabel.SetCaption("Female");
  FemaleTitleIn.SetText("Ms");
  JointTitleLabel.SetCaption("Couple");
  JointTitleIn.SetText("Mr & Mrs");
  DefaultTitleLabel.SetCaption("Undefined");
  DefaultTitleIn.SetText("Mr or Ms");
  NameOptions.SetCaption("Name Options");
  NameOptions.SetNewRow(true);
}

}  // namespace vt
