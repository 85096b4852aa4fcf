// Private files: the per-user settings folder and the transfer files in it, kept to their owner.
#pragma once

#include <string>
#include <string_view>

namespace tk {

// Makes `path` and its missing parents; a folder this makes has mode 0700. False when it is not
// a folder afterwards.
[[nodiscard]] bool MakePrivateFolder(const std::string& path);

// Writes `bytes` as the whole of `path` (mode 0600, a link at `path` not followed), making its
// folder first. False when the folder or the file cannot be made or a write fails.
[[nodiscard]] bool WritePrivateFile(const std::string& path, std::string_view bytes);

}  // namespace tk
