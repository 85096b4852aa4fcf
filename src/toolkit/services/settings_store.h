// Settings store: profile-file (INI) access with the classic profile-string rules.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tk {

// Sections and keys ignore ASCII case; values are trimmed of blanks and cut to `size` - 1
// characters; a missing file, section or key gives the default. A write creates the file and
// the section where needed, keeps every other line, writes an empty value as "key=", and
// replaces the file atomically.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Read(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& fallback,
                           std::size_t size) = 0;
  // Returns false when the file could not be written.
  virtual bool Write(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
  // Several keys of one section; a store may write them in one replacement of the file.
  virtual bool WriteKeys(const std::string& path, const std::string& section,
                         const std::vector<std::pair<std::string, std::string>>& keys) {
    bool ok = true;
    for (const auto& [key, value] : keys) ok = Write(path, section, key, value) && ok;
    return ok;
  }
};

}  // namespace tk
