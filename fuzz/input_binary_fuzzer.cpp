// Fuzz target: binary records, EBCDIC or not, after a header, cut at the dividers and each field
// read by its type bits (integers, floats, packed and zoned decimals), as the binary sheet shows
// them and as a run reads them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "input/binary_cut.h"
#include "input/binary_geometry.h"
#include "input/ebcdic.h"
#include "input/readers/binary_reader.h"
#include "input/readers/readers.h"
#include "input/type_guess.h"
#include "support/fuzz_files.h"
#include "support/fuzz_input.h"
#include "support/fuzz_tables.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {
namespace {

// Records stepped: enough for every branch, few enough for thousands of runs a second.
constexpr int kStepLimit = 64;

// What a preference file may hold for binary input: length, header, dividers and type bits.
void SetLayout(FuzzInput& fuzz, InputTables& in) {
  in.BinaryRecordLength = Hostile<std::int32_t>(fuzz, 1, 64);
  in.BinaryHeaderSize() = Hostile<std::int16_t>(fuzz, 0, 40);
  const int dividers = fuzz.IntIn(0, 12);
  for (int k = 1; k <= dividers; ++k)
    in.DividerMatrix[0][static_cast<std::size_t>(k)] = Hostile<std::int16_t>(fuzz, 0, 70);
  in.InputFieldCounts[0] = Hostile<std::int32_t>(fuzz, 0, dividers + 1);
  for (int f = 1; f <= dividers + 1; ++f)
    in.BinaryTypeBits(f) = Hostile<std::int16_t>(fuzz, 0, kBinaryTypeMask);
}

// The reading panel: every reading of every field of the record in hand.
void ShowReadings(InputTables& in, const BinaryOptions& options) {
  std::string scratch;
  std::string value;
  const int count = std::min(in.InputFieldCounts[0], 99);
  for (int f = 1; f <= count; ++f) {
    const std::string_view bytes = BinaryFieldBytes(in, BinaryFieldBounds(in, f, count), scratch);
    (void)ReadAllBinary(bytes, options);
    (void)BinaryFloatUsable(bytes, options);
    ReadBinaryValue(bytes, ChosenBinaryType(in.BinaryTypeBits(f)), options, value);
  }
}

}  // namespace

void InputBinary(FuzzInput& fuzz) {
  ReaderSetup setup;
  setup.text.ebcdic = fuzz.Bool();
  setup.binary = {.high_byte_first = fuzz.Bool(), .ebcdic_source = setup.text.ebcdic};
  const InputTablesPtr in = MakeInputTables();
  SetLayout(fuzz, *in);
  // The record length a later load leaves, which the window cuts the record in hand with.
  const std::int32_t loaded_length = fuzz.Int<std::int32_t>();
  const std::string typed_length = fuzz.Text(8);
  const std::string typed_header = fuzz.Text(8);
  const std::string bytes = fuzz.Rest();

  // The binary sheet: the typed sizes, the record list of the start block.
  (void)ParseBinaryRecordLength(typed_length);
  (void)ParseBinaryHeaderSize(typed_header);
  std::string block = bytes.substr(0, kStartBlockSize);
  if (setup.text.ebcdic) TranslateEbcdicToAscii(block);
  (void)BinaryRecordRows(block, in->BinaryRecordsStart(), in->BinaryRecordLength);

  in->InputFileName = ScratchPath("records.bin");
  WriteScratch(in->InputFileName, bytes);
  if (!in->InputDataFile.Open(in->InputFileName)) std::abort();
  const std::unique_ptr<RecordReader> reader = ReaderFor(InputKind::kBinary).make(setup);
  reader->Rewind(*in);
  for (int r = 0; r < kStepLimit && reader->Read(*in); ++r) {
    reader->Cut(*in);
    if (r < 4) ShowReadings(*in, setup.binary);
  }
  // The last, short record as the sheet's Next shows it.
  if (ReadBinaryRecordBytes(*in, setup.text.ebcdic, true)) reader->Cut(*in);
  in->BinaryRecordLength = loaded_length;
  reader->Cut(*in);
  ShowReadings(*in, setup.binary);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(InputBinary)
