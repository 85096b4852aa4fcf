// Tab-delimited output: TAB between fields, CR LF records.
#include "output/writers/tab_writer.h"

namespace vt {

// The builder puts the delimiter between the fields; the file adds only CR LF.
std::unique_ptr<RecordWriter> MakeTabWriter(const WriterSetup& setup) {
  return std::make_unique<RecordWriter>(setup);
}

}  // namespace vt
