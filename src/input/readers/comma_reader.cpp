// Comma reader: cut at commas, fields named "Field1".. unless the first record names them.
#include "input/readers/comma_reader.h"

namespace vt {

namespace {

class CommaReader : public TextReader {
 public:
  using TextReader::TextReader;
  bool SkipsNamesRecord() const override { return setup_.names_from_first_record; }
  void TablesChanged() override { namer_.Forget(); }

 private:
  void CutLine(InputTables& in) override {
    const int count = CutCommaRecord(in);
    if (!setup_.names_from_first_record) namer_.Name(in, count);
  }
  DefaultFieldNamer namer_;
};

}  // namespace

std::unique_ptr<RecordReader> MakeCommaReader(const ReaderSetup& setup) {
  return std::make_unique<CommaReader>(setup);
}

}  // namespace vt
