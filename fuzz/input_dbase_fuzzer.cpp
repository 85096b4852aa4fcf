// Fuzz target: a dBase III table opened as the window opens one (header, field descriptors, the
// update date) and its records read to the end twice, deleted ones passed over.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "input/dbase_header.h"
#include "input/readers/readers.h"
#include "support/fuzz_input.h"
#include "support/fuzz_tables.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {

void InputDbase(FuzzInput& fuzz) {
  constexpr int kStepLimit = 2000;
  const InputTablesPtr in = MakeInputTables();
  DbaseHeader header;
  if (!OpenInput(*in, InputKind::kDbase, fuzz.Rest(), &header)) return;
  // The hint that the open shows.
  (void)DbaseUpdateDateText(header.year, header.month, header.day);
  const std::unique_ptr<RecordReader> reader = ReaderFor(InputKind::kDbase).make({});
  for (int pass = 0; pass < 2; ++pass) {
    reader->Rewind(*in);
    for (int r = 0; r < kStepLimit && reader->Read(*in); ++r) reader->Cut(*in);
  }
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(InputDbase)
