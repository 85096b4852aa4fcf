// Other-delimited output: the user's delimiter between fields, CR LF records.
#include "output/writers/special_writer.h"

namespace vt {

std::unique_ptr<RecordWriter> MakeSpecialWriter(const WriterSetup& setup) {
  return std::make_unique<DelimitedWriter<OutputFormat::kSpecial>>(setup);
}

}  // namespace vt
