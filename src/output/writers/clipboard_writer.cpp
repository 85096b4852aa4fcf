// Clipboard output: a tab-delimited transfer file whose text goes to the clipboard.
#include "output/writers/clipboard_writer.h"

namespace vt {

std::unique_ptr<RecordWriter> MakeClipboardWriter(const WriterSetup& setup) {
  return std::make_unique<DelimitedWriter<OutputFormat::kClipboard>>(setup);
}

}  // namespace vt
