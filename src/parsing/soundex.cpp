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
  if (start == text.size()) return;
  text = text.substr(start, kSoundexInputLimit);

  // Merge equal neighbours, then drop zeros after the first place, then merge again. The second
  // merge is what joins codes that were kept apart only by vowels or separators. The three
  // trailing blanks of the text code as zeros, so they vanish in the drop.
  char merged[kSoundexInputLimit];
  std::size_t count = 0;
  for (char c : text) {
    char digit = CodeOf(c);
    if (count == 0 || merged[count - 1] != digit) merged[count++] = digit;
  }
  char kept[kSoundexInputLimit];
  std::size_t kept_count = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && merged[i] == '0') continue;
    if (kept_count > 0 && kept[kept_count - 1] == merged[i]) continue;
    kept[kept_count++] = merged[i];
  }
  code.push_back(UpperLatin1(text[0]));
  for (std::size_t i = 1; i < 4; ++i) code.push_back(i < kept_count ? kept[i] : '0');
}

}  // namespace vt
