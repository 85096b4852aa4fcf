// Fixed-column output: no delimiters, CR LF records.
#include "output/writers/fixed_writer.h"

namespace vt {

namespace {

class FixedWriter : public RecordWriter {
 public:
  using RecordWriter::RecordWriter;
  OutputFormat Format() const override { return OutputFormat::kFixed; }
  void FieldNames(OutputSink& sink) const override { WriteNameRecord(sink, false, false); }
  // The values alone, side by side: their widths make the columns.
  void PlaceField(std::string& record, FieldPlacement& field, std::string&) const override {
    PlaceLaidOut(FixedWriter::Plain(), record, field.flags, *field.value, field.n >= field.count);
  }
  PlainLayout Plain() const override { return {true, false, {}}; }
};

}  // namespace

std::unique_ptr<RecordWriter> MakeFixedWriter(const WriterSetup& setup) {
  return std::make_unique<FixedWriter>(setup);
}

}  // namespace vt
