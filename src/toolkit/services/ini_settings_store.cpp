// Settings store over INI files: line parsing, in-place edits and the atomic file replacement.
#include "toolkit/services/ini_settings_store.h"

#include "toolkit/services/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace tk {
namespace ini_internal {
namespace {

// Names fold ASCII letters only: the file is ours, and a locale must not change which key a
// name finds.
constexpr std::array<unsigned char, 256> kFoldUpper = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    table[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  }
  return table;
}();

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (kFoldUpper[static_cast<unsigned char>(a[i])] !=
        kFoldUpper[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Lines without their LF, and without a CR that ended them.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

enum class LineKind { kSection, kKey, kOther };

struct Line {
  LineKind kind = LineKind::kOther;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key value, trimmed
};

Line Classify(std::string_view raw) {
  std::string_view text = Trim(raw);
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') {
    std::string_view inner = text.substr(1);
    return {LineKind::kSection, Trim(inner.substr(0, inner.find(']'))), {}};
  }
  std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {};
  return {LineKind::kKey, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

std::size_t FindSection(const std::vector<std::string_view>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Line line = Classify(lines[i]);
    if (line.kind == LineKind::kSection && SameName(line.name, section)) return i;
  }
  return lines.size();
}

}  // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section,
                                     std::string_view key) {
  std::vector<std::string_view> lines = SplitLines(text);
  section = Trim(section);
  key = Trim(key);
  for (std::size_t i = FindSection(lines, section) + 1; i < lines.size(); ++i) {
    Line line = Classify(lines[i]);
    if (line.kind == LineKind::kSection) break;
    if (line.kind == LineKind::kKey && SameName(line.name, key)) return std::string(line.value);
  }
  return std::nullopt;
}

std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value) {
  std::vector<std::string_view> lines = SplitLines(text);
  section = Trim(section);
  key = Trim(key);

  std::string key_line;
  std::size_t header = FindSection(lines, section);
  std::size_t insert_at = lines.size();
  std::size_t replace_at = lines.size();
  if (header < lines.size()) {
    insert_at = header + 1;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
      Line line = Classify(lines[i]);
      if (line.kind == LineKind::kSection) break;
      if (line.kind == LineKind::kKey && SameName(line.name, key)) {
        replace_at = i;
        key_line.append(line.name).append("=").append(value);  // keeps the file's spelling
        break;
      }
      if (!Trim(lines[i]).empty()) insert_at = i + 1;
    }
  }
  if (key_line.empty()) key_line.append(key).append("=").append(value);

  std::string out;
  out.reserve(text.size() + section.size() + key_line.size() + 4);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == insert_at && replace_at == lines.size()) out.append(key_line).push_back('\n');
    const std::string_view line = i == replace_at ? std::string_view(key_line) : lines[i];
    out.append(line);
    // A line that keeps a CR of its own ("[\r\r\n" is "[\r") ends in CR LF, or its own CR
    // would read as the line end and the line would change: "[" names another section.
    if (!line.empty() && line.back() == '\r') out.push_back('\r');
    out.push_back('\n');
  }
  if (header == lines.size()) out.append("[").append(section).append("]\n");
  if (insert_at == lines.size() && replace_at == lines.size()) out.append(key_line).push_back('\n');
  return out;
}

bool Storable(std::string_view section, std::string_view key, std::string_view value) {
  auto breaks_line = [](std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
  };
  if (breaks_line(section) || breaks_line(key) || breaks_line(value)) return false;
  if (section.find(']') != std::string_view::npos) return false;
  if (key.find('=') != std::string_view::npos) return false;
  // A key that reads as a header or a comment could never be found again.
  std::string_view name = Trim(key);
  return name.empty() || (name.front() != '[' && name.front() != ';');
}

}  // namespace ini_internal

namespace {

struct FileText {
  bool ok = false;      // false: the file exists but could not be read
  bool exists = false;  // false: no such file
  std::string text;
};

FileText Load(const std::string& path) {
  FileText file;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    file.ok = errno == ENOENT;
    return file;
  }
  file.exists = true;
  char buffer[8192];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    if (got == 0) {
      file.ok = true;
      break;
    }
    file.text.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return file;
}

std::string Cut(std::string_view value, std::size_t size) {
  if (size == 0) return "";
  value = value.substr(0, size - 1);
  return std::string(value);
}

}  // namespace

std::string IniSettingsStore::Read(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& fallback,
                                   std::size_t size) {
  FileText file = Load(path);
  std::optional<std::string> found;
  if (file.exists && file.ok) found = ini_internal::FindValue(file.text, section, key);
  if (found) return Cut(*found, size);
  return Cut(ini_internal::Trim(fallback), size);
}

bool IniSettingsStore::Write(const std::string& path, const std::string& section,
                             const std::string& key, const std::string& value) {
  return WriteKeys(path, section, {{key, value}});
}

bool IniSettingsStore::WriteKeys(const std::string& path, const std::string& section,
                                 const std::vector<std::pair<std::string, std::string>>& keys) {
  for (const auto& [key, value] : keys) {
    if (!ini_internal::Storable(section, key, value)) return false;
  }
  FileText old = Load(path);
  // An unreadable file is not ours to replace with a file holding only these keys.
  if (!old.ok) return false;
  std::string text = old.text;
  for (const auto& [key, value] : keys) text = ini_internal::SetValue(text, section, key, value);
  // Each replacement is synced to disk; one that changes nothing is left out.
  if (old.exists && text == old.text) return true;
  const std::filesystem::path dir = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!dir.empty()) std::filesystem::create_directories(dir, error);
  return !error && ReplaceFileWith(path, text);
}

}  // namespace tk
