// Interleave pass of a run: the moves around InterleaveFile, and what stays where when it fails.
#include "window/output/interleave_pass.h"

#include <filesystem>

#include "toolkit/services/file_move.h"
#include "toolkit/services/private_files.h"

namespace vt {

InterleaveOutcome InterleavePass(const std::string& finished, const std::string& work,
                                 const InterleaveLayout& layout, bool put_back) {
  namespace fs = std::filesystem;
  std::error_code ec;
  (void)tk::MakePrivateFolder(fs::path(work).parent_path().string());
  fs::remove(work, ec);
  if (!tk::MoveFile(finished, work)) return InterleaveOutcome::kAsWritten;
  const fs::perms mode = fs::status(work, ec).permissions();
  if (InterleaveFile(work, finished, layout)) {
    if (!ec) fs::permissions(finished, mode, ec);
    return InterleaveOutcome::kInterleaved;
  }
  if (put_back && tk::MoveFile(work, finished)) return InterleaveOutcome::kAsWritten;
  fs::remove(finished, ec);  // a part of the pass's writing, which nobody should take for the file
  return InterleaveOutcome::kInWorkFile;
}

}  // namespace vt
