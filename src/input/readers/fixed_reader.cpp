// Fixed reader: a line cut at the dividers of row 0; a first record of names is passed over.
#include "input/readers/fixed_reader.h"

namespace vt {

namespace {

class FixedReader : public TextReader {
 public:
  using TextReader::TextReader;
  bool SkipsNamesRecord() const override { return setup_.names_from_first_record; }

 private:
  void CutLine(InputTables& in) override { (void)CutFixedFields(in); }
};

}  // namespace

std::unique_ptr<RecordReader> MakeFixedReader(const ReaderSetup& setup) {
  return std::make_unique<FixedReader>(setup);
}

}  // namespace vt
