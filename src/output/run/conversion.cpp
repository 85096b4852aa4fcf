// Conversion: the record loop of a run, with the writer's prologue and epilogue around it.
#include "output/run/conversion.h"

#include <algorithm>
#include <chrono>

#include "input/page_image.h"
#include "input/readers/readers.h"
#include "input/web_patterns.h"
#include "output/run/parse_ahead.h"

namespace vt {

namespace {

constexpr int kProgressEvery = 100;
constexpr std::int64_t kTestLimit = 1000;
// Records between two checks of whether parsing ahead pays: long enough that a moment's
// preemption does not decide it.
constexpr std::int64_t kWorthCheckEvery = 2000;
constexpr int kSlowChecksToEnd = 3;

class Engine {
 public:
  Engine(const RunPlan& plan, InputTables& in, OutputTables& out, const WordLists& lists,
         std::FILE* file, RunObserver& observer)
      : plan_(plan),
        in_(in),
        out_(out),
        lists_(lists),
        file_(file),
        sink_(file),
        observer_(observer),
        reader_(ReaderFor(plan.input).make(plan.reader)) {
    WriterSetup setup = plan.writer;
    setup.fields = &out;
    if (!plan.append) setup.base_count = 0;
    out.BatchRun = 1;  // before the first build, so the builder leaves out its display work
    writer_ = WriterFor(plan.format).make(setup);
    out.RecordTerminator.assign(writer_->Terminator());
    request_ = plan.build;
    request_.writer = writer_.get();
    request_.defer_plain_values = true;     // settled at every progress point and at the end
    request_.word_lists_unchanged = false;  // the first build makes the parsers' indexes
  }

  RunResult Run() {
    RunResult result;
    if (plan_.append) sink_.Seek(plan_.existing.append_at);
    reader_->Rewind(in_);
    in_.RecordNumber = 1;
    in_.PagesRead = 0;
    in_.InputLine.clear();
    in_.BinaryRecordCopy.clear();
    in_.InputLine.reserve(InputTables::kLineLimit + 1);
    // Laid-out records copy a short source in one fixed-size move, when its buffer holds one.
    for (std::string& source : out_.GeneratedSourceValues)
      source.reserve(BuilderScratch::kLaidOutSpill);
    if (writer_->TakesBlocks()) sink_.Write(plan_.header_block);
    if (plan_.field_names_record && writer_->TakesFieldNames() && !plan_.append)
      writer_->FieldNames(sink_);
    if (!plan_.append) writer_->Prologue(sink_);
    result.records_start = Offset();

    count_rest_ = in_.CutCountRest();
    in_.CutIntoViews = true;
    CopyTablesForWorkers();
    bool have = reader_->Read(in_);
    if (have && reader_->SkipsNamesRecord()) have = reader_->Read(in_);
    std::int64_t read = 0;
    while (have && !observer_.Stopped()) {
      if (ahead_ != nullptr) {
        request_.parsed_ahead = ahead_->Wait(read);
        if (request_.parsed_ahead == nullptr) ahead_.reset();
      }
      Convert();
      request_.parsed_ahead = nullptr;
      if (ahead_ != nullptr) {
        ahead_->Release(read);
        if (out_.Scratch.parse_ahead_missed) ahead_.reset();
      }
      if (read == 0) StartParseAhead();
      if (++read % kProgressEvery == 0) {
        in_.SettleInputValues();
        SettleOutputValues(out_);
        const std::int64_t now = request_.now;
        observer_.Progress(read, request_);
        request_.writer = writer_.get();
        reader_->TablesChanged();
        count_rest_ = in_.CutCountRest();
        request_.now = now;
        request_.defer_plain_values = true;
        request_.field_table_unchanged = false;
        request_.word_lists_unchanged = false;
        if (ahead_ != nullptr && !ahead_->Current(request_, lists_)) ahead_.reset();
        if (ahead_ != nullptr && read % kWorthCheckEvery == 0) CheckParseAhead();
      }
      if (plan_.limit_1000 && in_.RecordNumber > kTestLimit && !reader_->MoreOnPage(in_)) break;
      in_.InputLine.clear();
      have = reader_->Read(in_);
    }
    ahead_.reset();
    copies_.clear();
    // The views point into a line read over since; the window reads the input again.
    in_.CutIntoViews = false;
    in_.InputRecordCut();
    SettleOutputValues(out_);
    if (Pad()) SettleOutputValues(out_);

    result.written = std::max<std::int64_t>(in_.RecordNumber - 1, 0);
    result.records_end = Offset();
    if (std::tm today{}; observer_.Today(today)) writer_->SetToday(today);
    writer_->Epilogue(sink_, static_cast<std::uint64_t>(result.written));
    if (writer_->TakesBlocks()) sink_.Write(plan_.trailer_block);
    result.end_offset = Offset();
    result.ok = !sink_.Failed() && std::ferror(file_) == 0;
    if (std::fclose(file_) != 0) result.ok = false;
    out_.BatchRun = 0;
    reader_->Rewind(in_);
    return result;
  }

