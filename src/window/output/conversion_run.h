// The conversion run: Save Converted File writes the whole input, converted, in the chosen format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

class TParseView;

// The whole run: file name, guards, prologue, every record, epilogue, statistics, the log
// entry, the return to the first record and the unattended end.
void RunConversion(TParseView& view);

// The log entry of one run.
[[nodiscard]] std::string ConversionLogEntry(std::string_view asctime_text, std::int64_t records,
                                             std::string_view input, std::string_view output,
                                             std::string_view prefs);

// The statistics line of the status bar; the rate is 9999 when no whole second passed.
[[nodiscard]] std::string ConversionStatistics(std::int64_t records, std::int64_t seconds);

// Whether the output would replace the input: the same name ignoring ASCII case, or the same
// file under another spelling (./name, a link).
[[nodiscard]] bool SameFile(const std::string& output, const std::string& input);

}  // namespace vt
