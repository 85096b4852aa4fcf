// Process runner over posix_spawn and waitpid.
#include "toolkit/services/posix_process_runner.h"

#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace tk {

int PosixProcessRunner::RunAndWait(const std::string& program, const std::string& argument) {
  // A NUL would silently cut the text the program receives.
  if (program.find('\0') != std::string::npos || argument.find('\0') != std::string::npos) {
    return -1;
  }
  std::string program_arg = program;
  std::string argument_arg = argument;
  char* argv[] = {program_arg.data(), argument_arg.data(), nullptr};
  pid_t pid = 0;
  if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;

  int status = 0;
  pid_t done = -1;
  do {
    done = ::waitpid(pid, &status, 0);
  } while (done < 0 && errno == EINTR);
  if (done != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace tk
