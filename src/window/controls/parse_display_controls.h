// Parse display controls: what the Street, City, Names and Phone sheets show of the current
// record: the line each parser read and the parts it found, by name and value.
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct ParseDisplaySheets {
  tk::TabSheet& street;
  tk::TabSheet& city;
  tk::TabSheet& names;
  tk::TabSheet& phone;
};

struct ParseDisplayControls {
  ParseDisplayControls(tk::Window& window, const ParseDisplaySheets& sheets);

 private:
  tk::Window& w_;
  ParseDisplaySheets s_;

 public:
  tk::Label StreetInput{w_, "StreetInput", &s_.street};
  tk::ListBox StreetNames{w_, "StreetNames", &s_.street};
  tk::ListBox StreetParts{w_, "StreetParts", &s_.street};

  tk::Label CityInput{w_, "CityInput", &s_.city};
  tk::ListBox CityNames{w_, "CityNames", &s_.city};
  tk::ListBox CityParts{w_, "CityParts", &s_.city};

  tk::Label NameInputLabel{w_, "NameInputLabel", &s_.names};
  tk::ListBox NamePartNames{w_, "NamePartNames", &s_.names};
  tk::ListBox NameParts{w_, "NameParts", &s_.names};

  tk::Label Phone1Label{w_, "Phone1Label", &s_.phone};
  tk::Label Phone2Label{w_, "Phone2Label", &s_.phone};
  tk::Label Phone3Label{w_, "Phone3Label", &s_.phone};
  tk::ListBox PhoneNames{w_, "PhoneNames", &s_.phone};
  tk::ListBox PhoneParts{w_, "PhoneParts", &s_.phone};
};

}  // namespace vt
