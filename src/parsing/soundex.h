// The four-character Soundex code of a name, in this program's variant.
#pragma once

#include <string>
#include <string_view>

namespace vt {

// Codes the whole text from its first letter, digit or underscore (at most 255 characters), every
// word contributing. Equal codes separated only by vowels, H, W, Y or non-letters merge, so
// "Tymczak" is "T520" and "Jackson" "J500". A text with nothing to code gives " 000".
void SoundexCode(std::string_view text, std::string& code);

}  // namespace vt
