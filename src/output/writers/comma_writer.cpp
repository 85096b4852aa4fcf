// Comma-delimited output: quoted field names, CR LF records.
#include "output/writers/comma_writer.h"

namespace vt {

namespace {

class CommaWriter : public RecordWriter {
 public:
  using RecordWriter::RecordWriter;
  void FieldNames(OutputSink& sink) const override { WriteNameRecord(sink, true, true); }
};

}  // namespace

std::unique_ptr<RecordWriter> MakeCommaWriter(const WriterSetup& setup) {
  return std::make_unique<CommaWriter>(setup);
}

}  // namespace vt
