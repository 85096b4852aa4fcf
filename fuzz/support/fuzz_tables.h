// Fuzz tables: the input tables as the window allocates them, and an input of any kind opened
// into them as the window's Open does it.
#pragma once

#include <memory>
#include <string_view>

#include "input/dbase_header.h"
#include "input/input_tables.h"
#include "input/readers/record_reader.h"

namespace vt::fuzz {

// Input tables whose 1,501 values and names are sized as the window allocates them. The two
// vectors are made once per process and handed back emptied when the tables go, since making
// 3,000 strings costs more than reading most inputs does.
struct ReturnFieldVectors {
  void operator()(InputTables* in) const;
};
using InputTablesPtr = std::unique_ptr<InputTables, ReturnFieldVectors>;
[[nodiscard]] InputTablesPtr MakeInputTables();

// The dBase header into the tables, as the open copies it.
void TakeDbaseHeader(const DbaseHeader& header, InputTables& in);

// Writes `bytes` to a scratch file and opens it as `kind` reads it; false for a dBase table
// whose header the open refuses. The header read goes to `header` when one is given.
[[nodiscard]] bool OpenInput(InputTables& in, InputKind kind, std::string_view bytes,
                             DbaseHeader* header = nullptr);

}  // namespace vt::fuzz
