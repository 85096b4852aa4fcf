// Word-list controls: captions and the rows of each editor.
#include "window/controls/word_list_controls.h"

namespace vt {

WordListControls::WordListControls(tk::Window& window, const WordListSheets& sheets)
    : w_(window), s_(sheets) {
  ShowMailing.SetCaption("Mailing List Options");
  MailingOptionButton.SetCaption("Gender Options");
  TitleGroup.SetCaption("Titles");
  SuffixGroup.SetCaption("Suffixes");
  StreetTypeGroup.SetCaption("Street Designators");
  NonCivicGroup.SetCaption("Non-Civic Words");
  SuiteGroup.SetCaption("Suite Designators");
  NameStripGroup.SetCaption("Name Strips");
  CapitalExceptionGroup.SetCaption("Capitalization Exceptions");
  NamePrefixGroup.SetCaption("Surname Prefixes");
  StateGroup.SetCaption("States and Provinces");

  // Each editor: its lists, then its edit boxes under them, then Add and Delete. A row is a
  // line and two units; four more for the frame.
  const tk::Bounds list{0, 0, 120, kWordListRows * 15 + 4};
  for (tk::ListBox* box :
       {&TitlesIn, &TitleSubstsIn, &SufficesIn, &SuffixSubstsIn, &StreetTypes, &StreetTypeSubsts,
        &NonCivicsIn, &NonCivicSubstsIn, &SuiteDesignatorsIn, &SuiteDesignatorSubstsIn,
        &NameStripsIn, &CapitalExceptionsIn, &NamePrefixes}) {
    box->SetGeometry(list);
  }
  // State names run to 23 characters; a code is two letters.
  States.SetGeometry({0, 0, 160, list.height});
  StateIn.SetGeometry({0, 0, 160, 0});
  StateSubsts.SetGeometry({0, 0, 50, list.height});
  StateSubstIn.SetGeometry({0, 0, 50, 0});
  for (tk::Edit* entry : {&TitleIn, &SuffixIn, &StreetTypeIn, &NonCivicIn, &SuiteDesignatorIn,
                          &NameStripIn, &CapitalExceptionIn, &NamePrefixIn, &StateIn}) {
    entry->SetNewRow(true);
  }
  for (tk::Button* add :
       {&AddTitle, &AddSuffices, &StreetTypeAdd, &NonCivicAdd, &SuiteDesignatorAdd, &AddNameStrip,
        &AddCapitalException, &AddNamePrefix, &AddState}) {
    add->SetCaption("Add");
    add->SetNewRow(true);
  }
  for (tk::Button* del :
       {&DeleteTitle, &DeleteSuffices, &StreetTypeDelete, &NonCivicDelete, &SuiteDesignatorDelete,
        &DeleteNameStrip, &DeleteCapitalException, &DeleteNamePrefix, &DeleteState}) {
    del->SetCaption("Delete");
  }
}

}  // namespace vt
