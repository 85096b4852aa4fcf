// Text readers: records are lines of the text input (joined for web-form data); comma, tab,
// other-delimited, fixed-format, web-form and page input differ only in their cut.
#pragma once

#include <memory>

#include "input/readers/record_reader.h"

namespace vt {

// The line-reading part shared by every text kind.
class TextReader : public RecordReader {
 public:
  explicit TextReader(const ReaderSetup& setup) : setup_(setup) {}
  void Rewind(InputTables& in) override;
  bool Read(InputTables& in) override;
  void Cut(InputTables& in) override;

 protected:
  virtual void CutLine(InputTables& in) = 0;
  const ReaderSetup setup_;
};

}  // namespace vt
