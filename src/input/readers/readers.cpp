// Readers: every input kind with its reader, in one table.
#include "input/readers/readers.h"

#include <cassert>

#include "input/readers/binary_reader.h"
#include "input/readers/comma_reader.h"
#include "input/readers/dbase_reader.h"
#include "input/readers/delimited_reader.h"
#include "input/readers/fixed_reader.h"
#include "input/readers/page_reader.h"
#include "input/readers/web_form_reader.h"

namespace vt {

namespace {

constexpr ReaderEntry kReaders[] = {
    {InputKind::kComma, "comma", MakeCommaReader},
    {InputKind::kTab, "tab", MakeTabReader},
    {InputKind::kSpecial, "special", MakeSpecialReader},
    {InputKind::kFixed, "fixed", MakeFixedReader},
    {InputKind::kWebForm, "web form", MakeWebFormReader},
    {InputKind::kPage, "page", MakePageReader},
    {InputKind::kBinary, "binary", MakeBinaryReader},
    {InputKind::kDbase, "dbase", MakeDbaseReader},
};

}  // namespace

std::span<const ReaderEntry> ReaderTable() {
  return kReaders;
}

const ReaderEntry& ReaderFor(InputKind kind) {
  for (const ReaderEntry& entry : kReaders) {
    if (entry.kind == kind) return entry;
  }
  assert(false && "every input kind has a reader");
  return kReaders[0];
}

}  // namespace vt
