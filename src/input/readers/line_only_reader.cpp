// Line-only readers: the record is the line; its fields stay as their own steps left them.
#include "input/readers/line_only_reader.h"

namespace vt {

namespace {

class LineOnlyReader : public TextReader {
 public:
  using TextReader::TextReader;

 private:
  void CutLine(InputTables&) override {}
};

}  // namespace

std::unique_ptr<RecordReader> MakeWebFormReader(const ReaderSetup& setup) {
  return std::make_unique<LineOnlyReader>(setup);
}

std::unique_ptr<RecordReader> MakePageReader(const ReaderSetup& setup) {
  return std::make_unique<LineOnlyReader>(setup);
}

}  // namespace vt
