// Binary cut: field bounds from the dividers and the record length, values from the raw bytes.
#include "input/binary_cut.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "input/fixed_fields.h"

namespace vt {

namespace {

// "Col<start+1>_<end>", or "Col<start+1>_End" for the last field, as fixed fields are named.
// Stored only when it differs: a run names every record's fields the same way.
void NameField(std::string& name, std::int64_t start, std::int64_t end, bool last) {
  char text[48] = "Col";
  char* at = std::to_chars(text + 3, text + sizeof text, start + 1).ptr;
  *at++ = '_';
  if (last) {
    std::memcpy(at, "End", 3);
    at += 3;
  } else {
    at = std::to_chars(at, text + sizeof text, end).ptr;
  }
  const std::string_view made(text, static_cast<std::size_t>(at - text));
  if (name != made) name.assign(made);
}

}  // namespace

BinaryFieldSpan BinaryFieldBounds(const InputTables& in, int f, int count) {
  const auto& row = in.DividerMatrix[0];
  // A loaded row may hold negative columns; they count as the start of the record.
  auto column = [&row](int k) -> std::int64_t {
    return std::max<std::int16_t>(row[static_cast<std::size_t>(k)], 0);
  };
  const std::int64_t start = column(f - 1);
  const std::int64_t end = f == count ? std::int64_t{in.BinaryRecordLength} : column(f);
  return {start, end - start};
}

std::string_view BinaryFieldBytes(const InputTables& in, const BinaryFieldSpan& span,
                                  std::string& scratch) {
  if (span.width <= 0) return {};
  const std::string_view record(in.BinaryRecordCopy);
  const auto start = static_cast<std::size_t>(span.start);
  const auto width = static_cast<std::size_t>(span.width);
  if (start + width <= record.size()) return record.substr(start, width);
  // A loaded record length or divider may put the end of a field gigabytes past the record.
  // Past two zeros and a full value's worth of bytes, more zeros change no reading (text stops
  // at a zero, numbers other than packed have at most 8 bytes, a zero is a packed "00" and
  // ends the zoned digits), so the zeros stop there.
  const std::size_t present = start < record.size() ? record.size() - start : 0;
  const std::size_t kept = std::min(width, std::max(present + 2, InputTables::kValueLimit + 1));
  scratch.assign(kept, '\0');
  if (present > 0) record.copy(scratch.data(), present, start);
  return scratch;
}

int CutBinaryFields(InputTables& in, const BinaryOptions& options) {
  const int count = FieldCountOfRow(in.DividerMatrix[0]);
  std::string scratch;
  for (int f = 1; f <= count; ++f) {
    const BinaryFieldSpan span = BinaryFieldBounds(in, f, count);
    NameField(in.InputFieldNames[static_cast<std::size_t>(f)], span.start, span.start + span.width,
              f == count);
    const std::string_view bytes = BinaryFieldBytes(in, span, scratch);
    // Type bits are stored for fields 1..99; a 100th field, which only a loaded row makes, is text.
    const std::int16_t bits = f < 100 ? in.BinaryTypeBits(f) : std::int16_t{0};
    ReadBinaryValue(bytes, ChosenBinaryType(bits), options,
                    in.InputFieldValues[static_cast<std::size_t>(f)]);
  }
  in.InputFieldCounts[0] = count;
  in.InputRecordCut();
  return count;
}

}  // namespace vt
