// Record writer: the interface every output format implements, and the buffered file it writes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "output/output_tables.h"

namespace vt {

// The byte the builder puts where a record breaks its line ("LINE BREAK", "1403 Skip").
inline constexpr char kRecordLineBreak = '\x07';

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
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

// What a writer needs to know of the run, fixed before the first record.
struct WriterSetup {
  const OutputTables* fields = nullptr;  // names, widths, flags and decimals of the fields
  std::string delimiter;                 // between fields of the field-name record
  std::string xml_table = "TABLE";
  std::string xml_record = "RECORD";
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

  // The text that ends every record.
  [[nodiscard]] virtual std::string_view Terminator() const { return "\r\n"; }
  // Whether the format takes a field-name first record.
  [[nodiscard]] virtual bool TakesFieldNames() const { return true; }
  virtual void FieldNames(OutputSink& sink) const;
  virtual void Prologue(OutputSink& /*sink*/) const {}
  // One built record; line-break markers become the terminator as they are written.
  virtual void Record(OutputSink& sink, std::string_view record) const;
  virtual void Epilogue(OutputSink& /*sink*/, std::uint64_t /*records*/) const {}

 protected:
  // The field-name record: names padded or cut to their widths, the delimiter between them.
  void WriteNameRecord(OutputSink& sink, bool quoted, bool delimited) const;
  const WriterSetup& setup() const { return setup_; }

 private:
  WriterSetup setup_;
};

// Every format's factory has this shape.
using WriterFactory = std::unique_ptr<RecordWriter> (*)(const WriterSetup& setup);

}  // namespace vt
