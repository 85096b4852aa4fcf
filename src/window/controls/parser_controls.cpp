// Parser controls: captions and starting states.
#include "window/controls/parser_controls.h"

#include <string>

namespace vt {

ParserControls::ParserControls(tk::Window& window, const ParserSheets& sheets)
    : w_(window), s_(sheets) {
  DBVer.SetCaption("DBF Y2K header (see help)");
  StripAccents.SetCaption("Strip Accents");
  InterLeaf.Add("1 stream");
  for (int n = 2; n <= 32; ++n) InterLeaf.Add(std::to_string(n) + " streams");
  InterLeaf.SetHint(
      "Interleaves output into multiple sequences for mailmerging several items per page");
  CityInStreet.SetCaption("City, State, Zip");
  GenderFromTitle.SetCaption("Infer Gender 1 from Information in Name tab instead of input field");
  AddedNamesGroup.SetCaption("Added First Names");
  AddedMale.SetCaption("M");
  AddedFemale.SetCaption("F");
  AddedAmbig.SetCaption("?");
  AddedGenderAdd.SetCaption("Add");
  AddedNameLabel.SetCaption("First name");
  TestNameHeading.SetCaption("Test a first name");
  AddedGenderDelete.SetCaption("Delete");
}

}  // namespace vt
