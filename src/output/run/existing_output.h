// Existing output: what a file about to be appended to holds, read before the run opens it.
#pragma once

#include <cstdint>
#include <string>

#include "output/writers/writer.h"

namespace vt {

// What an appended-to file already holds, as the probe before the run found it.
struct ExistingOutput {
  bool exists = false;
  std::int64_t size = 0;
  // A dBase III table: whether its header can be appended to, and the records it counts.
  bool dbase_valid = false;
  std::uint32_t dbase_count = 0;
  // An XML file: whether it has a table element (else it is not XML), the names of its table
  // and record elements ("" for a table without records), and where its closing table tag
  // starts (-1: not found).
  bool xml_valid = false;
  std::string xml_table;
  std::string xml_record;
  std::int64_t xml_close_offset = -1;
  // The closing table tag as the file writes it ("</my-table>"), which the appended records
  // are closed with: the table's name may be one this program would write differently.
  std::string xml_close_tag;
  // Where an in-place append writes its first byte.
  std::int64_t append_at = 0;
};

// Reads what the run needs of `path` in `format`. `append` asks for the dBase and XML parts.
// A file that does not open is reported as not existing.
[[nodiscard]] ExistingOutput ProbeExistingOutput(const std::string& path, OutputFormat format,
                                                 bool append);

// Whether the run appends in place: the file exists and, for dBase and XML, can take records.
[[nodiscard]] bool AppendsInPlace(const ExistingOutput& e, OutputFormat format);

}  // namespace vt
