// End-to-end conversion timing: the ten-column CSV of bench/e2e converted through the window
// model, headless, the way the unattended run converts it.
//
// usage: conversion_bench INPUT OUTPUT [fixed|comma|dbase] [run|step|prefs]
//   run   (default) clicks Save Converted File with the output named on the "command line";
//   step  steps through the input with Next and builds each record as a run does, writing
//         nothing: the read and build loop alone;
//   prefs writes the set-up as a preference file named OUTPUT, for `vontrask INPUT PREFS OUT`.
// Prints one line: mode, format, records, seconds, records per second.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "toolkit/services/headless_services.h"
#include "window/parse_view.h"

namespace {

namespace fs = std::filesystem;

struct Column {
  int width;
  bool right;
};

// id, name, street, city, state, postal, phone, amount, date, note.
constexpr Column kColumns[] = {{8, true},   {32, false}, {32, false}, {16, false}, {2, false},
                               {10, false}, {14, false}, {10, true},  {8, false},  {20, false}};

void AddFields(vt::TParseView& view) {
  view.PageControl.SetActivePage(&view.OutputConfiguration);
  view.OutputFieldNamesListBox.SetEnabled(true);
  int item = 0;
  for (const Column& column : kColumns) {
    view.AddFieldButton.Click();
    view.InputFieldNamesListBox.SetItemIndex(item++);
    tk::Fire(view.InputFieldNamesListBox.on_click);
    view.FieldWidthButton.Click();
    view.OutputWidthEditBox.SetText(std::to_string(column.width));
    view.InputFieldNamesListBox.SetFocus();
    if (column.right) view.RightJustify.SetChecked(true);
  }
}

bool ChooseFormat(vt::TParseView& view, const std::string& format) {
  if (format == "fixed") return view.FixedFormatOutputButton.SetChecked(true), true;
  if (format == "comma") return view.DelimitedOutputButton.SetChecked(true), true;
  if (format == "dbase") return view.DbaseOutputButton.SetChecked(true), true;
  return false;
}

// Next to the end of the input with BatchRun set: the reader, the cutter and the builder.
std::int64_t StepThrough(vt::TParseView& view) {
  view.BatchRun = 1;
  std::int64_t records = 0;
  std::int64_t bytes = 0;
  while (view.InputRecordLabel.Caption() != "*** End of File Reached ***") {
    const std::int32_t before = view.RecordNumber;
    view.NextButton.Click();
    if (view.RecordNumber == before) break;
    bytes += static_cast<std::int64_t>(view.OutputRecord.size());
    ++records;
  }
  view.BatchRun = 0;
  std::fprintf(stderr, "built %lld bytes\n", static_cast<long long>(bytes));
  return records;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s INPUT OUTPUT [fixed|comma|dbase] [run|step]\n", argv[0]);
    return 2;
  }
  const std::string input = argv[1];
  const std::string output = argv[2];
  const std::string format = argc > 3 ? argv[3] : "fixed";
  const std::string mode = argc > 4 ? argv[4] : "run";
  const fs::path home = fs::temp_directory_path() / ("vontrask-e2e-" + std::to_string(::getpid()));
  fs::create_directories(home / "program");
  fs::create_directories(home / "settings");

  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  tk::HeadlessServices headless(in, out, err);
  int status = 0;
  {
    vt::TParseView view(headless.services, {input});
    view.ProgramDirOverride = (home / "program").string();
    view.SettingsDirOverride = (home / "settings").string();
    tk::Fire(view.on_create);
    tk::Fire(view.on_show);
    // Comma-delimited input, stepped to its first record so that its fields are listed.
    view.DelimitedInputButton.SetChecked(true);
    view.NextButton.Click();
    AddFields(view);
    if (!ChooseFormat(view, format)) {
      std::fprintf(stderr, "unknown format %s\n", format.c_str());
      return 2;
    }
    std::fprintf(stderr, "input %s, %d output fields, preview [%s]\n", view.InputFileName.c_str(),
                 view.OutputFieldCount, view.OutputRecord.c_str());
    const auto start = std::chrono::steady_clock::now();
    std::int64_t records = 0;
    if (mode == "prefs") {
      view.GatherControlState();
      std::FILE* prefs = std::fopen(output.c_str(), "wb");
      const std::string image = view.PreferenceImage();
      if (prefs == nullptr || std::fwrite(image.data(), 1, image.size(), prefs) != image.size())
        status = 1;
      if (prefs != nullptr && std::fclose(prefs) != 0) status = 1;
    } else if (mode == "step") {
      records = StepThrough(view);
    } else {
      view.CmdOutputFileName = output;
      view.Timer1.Tick();  // the timer enables Save Converted File once there are fields
      view.SaveConvertedFile.Click();
      std::error_code ec;
      if (!fs::exists(output, ec)) status = 1;
      // "%d records converted in ..." on the status bar.
      records = std::atoll(view.StatusBar1.PanelText(2).c_str());
      std::fprintf(stderr, "%s\n", view.StatusBar1.PanelText(2).c_str());
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("vontrask %s %s records=%lld seconds=%.3f rate=%.0f\n", mode.c_str(),
                format.c_str(), static_cast<long long>(records), seconds,
                seconds > 0 ? static_cast<double>(records) / seconds : 0.0);
  }
  if (!err.str().empty()) std::fprintf(stderr, "%s", err.str().c_str());
  fs::remove_all(home);
  return status;
}
