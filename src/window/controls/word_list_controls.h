// Word-list controls: the editors of the parsers' word lists on the Names, Mailing and City
// sheets, and the buttons that lead from one parser sheet to another.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

// The rows an editor's list shows at once.
inline constexpr int kWordListRows = 8;

struct WordListSheets {
  tk::TabSheet& street;
  tk::TabSheet& names;
  tk::TabSheet& mailing;
  tk::TabSheet& city;
};

struct WordListControls {
  WordListControls(tk::Window& window, const WordListSheets& sheets);

 private:
  tk::Window& w_;
  WordListSheets s_;

 public:
  // --- Street sheet ----------------------------------------------------------------------------
  tk::Button ShowMailing{w_, "ShowMailing", &s_.street};

  // --- Names sheet -----------------------------------------------------------------------------
  tk::GroupBox TitleGroup{w_, "TitleGroup", &s_.names};
  tk::ListBox TitlesIn{w_, "TitlesIn", &TitleGroup};
  tk::ListBox TitleSubstsIn{w_, "TitleSubstsIn", &TitleGroup};
  tk::Edit TitleIn{w_, "TitleIn", &TitleGroup};
  tk::Edit TitleSubstIn{w_, "TitleSubstIn", &TitleGroup};
  tk::Button AddTitle{w_, "AddTitle", &TitleGroup};
  tk::Button DeleteTitle{w_, "DeleteTitle", &TitleGroup};
  tk::GroupBox SuffixGroup{w_, "SuffixGroup", &s_.names};
  tk::ListBox SufficesIn{w_, "SufficesIn", &SuffixGroup};
  tk::ListBox SuffixSubstsIn{w_, "SuffixSubstsIn", &SuffixGroup};
  tk::Edit SuffixIn{w_, "SuffixIn", &SuffixGroup};
  tk::Edit SuffixSubstIn{w_, "SuffixSubstIn", &SuffixGroup};
  tk::Button AddSuffices{w_, "AddSuffices", &SuffixGroup};
  tk::Button DeleteSuffices{w_, "DeleteSuffices", &SuffixGroup};
  tk::Button MailingOptionButton{w_, "MailingOptionButton", &s_.names};

  // --- Mailing sheet ---------------------------------------------------------------------------
  tk::GroupBox StreetTypeGroup{w_, "StreetTypeGroup", &s_.mailing};
  tk::ListBox StreetTypes{w_, "StreetTypes", &StreetTypeGroup};
  tk::ListBox StreetTypeSubsts{w_, "StreetTypeSubsts", &StreetTypeGroup};
  tk::Edit StreetTypeIn{w_, "StreetTypeIn", &StreetTypeGroup};
  tk::Edit StreetTypeSubstIn{w_, "StreetTypeSubstIn", &StreetTypeGroup};
  tk::Button StreetTypeAdd{w_, "StreetTypeAdd", &StreetTypeGroup};
  tk::Button StreetTypeDelete{w_, "StreetTypeDelete", &StreetTypeGroup};
  tk::GroupBox NonCivicGroup{w_, "NonCivicGroup", &s_.mailing};
  tk::ListBox NonCivicsIn{w_, "NonCivicsIn", &NonCivicGroup};
  tk::ListBox NonCivicSubstsIn{w_, "NonCivicSubstsIn", &NonCivicGroup};
  tk::Edit NonCivicIn{w_, "NonCivicIn", &NonCivicGroup};
  tk::Edit NonCivicSubstIn{w_, "NonCivicSubstIn", &NonCivicGroup};
  tk::Button NonCivicAdd{w_, "NonCivicAdd", &NonCivicGroup};
  tk::Button NonCivicDelete{w_, "NonCivicDelete", &NonCivicGroup};
  tk::GroupBox SuiteGroup{w_, "SuiteGroup", &s_.mailing};
  tk::ListBox SuiteDesignatorsIn{w_, "SuiteDesignatorsIn", &SuiteGroup};
  tk::ListBox SuiteDesignatorSubstsIn{w_, "SuiteDesignatorSubstsIn", &SuiteGroup};
  tk::Edit SuiteDesignatorIn{w_, "SuiteDesignatorIn", &SuiteGroup};
  tk::Edit SuiteDesignatorSubstIn{w_, "SuiteDesignatorSubstIn", &SuiteGroup};
  tk::Button SuiteDesignatorAdd{w_, "SuiteDesignatorAdd", &SuiteGroup};
  tk::Button SuiteDesignatorDelete{w_, "SuiteDesignatorDelete", &SuiteGroup};
  tk::GroupBox NameStripGroup{w_, "NameStripGroup", &s_.mailing};
  tk::ListBox NameStripsIn{w_, "NameStripsIn", &NameStripGroup};
  tk::Edit NameStripIn{w_, "NameStripIn", &NameStripGroup};
  tk::Button AddNameStrip{w_, "AddNameStrip", &NameStripGroup};
  tk::Button DeleteNameStrip{w_, "DeleteNameStrip", &NameStripGroup};
  tk::GroupBox CapitalExceptionGroup{w_, "CapitalExceptionGroup", &s_.mailing};
  tk::ListBox CapitalExceptionsIn{w_, "CapitalExceptionsIn", &CapitalExceptionGroup};
  tk::Edit CapitalExceptionIn{w_, "CapitalExceptionIn", &CapitalExceptionGroup};
  tk::Button AddCapitalException{w_, "AddCapitalException", &CapitalExceptionGroup};
  tk::Button DeleteCapitalException{w_, "DeleteCapitalException", &CapitalExceptionGroup};
  tk::GroupBox NamePrefixGroup{w_, "NamePrefixGroup", &s_.mailing};
  tk::ListBox NamePrefixes{w_, "NamePrefixes", &NamePrefixGroup};
  tk::Edit NamePrefixIn{w_, "NamePrefixIn", &NamePrefixGroup};
  tk::Button AddNamePrefix{w_, "AddNamePrefix", &NamePrefixGroup};
  tk::Button DeleteNamePrefix{w_, "DeleteNamePrefix", &NamePrefixGroup};

  // --- City sheet ------------------------------------------------------------------------------
  tk::GroupBox StateGroup{w_, "StateGroup", &s_.city};
  tk::ListBox States{w_, "States", &StateGroup};
  tk::ListBox StateSubsts{w_, "StateSubsts", &StateGroup};
  tk::Edit StateIn{w_, "StateIn", &StateGroup};
  tk::Edit StateSubstIn{w_, "StateSubstIn", &StateGroup};
  tk::Button AddState{w_, "AddState", &StateGroup};
  tk::Button DeleteState{w_, "DeleteState", &StateGroup};
};

}  // namespace vt
