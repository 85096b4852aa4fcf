// Block files: the first bytes of a header or trailer block file, read whole before the run.
#include "output/run/block_files.h"

#include <cstdio>

namespace vt {

std::string ReadBlockFile(const std::string& path, const std::string& program_dir) {
  if (path.empty()) return {};
  const std::string full = path.find('/') == std::string::npos ? program_dir + "/" + path : path;
  std::FILE* f = std::fopen(full.c_str(), "rb");
  if (f == nullptr) return {};
  std::string bytes(kBlockLimit, '\0');
  bytes.resize(std::fread(bytes.data(), 1, kBlockLimit, f));
  std::fclose(f);
  bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
  return bytes;
}

}  // namespace vt
