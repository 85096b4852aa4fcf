// Binary reader: records of BinaryRecordLength bytes from BinaryRecordsStart() on.
#include "input/readers/binary_reader.h"

#include "input/binary_cut.h"
#include "input/binary_display.h"
#include "input/ebcdic.h"

namespace vt {

bool ReadBinaryRecordBytes(InputTables& in, bool ebcdic, bool accept_short) {
  // A record length no record can have reads nothing, as the end of the file does.
  if (!in.BinaryLengthUsable() || in.InputDataFile.AtEnd()) return false;
  const auto length = static_cast<std::size_t>(in.BinaryRecordLength);
  std::string& line = in.InputLine;
  line.resize(length);
  line.resize(in.InputDataFile.Read(line.data(), length));
  if (line.size() < length && !accept_short) return false;
  if (ebcdic) TranslateEbcdicToAscii(line);
  in.BinaryRecordCopy.assign(line);
  MakeBinaryDisplay(line);
  return true;
}

namespace {

class BinaryReader : public RecordReader {
 public:
  explicit BinaryReader(const ReaderSetup& setup)
      : ebcdic_(setup.text.ebcdic), options_(setup.binary) {}
  void Rewind(InputTables& in) override { (void)in.InputDataFile.Seek(in.BinaryRecordsStart()); }
  bool Read(InputTables& in) override { return ReadBinaryRecordBytes(in, ebcdic_); }
  void Cut(InputTables& in) override {
    ClearCutValues(in);
    (void)CutBinaryFields(in, options_);
  }

 private:
  bool ebcdic_;
  BinaryOptions options_;
};

}  // namespace

std::unique_ptr<RecordReader> MakeBinaryReader(const ReaderSetup& setup) {
  return std::make_unique<BinaryReader>(setup);
}

}  // namespace vt
