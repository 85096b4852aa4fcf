// A warmed-up build of a record allocates nothing: every buffer is reused.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "output/record_builder.h"
#include "output/writers/writers.h"
#include "strings/fixed_text.h"
#include "support/allocation_counter.h"
#include "support/reserved_tables.h"

namespace vt {
namespace {

TEST(OutputAllocationTest, ARecordAllocatesNothingOnceWarm) {
  WordLists lists;
  InputTables in;
  OutputTables out;
  ReserveValueSlots(in, out, 1501);
  const char* values[] = {"  10042 ", "Smith", "mary ann", "1234.567", "yes", "a<b&c", "\xE9t\xE9"};
  for (int f = 1; f <= 7; ++f) in.InputFieldValues[static_cast<std::size_t>(f)] = values[f - 1];
  in.InputFieldTotal = 7;
  const std::uint32_t flags[] = {kFlagNumeric | kFlagLeadingZeros,
                                 kFlagUpperCase | kFlagDeDup,
                                 kFlagProperCase,
                                 kFlagNumeric | kFlagRound,
                                 kFlagDbaseLogic,
                                 kFlagRemoveBlanks | kFlagSoundex,
                                 kFlagDupIfBlank | kFlagRightJustify};
  for (int n = 1; n <= 7; ++n) {
    const auto s = static_cast<std::size_t>(n);
    out.OutputFieldSource[s] = static_cast<std::int16_t>(n);
    out.OutputFieldFlags[s] = flags[n - 1];
    out.OutputFieldWidths[s] = static_cast<std::int16_t>(n == 1 || n == 7 ? 9 : 0);
    CopyText(out.OutputFieldDecimals[s], n == 4 ? "2" : " ");
    CopyText(out.OutputFieldNameTable[s], "F" + std::to_string(n));
  }
  out.OutputFieldCount = 7;
  out.BatchRun = 1;
  for (const OutputFormat format :
       {OutputFormat::kComma, OutputFormat::kXml, OutputFormat::kDbase}) {
    SCOPED_TRACE(WriterFor(format).name);
    const auto writer = MakeRecordLayout(format, &out);
    BuildRequest request;
    request.writer = writer.get();
    request.filter = true;
    request.select_type = 1;
    request.filter_text = "mit";
    out.FilterSourceField = 2;
    BuildOutputRecord(request, lists, in, out);  // warm-up
    const std::size_t before = testing::AllocationCount();
    for (int record = 0; record < 50; ++record) {
      ++in.RecordNumber;
      BuildOutputRecord(request, lists, in, out);
    }
    EXPECT_EQ(testing::AllocationCount() - before, 0u);
  }
}

}  // namespace
}  // namespace vt
