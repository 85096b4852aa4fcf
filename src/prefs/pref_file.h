// Preference file: a preference file on disk read through the image reader.
#pragma once

#include <string>

#include "prefs/pref_image.h"

namespace vt {

struct PrefFileRead {
  bool opened = false;  // false: not a regular file that could be read; nothing changed
  PrefReadReport report;
};

// Reads the file at `path` into the targets. Only a regular file that holds something is read:
// an empty file, a folder, a pipe or a device counts as a file that cannot be opened.
[[nodiscard]] PrefFileRead ReadPreferenceFile(const std::string& path, const PrefTargets& targets);

}  // namespace vt
