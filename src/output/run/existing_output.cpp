// Existing output: the size of a file appended to, its dBase header or its XML element names.
#include "output/run/existing_output.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string_view>

#include "output/field_names.h"

namespace vt {

namespace {

constexpr std::size_t kXmlProbe = 8000;
constexpr std::size_t kTagTextLimit = 127;
constexpr unsigned char kDbaseEnd = 0x1A;
constexpr unsigned char kDescriptorsEnd = 0x0D;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string ReadAt(std::FILE* f, std::int64_t offset, std::size_t count) {
  std::string bytes(count, '\0');
  if (std::fseek(f, static_cast<long>(offset), SEEK_SET) != 0) return {};
  bytes.resize(std::fread(bytes.data(), 1, count, f));
  return bytes;
}

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = count; i-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// A dBase III table (with or without memo): its version, a header that fits in the file and
// ends its field descriptors with 0x0D, and records of at least one byte.
void ProbeDbase(std::FILE* f, ExistingOutput& e) {
  const std::string head = ReadAt(f, 0, 32);
  if (head.size() < 32 || (static_cast<unsigned char>(head[0]) & 0x07) != 0x03) return;
  const std::uint32_t header_length = Little(head, 8, 2);
  const std::uint32_t record_length = Little(head, 10, 2);
  if (header_length < 33 || header_length > e.size || record_length < 1) return;
  const std::string descriptors = ReadAt(f, 32, header_length - 32);
  bool ended = false;
  for (std::size_t at = 0; at < descriptors.size() && !ended; at += 32)
    ended = static_cast<unsigned char>(descriptors[at]) == kDescriptorsEnd;
  if (!ended) return;
  e.dbase_valid = true;
  e.dbase_count = Little(head, 4, 4);
  // Records go over the end byte; a table that lacks it keeps every byte it has.
  const std::string last = ReadAt(f, e.size - 1, 1);
  const bool has_end = last.size() == 1 && static_cast<unsigned char>(last[0]) == kDbaseEnd;
  e.append_at = has_end ? e.size - 1 : e.size;
}

// The name in the start tag that opens at `at`, as the file writes it: the text after "<" up
// to a blank, "/" or ">".
std::string_view ElementText(std::string_view text, std::size_t at) {
  std::size_t end = at + 1;
  while (end < text.size() && text[end] != '>' && text[end] != '/' && text[end] != ' ' &&
         text[end] != '\t' && text[end] != '\r' && text[end] != '\n')
    ++end;
  return text.substr(at + 1, end - at - 1);
}

// That name cut at 127 characters and made a valid name of this program's.
std::string ElementName(std::string_view text, std::size_t at) {
  std::string name;
  MakeXmlName(text.substr(at, std::min(ElementText(text, at).size() + 1, kTagTextLimit)), name);
  return name;
}

// The next tag from `from` that is not a declaration, comment or processing instruction
// (closing tags are returned; the caller tells them apart). npos: none with its ">".
std::size_t NextTag(std::string_view text, std::size_t from) {
  for (std::size_t at = text.find('<', from); at != std::string_view::npos;
       at = text.find('<', at + 1)) {
    if (text.find('>', at) == std::string_view::npos) return std::string_view::npos;
    const char second = at + 1 < text.size() ? text[at + 1] : '\0';
    if (second != '!' && second != '?') return at;
  }
  return std::string_view::npos;
}

void ProbeXml(std::FILE* f, ExistingOutput& e) {
  const std::string head = ReadAt(f, 0, kXmlProbe);
  std::size_t table = NextTag(head, 0);
  while (table != std::string::npos && head[table + 1] == '/') table = NextTag(head, table + 1);
  if (table == std::string::npos) return;
  const std::size_t record = NextTag(head, head.find('>', table) + 1);
  if (record == std::string::npos) return;
  e.xml_valid = true;
  e.xml_table = ElementName(head, table);
  // A closing tag next: the table has no record yet, and the configured record name stays.
  if (head[record + 1] != '/') e.xml_record = ElementName(head, record);

  const std::int64_t tail_start =
      std::max<std::int64_t>(e.size - static_cast<std::int64_t>(kXmlProbe), 0);
  const std::string tail = tail_start == 0 ? head : ReadAt(f, tail_start, kXmlProbe);
  // Found by the name as written, so that a name this program would write otherwise ("my-table")
  // is still closed where it was.
  const std::string close_tag = "</" + std::string(ElementText(head, table)) + ">";
  const std::size_t close = tail.rfind(close_tag);
  if (close != std::string::npos) {
    e.xml_close_offset = tail_start + static_cast<std::int64_t>(close);
    e.xml_close_tag = close_tag;
  }
  e.append_at = e.xml_close_offset >= 0 ? e.xml_close_offset : e.size;
}

}  // namespace

ExistingOutput ProbeExistingOutput(const std::string& path, OutputFormat format, bool append) {
  ExistingOutput e;
  const File f(std::fopen(path.c_str(), "rb"));
  if (!f) return e;
  e.exists = true;
  if (std::fseek(f.get(), 0, SEEK_END) == 0) e.size = std::max<long>(std::ftell(f.get()), 0);
  e.append_at = e.size;
  if (!append) return e;
  if (format == OutputFormat::kDbase) ProbeDbase(f.get(), e);
  if (format == OutputFormat::kXml) ProbeXml(f.get(), e);
  return e;
}

bool AppendsInPlace(const ExistingOutput& e, OutputFormat format) {
  if (!e.exists) return false;
  if (format == OutputFormat::kDbase) return e.dbase_valid;
  if (format == OutputFormat::kXml) return e.xml_valid;
  return true;
}

}  // namespace vt
