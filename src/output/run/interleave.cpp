// Interleave: the records of a finished file read in S streams, one record of each in turn.
#include "output/run/interleave.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "output/writers/writer.h"

namespace vt {

namespace {

constexpr std::size_t kBuffer = 1 << 16;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// One byte range of a file, read through its own buffer; each stream has one.
class RangeReader {
 public:
  RangeReader(const std::string& path, std::int64_t start, std::int64_t end)
      : file_(std::fopen(path.c_str(), "rb")), pos_(start), end_(end), buffer_(kBuffer) {
    failed_ = !file_ || std::fseek(file_.get(), static_cast<long>(start), SEEK_SET) != 0;
  }

  [[nodiscard]] bool Failed() const { return failed_; }
  [[nodiscard]] std::int64_t Position() const { return pos_; }

  // Up to `count` bytes (fewer at the range's end) appended to `out`; false when none are left.
  bool Take(std::int64_t count, std::string& out) {
    bool any = false;
    while (count > 0 && Fill()) {
      const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), have_ - at_);
      out.append(buffer_.data() + at_, n);
      Advance(n);
      count -= static_cast<std::int64_t>(n);
      any = true;
    }
    return any;
  }

  // One line with its LF (the range's last line may lack it) appended to `out`, or passed over
  // when `out` is null; false at the end.
  bool Line(std::string* out) {
    bool any = false;
    while (Fill()) {
      const char* from = buffer_.data() + at_;
      const void* lf = std::memchr(from, '\n', have_ - at_);
      const std::size_t n = lf == nullptr
                                ? have_ - at_
                                : static_cast<std::size_t>(static_cast<const char*>(lf) - from) + 1;
      if (out != nullptr) out->append(from, n);
      Advance(n);
      any = true;
      if (lf != nullptr) break;
    }
    return any;
  }

  // The lines left in the range.
  std::int64_t CountLines() {
    std::int64_t lines = 0;
    bool open = false;  // a last line without its LF
    while (Fill()) {
      const char* from = buffer_.data() + at_;
      const char* end = buffer_.data() + have_;
      for (const void* lf; (lf = std::memchr(from, '\n', static_cast<std::size_t>(end - from)));) {
        from = static_cast<const char*>(lf) + 1;
        ++lines;
      }
      open = from != end;
      Advance(have_ - at_);
    }
    return lines + (open ? 1 : 0);
  }

 private:
  bool Fill() {
    if (at_ < have_) return true;
    if (failed_ || pos_ >= end_) return false;
    const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(end_ - pos_, kBuffer));
    have_ = std::fread(buffer_.data(), 1, want, file_.get());
    at_ = 0;
    if (have_ == 0) failed_ = true;  // the file is shorter than the run left it
    return have_ != 0;
  }
  void Advance(std::size_t n) {
    at_ += n;
    pos_ += static_cast<std::int64_t>(n);
  }

  File file_;
  std::int64_t pos_;
  std::int64_t end_;
  std::vector<char> buffer_;
  std::size_t at_ = 0;
  std::size_t have_ = 0;
  bool failed_ = false;
};

// Where each of the S streams starts, by whole records of Q, and where the last one ends.
std::vector<std::int64_t> StreamStarts(const std::string& from, const InterleaveLayout& layout,
                                       std::int64_t& per_stream, bool& ok) {
  const auto streams = static_cast<std::int64_t>(layout.streams);
  std::vector<std::int64_t> starts;
  const std::int64_t length = layout.records_end - layout.records_start;
  if (layout.record_length > 0) {
    const std::int64_t records = (length + layout.record_length - 1) / layout.record_length;
    per_stream = (records + streams - 1) / streams;
    for (std::int64_t b = 0; b < streams; ++b)
      starts.push_back(std::min(layout.records_start + b * per_stream * layout.record_length,
                                layout.records_end));
    starts.push_back(layout.records_end);
    return starts;
  }
  RangeReader count(from, layout.records_start, layout.records_end);
  const std::int64_t records = count.CountLines();
  per_stream = (records + streams - 1) / streams;
  RangeReader walk(from, layout.records_start, layout.records_end);
  for (std::int64_t r = 0; r < records; ++r) {
    if (r % std::max<std::int64_t>(per_stream, 1) == 0) starts.push_back(walk.Position());
    walk.Line(nullptr);
  }
  while (starts.size() <= static_cast<std::size_t>(streams)) starts.push_back(layout.records_end);
  ok = !count.Failed() && !walk.Failed();
  return starts;
}

