// Merge-file output: 0x12 between fields, 0x12 0x05 0x0A after each record.
#include "output/writers/wordperfect_writer.h"

namespace vt {

namespace {

class WordPerfectWriter : public RecordWriter {
 public:
  using RecordWriter::RecordWriter;
  OutputFormat Format() const override { return OutputFormat::kWordPerfect; }
  std::string_view Terminator() const override { return "\x12\x05\x0A"; }
};

}  // namespace

std::unique_ptr<RecordWriter> MakeWordPerfectWriter(const WriterSetup& setup) {
  return std::make_unique<WordPerfectWriter>(setup);
}

}  // namespace vt
