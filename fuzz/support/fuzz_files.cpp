// Fuzz files: one folder per process, on /dev/shm when it exists, so that writes stay in memory.
#include "support/fuzz_files.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace vt::fuzz {

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const struct Dir {
    fs::path path;
    Dir() {
      std::error_code ec;
      const fs::path base =
          fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
      path = base / ("vontrask-fuzz-" + std::to_string(::getpid()));
      fs::create_directories(path, ec);
    }
    ~Dir() {
      std::error_code ec;
      fs::remove_all(path, ec);
    }
  } dir;
  return dir.path;
}

}  // namespace

std::string ScratchPath(std::string_view name) {
  return (Folder() / name).string();
}

void WriteScratch(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) std::abort();
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !ok) std::abort();
}

std::string ReadScratch(const std::string& path) {
  std::string bytes;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return bytes;
  char block[4096];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, f)) > 0;)
    bytes.append(block, got);
  std::fclose(f);
  return bytes;
}

}  // namespace vt::fuzz
