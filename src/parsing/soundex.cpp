// The four-character Soundex code of a name, in this program's variant.
#include "parsing/soundex.h"

#include <cstddef>

#include "strings/char_class.h"
#include "strings/latin1.h"

namespace vt {

namespace {

constexpr std::size_t kSoundexInputLimit = 255;
// Digit class of "A" to "Z"; vowels, H, W and Y are 0.
constexpr char kLetterCodes[] = "01230120022455012623010202";

char CodeOf(char c) {
  char upper = UpperAscii(c);
  if (upper < 'A' || upper > 'Z') return '0';
  return kLetterCodes[upper - 'A'];
}

}  // namespace

void SoundexCode(std::string_view text, std::string& code) {
  code.clear();
  std::size_t start = 0;
  while (start < text.size() && !IsWordChar(text[start]) && text[start] != '_') ++start;
  if (start == text.size()) {
    // Only the three blanks the text gets are left: the first of them leads the code.
    code.assign(" 000");
    return;
  }
  text = text.substr(start, kSoundexInputLimit);

  // Merge equal neighbours, then drop zeros after the first place, then merge again. The second
  // merge is what joins codes that were kept apart only by vowels or separators. The three
  // trailing blanks of the text code as zeros, so they vanish in the drop. One pass does all
  // three, and stops once the code's four places are known.
  char kept[4];
  std::size_t kept_count = 0;
  char merged_last = '\0';  // the last code of the first merge; none yet
  for (std::size_t i = 0; i < text.size() && kept_count < 4; ++i) {
    const char digit = CodeOf(text[i]);
    if (i > 0 && digit == merged_last) continue;
    merged_last = digit;
    if (i > 0 && digit == '0') continue;
    if (kept_count > 0 && kept[kept_count - 1] == digit) continue;
    kept[kept_count++] = digit;
  }
  const char result[4] = {UpperLatin1(text[0]), kept_count > 1 ? kept[1] : '0',
                          kept_count > 2 ? kept[2] : '0', kept_count > 3 ? kept[3] : '0'};
  code.assign(result, 4);
}

}  // namespace vt
