// Readers: the one table of input kinds and their readers.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "input/readers/record_reader.h"

namespace vt {

struct ReaderEntry {
  InputKind kind;
  std::string_view name;
  std::unique_ptr<RecordReader> (*make)(const ReaderSetup& setup);
};

[[nodiscard]] std::span<const ReaderEntry> ReaderTable();
[[nodiscard]] const ReaderEntry& ReaderFor(InputKind kind);

}  // namespace vt
