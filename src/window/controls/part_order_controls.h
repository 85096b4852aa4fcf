// Part order controls: the order of the parts in the standard address and the standard name,
// the default suite designator and the titles the name parser infers.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct PartOrderSheets {
  tk::TabSheet& street;
  tk::TabSheet& names;
  tk::TabSheet& gender;
};

struct PartOrderControls {
  PartOrderControls(tk::Window& window, const PartOrderSheets& sheets);

 private:
  tk::Window& w_;
  PartOrderSheets s_;

 public:
  // --- Street sheet ----------------------------------------------------------------------------
  tk::GroupBox SuiteDesignatorGroup{w_, "SuiteDesignatorGroup", &s_.street};
  tk::Edit SuiteDesignatorOut{w_, "SuiteDesignatorOut", &SuiteDesignatorGroup};
  tk::CheckBox UseDefaultSuite{w_, "UseDefaultSuite", &SuiteDesignatorGroup};
  tk::GroupBox PositionGroup{w_, "PositionGroup", &s_.street};
  tk::RadioGroup Position1{w_, "Position1", &PositionGroup};
  tk::RadioGroup Position2{w_, "Position2", &PositionGroup};
  tk::RadioGroup Position3{w_, "Position3", &PositionGroup};
  tk::RadioGroup Position4{w_, "Position4", &PositionGroup};
  tk::RadioGroup Position5{w_, "Position5", &PositionGroup};
  tk::RadioGroup Position6{w_, "Position6", &PositionGroup};
  tk::RadioGroup Position7{w_, "Position7", &PositionGroup};

  // --- Names sheet -----------------------------------------------------------------------------
  tk::GroupBox NamePGroup{w_, "NamePGroup", &s_.names};
  tk::RadioGroup NameP1{w_, "NameP1", &NamePGroup};
  tk::RadioGroup NameP2{w_, "NameP2", &NamePGroup};
  tk::RadioGroup NameP3{w_, "NameP3", &NamePGroup};
  tk::RadioGroup NameP4{w_, "NameP4", &NamePGroup};
  tk::RadioGroup NameP5{w_, "NameP5", &NamePGroup};
  tk::GroupBox NameOGroup{w_, "NameOGroup", &s_.names};
  tk::RadioGroup NameO1{w_, "NameO1", &NameOGroup};
  tk::RadioGroup NameO2{w_, "NameO2", &NameOGroup};
  tk::RadioGroup NameO3{w_, "NameO3", &NameOGroup};
  tk::RadioGroup NameO4{w_, "NameO4", &NameOGroup};
  tk::RadioGroup NameO5{w_, "NameO5", &NameOGroup};

  // --- Gender sheet: the titles given to a name that has none ----------------------------------
  tk::GroupBox InferredTitlesGroup{w_, "InferredTitlesGroup", &s_.gender};
  tk::CheckBox GuessTitle{w_, "GuessTitle", &InferredTitlesGroup};
  tk::Label MaleTitleLabel{w_, "MaleTitleLabel", &InferredTitlesGroup};
  tk::Edit MaleTitleIn{w_, "MaleTitleIn", &InferredTitlesGroup};
  tk::Label FemaleTitleLabel{w_, "FemaleTitleLabel", &InferredTitlesGroup};
  tk::Edit FemaleTitleIn{w_, "FemaleTitleIn", &InferredTitlesGroup};
  tk::Label JointTitleLabel{w_, "JointTitleLabel", &InferredTitlesGroup};
  tk::Edit JointTitleIn{w_, "JointTitleIn", &InferredTitlesGroup};
  tk::Label DefaultTitleLabel{w_, "DefaultTitleLabel", &InferredTitlesGroup};
  tk::Edit DefaultTitleIn{w_, "DefaultTitleIn", &InferredTitlesGroup};
  tk::Button NameOptions{w_, "NameOptions", &s_.gender};

  // Each family in order: the item index of group n is the part placed n-th.
  tk::RadioGroup* PositionGroups[7] = {&Position1, &Position2, &Position3, &Position4,
                                       &Position5, &Position6, &Position7};
  tk::RadioGroup* NamePGroups[5] = {&NameP1, &NameP2, &NameP3, &NameP4, &NameP5};
  tk::RadioGroup* NameOGroups[5] = {&NameO1, &NameO2, &NameO3, &NameO4, &NameO5};
};

}  // namespace vt
