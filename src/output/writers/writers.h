// Writers: the one table of output formats, by name and by format.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "output/writers/writer.h"

namespace vt {

enum class OutputFormat {
  kComma,
  kTab,
  kSpecial,
  kFixed,
  kDbase,
  kWordPerfect,
  kXml,
  kClipboard,
};

struct WriterEntry {
  std::string_view name;  // the format's name in set-up files and golden cases
  OutputFormat format;
  WriterFactory make;
};

// Every format, in the order of the format buttons.
[[nodiscard]] std::span<const WriterEntry> WriterTable();

// The entry of a format name; nothing for an unknown name.
[[nodiscard]] std::optional<WriterEntry> FindWriter(std::string_view name);

[[nodiscard]] const WriterEntry& WriterFor(OutputFormat format);

}  // namespace vt
