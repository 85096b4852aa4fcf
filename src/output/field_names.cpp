// Field names for output formats that restrict them: dBase III field names and XML element names.
#include "output/field_names.h"

#include "strings/char_class.h"
#include "strings/edit.h"
#include "strings/latin1.h"

namespace vt {

namespace {

bool IsAsciiAlnum(char c) {
  return static_cast<unsigned char>(c) < 128 && IsWordChar(c);
}

// Steps shared by both names: the "Z" in front and the "_" for other bytes.
void Normalise(std::string& name) {
  if (name.empty() || !IsLetter(name[0])) name.insert(name.begin(), 'Z');
  for (char& c : name) {
    if (!IsAsciiAlnum(c)) c = '_';
  }
}

}  // namespace

void MakeDbfFieldName(std::string_view source, std::string& destination) {
  std::string name(source.substr(0, 63));
  UpperCaseLatin1(name);
  TrimTrailing(name);
  Normalise(name);
  name.resize(10, ' ');
  destination = std::move(name);
}

void MakeXmlName(std::string_view source, std::string& destination) {
  std::string name(source.substr(0, 511));
  TrimTrailing(name);
  if (!name.empty() && name[0] == '<') name.erase(0, 1);
  Normalise(name);
  if (name.size() > 31) name.resize(31);
  destination = std::move(name);
}

}  // namespace vt
