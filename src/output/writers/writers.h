// Writers: the one table of output formats, by name and by format.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "output/writers/writer.h"

namespace vt {

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

// The bytes between two fields in this format: "," (also for formats that place fields alone),
// TAB, 0x12, the first character of the special delimiter text, or none for dBase.
[[nodiscard]] std::string DelimiterOf(OutputFormat format, std::string_view special_text);

// A writer of the format for building records outside a run (the preview, tests): its field
// delimiter from DelimiterOf.
[[nodiscard]] std::unique_ptr<RecordWriter> MakeRecordLayout(OutputFormat format,
                                                             const OutputTables* fields,
                                                             std::string_view special_text = "~");

}  // namespace vt
