// Clipboard output: a tab-delimited transfer file whose text goes to the clipboard.
#include "output/writers/clipboard_writer.h"

namespace vt {

// The builder puts the delimiter between the fields; the file adds only CR LF.
std::unique_ptr<RecordWriter> MakeClipboardWriter(const WriterSetup& setup) {
  return std::make_unique<RecordWriter>(setup);
}

}  // namespace vt
