// The conversion run: Save Converted File writes the whole input, converted, in the chosen format.
#include "window/output/conversion_run.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "strings/asctime_text.h"
#include "input/binary_display.h"
#include "input/dbase_header.h"
#include "input/ebcdic.h"
#include "window/parse_view.h"
#include "strings/char_class.h"
#include "output/field_names.h"
#include "output/writers/writers.h"

namespace vt {

namespace {

namespace fs = std::filesystem;

constexpr int kProgressEvery = 100;
constexpr std::int32_t kTestLimit = 1000;
OutputFormat ChosenFormat(const TParseView& v) {
  if (v.ClipOut.Checked()) return OutputFormat::kClipboard;
  if (v.TabDelimitedOutputButton.Checked()) return OutputFormat::kTab;
  if (v.SpecialDelimitedOutputButton.Checked()) return OutputFormat::kSpecial;
  if (v.FixedFormatOutputButton.Checked()) return OutputFormat::kFixed;
  if (v.DbaseOutputButton.Checked()) return OutputFormat::kDbase;
  if (v.WordPerfect.Checked()) return OutputFormat::kWordPerfect;
  if (v.XML.Checked()) return OutputFormat::kXml;
  return OutputFormat::kComma;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

void ShowStop(TParseView& v, const std::string& text, const std::string& caption) {
  v.services().messages->Show(text, caption, tk::MessageStyle::kStop);
}

tk::FileDialogRequest SaveDialogRequest(const TParseView& v) {
  tk::FileDialogRequest r;
  r.save = true;
  r.title = "Please choose a name for the converted file you are saving";
  std::string text = "Text File";
  if (v.DelimitedOutputButton.Checked()) text = "Comma Delimited, Quoted Strings";
  if (v.TabDelimitedOutputButton.Checked()) text = "Tab Delimited Text";
  if (v.SpecialDelimitedOutputButton.Checked())
    text = "Delimited by \"" + v.OutputSpecialDelimiterEditBox.Text() + "\"";
  if (v.WordPerfect.Checked()) text = "WordPerfect Merge File";
  if (v.OutputFieldNames.Checked()) text += ", Field Names";
  r.filter = text + "|*";
  if (v.DbaseOutputButton.Checked()) {
    r.default_ext = "dbf";
    r.filter = "dBase III table (*.dbf)|*.DBF";
  }
  if (v.XML.Checked()) {
    r.default_ext = "xml";
    r.filter = "XML file (*.xml)|*.XML";
  }
  r.initial_dir = v.services().settings->Read(v.SettingsFilePath, "Setup", "LastOutput", "", 255);
  return r;
}

// The output path from the command line, the clipboard choice or the dialog; false: cancelled.
bool ChooseOutputPath(TParseView& v, std::string& path) {
  if (v.CmdOutputFileName == "*") v.ClipOut.SetChecked(true);
  if (v.ClipOut.Checked()) {
    path = v.ClipOutTransferPath;
    return true;
  }
  if (!v.CmdOutputFileName.empty()) {
    path = v.CmdOutputFileName;
    return true;
  }
  if (!v.services().dialogs->Run(SaveDialogRequest(v), path)) return false;
  v.services().settings->Write(v.SettingsFilePath, "Setup", "LastOutput", FolderOf(path));
  return true;
}

// What the probe learnt of a file that is there already.
struct ExistingFile {
  bool exists = false;
  std::int64_t size = 0;
  std::uint32_t dbase_count = 0;
  std::int64_t xml_close_offset = -1;  // where the old closing table tag starts; -1 none
};

// The XML append probe: the table and record names of the file appended to and where its
// closing table tag stands. False when the file holds no record tag.
bool ProbeXml(TParseView& v, std::FILE* f, ExistingFile& e) {
  constexpr std::size_t kProbe = 8000;
  std::string head(kProbe, '\0');
  head.resize(std::fread(head.data(), 1, kProbe, f));
  const std::size_t first = head.find('<');
  const std::size_t table = first == std::string::npos ? first : head.find('<', first + 1);
  const std::size_t table_end = table == std::string::npos ? table : head.find('>', table);
  const std::size_t record = table_end == std::string::npos ? table_end : head.find('<', table_end);
  const std::size_t record_end = record == std::string::npos ? record : head.find('>', record);
  if (record_end == std::string::npos) return false;
  std::string name;
  MakeXmlName(head.substr(table, std::min<std::size_t>(table_end - table + 1, 127)), name);
  v.XMLTableName.SetText(name);
  const std::string closing = "</" + name + ">";
  MakeXmlName(head.substr(record, std::min<std::size_t>(record_end - record + 1, 127)), name);
  v.XMLRecordName.SetText(name);
  std::int64_t tail_start = 0;
  if (e.size > static_cast<std::int64_t>(kProbe)) {
    tail_start = e.size - static_cast<std::int64_t>(kProbe);
    std::fseek(f, static_cast<long>(tail_start), SEEK_SET);
    head.assign(kProbe, '\0');
    head.resize(std::fread(head.data(), 1, kProbe, f));
  }
  const std::size_t at = head.find(closing);
  if (at != std::string::npos) e.xml_close_offset = tail_start + static_cast<std::int64_t>(at);
  return true;
}

// False when an XML file to append to is not XML (the run then ends, file untouched).
bool ProbeExisting(TParseView& v, const std::string& path, OutputFormat format, ExistingFile& e) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return true;
  e.exists = true;
  std::fseek(f, 0, SEEK_END);
  e.size = std::ftell(f);
  std::fseek(f, 0, SEEK_SET);
  bool ok = true;
  const bool append = v.AppendFile.Checked();
  if (format == OutputFormat::kDbase && append) {
    unsigned char head[8] = {};
    if (std::fread(head, 1, sizeof head, f) == sizeof head)
      e.dbase_count = static_cast<std::uint32_t>(head[4] | head[5] << 8 | head[6] << 16) |
                      static_cast<std::uint32_t>(head[7]) << 24;
  }
  if (format == OutputFormat::kXml && append) ok = ProbeXml(v, f, e);
  std::fclose(f);
  if (!ok) ShowStop(v, "The append file selected is not XML.", "File Error");
  return ok;
}

// A new file beside the target, so that a failed run leaves the old file as it was.
std::FILE* OpenTempBeside(const std::string& path, std::string& temp) {
  const fs::path target(path);
  for (int n = 0; n < 1000; ++n) {
    const fs::path candidate = target.parent_path() / ("." + target.filename().string() +
                                                       ".vontrask-" + std::to_string(n));
    temp = candidate.string();
    errno = 0;
    if (std::FILE* f = std::fopen(temp.c_str(), "wbx")) return f;
    if (errno != EEXIST) break;
  }
  temp.clear();
  return nullptr;
}

enum class InputKind { kText, kBinary, kDbase };

// One run, from the opened file to the closed one.
class Run {
 public:
  Run(TParseView& v, OutputFormat format, std::FILE* file, const ExistingFile& existing,
      bool in_place)
      : v_(v), format_(format), file_(file), sink_(file), in_place_(in_place) {
    kind_ = v.DbaseInputActive != 0   ? InputKind::kDbase
            : v.BinaryInput.Checked() ? InputKind::kBinary
                                      : InputKind::kText;
    WriterSetup s;
    s.fields = &v;
    v.BatchRun = 1;  // before the first build, so the builder leaves out its display work
    request_ = v.GatherBuildRequest();
    request_.defer_plain_values = true;  // settled at every progress point and at the end
    ChooseDelimiter(request_.format, s.delimiter);
    s.xml_table = v.XMLTableName.Text();
    s.xml_record = v.XMLRecordName.Text();
    s.streams = std::max(v.InterLeaf.ItemIndex(), 0) + 1;
    s.dbase_y2k = v.DBVer.Checked();
    tk::Clock& clock = *v.services().clock;
    s.today = clock.Local(clock.Now());
    s.base_count = in_place ? existing.dbase_count : 0;
    writer_ = WriterFor(format).make(s);
    v.RecordTerminator.assign(writer_->Terminator());
    if (in_place && format == OutputFormat::kDbase)
      sink_.Seek(std::max<std::int64_t>(existing.size - 1, 0));
    if (in_place && format == OutputFormat::kXml)
      sink_.Seek(existing.xml_close_offset >= 0 ? existing.xml_close_offset : existing.size);
  }

