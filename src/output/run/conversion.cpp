// Conversion: the record loop of a run, with the writer's prologue and epilogue around it.
#include "output/run/conversion.h"

#include <algorithm>

#include "input/readers/readers.h"

namespace vt {

namespace {

constexpr int kProgressEvery = 100;
constexpr std::int64_t kTestLimit = 1000;

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
    request_.defer_plain_values = true;  // settled at every progress point and at the end
  }

  RunResult Run() {
    const ExistingOutput& existing = plan_.existing;
    if (plan_.append && plan_.format == OutputFormat::kDbase)
      sink_.Seek(std::max<std::int64_t>(existing.size - 1, 0));
    if (plan_.append && plan_.format == OutputFormat::kXml)
      sink_.Seek(existing.xml_close_offset >= 0 ? existing.xml_close_offset : existing.size);
    reader_->Rewind(in_);
    in_.RecordNumber = 1;
    in_.PagesRead = 0;
    in_.InputLine.clear();
    in_.BinaryRecordCopy.clear();
    in_.InputLine.reserve(InputTables::kLineLimit + 1);
    if (plan_.field_names_record && writer_->TakesFieldNames() && !plan_.append)
      writer_->FieldNames(sink_);
    if (!plan_.append) writer_->Prologue(sink_);

    count_rest_ = in_.CutCountRest();
    in_.CutIntoViews = true;
    bool have = reader_->Read(in_);
    if (have && reader_->SkipsNamesRecord()) have = reader_->Read(in_);
    std::int64_t read = 0;
    while (have && !observer_.Stopped()) {
      Convert();
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
      }
      if (plan_.limit_1000 && in_.RecordNumber > kTestLimit) break;
      in_.InputLine.clear();
      have = reader_->Read(in_);
    }
    SettleOutputValues(out_);
    // The views point into a line read over since; the window reads the input again.
    in_.CutIntoViews = false;
    in_.InputRecordCut();

    RunResult result;
    result.written = std::max<std::int64_t>(in_.RecordNumber - 1, 0);
    writer_->Epilogue(sink_, static_cast<std::uint64_t>(result.written));
    sink_.Flush();
    result.end_offset = std::ftell(file_);
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
    if (out_.RecordSkip != 0) return;
    ++in_.RecordNumber;
    writer_->Record(sink_, out_.OutputRecord);
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
  std::int64_t count_rest_ = 0;  // CutCountRest, read again after every progress point
};

}  // namespace

RunResult Convert(const RunPlan& plan, InputTables& in, OutputTables& out, const WordLists& lists,
                  std::FILE* file, RunObserver& observer) {
  return Engine(plan, in, out, lists, file, observer).Run();
}

}  // namespace vt
