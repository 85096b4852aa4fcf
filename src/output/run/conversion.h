// Conversion: the engine of a conversion run. A plan gathered once from the set-up, the record
// tables and an open output file go in; every input record is read, cut, built and written.
// The window's Save Converted File gathers the plan and shows the progress; tests and the
// benchmark call the engine with no window at all.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>

#include <string>

#include "input/readers/record_reader.h"
#include "output/record_builder.h"
#include "output/run/existing_output.h"
#include "output/writers/writers.h"

namespace vt {

struct RunPlan {
  InputKind input = InputKind::kComma;
  ReaderSetup reader;
  OutputFormat format = OutputFormat::kComma;
  WriterSetup writer;               // `fields` is set by the engine
  bool field_names_record = false;  // a first record of field names (where the format takes one)
  bool append = false;              // written in place into an existing file, from append_at
  ExistingOutput existing;
  // The bytes of the header and trailer block files, for the formats that take them.
  std::string header_block;
  std::string trailer_block;
  // "1,000 record test": stop after 1,000 written records (page input: at the end of that page)
  bool limit_1000 = false;
  // Threads that parse records ahead of the builds: -1 as many as the machine can spare, 0 none.
  int parse_workers = -1;
  BuildRequest build;
};

// The engine's hooks into whoever runs it.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  // Every 100 records read. The values already built are settled; the observer may show them,
  // process pending events (a Cancel) and hand a fresh build request, since controls may have
  // changed meanwhile (the request keeps its clock reading).
  virtual void Progress(std::int64_t /*records_read*/, BuildRequest& /*request*/) {}
  // True once the run is to stop after the record in hand.
  virtual bool Stopped() { return false; }
  // The clock's reading for the record about to be built ("Calendar Time NOW").
  virtual std::int64_t Now() { return 0; }
  // The local date as the last record is written, for the end of a file dated there (a run may
  // pass midnight); false: the plan's date stands.
  virtual bool Today(std::tm& /*today*/) { return false; }
};

struct RunResult {
  bool ok = false;           // every byte written and the file closed without error
  std::int64_t written = 0;  // records written, interleave padding included
  // Where this run's records start and end in the file, and where its last byte ends.
  std::int64_t records_start = -1;
  std::int64_t records_end = -1;
  std::int64_t end_offset = -1;
};

// Converts the whole input into `file` (which the engine closes). RecordNumber counts the
// written records plus one while the run goes, BatchRun is 1 throughout, and RecordTerminator
// is the format's. With several interleave streams the records are padded to a multiple of
// them; the interleave pass itself (InterleaveFile) runs on the closed file.
RunResult Convert(const RunPlan& plan, InputTables& in, OutputTables& out, const WordLists& lists,
                  std::FILE* file, RunObserver& observer);

}  // namespace vt
