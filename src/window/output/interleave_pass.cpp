// Interleave pass of a run: the moves around InterleaveFile, and the way back when it fails.
#include "window/output/interleave_pass.h"

#include <filesystem>

#include "toolkit/services/file_move.h"
#include "toolkit/services/private_files.h"

namespace vt {

bool InterleavePass(const std::string& finished, const std::string& work,
                    const InterleaveLayout& layout) {
  namespace fs = std::filesystem;
  std::error_code ec;
  (void)tk::MakePrivateFolder(fs::path(work).parent_path().string());
  fs::remove(work, ec);
  if (!tk::MoveFile(finished, work)) return false;
  const fs::perms mode = fs::status(work, ec).permissions();
  if (InterleaveFile(work, finished, layout)) {
    if (!ec) fs::permissions(finished, mode, ec);
    return true;
  }
  (void)tk::MoveFile(work, finished);
  return false;
}

}  // namespace vt
