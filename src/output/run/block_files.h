// Block files: the header and trailer blocks a run copies around the records of its output.
#pragma once

#include <string>

namespace vt {

inline constexpr std::size_t kBlockLimit = 15000;

// The bytes a block file contributes: its first 15,000 bytes, cut before the first NUL. A bare
// file name is taken from `program_dir`; a file that does not open gives nothing.
[[nodiscard]] std::string ReadBlockFile(const std::string& path, const std::string& program_dir);

}  // namespace vt
