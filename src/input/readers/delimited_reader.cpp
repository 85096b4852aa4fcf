// Delimited reader: cut at one byte, fields named "Field1".. unless the first record names them.
#include "input/readers/delimited_reader.h"

namespace vt {

namespace {

class DelimitedReader : public TextReader {
 public:
  DelimitedReader(const ReaderSetup& setup, char delimiter)
      : TextReader(setup), delimiter_(delimiter) {}
  bool SkipsNamesRecord() const override { return setup_.names_from_first_record; }
  void TablesChanged() override { namer_.Forget(); }

 private:
  void CutLine(InputTables& in) override {
    const int count = CutDelimitedRecord(in, delimiter_);
    if (count >= 0 && !setup_.names_from_first_record) namer_.Name(in, count);
  }
  char delimiter_;
  DefaultFieldNamer namer_;
};

}  // namespace

std::unique_ptr<RecordReader> MakeTabReader(const ReaderSetup& setup) {
  return std::make_unique<DelimitedReader>(setup, '\t');
}

std::unique_ptr<RecordReader> MakeSpecialReader(const ReaderSetup& setup) {
  return std::make_unique<DelimitedReader>(setup, setup.delimiter);
}

}  // namespace vt
