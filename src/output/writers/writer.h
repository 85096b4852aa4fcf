// Record writer: the interface every output format implements, and the buffered file it writes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>

#include "output/output_tables.h"

namespace vt {

// The byte the builder puts where a record breaks its line ("LINE BREAK", "1403 Skip").
inline constexpr char kRecordLineBreak = '\x07';

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

// Appends `text` to a record only while the record stays below its limit.
inline void AppendToRecord(std::string& record, std::string_view text) {
  if (record.size() + text.size() < kRecordLimit) record.append(text);
}
inline void AppendToRecord(std::string& record, char byte) {
  if (record.size() + 1 < kRecordLimit) record.push_back(byte);
}

// Appends one field's value to a record, in double quotes when `quoted`, then `delimiter`;
// each piece only while the record stays below its limit.
inline void AppendFieldPieces(std::string& record, bool quoted, std::string_view value,
                              std::string_view delimiter) {
  const std::size_t size = record.size();
  const std::size_t added = (quoted ? 2 : 0) + value.size() + delimiter.size();
  if (size + added >= kRecordLimit) {
    if (quoted) AppendToRecord(record, '"');
    AppendToRecord(record, value);
    if (quoted) AppendToRecord(record, '"');
    if (!delimiter.empty()) AppendToRecord(record, delimiter);
    return;
  }
  // Every piece fits. A record keeps its storage from one to the next, so the single bytes are
  // pushed inline and only the value costs a call.
  if (quoted) record.push_back('"');
  record.append(value.data(), value.size());
  if (quoted) record.push_back('"');
  if (delimiter.size() == 1) {
    record.push_back(delimiter[0]);
  } else {
    record.append(delimiter.data(), delimiter.size());
  }
}

// One field's converted value, and what its format may need to place it into the record.
struct FieldPlacement {
  int n = 0;      // the field's number, 1..count
  int count = 0;  // the fields of the record
  std::uint32_t flags = 0;
  std::string_view name;         // the field's name (an XML element's)
  std::string* value = nullptr;  // the converted value; a format may rewrite it (escapes)
  std::int32_t date = -1;        // a dBase date field's date as YYYYMMDD; -1: none
  bool batch = false;            // placed during a run
  int interleave = 0;            // the interleave index; 0 or less: one stream
};

// How a run's fast path lays out a record of plain fields: whether this format allows it at
// all, whether text fields are quoted, and the bytes between fields. A format that allows it
// places every field so (PlaceLaidOut), whatever its value went through.
struct PlainLayout {
  bool allowed = false;
  bool quote_text = false;
  std::string_view delimiter;
};

// What PlaceField does in a format whose layout is allowed: the value, in quotes when the
// layout quotes text and the field is not numeric, then the delimiter unless it is the last.
inline void PlaceLaidOut(const PlainLayout& layout, std::string& record, std::uint32_t flags,
                         std::string_view value, bool last) {
  AppendFieldPieces(record, layout.quote_text && !(flags & kFlagNumeric), value,
                    last ? std::string_view() : layout.delimiter);
}

// A buffered binary file. It does not own the FILE; write errors are remembered, not thrown.
class OutputSink {
 public:
  explicit OutputSink(std::FILE* file);
  OutputSink(const OutputSink&) = delete;
  OutputSink& operator=(const OutputSink&) = delete;

  void Write(std::string_view bytes);
  // Writes `bytes` with every `marker` byte replaced by `with`.
  void WriteReplacing(std::string_view bytes, char marker, std::string_view with);
  // Flushes, then moves to an absolute offset.
  void Seek(std::int64_t offset);
  void Flush();
  [[nodiscard]] bool Failed() const { return failed_; }

 private:
  std::FILE* file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

// What a writer needs to know of the run, fixed before the first record.
struct WriterSetup {
  const OutputTables* fields = nullptr;  // names, widths, flags and decimals of the fields
  std::string delimiter;                 // between fields of the field-name record
  std::string xml_table = "TABLE";
  std::string xml_record = "RECORD";
  // An XML append closes the table with the tag the file had; empty: made from xml_table.
  std::string xml_close_tag;
  int streams = 1;         // interleave streams; above 1 records are not split into lines
  bool dbase_y2k = false;  // years past 1999 counted on from 100 in the dBase header
  std::tm today{};
  std::uint32_t base_count = 0;  // dBase records already in the file appended to
};

// One output format. The run calls, in order: Prologue (new files only), Record per written
// record, Epilogue.
class RecordWriter {
 public:
  explicit RecordWriter(const WriterSetup& setup) : setup_(setup) {}
  virtual ~RecordWriter() = default;

  [[nodiscard]] virtual OutputFormat Format() const = 0;
  // The text that ends every record.
  [[nodiscard]] virtual std::string_view Terminator() const { return "\r\n"; }
  // The bytes between two fields of a record.
  [[nodiscard]] std::string_view FieldDelimiter() const { return setup_.delimiter; }
  // Places one field into the record being built: its value, and the quotes, element or
  // delimiter the format puts around it. `scratch` is a buffer the format may use.
  virtual void PlaceField(std::string& record, FieldPlacement& field, std::string& scratch) const;
  [[nodiscard]] virtual PlainLayout Plain() const { return {true, false, FieldDelimiter()}; }
  // Whether a date field is placed from its date (FieldPlacement::date) rather than its value.
  [[nodiscard]] virtual bool TakesDates() const { return false; }
  // Whether the format takes a field-name first record.
  [[nodiscard]] virtual bool TakesFieldNames() const { return true; }
  virtual void FieldNames(OutputSink& sink) const;
  // Whether header and trailer block files are copied around the records.
  [[nodiscard]] virtual bool TakesBlocks() const { return true; }
  virtual void Prologue(OutputSink& /*sink*/) const {}
  // One built record; line-break markers become the terminator as they are written.
  virtual void Record(OutputSink& sink, std::string_view record) const;
  virtual void Epilogue(OutputSink& /*sink*/, std::uint64_t /*records*/) const {}
  // The local date as the run ends, in place of the setup's date of its start, for a format
  // that dates its file again at the end.
  void SetToday(const std::tm& today) { setup_.today = today; }

 protected:
  // The field-name record: names padded or cut to their widths, the delimiter between them.
  void WriteNameRecord(OutputSink& sink, bool quoted, bool delimited) const;
  const WriterSetup& setup() const { return setup_; }

 private:
  WriterSetup setup_;
};

// A format that places each field's value and the delimiter after it, adding only the record
// terminator: tab, other-delimited and clipboard text.
template <OutputFormat kFormat>
class DelimitedWriter : public RecordWriter {
 public:
  using RecordWriter::RecordWriter;
  [[nodiscard]] OutputFormat Format() const override { return kFormat; }
};

// Every format's factory has this shape.
using WriterFactory = std::unique_ptr<RecordWriter> (*)(const WriterSetup& setup);

}  // namespace vt
