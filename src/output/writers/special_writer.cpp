// Other-delimited output: the user's delimiter between fields, CR LF records.
#include "output/writers/special_writer.h"

namespace vt {

// The builder puts the delimiter between the fields; the file adds only CR LF.
std::unique_ptr<RecordWriter> MakeSpecialWriter(const WriterSetup& setup) {
  return std::make_unique<RecordWriter>(setup);
}

}  // namespace vt
