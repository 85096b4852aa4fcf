// Text readers: one line per record from the text stream, reopened when it cannot rewind.
#include "input/readers/text_reader.h"

#include <algorithm>

namespace vt {

void ClearCutValues(InputTables& in) {
  if (in.InputViewCount >= 0) return;  // a cut into views left the values as they were cleared
  const int in_use = std::min(in.InputFieldCounts[0], InputTables::kMaxFields);
  for (int i = 1; i <= in_use; ++i) in.InputFieldValues[static_cast<std::size_t>(i)].clear();
}

void TextReader::Rewind(InputTables& in) {
  in.InputTextStream.RewindOrOpen(in.InputFileName);
}

bool TextReader::Read(InputTables& in) {
  return in.InputTextStream.ReadRecord(in.InputLine, setup_.text);
}

void TextReader::Cut(InputTables& in) {
  ClearCutValues(in);
  CutLine(in);
}

}  // namespace vt