  // Returns false when the file could not be written completely.
  bool Execute() {
    RewindInput();
    StartInput();
    WriteHeaderBlock();
    if (v_.OutputFieldNames.Checked() && writer_->TakesFieldNames() && !in_place_)
      writer_->FieldNames(sink_);
    if (!in_place_) writer_->Prologue(sink_);
    ReadFirstRecord();
    v_.RunNamedFields = 0;
    Loop();
    SettleOutputValues(v_);
    v_.RunNamedFields = -1;
    v_.CancelOutput.SetEnabled(false);
    AddInterleavePadding();
    writer_->Epilogue(sink_, Written());
    WriteTrailerBlock();
    sink_.Flush();
    end_offset = std::ftell(file_);
    bool ok = !sink_.Failed() && std::ferror(file_) == 0;
    if (std::fclose(file_) != 0) ok = false;
    v_.BatchRun = 0;
    RewindInput();
    InterleaveFile();
    return ok;
  }

  std::int64_t Written() const { return std::max<std::int64_t>(v_.RecordNumber - 1, 0); }
  std::int64_t start_time = 0;
  std::int64_t end_offset = -1;  // where the last byte written ends

 private:
  // Interleave and the header and trailer block files are steps of their own issue.
  void WriteHeaderBlock() {}
  void AddInterleavePadding() {}
  void WriteTrailerBlock() {}
  void InterleaveFile() {}

