// Text search and comparison that ignore ASCII letter case, and an exact suffix probe.
//
// Only "a"-"z" fold onto "A"-"Z"; accented letters compare as plain bytes, so "é" never
// matches "É" here. Positions are offsets into the text passed in; std::string_view::npos
// stands for "not found".
#pragma once

#include <cstddef>
#include <string_view>

namespace vt {

// FindText looks at no more than this many characters of either text.
inline constexpr std::size_t kFindTextLimit = 32767;
// SameTextN compares no more than this many characters of either text.
inline constexpr std::size_t kSameTextLimit = 255;

// Offset of the first occurrence of `searched` in `text`, ignoring ASCII case; npos when
// there is none. An empty `searched` is found at 0.
std::size_t FindText(std::string_view text, std::string_view searched);

// Compares the first n characters of a and b with "a"-"z" upper-cased: 0 when equal, else
// below or above zero as a sorts before or after b by unsigned byte value. A text shorter
// than n compares by its end, as if a NUL followed it.
int SameTextN(std::string_view a, std::string_view b, std::size_t n);

// Offset of the FIRST exact occurrence of `pattern` when that occurrence ends the text,
// else 0. So 0 also means not found, found earlier, or the text is the pattern itself.
std::size_t EndsWithPattern(std::string_view text, std::string_view pattern);

}  // namespace vt