 private:
  // One record: cut, build, and written unless the builder skips it.
  void Convert() {
    reader_->Cut(in_);
    if (reader_->CutChangesOtherCounts()) count_rest_ = in_.CutCountRest();
    in_.InputFieldTotal = in_.CountedFields(count_rest_ + in_.InputFieldCounts[0]);
    request_.now = observer_.Now();
    BuildOutputRecord(request_, lists_, in_, out_);
    // Only the observer's progress point may write the field table during a run.
    request_.field_table_unchanged = true;
    request_.word_lists_unchanged = true;
    if (out_.RecordSkip != 0) return;
    ++in_.RecordNumber;
    writer_->Record(sink_, out_.OutputRecord);
  }

  // The input tables as they are before the first read, for the workers of a parse ahead: the
  // first build decides whether the run parses at all.
  void CopyTablesForWorkers() {
    const int workers = plan_.parse_workers < 0 ? ParseAheadWorkers() : plan_.parse_workers;
    if (workers < 1 || !TakesParsedSources(NeededSources(out_)) || !Rereadable(in_)) return;
    for (int w = 0; w < workers; ++w) copies_.push_back(std::make_unique<InputTables>(in_));
  }

  // After the first build, whose plans tell which parsers the run's records take.
  void StartParseAhead() {
    out_.Scratch.parse_ahead_missed = false;
    const ParseSteps steps = ParseStepsOf(out_.Scratch.plans.steps, out_);
    if (copies_.empty() || !steps.Any() || out_.Scratch.plans.batch != out_.BatchRun) return;
    ParseAhead::Setup setup;
    setup.plan = &plan_;
    setup.request = &request_;
    setup.lists = &lists_;
    setup.steps = steps;
    setup.table = out_.SpecialSourceTable;
    setup.first = 1;
    ahead_ = ParseAhead::Start(setup, std::move(copies_));
    copies_.clear();
    checked_at_ = std::chrono::steady_clock::now();
    slow_checks_ = 0;
  }

  // Ends the parse ahead when it made the records no faster than the run alone would have, in
  // several checks in a row: one slow stretch can be a moment of another program's.
  void CheckParseAhead() {
    const auto now = std::chrono::steady_clock::now();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::nanoseconds>(now - checked_at_).count();
    checked_at_ = now;
    slow_checks_ = ahead_->Worthwhile(elapsed, kWorthCheckEvery) ? 0 : slow_checks_ + 1;
    if (slow_checks_ >= kSlowChecksToEnd) ahead_.reset();
  }

  // Interleave padding: records built from empty input values and an empty page until the count
  // is a multiple of the streams, so that every stream is as long as the others. Never skipped.
  bool Pad() {
    const std::int64_t streams = plan_.writer.streams;
    bool padded = false;
    for (; streams > 1 && (in_.RecordNumber - 1) % streams != 0; padded = true) {
      for (std::string& value : in_.InputFieldValues) value.clear();
      in_.InputLine.clear();
      in_.InputRecordCut();
      // No page either, so that no address or URL of the last page is found in a padding record.
      ClearPage(in_);
      in_.PageLineBuffer.clear();
      FindWebPatterns(in_, plan_.reader.page.cut.ignore_line_ends);
      request_.now = observer_.Now();
      BuildOutputRecord(request_, lists_, in_, out_);
      ++in_.RecordNumber;
      writer_->Record(sink_, out_.OutputRecord);
    }
    return padded;
  }

  std::int64_t Offset() {
    sink_.Flush();
    return std::ftell(file_);
  }

  const RunPlan& plan_;
  InputTables& in_;
  OutputTables& out_;
  const WordLists& lists_;
  std::FILE* file_;
  OutputSink sink_;
  RunObserver& observer_;
  std::unique_ptr<RecordReader> reader_;
  std::unique_ptr<RecordWriter> writer_;
  BuildRequest request_;
  ParseAhead::TableCopies copies_;
  std::unique_ptr<ParseAhead> ahead_;
  std::chrono::steady_clock::time_point checked_at_;
  int slow_checks_ = 0;
  std::int64_t count_rest_ = 0;  // CutCountRest, read again after every progress point
};

}  // namespace

RunResult Convert(const RunPlan& plan, InputTables& in, OutputTables& out, const WordLists& lists,
                  std::FILE* file, RunObserver& observer) {
  return Engine(plan, in, out, lists, file, observer).Run();
}

}  // namespace vt
