// Field names for output formats that restrict them: dBase III field names and XML element names.
#include "output/field_names.h"

#include "strings/char_class.h"
#include "strings/latin1.h"

namespace vt {

namespace {

// Neither format takes a byte above 0x7F in a name, so here such a byte is no letter or digit,
// whatever the program's word classes say elsewhere.
bool IsAsciiAlnum(char c) {
  return static_cast<unsigned char>(c) < 128 && IsWordChar(c);
}

bool IsAsciiLetter(char c) {
  return static_cast<unsigned char>(c) < 128 && IsLetter(c);
}

void TrimTrailingNonAlnum(std::string& name) {
  std::size_t end = name.size();
  while (end > 0 && !IsAsciiAlnum(name[end - 1])) --end;
  name.resize(end);
}

// Steps shared by both names: the "Z" in front and the "_" for other bytes.
void Normalise(std::string& name) {
  if (name.empty() || !IsAsciiLetter(name[0])) name.insert(name.begin(), 'Z');
  for (char& c : name) {
    if (!IsAsciiAlnum(c)) c = '_';
  }
}

}  // namespace

void MakeDbfFieldName(std::string_view source, std::string& destination) {
  std::string name(source.substr(0, 63));
  UpperCaseLatin1(name);
  TrimTrailingNonAlnum(name);
  Normalise(name);
  name.resize(10, ' ');
  destination = std::move(name);
}

void MakeXmlName(std::string_view source, std::string& destination) {
  std::string name(source.substr(0, 511));
  TrimTrailingNonAlnum(name);
  if (!name.empty() && name[0] == '<') name.erase(0, 1);
  Normalise(name);
  if (name.size() > 31) name.resize(31);
  destination = std::move(name);
}

}  // namespace vt
