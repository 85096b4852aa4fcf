// The conversion run: Save Converted File writes the whole input, converted, in the chosen format.
#include "window/output/conversion_run.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "output/combo_steps.h"
#include "output/run/block_files.h"
#include "output/run/conversion.h"
#include "output/run/existing_output.h"
#include "output/unit_conversion.h"
#include "output/writers/writers.h"
#include "strings/asctime_text.h"
#include "strings/char_class.h"
#include "window/output/interleave_pass.h"
#include "window/parse_view.h"

namespace vt {

namespace {

namespace fs = std::filesystem;

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

// A run that cannot go on says why: in a box to the user who started it. A run from the command
// line may have nobody at the window to answer a box: it says it on standard error and ends the
// program with a failure status.
void SayRunFailed(TParseView& v, const std::string& text, const std::string& caption) {
  if (v.CmdOutputFileName.empty()) {
    ShowStop(v, text, caption);
    return;
  }
  v.services().app->WriteError(caption + ": " + text);
  v.UnattendedExitStatus = 1;
  v.UnattendedExitCountdown = 1;
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

// The input kind by the checked input type (a dBase table whatever is checked).
InputKind KindOfInput(const TParseView& v) {
  if (v.DbaseInputActive != 0) return InputKind::kDbase;
  if (v.BinaryInput.Checked()) return InputKind::kBinary;
  if (v.DelimitedInputButton.Checked()) return InputKind::kComma;
  if (v.TabInputButton.Checked()) return InputKind::kTab;
  if (v.SpecialInputButton.Checked()) return InputKind::kSpecial;
  if (v.FixedInputButton.Checked()) return InputKind::kFixed;
  if (v.WebFormInput.Checked()) return InputKind::kWebForm;
  return InputKind::kPage;
}

// The plan of a run, gathered once from the controls.
RunPlan GatherRunPlan(TParseView& v, OutputFormat format, const ExistingOutput& existing,
                      bool in_place) {
  RunPlan plan;
  plan.input = KindOfInput(v);
  plan.reader.text = v.TextOptions();
  plan.reader.delimiter = v.InputDelimiter[0];
  plan.reader.names_from_first_record = v.TakeFirstRecordAsFieldName.Checked();
  plan.reader.binary = v.BinaryReading();
  plan.reader.page = v.PageInputSetup();
  plan.reader.page.cut.selected_tag = 0;
  plan.format = format;
  plan.build = v.GatherBuildRequest();
  plan.writer.delimiter = DelimiterOf(format, v.OutputSpecialDelimiterEditBox.Text());
  plan.writer.xml_table = v.XMLTableName.Text();
  plan.writer.xml_record = v.XMLRecordName.Text();
  if (in_place) plan.writer.xml_close_tag = existing.xml_close_tag;
  plan.writer.streams = std::max(v.InterLeaf.ItemIndex(), 0) + 1;
  plan.writer.dbase_y2k = v.DBVer.Checked();
  tk::Clock& clock = *v.services().clock;
  plan.writer.today = clock.Local(clock.Now());
  plan.writer.base_count = existing.dbase_count;
  plan.field_names_record = v.OutputFieldNames.Checked();
  plan.append = in_place;
  plan.existing = existing;
  plan.limit_1000 = v.Limit1000.Checked();
  plan.header_block = ReadBlockFile(v.HeaderBlockFile.Text(), v.ProgramDir);
  plan.trailer_block = ReadBlockFile(v.TrailerBlockFile.Text(), v.ProgramDir);
  return plan;
}

// A header block stands where the field-name record would: naming one turns that record off,
// in the formats that take blocks.
void TakeHeaderBlockInsteadOfNames(TParseView& v, OutputFormat format) {
  if (v.HeaderBlockFile.Text().empty()) return;
  if (!MakeRecordLayout(format, &v)->TakesBlocks()) return;
  v.OutputFieldNames.SetChecked(false);
}

// The interleave pass over the finished file; the work file is the settings folder's.
InterleaveOutcome Interleave(TParseView& v, const std::string& finished, const RunPlan& plan,
                             const RunResult& run, bool put_back) {
  const InterleaveLayout layout = InterleaveLayoutOf(plan, run, v.RecordTerminator);
  v.StatusBar1.SetPanelText(2, "Interleaving records");
  return InterleavePass(finished, v.TempFilePath, layout, put_back);
}

// The window's side of a run: every 100 records the values already built are shown, today's
// date is read again (a run may pass midnight), and pending events (Cancel) are taken.
class WindowRunObserver : public RunObserver {
 public:
  explicit WindowRunObserver(TParseView& v) : v_(v), clock_(*v.services().clock) {}

  void Progress(std::int64_t /*records_read*/, BuildRequest& request) override {
    v_.RecordNumberLabel.SetCaption(std::to_string(v_.RecordNumber));
    const std::tm now = clock_.Local(clock_.Now());
    v_.StatusBar1.SetPanelText(0, AscTimeText(now));
    v_.DisplayInput.Click();
    v_.RefreshOutputValues();
    v_.ShowOutputRecordImage();
    ShowConversions(request);
    ReadTodayWhenItChanged(now);
    v_.services().events->ProcessPendingEvents();
    // Controls may have changed while events ran; the request points at their texts.
    request = v_.GatherBuildRequest();
  }
  bool Stopped() override { return v_.StopConversion != 0; }
  std::int64_t Now() override { return static_cast<std::int64_t>(clock_.Now()); }
  bool Today(std::tm& today) override {
    today = clock_.Local(clock_.Now());
    return true;
  }

 private:
  // The conversion grid's results for the record just built. A result is worked out again only
  // when its number or rule changed, or the cell shows something else.
  void ShowConversions(const BuildRequest& request) {
    constexpr int kResultColumn = 2;
    std::array<double, kCombinations> numbers{};
    CombinationNumbers(request, v_, v_, numbers);
    for (std::size_t j = 0; j < numbers.size(); ++j) {
      const auto& coefficients = v_.ConversionCoefficients[j];
      const LinearRule rule{coefficients[0], coefficients[1]};
      const int row = static_cast<int>(j) + 1;
      ShownResult& shown = shown_[j];
      if (shown.made && shown.x == numbers[j] && shown.rule.a == rule.a && shown.rule.b == rule.b &&
          v_.Conv.Cell(kResultColumn, row) == shown.text)
        continue;
      shown.made = true;
      shown.x = numbers[j];
      shown.rule = rule;
      shown.text.clear();
      AppendConverted(rule, shown.x, shown.text);
      v_.Conv.SetCell(kResultColumn, row, shown.text);
    }
  }

  // Today's texts are made again when the local date moved on (and at the first progress point).
  void ReadTodayWhenItChanged(const std::tm& now) {
    const int day = (now.tm_year * 12 + now.tm_mon) * 32 + now.tm_mday;
    if (day == day_read_) return;
    day_read_ = day;
    v_.ReadToday();
  }

  struct ShownResult {
    bool made = false;
    double x = 0;
    LinearRule rule;
    std::string text;
  };

  TParseView& v_;
  tk::Clock& clock_;
  std::array<ShownResult, kCombinations> shown_;
  int day_read_ = -1;
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

// The output file as the run opens it: in place for an append, else a new file beside it.
struct OpenedOutput {
  ExistingOutput existing;
  bool in_place = false;
  std::FILE* file = nullptr;
  std::string temp;  // the new file, renamed over the output at the end
};

// The probe of an existing file, the append refusals and the overwrite question, then the
// opening; false when the run ends here.
bool OpenOutput(TParseView& v, const std::string& path, OutputFormat format, bool named_for_us,
                OpenedOutput& o) {
  const bool append = v.AppendFile.Checked();
  v.services().events->ProcessPendingEvents();
  o.existing = ProbeExistingOutput(path, format, append);
  const ExistingOutput& existing = o.existing;
  if (append && format == OutputFormat::kXml && existing.exists && !existing.xml_valid) {
    ShowStop(v, "The append file selected is not XML.", "File Error");
    return false;
  }
  // A file that cannot take the records (not a dBase table) is replaced, so it is asked about
  // as any other file that would be.
  o.in_place = append && AppendsInPlace(existing, format);
  if (existing.exists && !o.in_place && !named_for_us &&
      v.services().messages->Show(path + " exists. Overwrite?", "File exists",
                                  tk::MessageStyle::kQuestion) != tk::MessageReply::kYes)
    return false;
  if (o.in_place && format == OutputFormat::kXml) {
    v.XMLTableName.SetText(existing.xml_table);
    if (!existing.xml_record.empty()) v.XMLRecordName.SetText(existing.xml_record);
  }
  const bool rewrites = format == OutputFormat::kDbase || format == OutputFormat::kXml;
  o.file =
      o.in_place ? std::fopen(path.c_str(), rewrites ? "r+b" : "ab") : OpenTempBeside(path, o.temp);
  if (o.file != nullptr) return true;
  SayRunFailed(v, "Cannot open that file.", path);
  return false;
}

// How a run's file came out: in the output's place as asked, or not; `kept` names where the
// records are when only the interleave pass failed.
struct FinishedOutput {
  bool ok = false;
  std::string kept;
};

// After the engine closed the file: an XML append cut after its new closing tag, the
// interleave pass, and a new file put in the output's place. When any of it fails the output
// is as it was, but for the records of a failed interleave pass: they stay in the output as
// written, or in the work file.
FinishedOutput FinishOutput(TParseView& v, const RunPlan& plan, const RunResult& run,
                            const OpenedOutput& o, const std::string& path) {
  bool ok = run.ok;
  std::error_code ec;
  // An XML append writes over the old closing tag; nothing of the old end may stay behind it.
  if (o.in_place && ok && plan.format == OutputFormat::kXml && run.end_offset >= 0)
    fs::resize_file(path, static_cast<std::uintmax_t>(run.end_offset), ec);
  InterleaveOutcome pass = InterleaveOutcome::kInterleaved;
  if (ok && plan.writer.streams > 1)
    pass = Interleave(v, o.in_place ? path : o.temp, plan, run, o.in_place);
  if (pass == InterleaveOutcome::kInWorkFile) return {false, v.TempFilePath};
  if (!o.in_place) {
    if (ok && o.existing.exists) fs::permissions(o.temp, fs::status(path, ec).permissions(), ec);
    if (ok) ok = std::rename(o.temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(o.temp.c_str());
  }
  if (ok && pass == InterleaveOutcome::kAsWritten) return {false, path};
  return {ok, {}};
}

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
  const OutputFormat format = v.ChosenOutputFormat();
  OpenedOutput opened;
  if (!OpenOutput(v, path, format, named_for_us, opened)) return;

  BusyMenus busy(v);
  v.RecordNumber = 1;
  v.InputFieldsListBox.Clear();
  v.OutputFieldsListBox.Clear();
  v.PageControl.SetActivePage(&v.InputConfiguration);
  const std::int64_t start_time = static_cast<std::int64_t>(v.services().clock->Now());
  v.StatusBar1.SetPanelText(2, "Converting");
  TakeHeaderBlockInsteadOfNames(v, format);
  const RunPlan plan = GatherRunPlan(v, format, opened.existing, opened.in_place);
  WindowRunObserver observer(v);
  v.StopConversion = 0;
  v.CancelOutput.SetEnabled(true);
  const RunResult run = Convert(plan, v, v, v, opened.file, observer);
  v.CancelOutput.SetEnabled(false);
  const FinishedOutput finished = FinishOutput(v, plan, run, opened, path);
  if (!finished.kept.empty()) {
    SayRunFailed(v, "The records could not be interleaved. They are in " + finished.kept + ".",
                 "File Error");
    return;
  }
  if (!finished.ok) {
    SayRunFailed(v, "Cannot open that file.", path);
    return;
  }

  const std::int64_t written = run.written;
  const std::int64_t seconds = static_cast<std::int64_t>(v.services().clock->Now()) - start_time;
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
