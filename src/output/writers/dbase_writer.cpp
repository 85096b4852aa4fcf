// dBase III output: the table header, blank-flagged fixed records and the end byte.
#include "output/writers/dbase_writer.h"

#include <algorithm>
#include <array>

#include "output/field_names.h"
#include "strings/edit.h"
#include "strings/fixed_text.h"

namespace vt {

namespace {

constexpr std::size_t kDescriptorSize = 32;

void PutLittle16(char* at, std::uint32_t value) {
  at[0] = static_cast<char>(value & 0xFF);
  at[1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutLittle32(char* at, std::uint32_t value) {
  PutLittle16(at, value & 0xFFFF);
  PutLittle16(at + 2, value >> 16);
}

// The decimal-places text read as an integer: leading blanks, then digits; blank gives 0.
int DecimalsOf(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  int value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    value = value * 10 + (text[i] - '0');
  return std::min(value, 255);
}

int FieldLength(const OutputTables& t, std::size_t slot) {
  if (t.OutputFieldFlags[slot] & kFlagDbaseDate) return 8;
  return std::clamp<int>(t.OutputFieldWidths[slot], 0, kMaxDbaseWidth);
}

class DbaseWriter : public RecordWriter {
 public:
  using RecordWriter::RecordWriter;
  OutputFormat Format() const override { return OutputFormat::kDbase; }
  std::string_view Terminator() const override { return {}; }
  bool TakesFieldNames() const override { return false; }
  bool TakesBlocks() const override { return false; }
  PlainLayout Plain() const override { return {}; }
  bool TakesDates() const override { return true; }

  // Fixed fields side by side; a date field as its 8 digits.
  void PlaceField(std::string& record, FieldPlacement& field, std::string& scratch) const override {
    if (!(field.flags & kFlagDbaseDate)) {
      AppendToRecord(record, *field.value);
      return;
    }
    scratch.clear();
    AppendDbaseDate(field.date, scratch);
    AppendToRecord(record, scratch);
  }

  void Prologue(OutputSink& sink) const override {
    const OutputTables& t = *setup().fields;
    const int count = t.OutputFieldsInUse();
    std::array<char, 32> head{};
    head[0] = 0x03;
    PutDate(head.data() + 1);
    PutLittle32(head.data() + 4, 3);
    PutLittle16(head.data() + 8, static_cast<std::uint32_t>(32 * count + 33));
    std::uint32_t record_length = 1;
    for (int n = 1; n <= count; ++n)
      record_length += static_cast<std::uint32_t>(FieldLength(t, static_cast<std::size_t>(n)));
    PutLittle16(head.data() + 10, record_length);
    sink.Write({head.data(), head.size()});
    for (int n = 1; n <= count; ++n) WriteDescriptor(sink, t, static_cast<std::size_t>(n));
    sink.Write("\x0D");
  }

  // The deletion flag, then the record; a line-break marker keeps its byte as a blank so the
  // record keeps its fixed length.
  void Record(OutputSink& sink, std::string_view record) const override {
    sink.Write(" ");
    sink.WriteReplacing(record, kRecordLineBreak, " ");
  }

  void Epilogue(OutputSink& sink, std::uint64_t records) const override {
    sink.Write("\x1A");
    const std::uint64_t total = std::min<std::uint64_t>(setup().base_count + records, 0xFFFFFFFFu);
    std::array<char, 7> stamp{};
    PutDate(stamp.data());
    PutLittle32(stamp.data() + 3, static_cast<std::uint32_t>(total));
    sink.Seek(1);
    sink.Write({stamp.data(), stamp.size()});
  }

 private:
  void PutDate(char* at) const {
    const std::tm& d = setup().today;
    at[0] = static_cast<char>(d.tm_year % 100 + (setup().dbase_y2k ? 100 : 0));
    at[1] = static_cast<char>(d.tm_mon + 1);
    at[2] = static_cast<char>(d.tm_mday);
  }

  static void WriteDescriptor(OutputSink& sink, const OutputTables& t, std::size_t slot) {
    std::array<char, kDescriptorSize> d{};
    // The format choice already made the name valid; this keeps a name set any other way
    // from breaking the header.
    std::string name;
    MakeDbfFieldName(TextOf(t.OutputFieldNameTable[slot]), name);
    TrimTrailing(name);
    std::copy_n(name.begin(), std::min<std::size_t>(name.size(), 10), d.begin());
    const std::uint32_t flags = t.OutputFieldFlags[slot];
    char type = 'C';
    if (flags & kFlagDbaseDate) type = 'D';
    if (flags & kFlagDbaseLogic) type = 'L';
    if (flags & kFlagNumeric) type = 'N';
    d[11] = type;
    d[16] = static_cast<char>(FieldLength(t, slot));
    if (type == 'N') d[17] = static_cast<char>(DecimalsOf(TextOf(t.OutputFieldDecimals[slot])));
    sink.Write({d.data(), d.size()});
  }
};

}  // namespace

void AppendDbaseDate(std::int32_t date, std::string& out) {
  if (date < 10000000 || date > 99999999) {
    out += "00000000";
    return;
  }
  char digits[8];
  for (int i = 7; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + date % 10);
    date /= 10;
  }
  out.append(digits, 8);
}

std::unique_ptr<RecordWriter> MakeDbaseWriter(const WriterSetup& setup) {
  return std::make_unique<DbaseWriter>(setup);
}

}  // namespace vt
