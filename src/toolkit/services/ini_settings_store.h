// Settings store over INI files on disk, following the classic profile-string rules.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/services/settings_store.h"

namespace tk {

// Lines are "[section]", "key=value", "; comment" or anything else (kept as it is). Names match
// ignoring ASCII case only; bytes 128-255 compare exactly and pass through unchanged. The first
// section of a name is the one read and written; later sections of the same name are kept but
// never consulted. Reading accepts LF and CR LF; a write replaces the file atomically with LF
// line ends.
class IniSettingsStore : public SettingsStore {
 public:
  std::string Read(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& fallback, std::size_t size) override;
  // Returns false, leaving the old file as it was, when a name or value cannot be stored as one
  // line or when the file cannot be read or replaced.
  bool Write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) override;
  // All the keys in one replacement, or none of them when one cannot be stored. A write that
  // leaves the text as it was does not touch the file.
  bool WriteKeys(const std::string& path, const std::string& section,
                 const std::vector<std::pair<std::string, std::string>>& keys) override;
};

// End of the public API; the text functions below are the store's core, open for tests.
namespace ini_internal {

// The trimmed value of `key` in the first `section` of `text`; nullopt when either is missing.
std::optional<std::string> FindValue(std::string_view text, std::string_view section,
                                     std::string_view key);

// `text` with `key` set to `value` in the first `section` (created at the end when missing): an
// existing key line is replaced in place, a new key follows the section's last non-blank line.
// Every line of the result ends with LF.
std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value);

// True when the names and the value can be written as lines that read back the same way.
bool Storable(std::string_view section, std::string_view key, std::string_view value);

}  // namespace ini_internal
}  // namespace tk
