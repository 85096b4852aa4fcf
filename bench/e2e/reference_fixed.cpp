// The floor for the end-to-end fixed-column timing: the least a hand-written program does to turn
// the ten-column CSV into the same fixed columns. One large read buffer, a split on commas (with
// the quoted fields the input holds), trim, pad or cut, one large write buffer. It takes the
// rules of reference_fixed.py only as far as this input needs them: no NULs, no lines longer
// than the buffer, no values longer than their widths' cut.
//
// usage: reference_fixed INPUT OUTPUT
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

struct Column {
  std::size_t width;
  bool right;
};

constexpr Column kColumns[] = {{8, true},   {32, false}, {32, false}, {16, false}, {2, false},
                               {10, false}, {14, false}, {10, true},  {8, false},  {20, false}};
constexpr std::size_t kBuffer = 1 << 20;

std::string_view Trim(std::string_view v) {
  while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
  while (v.size() > 1 && static_cast<unsigned char>(v.back()) <= 0x20) v.remove_suffix(1);
  return v;
}

class Output {
 public:
  explicit Output(std::FILE* file) : file_(file), buffer_(kBuffer) {}
  ~Output() { Flush(); }
  char* Reserve(std::size_t n) {
    if (used_ + n > buffer_.size()) Flush();
    return buffer_.data() + used_;
  }
  void Commit(std::size_t n) { used_ += n; }
  void Flush() {
    if (used_ != 0) std::fwrite(buffer_.data(), 1, used_, file_);
    used_ = 0;
  }

 private:
  std::FILE* file_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

void ConvertLine(std::string_view line, Output& out) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!line.empty() && line.back() == '"') line.remove_suffix(1);
  char* record = out.Reserve(256);
  char* at = record;
  for (const Column& column : kColumns) {
    std::string_view value;
    if (!line.empty() && line.front() == '"') {
      line.remove_prefix(1);
      const std::size_t end = line.find("\",");
      value = line.substr(0, end);
      line = end == std::string_view::npos ? std::string_view() : line.substr(end + 2);
    } else {
      const std::size_t comma = line.find(',');
      value = line.substr(0, comma);
      line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
    }
    value = Trim(value).substr(0, column.width);
    const std::size_t pad = column.width - value.size();
    std::memset(at, ' ', column.width);
    std::memcpy(at + (column.right ? pad : 0), value.data(), value.size());
    at += column.width;
  }
  *at++ = '\r';
  *at++ = '\n';
  out.Commit(static_cast<std::size_t>(at - record));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s INPUT OUTPUT\n", argv[0]);
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "rb");
  std::FILE* file = std::fopen(argv[2], "wb");
  if (in == nullptr || file == nullptr) {
    std::fprintf(stderr, "cannot open the files\n");
    return 1;
  }
  {
    Output out(file);
    std::vector<char> buffer(kBuffer);
    std::size_t kept = 0;
    for (;;) {
      const std::size_t read = std::fread(buffer.data() + kept, 1, buffer.size() - kept, in);
      const std::size_t size = kept + read;
      std::string_view rest(buffer.data(), size);
      for (std::size_t lf; (lf = rest.find('\n')) != std::string_view::npos;) {
        ConvertLine(rest.substr(0, lf), out);
        rest.remove_prefix(lf + 1);
      }
      if (read == 0) {
        if (!rest.empty()) ConvertLine(rest, out);
        break;
      }
      std::memmove(buffer.data(), rest.data(), rest.size());
      kept = rest.size();
    }
  }
  std::fclose(in);
  return std::fclose(file) == 0 ? 0 : 1;
}
