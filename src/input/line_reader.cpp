// Line reader: buffered reads, LF and CR LF line ends, long lines in pieces.
#include "input/line_reader.h"

#include <cstring>

namespace vt {

namespace {
constexpr std::size_t kBufferSize = 1 << 18;
}

LineReader::LineReader(std::FILE* file, std::size_t limit)
    : file_(file), limit_(limit == 0 ? 1 : limit), at_end_(file == nullptr) {}

void LineReader::Reset(std::FILE* file) {
  file_ = file;
  begin_ = end_ = 0;
  at_end_ = file == nullptr;
}

bool LineReader::Fill() {
  if (begin_ < end_) return true;
  if (file_ == nullptr) return false;
  if (buffer_ == nullptr) buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
  begin_ = 0;
  end_ = std::fread(buffer_.get(), 1, kBufferSize, file_);
  return end_ != 0;
}

bool LineReader::NothingLeft() {
  return !Fill();
}

bool LineReader::ReadLine(std::string& line, std::size_t limit) {
  if (limit == 0) limit = 1;
  line.clear();
  if (at_end_ || !Fill()) {
    at_end_ = true;
    return false;
  }
  while (Fill()) {
    const char* start = buffer_.get() + begin_;
    const std::size_t available = end_ - begin_;
    const void* lf = std::memchr(start, '\n', available);
    const std::size_t take =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : available;
    const std::size_t room = limit - line.size();
    // A CR just past the limit before the LF ends the line: no empty piece after it.
    const bool cr_lf_after = lf != nullptr && take == room + 1 && start[room] == '\r';
    if (take > room && !cr_lf_after) {
      // A line over the limit: hand out this piece and leave the rest for the next read.
      line.append(start, room);
      begin_ += room;
      return true;
    }
    line.append(start, take);
    begin_ += take;
    if (lf) {
      ++begin_;  // the LF itself
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
  }
  at_end_ = true;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace vt
