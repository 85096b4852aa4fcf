// Field names for output formats that restrict them: dBase III field names and XML element names.
#pragma once

#include <string>
#include <string_view>

namespace vt {

// Exactly 10 characters: upper-cased, trailing bytes other than ASCII letters and digits dropped,
// "Z" in front of a name that does not open with an ASCII letter, every other byte but ASCII
// letters and digits as "_", blank-padded.
void MakeDbfFieldName(std::string_view source, std::string& destination);

// At most 31 characters: trailing bytes other than ASCII letters and digits dropped, one leading
// "<" dropped, "Z" in front of a name that does not open with an ASCII letter, every other byte
// but ASCII letters and digits as "_".
void MakeXmlName(std::string_view source, std::string& destination);

}  // namespace vt
