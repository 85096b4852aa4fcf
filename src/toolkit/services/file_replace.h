// File replacement: a file's new contents written beside it and renamed over it.
#pragma once

#include <string>
#include <string_view>

namespace tk {

// Writes `bytes` to a new file in the folder of `path` and renames it over `path`, so that a
// reader sees the old file or the new one, never a part of either; the old file's permissions
// are kept. False, with `path` untouched and no file left behind, when the folder is missing or
// not writable or a write fails.
[[nodiscard]] bool ReplaceFileWith(const std::string& path, std::string_view bytes);

}  // namespace tk