  void RewindInput() {
    if (kind_ == InputKind::kDbase) {
      (void)v_.InputDataFile.Seek(v_.DbaseHeaderLength);
    } else if (kind_ == InputKind::kBinary) {
      (void)v_.InputDataFile.Seek(v_.BinaryRecordsStart());
    } else if (!v_.InputTextStream.Rewind() && !v_.InputFileName.empty()) {
      (void)v_.InputTextStream.Open(v_.InputFileName);
    }
  }

  void StartInput() {
    v_.RecordNumber = 1;
    v_.PagesRead = 0;
    dbase_read_ = 0;
    v_.InputLine.clear();
    v_.BinaryRecordCopy.clear();
    v_.InputFieldsListBox.Clear();
    v_.OutputFieldsListBox.Clear();
    v_.PageControl.SetActivePage(&v_.InputConfiguration);
    start_time = v_.services().clock->Now();
    v_.StatusBar1.SetPanelText(2, "Converting");
    options_ = v_.TextOptions();
    // A record length no record can have reads nothing (0).
    binary_length_ = v_.BinaryLengthUsable() ? static_cast<std::size_t>(v_.BinaryRecordLength) : 0;
    v_.InputLine.reserve(InputTables::kLineLimit + 1);
    v_.BinaryRecordCopy.reserve(binary_length_);
    raw_.reserve(1 << 16);
  }

  void ReadFirstRecord() {
    if (kind_ == InputKind::kDbase) return;
    if (kind_ == InputKind::kBinary) {
      at_end_ = !ReadBinary();
      return;
    }
    ReadText();
    const bool named = v_.FixedInputButton.Checked() || v_.TabInputButton.Checked() ||
                       v_.SpecialInputButton.Checked() || v_.DelimitedInputButton.Checked();
    if (v_.TakeFirstRecordAsFieldName.Checked() && named) ReadText();
  }

  void ReadText() {
    if (!v_.InputTextStream.ReadRecord(v_.InputLine, options_)) v_.InputLine.clear();
  }

  // False when the read reached the end of the file (a short last record is not converted).
  bool ReadBinary() {
    if (binary_length_ == 0) return false;
    std::string& line = v_.InputLine;
    line.resize(binary_length_);
    line.resize(v_.InputDataFile.Read(line.data(), binary_length_));
    if (line.size() < binary_length_) return false;
    if (v_.EbcdicIn.Checked()) TranslateEbcdicToAscii(line);
    v_.BinaryRecordCopy.assign(line);
    MakeBinaryDisplay(line);
    return true;
  }

