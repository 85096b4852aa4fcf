// Fuzz target: a preference file of any size, in any layout, read as Load Saved Preferences and
// Copy Output Format read it; then the engines' part of a Load: the sample input of the loaded
// input kind opened, its first record cut and built, and the whole of it converted. Saved
// again, the loaded set-up reads back to the bytes it saved.
#include <memory>
#include <string>

#include "prefs/pref_file.h"
#include "prefs/pref_image.h"
#include "support/fuzz_files.h"
#include "support/fuzz_input.h"
#include "support/fuzz_run.h"
#include "support/fuzz_samples.h"
#include "support/fuzz_setup.h"
#include "support/fuzz_targets.h"

namespace vt::fuzz {

namespace {

// Save, load, save: the second save gives the first one's bytes.
void SavesAsItLoads(SetUp& loaded) {
  // A save marks the current layout, as the window's gathering of the option words does.
  loaded.staging.OptionFlagsA |= kWideLayoutMarker;
  const std::string saved = WritePrefImage(loaded.Targets());
  const auto again = std::make_unique<SetUp>();
  (void)ReadPrefImage(saved, static_cast<std::int64_t>(saved.size()), again->Targets());
  Require(WritePrefImage(again->Targets()) == saved);
}

}  // namespace

void PrefFile(FuzzInput& fuzz) {
  const std::string path = ScratchPath("setup.vnq");
  const std::string bytes = fuzz.Rest();
  WriteScratch(path, bytes);
  const auto s = std::make_unique<SetUp>();
  const PrefFileRead read = ReadPreferenceFile(path, s->Targets());
  Require(read.opened == !bytes.empty());
  if (!read.opened) return;

  const auto copy = std::make_unique<PrefCopyTables>();
  const auto other = std::make_unique<SetUp>();
  (void)ReadPreferenceFile(
      path, BindCopyTargets(other->out, other->words, other->staging, other->captions, *copy));

  const InputKind kind = KindOfOptions(s->staging.OptionFlagsB);
  const OutputFormat format = FormatOfOptions(s->staging.OptionFlagsA, s->staging.OptionFlagsB);
  RunPlan plan = PlanOfSetUp(*s, kind, format);
  UtcTime time;
  SmallEnvironment environment;
  plan.build.local_time = &time;
  plan.build.environment = &environment;
  if (OpenInput(s->in, kind, SampleInput(kind))) {
    PreviewFirstRecord(*s, plan);
    (void)RunConversion(*s, plan, {});
  }
  SavesAsItLoads(*s);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(PrefFile)
