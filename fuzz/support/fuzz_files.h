// Fuzz files: the engines read their input from files, so each input goes to a file first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vt::fuzz {

// A path in this process's own folder (on tmpfs when there is one), removed at exit.
[[nodiscard]] std::string ScratchPath(std::string_view name);

// Writes `bytes` to `path`, replacing what it held; aborts when the file cannot be written,
// since a run that silently fuzzes nothing is worse than none.
void WriteScratch(const std::string& path, std::string_view bytes);

// The bytes of a file, empty when it does not open.
[[nodiscard]] std::string ReadScratch(const std::string& path);

}  // namespace vt::fuzz
