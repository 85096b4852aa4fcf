// Tab-delimited output: TAB between fields, CR LF records.
#include "output/writers/tab_writer.h"

namespace vt {

std::unique_ptr<RecordWriter> MakeTabWriter(const WriterSetup& setup) {
  return std::make_unique<DelimitedWriter<OutputFormat::kTab>>(setup);
}

}  // namespace vt
