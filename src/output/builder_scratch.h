// Builder scratch: the work texts the record builder reuses from record to record.
#pragma once

#include <string>

#include "parsing/city.h"
#include "parsing/person_name.h"
#include "parsing/phone.h"
#include "parsing/street.h"

namespace vt {

// Reserved once; a warmed-up build reuses every buffer and allocates nothing.
struct BuilderScratch {
  BuilderScratch();
  std::string number;   // numeric formatting
  std::string code;     // Soundex code
  std::string escaped;  // XML escaping
  std::string line;     // joined parser lines
  std::string street_line;
  CityParts city;
  StreetParts street;
  PhoneParts phone;
  std::string name_line;
  PersonName name;
};

}  // namespace vt
