// Parser controls: the Date, Mailing, City and Gender sheets' options and the added names.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct ParserSheets {
  tk::TabSheet& date;
  tk::TabSheet& street;
  tk::TabSheet& names;
  tk::TabSheet& mailing;
  tk::TabSheet& city;
  tk::TabSheet& gender;
};

struct ParserControls {
  ParserControls(tk::Window& window, const ParserSheets& sheets);

 private:
  tk::Window& w_;
  ParserSheets s_;

 public:
  // --- Date sheet ------------------------------------------------------------------------------
  tk::CheckBox DBVer{w_, "DBVer", &s_.date};

  // --- Mailing sheet ---------------------------------------------------------------------------
  tk::CheckBox StripAccents{w_, "StripAccents", &s_.mailing};
  tk::ListBox InterLeaf{w_, "InterLeaf", &s_.mailing};

  // --- City sheet ------------------------------------------------------------------------------
  tk::CheckBox CityInStreet{w_, "CityInStreet", &s_.city};

  // --- Gender sheet ----------------------------------------------------------------------------
  tk::CheckBox GenderFromTitle{w_, "GenderFromTitle", &s_.gender};
  tk::GroupBox AddedNamesGroup{w_, "AddedNamesGroup", &s_.gender};
  tk::ListBox AddedNames{w_, "AddedNames", &AddedNamesGroup};
  tk::ListBox AddedGenders{w_, "AddedGenders", &AddedNamesGroup};
  tk::Label AddedNameLabel{w_, "AddedNameLabel", &AddedNamesGroup};
  tk::Edit AddedNameIn{w_, "AddedNameIn", &AddedNamesGroup};
  tk::RadioButton AddedMale{w_, "AddedMale", &AddedNamesGroup};
  tk::RadioButton AddedFemale{w_, "AddedFemale", &AddedNamesGroup};
  tk::RadioButton AddedAmbig{w_, "AddedAmbig", &AddedNamesGroup};
  tk::Button AddedGenderAdd{w_, "AddedGenderAdd", &AddedNamesGroup};
  tk::Button AddedGenderDelete{w_, "AddedGenderDelete", &AddedNamesGroup};
  tk::ListBox GenderNames{w_, "GenderNames", &s_.gender};
  tk::ListBox GenderValues{w_, "GenderValues", &s_.gender};
  tk::Label TestNameHeading{w_, "TestNameHeading", &s_.gender};
  tk::Edit TestNameIn{w_, "TestNameIn", &s_.gender};
  tk::Label TestNameLabel{w_, "TestNameLabel", &s_.gender};
};

}  // namespace vt
