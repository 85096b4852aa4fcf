// Output tables: the buffers that live from start-up to exit.
#include "output/output_tables.h"

namespace vt {

BuilderScratch::BuilderScratch() {
  number.reserve(2 * kValueBufferSize);
  code.reserve(kValueBufferSize);
  escaped.reserve(8 * kValueBufferSize);
  parse.city_line.reserve(kValueBufferSize);
  parse.street_line.reserve(kValueBufferSize);
  expression.reserve(kValueBufferSize);
  laid_out.resize(kRecordLimit + kLaidOutSpill);
}

OutputTables::OutputTables() {
  OutputFieldPrevious.assign(kSlots, std::string());
  for (std::string& value : OutputFieldPrevious) value.reserve(kValueBufferSize);
  OutputRecord.reserve(32768);
  for (std::string& text : TodayTexts) text.reserve(64);
}

}  // namespace vt
