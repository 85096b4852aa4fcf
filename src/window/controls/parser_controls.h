// Parser controls: the Date, Street, Names, Mailing, City and Gender sheets' options and lists.
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

  // --- Street sheet ----------------------------------------------------------------------------
  tk::GroupBox NonCivicGroup{w_, "NonCivicGroup", &s_.street};
  tk::ListBox NonCivicsIn{w_, "NonCivicsIn", &NonCivicGroup};
  tk::ListBox NonCivicSubstsIn{w_, "NonCivicSubstsIn", &NonCivicGroup};
  tk::GroupBox SuiteGroup{w_, "SuiteGroup", &s_.street};
  tk::ListBox SuiteDesignatorsIn{w_, "SuiteDesignatorsIn", &SuiteGroup};
  tk::ListBox SuiteDesignatorSubstsIn{w_, "SuiteDesignatorSubstsIn", &SuiteGroup};

  // --- Names sheet -----------------------------------------------------------------------------
  tk::GroupBox TitleGroup{w_, "TitleGroup", &s_.names};
  tk::ListBox TitlesIn{w_, "TitlesIn", &TitleGroup};
  tk::ListBox TitleSubstsIn{w_, "TitleSubstsIn", &TitleGroup};
  tk::GroupBox SuffixGroup{w_, "SuffixGroup", &s_.names};
  tk::ListBox SufficesIn{w_, "SufficesIn", &SuffixGroup};
  tk::ListBox SuffixSubstsIn{w_, "SuffixSubstsIn", &SuffixGroup};

  // --- Mailing sheet ---------------------------------------------------------------------------
  tk::CheckBox StripAccents{w_, "StripAccents", &s_.mailing};
  tk::ListBox InterLeaf{w_, "InterLeaf", &s_.mailing};
  tk::GroupBox StreetTypeGroup{w_, "StreetTypeGroup", &s_.mailing};
  tk::ListBox StreetTypes{w_, "StreetTypes", &StreetTypeGroup};
  tk::ListBox StreetTypeSubsts{w_, "StreetTypeSubsts", &StreetTypeGroup};

  // --- City sheet ------------------------------------------------------------------------------
  tk::CheckBox CityInStreet{w_, "CityInStreet", &s_.city};
  tk::GroupBox StateGroup{w_, "StateGroup", &s_.city};
  tk::ListBox States{w_, "States", &StateGroup};
  tk::ListBox StateSubsts{w_, "StateSubsts", &StateGroup};

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