  // The next dBase record not marked deleted; false when none is left, by the header's count or
  // at the end of the file, whichever comes first.
  bool ReadDbase() {
    while (dbase_read_ < v_.DbaseRecordCount) {
      ++dbase_read_;
      char flag = ' ';
      if (!ReadDbaseRecordFlag(v_.InputDataFile, flag)) return false;
      v_.InputLine.clear();
      for (int i = 1; i <= v_.DbaseFieldCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        raw_.resize(static_cast<std::size_t>(v_.DbaseFieldLengths[k]));
        raw_.resize(v_.InputDataFile.Read(raw_.data(), raw_.size()));
        std::string& value = v_.InputFieldValues[k];
        DecodeDbaseValue(v_.DbaseFieldTypes[k], raw_, value);
        if (v_.InputLine.size() + value.size() < InputTables::kLineLimit) v_.InputLine += value;
      }
      if (v_.DbaseRecordLength > v_.DbaseFieldsLength) {
        raw_.resize(v_.DbaseRecordLength - v_.DbaseFieldsLength);
        v_.InputDataFile.Read(raw_.data(), raw_.size());
      }
      if (flag == '*') continue;
      v_.InputFieldCounts[0] = v_.DbaseFieldCount;
      v_.InputRecordCut();
      return true;
    }
    return false;
  }

  // The fields the record view would count after this cut (the builder reads no field above).
  void CountFields() { v_.InputFieldTotal = v_.CountedFields(v_.CutCountSum()); }

  void Cut() {
    const int in_use = std::min(v_.InputFieldCounts[0], InputTables::kMaxFields);
    for (int i = 1; i <= in_use; ++i) v_.InputFieldValues[static_cast<std::size_t>(i)].clear();
    if (kind_ == InputKind::kBinary) {
      v_.CutUpInputLine.Click();
      v_.MakeBinaryValue.Click();
    } else if (kind_ == InputKind::kText) {
      if (v_.DelimitedInputButton.Checked()) v_.ParseInputLine.Click();
      if (v_.TabInputButton.Checked() || v_.SpecialInputButton.Checked()) v_.SpecialParse.Click();
      if (v_.WebFormInput.Checked()) v_.WebForm.Click();
      if (v_.FixedInputButton.Checked()) v_.CutUpInputLine.Click();
    }
  }

  // One pass: cut, build, write, read the next record. False ends the loop.
  bool Pass() {
    Cut();
    if (kind_ == InputKind::kDbase && !ReadDbase()) return false;
    if (kind_ == InputKind::kText && v_.InputTextStream.AtEnd() && v_.InputLine.empty())
      return false;
    if (kind_ == InputKind::kBinary && at_end_) return false;
    if (kind_ == InputKind::kDbase &&
        v_.RecordNumber > static_cast<std::int64_t>(v_.DbaseRecordCount))
      return false;
    CountFields();
    request_.now = static_cast<std::int64_t>(v_.services().clock->Now());
    BuildOutputRecord(request_, v_, v_, v_);
    // Only events write the field table during a run, and Progress gathers a new request then.
    request_.field_table_unchanged = true;
    if (v_.RecordSkip == 0) {
      ++v_.RecordNumber;
      writer_->Record(sink_, v_.OutputRecord);
    }
    v_.InputLine.clear();
    if (kind_ == InputKind::kDbase)
      return dbase_read_ < v_.DbaseRecordCount && v_.ConversionCancelled == 0;
    if (kind_ == InputKind::kBinary) {
      at_end_ = !ReadBinary();
      return true;
    }
    ReadText();
    return !(v_.InputTextStream.AtEnd() && v_.InputLine.empty());
  }

