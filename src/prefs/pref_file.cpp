// Preference file: opened as bytes, measured, and read no further than the current layout.
#include "prefs/pref_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vt {

PrefFileRead ReadPreferenceFile(const std::string& path, const PrefTargets& targets) {
  PrefFileRead result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return result;
  struct stat info {};
  // An empty file holds no set-up at all: loading it would silently keep the current one.
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
    ::close(fd);
    return result;
  }
  std::string bytes(kPrefFileSize, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // what could not be read counts as the end of the file
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  result.opened = true;
  result.report = ReadPrefImage(bytes, static_cast<std::int64_t>(info.st_size), targets);
  return result;
}

}  // namespace vt
