// Input files: the text stream that Next, Previous, the open and the conversion run read
// records from, and the byte file of binary and dBase input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "input/line_reader.h"

namespace vt {

// How posted form data that goes on over several lines is read as one record.
enum class WebFormLines {
  kNone,        // not form data: a line is a record
  kFirstBang,   // Next and Previous: a "!" ends the line's part of the record; the next follows
  kEndingBang,  // a run: only a line that ends in "!" goes on, the "!" dropped; others are data
};

// How a text record is made from the lines of the file.
struct TextRecordOptions {
  bool ebcdic = false;         // translate every byte EBCDIC -> ASCII
  bool strip_control = false;  // drop bytes 0-31 and 128-255 (after translation)
  WebFormLines web_form = WebFormLines::kNone;
};

// The text input: a file read line by line through LineReader. Every reader of records goes
// through ReadRecord, so the preview and the conversion see the same records.
class TextInput {
 public:
  TextInput() = default;
  ~TextInput() { Close(); }
  // A copy reads the same file on its own, from the start: opened anew when the original is
  // open (closed when that fails), else closed.
  TextInput(const TextInput& other);
  TextInput& operator=(const TextInput&) = delete;

  // Opens the file "rb" (closing any other); false when it cannot be opened.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }
  // Back to the first line (reopens the file when it was closed); false when that fails.
  bool Rewind();
  // Rewind, else the file at `path` opened anew. A pipe is never opened again: its open waits
  // for a writer, and what was read of it is gone; its reading goes on where it is.
  void RewindOrOpen(const std::string& path);
  // True once a read has run into the end of the file (also when no file is open).
  bool AtEnd() const { return reader_.AtEnd(); }
  // True when the next read would find nothing (also when no file is open).
  bool NothingLeft() { return reader_.NothingLeft(); }

  // One raw line (no translation); false at the end.
  bool ReadLine(std::string& line) { return reader_.ReadLine(line); }
  // One raw line of at most `limit` characters, the rest coming with the next read.
  bool ReadLine(std::string& line, std::size_t limit) { return reader_.ReadLine(line, limit); }
  // One record: a line translated, stripped and, for web-form input, joined with its
  // continuation lines; at most LineReader::kDefaultLimit characters. False when there is no
  // record: the read ran into the end and the record is empty. The empty line after a last
  // line end is still a record.
  bool ReadRecord(std::string& record, const TextRecordOptions& options);

 private:
  void ReadPiece(std::string& line, const TextRecordOptions& options);
  void JoinAtFirstBang(std::string& record, const TextRecordOptions& options);
  void JoinEndingBang(std::string& record, const TextRecordOptions& options);

  std::string path_;
  std::FILE* file_ = nullptr;
  LineReader reader_;
  std::string piece_;
};

// Whether `path` names a regular file, one that can be opened and read again from its start.
[[nodiscard]] bool IsRegularFile(const std::string& path);

// Applies the translation and stripping of `options` to one line, in that order: stripping
// first would delete every EBCDIC letter (they are bytes above 127).
void PrepareTextLine(std::string& line, const TextRecordOptions& options);

// The byte input of binary and dBase records.
class DataInput {
 public:
  DataInput() = default;
  ~DataInput() { Close(); }
  // As TextInput's copy: the same file opened anew, at offset 0.
  DataInput(const DataInput& other);
  DataInput& operator=(const DataInput&) = delete;

  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }
  // Reads up to `size` bytes; returns how many were read.
  std::size_t Read(void* buffer, std::size_t size);
  // Moves to an absolute offset; false when that is not possible.
  bool Seek(std::int64_t offset);
  // True when the next read would find nothing.
  bool AtEnd();

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

}  // namespace vt