bool Copy(const std::string& from, std::int64_t start, std::int64_t end, std::FILE* to) {
  RangeReader range(from, start, end);
  std::string bytes;
  while (range.Take(kBuffer, bytes)) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), to) != bytes.size()) return false;
    bytes.clear();
  }
  return !range.Failed();
}

// A line with every line-break marker written as the terminator.
bool WriteLine(std::string_view line, std::string_view terminator, std::FILE* to) {
  for (std::size_t marker; (marker = line.find(kRecordLineBreak)) != std::string_view::npos;) {
    if (std::fwrite(line.data(), 1, marker, to) != marker ||
        std::fwrite(terminator.data(), 1, terminator.size(), to) != terminator.size())
      return false;
    line.remove_prefix(marker + 1);
  }
  return std::fwrite(line.data(), 1, line.size(), to) == line.size();
}

std::int64_t SizeOf(const std::string& path) {
  const File f(std::fopen(path.c_str(), "rb"));
  if (!f || std::fseek(f.get(), 0, SEEK_END) != 0) return -1;
  return std::ftell(f.get());
}

}  // namespace

bool InterleaveFile(const std::string& from, const std::string& to,
                    const InterleaveLayout& layout) {
  const std::int64_t size = SizeOf(from);
  if (layout.streams < 1 || layout.records_start > layout.records_end || layout.records_end > size)
    return false;
  File out(std::fopen(to.c_str(), "wb"));
  if (!out) return false;
  std::setvbuf(out.get(), nullptr, _IOFBF, kBuffer);
  if (!Copy(from, 0, layout.records_start, out.get())) return false;

  bool ok = true;
  std::int64_t per_stream = 0;
  const std::vector<std::int64_t> starts = StreamStarts(from, layout, per_stream, ok);
  std::vector<std::unique_ptr<RangeReader>> streams;
  for (int b = 0; b < layout.streams; ++b) {
    const auto at = static_cast<std::size_t>(b);
    streams.push_back(std::make_unique<RangeReader>(from, starts[at], starts[at + 1]));
    ok = ok && !streams.back()->Failed();
  }
  std::string record;
  const bool fixed = layout.record_length > 0;
  for (std::int64_t round = 0; ok && round < per_stream; ++round) {
    for (const auto& stream : streams) {
      record.clear();
      if (!(fixed ? stream->Take(layout.record_length, record) : stream->Line(&record))) continue;
      ok = fixed ? std::fwrite(record.data(), 1, record.size(), out.get()) == record.size()
                 : WriteLine(record, layout.terminator, out.get());
      if (!ok) break;
    }
  }
  for (const auto& stream : streams) ok = ok && !stream->Failed();
  if (!ok || !Copy(from, layout.records_end, size, out.get())) return false;
  ok = std::ferror(out.get()) == 0;
  return std::fclose(out.release()) == 0 && ok;
}

InterleaveLayout InterleaveLayoutOf(const RunPlan& plan, const RunResult& run,
                                    std::string_view terminator) {
  InterleaveLayout layout;
  layout.streams = plan.writer.streams;
  layout.records_start = run.records_start;
  layout.records_end = run.records_end;
  if (plan.format == OutputFormat::kDbase && run.written > 0)
    layout.record_length = (run.records_end - run.records_start) / run.written;
  layout.terminator = terminator;
  return layout;
}

}  // namespace vt
