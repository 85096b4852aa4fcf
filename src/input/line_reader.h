// Line reader: the one way text input is read, line by line, by every reader of the program.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace vt {

// Reads lines from a byte stream: a line runs to LF; a CR just before the LF (or just before the
// end of the file) is dropped; a line longer than the limit is handed out in pieces of at most
// `limit` characters, the rest coming with the next read. The stream is not owned.
class LineReader {
 public:
  static constexpr std::size_t kDefaultLimit = 32766;

  explicit LineReader(std::FILE* file = nullptr, std::size_t limit = kDefaultLimit);
  void Reset(std::FILE* file);

  // Reads the next line into `line` (reusing its storage). False at the end of the input, when
  // nothing is left to read; an empty line before the end is a line. A read that runs into the
  // end still hands out what it got.
  bool ReadLine(std::string& line) { return ReadLine(line, limit_); }
  // The same with a limit of its own for this read (page lines hold 255 characters).
  bool ReadLine(std::string& line, std::size_t limit);
  // True once a read has run into the end of the input (or when there is no input); a read that
  // stops at a line's LF notices nothing, even when the LF is the file's last byte.
  bool AtEnd() const { return at_end_; }
  // True when the next ReadLine would find nothing: a look ahead, which leaves AtEnd alone.
  bool NothingLeft();

 private:
  bool Fill();

  std::FILE* file_;
  std::size_t limit_;
  // Allocated on the first read and never cleared: a reader that is never read costs nothing.
  std::unique_ptr<char[]> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool at_end_ = true;
};

}  // namespace vt
