// A warmed-up build with dates, times, evaluated combinations, splits and unit rules allocates
// nothing, in the preview and in a run.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "output/combinations.h"
#include "output/record_builder.h"
#include "output/writers/writers.h"
#include "strings/fixed_text.h"
#include "support/allocation_counter.h"
#include "support/reserved_tables.h"

namespace vt {
namespace {

class UtcTime : public LocalTimeSource {
 public:
  bool Local(std::int64_t seconds, std::tm& out) const override {
    const auto t = static_cast<std::time_t>(seconds);
    return gmtime_r(&t, &out) != nullptr;
  }
};

TEST(SourceStepsAllocationTest, ARecordAllocatesNothingOnceWarm) {
  WordLists lists;
  InputTables in;
  OutputTables out;
  UtcTime utc;
  ReserveValueSlots(in, out, 10);
  const char* values[] = {"10:30 PM December 8th, 2026", "889002367", "n=n+1",
                          "www.example.co.uk/a", "a,b,c"};
  for (int f = 1; f <= 5; ++f) in.InputFieldValues[static_cast<std::size_t>(f)] = values[f - 1];
  in.InputFieldTotal = 5;
  out.DateTimeSources[1] = 1;
  out.DateTimeSources[6] = 2;
  out.SpecialSourceTable[1][1] = 3;
  out.SpecialSourceTable[kGenderSplitRow][kFirstSplitSlot] = 4;
  out.SpecialSourceTable[kGenderSplitRow][kFirstSplitSlot + 1] = 5;
  for (int p = 1; p <= kDividers; ++p) CopyText(CombinationDivider(out, 1, p), " ");
  out.ConversionCoefficients[0] = {32, 1.8};
  const int sources[] = {kDate1,    kWeekday2, kHour1,          kCombination1,
                         kConvert1, kSplit2B,  kDomainInSplit1, kJulianDate1};
  for (int k : sources) {
    const auto n = static_cast<std::size_t>(++out.OutputFieldCount);
    out.OutputFieldSource[n] = static_cast<std::int16_t>(-k);
    CopyText(out.OutputFieldDecimals[n], " ");
  }
  const auto writer = MakeRecordLayout(OutputFormat::kComma, &out);
  BuildRequest request;
  request.writer = writer.get();
  request.local_time = &utc;
  request.evaluate = true;
  request.dates.time_in_date = true;
  request.dates.time_input = TimeInput::kCalendar;
  request.splits[1] = {2, SplitBasis::kComma};
  for (const int batch : {0, 1}) {
    SCOPED_TRACE(batch);
    out.BatchRun = batch;
    BuildOutputRecord(request, lists, in, out);  // warm-up
    const std::size_t before = testing::AllocationCount();
    for (int record = 0; record < 50; ++record) {
      ++in.RecordNumber;
      BuildOutputRecord(request, lists, in, out);
    }
    EXPECT_EQ(testing::AllocationCount() - before, 0u);
    EXPECT_EQ(out.OutputRecord.substr(0, 24), "\"Dec 08 2026\",\"Wed\",\"22\"");
  }
}

}  // namespace
}  // namespace vt
