// Fixed-column output: no delimiters, CR LF records.
#include "output/writers/fixed_writer.h"

namespace vt {

namespace {

class FixedWriter : public RecordWriter {
 public:
  using RecordWriter::RecordWriter;
  void FieldNames(OutputSink& sink) const override { WriteNameRecord(sink, false, false); }
};

}  // namespace

std::unique_ptr<RecordWriter> MakeFixedWriter(const WriterSetup& setup) {
  return std::make_unique<FixedWriter>(setup);
}

}  // namespace vt
