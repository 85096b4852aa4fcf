// A fresh directory per test, removed afterwards, and small file helpers for service tests.
#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace tk::testing {

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = ::testing::TempDir() + "vontrask-svc-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed: " << pattern;
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Root() const { return path_; }

 private:
  std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An executable /bin/sh script with this body.
inline void WriteScript(const std::string& path, const std::string& body) {
  WriteBytes(path, "#!/bin/sh\n" + body + "\n");
  ::chmod(path.c_str(), 0755);
}

}  // namespace tk::testing
