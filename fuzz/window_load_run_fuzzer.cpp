// Fuzz target: the window's unattended chain, as `vontrask input prefs output` runs it: the
// window opens a sample input, loads a preference file of any content, restores every control
// from it, cuts the record again and converts the whole input. About 60 runs a second, since
// each makes a whole window; the engine targets cover the rest at thousands a second.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "support/fuzz_files.h"
#include "support/fuzz_input.h"
#include "support/fuzz_samples.h"
#include "support/fuzz_targets.h"
#include "support/quiet_services.h"
#include "toolkit/toolkit.h"
#include "window/parse_view.h"

namespace vt::fuzz {

namespace {

struct Sample {
  const char* name;  // the extension tells a dBase table
  InputKind kind;
};

constexpr Sample kSamples[] = {
    {"input.csv", InputKind::kComma},    {"pages.txt", InputKind::kPage},
    {"records.bin", InputKind::kBinary}, {"table.DBF", InputKind::kDbase},
    {"fixed.txt", InputKind::kFixed},
};

}  // namespace

void WindowLoadRun(FuzzInput& fuzz) {
  const Sample& sample = kSamples[fuzz.Front() % std::size(kSamples)];
  const std::string input = ScratchPath(sample.name);
  const std::string prefs = ScratchPath("setup.vnq");
  const std::string output = ScratchPath("converted.out");
  WriteScratch(input, SampleInput(sample.kind));
  WriteScratch(prefs, fuzz.Rest());
  std::remove(output.c_str());
  std::error_code ec;
  std::filesystem::remove_all(ScratchPath("settings"), ec);
  std::filesystem::create_directories(ScratchPath("program"), ec);

  QuietServices quiet;
  const auto view =
      std::make_unique<TParseView>(quiet.services, std::vector<std::string>{input, prefs, output});
  view->ProgramDirOverride = ScratchPath("program");
  view->SettingsDirOverride = ScratchPath("settings");
  tk::Fire(view->on_create);
  tk::Fire(view->on_show);
  tk::Fire(view->on_close);
  tk::Fire(view->on_destroy);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(WindowLoadRun)
