// dBase reader: records after the header, those flagged deleted passed over.
#include "input/readers/dbase_reader.h"

#include "input/dbase_header.h"

namespace vt {

bool ReadDbaseRecordValues(InputTables& in, char& flag, std::string& raw) {
  if (!ReadDbaseRecordFlag(in.InputDataFile, flag)) return false;
  in.InputLine.clear();
  for (int i = 1; i <= in.DbaseFieldCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    raw.resize(static_cast<std::size_t>(in.DbaseFieldLengths[k]));
    raw.resize(in.InputDataFile.Read(raw.data(), raw.size()));
    std::string& value = in.InputFieldValues[k];
    DecodeDbaseValue(in.DbaseFieldTypes[k], raw, value);
    if (in.InputLine.size() + value.size() < InputTables::kLineLimit) in.InputLine += value;
  }
  // Bytes of the record that no field claims.
  if (in.DbaseRecordLength > in.DbaseFieldsLength) {
    raw.resize(in.DbaseRecordLength - in.DbaseFieldsLength);
    (void)in.InputDataFile.Read(raw.data(), raw.size());
  }
  in.InputFieldCounts[0] = in.DbaseFieldCount;
  in.InputRecordCut();
  return true;
}

namespace {

class DbaseReader : public RecordReader {
 public:
  void Rewind(InputTables& in) override {
    (void)in.InputDataFile.Seek(in.DbaseHeaderLength);
    read_ = 0;
  }
  // The next record not flagged deleted.
  bool Read(InputTables& in) override {
    ClearCutValues(in);
    while (read_ < in.DbaseRecordCount) {
      ++read_;
      char flag = ' ';
      if (!ReadDbaseRecordValues(in, flag, raw_)) return false;
      if (flag != '*') return true;
    }
    return false;
  }
  void Cut(InputTables&) override {}  // the values came with the record

 private:
  std::uint32_t read_ = 0;
  std::string raw_;
};

}  // namespace

std::unique_ptr<RecordReader> MakeDbaseReader(const ReaderSetup&) {
  return std::make_unique<DbaseReader>();
}

}  // namespace vt
