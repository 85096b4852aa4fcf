// The probe of a file about to be appended to: dBase tables with and without their end byte,
// files that are no table, and the element names and closing tag of XML files.
#include "output/run/existing_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vt {
namespace {

namespace fs = std::filesystem;

// A dBase III table of one 5-byte character field and `records` records.
std::string Table(std::uint8_t records, bool end_byte) {
  std::string t(32, '\0');
  t[0] = 0x03;
  t[4] = static_cast<char>(records);
  t[8] = 65;
  t[10] = 6;
  std::string field(32, '\0');
  field.replace(0, 4, "NAME");
  field[11] = 'C';
  field[16] = 5;
  t += field + "\x0D";
  for (int r = 0; r < records; ++r) t += " abcde";
  if (end_byte) t += "\x1A";
  return t;
}

struct Row {
  const char* name;
  OutputFormat format;
  std::string bytes;
  bool in_place;
  std::int64_t append_at;  // -1: the size
  std::uint32_t count = 0;
  const char* table = "";
  const char* record = "";
};

TEST(ExistingOutput, WhereAnAppendWritesAndWhatItTakesFromTheFile) {
  const std::string xml =
      "<?xml version=\"1.0\"?>\r\n<!-- made -->\r\n<people>\r\n<person>"
      "<N>a</N></person>\r\n</people>\r\n  \r\n";
  const std::string empty = "<?xml version=\"1.0\"?>\r\n<items kind=\"x\">\r\n</items>\r\n";
  const Row rows[] = {
      {"dbase over its end byte", OutputFormat::kDbase, Table(2, true), true, 65 + 12, 2},
      {"dbase without an end byte keeps its last byte", OutputFormat::kDbase, Table(2, false), true,
       -1, 2},
      {"a text file is no table", OutputFormat::kDbase, "name,amount\r\nAnn,3\r\n", false, -1},
      {"an empty file is no table", OutputFormat::kDbase, "", false, -1},
      {"xml: comments and declarations are no element", OutputFormat::kXml, xml, true,
       static_cast<std::int64_t>(xml.find("</people>")), 0, "people", "person"},
      {"xml: an empty table with attributes", OutputFormat::kXml, empty, true,
       static_cast<std::int64_t>(empty.find("</items>")), 0, "items", ""},
      {"xml: no closing tag appends at the end", OutputFormat::kXml, "<a>\r\n<b>1</b>\r\n", true,
       -1, 0, "a", "b"},
      {"not xml", OutputFormat::kXml, "plain <text", false, -1},
      {"delimited text appends at the end", OutputFormat::kComma, "old\r\n", true, -1},
  };
  const fs::path path =
      fs::temp_directory_path() / ("vontrask-probe-" + std::to_string(::getpid()));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::ofstream(path, std::ios::binary) << row.bytes;
    const ExistingOutput e = ProbeExistingOutput(path.string(), row.format, true);
    EXPECT_TRUE(e.exists);
    EXPECT_EQ(e.size, static_cast<std::int64_t>(row.bytes.size()));
    EXPECT_EQ(AppendsInPlace(e, row.format), row.in_place);
    if (!row.in_place) continue;
    EXPECT_EQ(e.append_at, row.append_at < 0 ? e.size : row.append_at);
    EXPECT_EQ(e.dbase_count, row.count);
    EXPECT_EQ(e.xml_table, row.table);
    EXPECT_EQ(e.xml_record, row.record);
  }
  fs::remove(path);
  EXPECT_FALSE(ProbeExistingOutput(path.string(), OutputFormat::kDbase, true).exists);
}

}  // namespace
}  // namespace vt
