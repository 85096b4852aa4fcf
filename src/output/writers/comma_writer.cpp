// Comma-delimited output: quoted field names, CR LF records.
#include "output/writers/comma_writer.h"

#include <string_view>

#include "strings/byte_copy.h"

namespace vt {

namespace {

// Text fields in double quotes, numeric fields bare; doubled or inner quotes are left as they
// are, as readers of this format expect them.
class CommaWriter : public RecordWriter {
 public:
  using RecordWriter::RecordWriter;
  OutputFormat Format() const override { return OutputFormat::kComma; }
  void FieldNames(OutputSink& sink) const override { WriteNameRecord(sink, true, true); }

  void PlaceField(std::string& record, FieldPlacement& field, std::string&) const override {
    const bool quoted = !(field.flags & kFlagNumeric);
    const std::string_view value = *field.value;
    const std::string_view delimiter =
        field.n < field.count ? FieldDelimiter() : std::string_view();
    const std::size_t size = record.size();
    const std::size_t added = (quoted ? 2 : 0) + value.size() + delimiter.size();
    if (size + added >= kRecordLimit) {
      // Near the limit each piece is placed only while the record stays below it.
      if (quoted) AppendToRecord(record, '"');
      AppendToRecord(record, value);
      if (quoted) AppendToRecord(record, '"');
      if (!delimiter.empty()) AppendToRecord(record, delimiter);
      return;
    }
    // Every piece fits: one growth of the record, then plain copies.
    record.resize(size + added);
    char* at = record.data() + size;
    if (quoted) *at++ = '"';
    CopyBytes(at, value.data(), value.size());
    at += value.size();
    if (quoted) *at++ = '"';
    CopyBytes(at, delimiter.data(), delimiter.size());
  }
  PlainLayout Plain() const override { return {true, true, FieldDelimiter()}; }
};

}  // namespace

std::unique_ptr<RecordWriter> MakeCommaWriter(const WriterSetup& setup) {
  return std::make_unique<CommaWriter>(setup);
}

}  // namespace vt
