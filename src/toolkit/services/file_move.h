// File move: a file renamed to another path, copied over when the two lie on different file
// systems.
#pragma once

#include <string>

namespace tk {

// Moves `from` to `to`, replacing `to`. False, with `from` left where it was, when neither the
// rename nor the copy succeeds.
[[nodiscard]] bool MoveFile(const std::string& from, const std::string& to);

}  // namespace tk
