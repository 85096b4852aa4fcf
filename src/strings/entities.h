// Character entities: "&amp;", "&lt;", "&#233;" and the like decoded in place.
#pragma once

#include <cstddef>
#include <string>

namespace vt {

// A decoded value never grows past this many characters.
inline constexpr std::size_t kDecodedLimit = 1299;
// The longest text decoded anywhere (an HTML cell before its markup is stripped).
inline constexpr std::size_t kDecodeWorkLimit = 7999;

// Decodes every entity candidate: an "&" whose first following ";" closes a run of at most six
// characters. Named entities are case-sensitive; "&#nnn;" and "&#xhh;" give the byte of their
// number (lowest 8 bits, a blank for 0); any other candidate becomes "*@*". The replacement is
// never scanned again, and the text is cut at `limit` characters.
void DecodeEntities(std::string& text, std::size_t limit = kDecodedLimit);

}  // namespace vt
