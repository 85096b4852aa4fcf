// Fuzz run: the preview and the conversion run with its append and interleave steps.
#include "support/fuzz_run.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "input/readers/readers.h"
#include "output/record_builder.h"
#include "output/run/existing_output.h"
#include "output/run/interleave.h"
#include "output/writers/writers.h"
#include "strings/fixed_text.h"
#include "support/fuzz_files.h"

namespace vt::fuzz {

void PreviewFirstRecord(SetUp& s, const RunPlan& plan) {
  const std::unique_ptr<RecordReader> reader = ReaderFor(plan.input).make(plan.reader);
  reader->Rewind(s.in);
  if (reader->Read(s.in)) reader->Cut(s.in);
  s.in.InputFieldTotal = s.in.CountedFields(s.in.CutCountSum());
  const std::unique_ptr<RecordWriter> layout =
      MakeRecordLayout(plan.format, &s.out, TextOf(s.staging.OutputSpecialDelimiterText));
  BuildRequest request = plan.build;
  request.writer = layout.get();
  BuildOutputRecord(request, s.words, s.in, s.out);
  reader->Rewind(s.in);
}

RunResult RunConversion(SetUp& s, RunPlan plan, const RunOutput& output) {
  const std::string path = ScratchPath("output");
  std::remove(path.c_str());
  const bool rewrites = plan.format == OutputFormat::kDbase || plan.format == OutputFormat::kXml;
  if (output.append) WriteScratch(path, output.existing);
  plan.existing = ProbeExistingOutput(path, plan.format, output.append);
  plan.append = output.append && AppendsInPlace(plan.existing, plan.format);
  if (plan.append && plan.format == OutputFormat::kXml) {
    plan.writer.xml_table = plan.existing.xml_table;
    if (!plan.existing.xml_record.empty()) plan.writer.xml_record = plan.existing.xml_record;
  }
  plan.writer.base_count = plan.existing.dbase_count;
  std::FILE* file = std::fopen(path.c_str(), plan.append ? (rewrites ? "r+b" : "ab") : "wb");
  if (file == nullptr) std::abort();
  FixedObserver observer;
  const RunResult run = Convert(plan, s.in, s.out, s.words, file, observer);
  if (!run.ok || plan.writer.streams <= 1) return run;
  (void)InterleaveFile(path, ScratchPath("interleaved"),
                       InterleaveLayoutOf(plan, run, s.out.RecordTerminator));
  return run;
}

}  // namespace vt::fuzz
