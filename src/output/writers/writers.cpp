// Writers: the one table of output formats, by name and by format.
#include "output/writers/writers.h"

#include <array>
#include <cassert>

#include "output/writers/clipboard_writer.h"
#include "output/writers/comma_writer.h"
#include "output/writers/dbase_writer.h"
#include "output/writers/fixed_writer.h"
#include "output/writers/special_writer.h"
#include "output/writers/tab_writer.h"
#include "output/writers/wordperfect_writer.h"
#include "output/writers/xml_writer.h"

namespace vt {

namespace {

constexpr std::array<WriterEntry, 8> kWriters = {{
    {"comma", OutputFormat::kComma, &MakeCommaWriter},
    {"tab", OutputFormat::kTab, &MakeTabWriter},
    {"special", OutputFormat::kSpecial, &MakeSpecialWriter},
    {"fixed", OutputFormat::kFixed, &MakeFixedWriter},
    {"dbase", OutputFormat::kDbase, &MakeDbaseWriter},
    {"wordperfect", OutputFormat::kWordPerfect, &MakeWordPerfectWriter},
    {"xml", OutputFormat::kXml, &MakeXmlWriter},
    {"clipboard", OutputFormat::kClipboard, &MakeClipboardWriter},
}};

}  // namespace

std::span<const WriterEntry> WriterTable() {
  return kWriters;
}

std::optional<WriterEntry> FindWriter(std::string_view name) {
  for (const WriterEntry& entry : kWriters) {
    if (entry.name == name) return entry;
  }
  return std::nullopt;
}

const WriterEntry& WriterFor(OutputFormat format) {
  for (const WriterEntry& entry : kWriters) {
    if (entry.format == format) return entry;
  }
  assert(false && "every output format has a row in kWriters");
  return kWriters[0];
}

std::string DelimiterOf(OutputFormat format, std::string_view special_text) {
  switch (format) {
    case OutputFormat::kTab:
    case OutputFormat::kClipboard:
      return "\t";
    case OutputFormat::kWordPerfect:
      return "\x12";
    case OutputFormat::kSpecial:
      return std::string(special_text.substr(0, 1));
    case OutputFormat::kDbase:
      return "";
    case OutputFormat::kComma:
    case OutputFormat::kFixed:
    case OutputFormat::kXml:
      return ",";
  }
  return ",";
}

std::unique_ptr<RecordWriter> MakeRecordLayout(OutputFormat format, const OutputTables* fields,
                                               std::string_view special_text) {
  WriterSetup setup;
  setup.fields = fields;
  setup.delimiter = DelimiterOf(format, special_text);
  return WriterFor(format).make(setup);
}

}  // namespace vt
