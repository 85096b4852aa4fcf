// Input files: opening, rewinding and record reads of the text and byte inputs.
#include "input/input_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "input/ebcdic.h"
#include "strings/edit.h"

namespace vt {

void PrepareTextLine(std::string& line, const TextRecordOptions& options) {
  if (options.ebcdic) TranslateEbcdicToAscii(line);
  if (options.strip_control) RemoveControlChars(line);
}

TextInput::TextInput(const TextInput& other) : path_(other.path_) {
  if (other.IsOpen()) (void)Open(path_);
}

bool TextInput::Open(const std::string& path) {
  Close();
  path_ = path;
  file_ = std::fopen(path.c_str(), "rb");
  reader_.Reset(file_);
  return file_ != nullptr;
}

void TextInput::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  reader_.Reset(nullptr);
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool TextInput::Rewind() {
  if (file_ == nullptr) return IsRegularFile(path_) && Open(path_);
  if (std::fseek(file_, 0, SEEK_SET) != 0) return false;
  std::clearerr(file_);
  reader_.Reset(file_);
  return true;
}

void TextInput::RewindOrOpen(const std::string& path) {
  if (!Rewind() && IsRegularFile(path)) (void)Open(path);
}

void TextInput::ReadPiece(std::string& line, const TextRecordOptions& options) {
  reader_.ReadLine(line);
  PrepareTextLine(line, options);
}

bool TextInput::ReadRecord(std::string& record, const TextRecordOptions& options) {
  ReadPiece(record, options);
  if (options.web_form == WebFormLines::kFirstBang) JoinAtFirstBang(record, options);
  if (options.web_form == WebFormLines::kEndingBang) JoinEndingBang(record, options);
  // The read that runs into the end makes a record only of what it got.
  return !(reader_.AtEnd() && record.empty());
}

void TextInput::JoinAtFirstBang(std::string& record, const TextRecordOptions& options) {
  // Posted form data: a "!" marks that the record goes on in the next line. Lines are joined
  // up to the line limit; the continuation lines past it are still read, so that the next
  // record starts where it should.
  std::size_t bang = record.find('!');
  while (bang != std::string::npos) {
    record.resize(bang);
    if (reader_.AtEnd()) break;
    ReadPiece(piece_, options);
    bang = piece_.find('!');
    const std::size_t length = bang == std::string::npos ? piece_.size() : bang;
    const std::size_t room = LineReader::kDefaultLimit - record.size();
    record.append(piece_, 0, length < room ? length : room);
    if (bang != std::string::npos) bang = record.size();
  }
}

void TextInput::JoinEndingBang(std::string& record, const TextRecordOptions& options) {
  // A "!" inside a line is data; only one at the end carries the record on. Past the line
  // limit the rest is read but not kept, and then the last line read decides whether it goes on.
  auto ends_in_bang = [](const std::string& text) { return !text.empty() && text.back() == '!'; };
  bool whole = true;  // the record holds every byte read so far
  while (ends_in_bang(whole ? record : piece_)) {
    if (whole) record.pop_back();
    if (reader_.AtEnd()) break;
    ReadPiece(piece_, options);
    const std::size_t room = LineReader::kDefaultLimit - record.size();
    whole = whole && piece_.size() <= room;
    record.append(piece_, 0, std::min(piece_.size(), room));
  }
}

DataInput::DataInput(const DataInput& other) : path_(other.path_) {
  if (other.IsOpen()) (void)Open(path_);
}

bool DataInput::Open(const std::string& path) {
  Close();
  path_ = path;
  file_ = std::fopen(path.c_str(), "rb");
  return file_ != nullptr;
}

void DataInput::Close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
}

std::size_t DataInput::Read(void* buffer, std::size_t size) {
  if (file_ == nullptr || size == 0) return 0;
  return std::fread(buffer, 1, size, file_);
}

bool DataInput::Seek(std::int64_t offset) {
  if (file_ == nullptr || offset < 0) return false;
  std::clearerr(file_);
  return std::fseek(file_, static_cast<long>(offset), SEEK_SET) == 0;
}

bool DataInput::AtEnd() {
  if (file_ == nullptr) return true;
  const int c = std::fgetc(file_);
  if (c == EOF) return true;
  std::ungetc(c, file_);
  return false;
}

}  // namespace vt
