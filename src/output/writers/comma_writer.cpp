// Comma-delimited output: quoted field names, CR LF records.
#include "output/writers/comma_writer.h"

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
    PlaceLaidOut(CommaWriter::Plain(), record, field.flags, *field.value, field.n >= field.count);
  }
  PlainLayout Plain() const override { return {true, true, FieldDelimiter()}; }
};

}  // namespace

std::unique_ptr<RecordWriter> MakeCommaWriter(const WriterSetup& setup) {
  return std::make_unique<CommaWriter>(setup);
}

}  // namespace vt