  void Loop() {
    v_.StopConversion = 0;
    v_.CancelOutput.SetEnabled(true);
    std::int64_t passes = 0;
    while (v_.StopConversion == 0) {
      const bool more = Pass();
      if (++passes % kProgressEvery == 0) Progress();
      if (v_.RecordNumber > kTestLimit && v_.Limit1000.Checked()) v_.StopConversion = 1;
      if (!more) break;
    }
  }

  // Every hundred records: the values already built are shown, and Cancel is taken.
  void Progress() {
    SettleOutputValues(v_);
    tk::Clock& clock = *v_.services().clock;
    v_.RecordNumberLabel.SetCaption(std::to_string(v_.RecordNumber));
    v_.StatusBar1.SetPanelText(0, AscTimeText(clock.Local(clock.Now())));
    v_.DisplayInput.Click();
    v_.RefreshOutputValues();
    v_.ShowOutputRecordImage();
    v_.services().events->ProcessPendingEvents();
    // Events may have written field names, and the table the plans were made from.
    v_.RunNamedFields = 0;
    // Controls may have changed while events ran; the request points at their texts.
    const std::int64_t now = request_.now;
    request_ = v_.GatherBuildRequest();
    request_.now = now;
    request_.defer_plain_values = true;
  }

  TParseView& v_;
  OutputFormat format_;
  std::FILE* file_;
  OutputSink sink_;
  bool in_place_;
  InputKind kind_ = InputKind::kText;
  std::unique_ptr<RecordWriter> writer_;
  BuildRequest request_;
  TextRecordOptions options_;
  std::uint32_t dbase_read_ = 0;
  std::size_t binary_length_ = 0;
  bool at_end_ = false;
  std::string raw_;
};

void AppendLogEntry(TParseView& v, std::int64_t records) {
  std::error_code ignored;
  fs::create_directories(fs::path(v.LogFilePath).parent_path(), ignored);
  std::FILE* log = std::fopen(v.LogFilePath.c_str(), "a");
  if (log == nullptr) return;  // a log that does not open is passed over
  tk::Clock& clock = *v.services().clock;
  const std::string entry = ConversionLogEntry(AscTimeText(clock.Local(clock.Now())), records,
                                               v.InputFileName, v.OutputFileName, v.PrefFileName);
  std::fwrite(entry.data(), 1, entry.size(), log);
  std::fclose(log);
}

void CopyTransferFileToClipboard(TParseView& v) {
  std::FILE* f = std::fopen(v.ClipOutTransferPath.c_str(), "rb");
  if (f == nullptr) return;
  std::string text;
  char block[1 << 14];
  for (std::size_t got; (got = std::fread(block, 1, sizeof block, f)) > 0;) text.append(block, got);
  std::fclose(f);
  v.services().clipboard->SetText(text);
}

// Open, Close and Load wait while a run is going.
class BusyMenus {
 public:
  explicit BusyMenus(TParseView& v) : items_{&v.Open1, &v.CloseFile1, &v.LoadConfiguration1} {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      enabled_[i] = items_[i]->Enabled();
      items_[i]->SetEnabled(false);
    }
  }
  ~BusyMenus() {
    for (std::size_t i = 0; i < items_.size(); ++i) items_[i]->SetEnabled(enabled_[i]);
  }
  BusyMenus(const BusyMenus&) = delete;
  BusyMenus& operator=(const BusyMenus&) = delete;

