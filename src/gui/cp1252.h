// Windows-1252 text at the Qt edge: the core's bytes to QString and back, every byte kept.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vt::gui {

// Each byte becomes one character. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+0081.. so that they come back unchanged.
QString FromCp1252(std::string_view bytes);

// Each character becomes one byte; a character Windows-1252 cannot hold becomes '?' (a pair of
// surrogates counts as one character).
std::string ToCp1252(const QString& text);

}  // namespace vt::gui
