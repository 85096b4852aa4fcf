// Shell over xdg-open, started by a double fork so that no child is left to reap.
#include "toolkit/services/xdg_shell.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

extern char** environ;

namespace tk {
namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

// The opener's path, found before forking so that the child only calls exec.
std::string FindProgram(const std::string& name) {
  if (name.empty()) return "";
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : "";
  const char* env = std::getenv("PATH");
  std::string_view dirs = env != nullptr ? env : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    std::size_t colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    std::string candidate = (dir.empty() ? std::string(".") : dir) + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
    if (colon == std::string_view::npos) return "";
    dirs.remove_prefix(colon + 1);
  }
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// Percent-encodes a path for a file URL; '/' and the unreserved characters stay.
std::string UrlPath(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : path) {
    auto byte = static_cast<unsigned char>(c);
    bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                 (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                 byte == '~' || byte == '/';
    if (plain) {
      out.push_back(c);
      continue;
    }
    out.push_back('%');
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 15]);
  }
  return out;
}

}  // namespace

std::string XdgShell::Target(const std::string& path) {
  std::size_t hash = path.rfind('#');
  if (hash == std::string::npos || IsRegularFile(path)) return path;
  std::string file = path.substr(0, hash);
  if (!IsRegularFile(file)) return path;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(file, error);
  if (error) return path;
  return "file://" + UrlPath(absolute.lexically_normal().string()) + path.substr(hash);
}

void XdgShell::OpenDocument(const std::string& path) {
  if (path.find('\0') != std::string::npos) return;
  std::string program = FindProgram(opener_);
  if (program.empty()) return;
  std::string target = Target(path);
  char* argv[] = {program.data(), target.data(), nullptr};
  // The opener's chatter must not mix with our standard output, which may carry data.
  int null_fd = ::open("/dev/null", O_RDWR | O_CLOEXEC);

  pid_t child = ::fork();
  if (child == 0) {
    // Only async-signal-safe calls from here: the parent may have threads.
    if (::fork() == 0) {
      ::setsid();
      if (null_fd >= 0) {
        ::dup2(null_fd, STDIN_FILENO);
        ::dup2(null_fd, STDOUT_FILENO);
        ::dup2(null_fd, STDERR_FILENO);
      }
      ::execve(program.c_str(), argv, environ);
    }
    ::_exit(0);
  }
  if (null_fd >= 0) ::close(null_fd);
  if (child < 0) return;
  // The middle child exits at once; the opener, orphaned, is reaped by init.
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace tk