 private:
  std::array<tk::MenuItem*, 3> items_;
  std::array<bool, 3> enabled_{};
};

struct RunningFlag {
  explicit RunningFlag(TParseView& v) : v_(v) { v_.ConversionRunning = true; }
  ~RunningFlag() { v_.ConversionRunning = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;
  TParseView& v_;
};

}  // namespace

std::string ConversionLogEntry(std::string_view asctime_text, std::int64_t records,
                               std::string_view input, std::string_view output,
                               std::string_view prefs) {
  std::string entry = "\n";
  entry.append(asctime_text);
  entry += " " + std::to_string(records) + " records from ";
  entry.append(input);
  entry += "\nto ";
  entry.append(output);
  entry += "\nusing preference file: ";
  entry.append(prefs);
  entry += "\n";
  return entry;
}

std::string ConversionStatistics(std::int64_t records, std::int64_t seconds) {
  const std::int64_t rate = seconds <= 0 ? 9999 : records * 60 / seconds;
  char text[160];
  std::snprintf(text, sizeof text, "%lld records converted in %.2f seconds, %lld per minute.",
                static_cast<long long>(records),
                static_cast<double>(std::max<std::int64_t>(seconds, 0)),
                static_cast<long long>(rate));
  return text;
}

bool SameFile(const std::string& output, const std::string& input) {
  if (EqualIgnoringCase(output, input)) return true;
  std::error_code ec;
  const bool same = fs::equivalent(output, input, ec);
  return !ec && same;
}

void RunConversion(TParseView& v) {
  if (v.ConversionRunning) return;
  RunningFlag running(v);
  v.ConversionCancelled = 0;
  v.services().events->ProcessPendingEvents();
  if (v.TagTextButton.Checked() || v.BlankLinesPage.Checked()) v.PageLinePending = 1;
  v.InstructionHints.SetVisible(false);
  v.LowHint.SetVisible(false);
  v.RecordTerminator = "\r\n";
  if (v.DbaseOutputButton.Checked() && !v.DbaseFieldsPass()) return;

  std::string path;
  if (!ChooseOutputPath(v, path)) return;
  v.OutputFileName = path;
  const bool named_for_us = !v.CmdOutputFileName.empty() || v.ClipOut.Checked();
  if (SameFile(path, v.InputFileName)) {
    ShowStop(v, "You cannot overwrite the input file.", "File Save");
    return;
  }
  std::error_code ec;
  const bool append = v.AppendFile.Checked();
  if (fs::exists(path, ec) && !append && !named_for_us &&
      v.services().messages->Show(path + " exists. Overwrite?", "File exists",
                                  tk::MessageStyle::kQuestion) != tk::MessageReply::kYes)
    return;

  const OutputFormat format = ChosenFormat(v);
  v.services().events->ProcessPendingEvents();
  ExistingFile existing;
  if (!ProbeExisting(v, path, format, existing)) return;

  const bool in_place = append && existing.exists;
  const bool rewrites = format == OutputFormat::kDbase || format == OutputFormat::kXml;
  std::string temp;
  std::FILE* file =
      in_place ? std::fopen(path.c_str(), rewrites ? "r+b" : "ab") : OpenTempBeside(path, temp);
  if (file == nullptr) {
    ShowStop(v, "Cannot open that file.", path);
    return;
  }

  BusyMenus busy(v);
  Run run(v, format, file, existing, in_place);
  bool ok = run.Execute();
  if (!in_place && ok) {
    if (existing.exists) fs::permissions(temp, fs::status(path, ec).permissions(), ec);
    ok = std::rename(temp.c_str(), path.c_str()) == 0;
  }
  if (!in_place && !ok) std::remove(temp.c_str());
  // An XML append writes over the old closing tag; nothing of the old end may stay behind it.
  if (in_place && ok && format == OutputFormat::kXml && run.end_offset >= 0)
    fs::resize_file(path, static_cast<std::uintmax_t>(run.end_offset), ec);
  if (!ok) {
    ShowStop(v, "Cannot open that file.", path);
    return;
  }

  const std::int64_t written = run.Written();
  const std::int64_t seconds =
      static_cast<std::int64_t>(v.services().clock->Now()) - run.start_time;
  const std::string statistics = ConversionStatistics(written, seconds);
  v.StatusBar1.SetPanelText(2, statistics);
  AppendLogEntry(v, written);
  v.RecordNumber = 0;
  v.PagesRead = 0;
  v.NextButton.Click();
  if (v.TakeFirstRecordAsFieldName.Checked()) v.NextButton.Click();
  v.StatusBar1.SetPanelText(2, statistics);

  if (v.ClipOut.Checked()) CopyTransferFileToClipboard(v);
  if (!v.CmdOutputFileName.empty()) v.UnattendedExitCountdown = 1;
  v.ConversionCancelled = 0;
}

}  // namespace vt
