// XML output: the declaration, the table element and one element per record.
#pragma once

#include "output/writers/writer.h"

namespace vt {

[[nodiscard]] std::unique_ptr<RecordWriter> MakeXmlWriter(const WriterSetup& setup);

// A value as XML character data: & < > " as entities, bytes above "~" as numeric references,
// control bytes XML cannot carry dropped (TAB, CR, LF and the line-break marker kept).
void EscapeXmlText(std::string_view v, std::string& out);

}  // namespace vt
