// Fuzz tables: pooled field vectors, and the open of every input kind.
#include "support/fuzz_tables.h"

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "support/fuzz_files.h"

namespace vt::fuzz {

namespace {

struct FieldVectors {
  std::vector<std::string> values;
  std::vector<std::string> names;
};

std::vector<FieldVectors>& Spare() {
  static std::vector<FieldVectors> spare;
  return spare;
}

}  // namespace

void ReturnFieldVectors::operator()(InputTables* in) const {
  FieldVectors v{std::move(in->InputFieldValues), std::move(in->InputFieldNames)};
  delete in;
  for (std::string& value : v.values) value.clear();
  for (std::string& name : v.names) name.clear();
  Spare().push_back(std::move(v));
}

InputTablesPtr MakeInputTables() {
  InputTablesPtr in(new InputTables);
  if (Spare().empty()) {
    in->InputFieldValues.assign(InputTables::kMaxFields + 1, std::string());
    in->InputFieldNames.assign(InputTables::kMaxFields + 1, std::string());
    return in;
  }
  in->InputFieldValues = std::move(Spare().back().values);
  in->InputFieldNames = std::move(Spare().back().names);
  Spare().pop_back();
  return in;
}

void TakeDbaseHeader(const DbaseHeader& header, InputTables& in) {
  in.DbaseRecordCount = header.record_count;
  in.DbaseHeaderLength = header.header_length;
  in.DbaseRecordLength = header.record_length;
  in.DbaseFieldsLength = header.fields_length;
  in.DbaseFieldCount = static_cast<std::int32_t>(header.fields.size());
  for (std::size_t i = 1; i <= header.fields.size(); ++i) {
    const DbaseField& field = header.fields[i - 1];
    in.InputFieldNames[i] = field.name.substr(0, InputTables::kNameLimit);
    in.DbaseFieldTypes[i] = field.type;
    in.DbaseFieldLengths[i] = field.length;
    in.DbaseFieldDecimals[i] = field.decimals;
  }
  in.InputFieldCounts[0] = in.DbaseFieldCount;
  in.InputRecordCut();
}

bool OpenInput(InputTables& in, InputKind kind, std::string_view bytes, DbaseHeader* header) {
  const bool dbase = kind == InputKind::kDbase;
  in.InputFileName = ScratchPath(dbase ? "input.dbf" : "input.txt");
  WriteScratch(in.InputFileName, bytes);
  if (kind != InputKind::kBinary && !dbase) {
    if (!in.InputTextStream.Open(in.InputFileName)) std::abort();
    return true;
  }
  if (!in.InputDataFile.Open(in.InputFileName)) std::abort();
  in.DbaseInputActive = dbase ? 1 : 0;
  if (!dbase) return true;
  DbaseHeader read;
  if (ReadDbaseHeader(in.InputDataFile, read) != DbaseHeaderStatus::kOk) return false;
  TakeDbaseHeader(read, in);
  if (header != nullptr) *header = std::move(read);
  return true;
}

}  // namespace vt::fuzz
