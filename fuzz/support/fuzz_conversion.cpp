// Fuzz conversion: the sample with patches the input picks in the blocks of the preference file
// (so that every table holds what a hostile file may hold), an input file of any kind, a run
// that may append to an existing file, interleave, and hand its combinations to a plug-in whose
// answer is part of the input.
#include "support/fuzz_conversion.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "output/plug_in.h"
#include "output/writers/writers.h"
#include "support/fuzz_run.h"
#include "support/fuzz_setup.h"

namespace vt::fuzz {
namespace {

constexpr InputKind kKinds[] = {InputKind::kComma,  InputKind::kTab,     InputKind::kSpecial,
                                InputKind::kFixed,  InputKind::kWebForm, InputKind::kPage,
                                InputKind::kBinary, InputKind::kDbase};

// A plug-in that answers with bytes of the input, or leaves none, without starting anything.
class ScriptedPlugIn : public PlugIn {
 public:
  ScriptedPlugIn(PlugInOutcome outcome, std::string answer)
      : outcome_(outcome), answer_(std::move(answer)) {}
  PlugInOutcome Exchange(std::string_view, std::string& answer) override {
    answer = answer_;
    return outcome_;
  }

 private:
  PlugInOutcome outcome_;
  std::string answer_;
};

}  // namespace

bool ConvertPatchedSample(FuzzInput& fuzz, int parse_workers) {
  const auto s = std::make_unique<SetUp>();
  PatchSample(fuzz, *s);
  const InputKind kind = fuzz.Pick(kKinds);
  const auto writers = WriterTable();
  const OutputFormat format = writers[fuzz.IntIn<std::size_t>(0, writers.size() - 1)].format;
  RunPlan plan = PlanOfSetUp(*s, kind, format);
  plan.parse_workers = parse_workers;
  plan.limit_1000 = fuzz.Bool();
  plan.header_block = fuzz.Text(16);
  plan.trailer_block = fuzz.Text(16);
  // Sheet options a patch reaches only through a bit of an option word, drawn straight.
  BuildRequest& r = plan.build;
  r.evaluate = r.evaluate || fuzz.Bool();
  r.city_in_street = fuzz.Bool();
  r.name_options.guess_title = fuzz.Bool();
  UtcTime time;
  SmallEnvironment environment;
  r.local_time = &time;
  r.environment = &environment;
  const auto outcome = static_cast<PlugInOutcome>(fuzz.IntIn(0, 1));
  ScriptedPlugIn plug_in(outcome, fuzz.Text(64));
  if (fuzz.Bool()) r.plug_in = &plug_in;
  RunOutput output;
  output.append = fuzz.Bool();
  if (output.append) output.existing = fuzz.Text(512);

  if (!OpenInput(s->in, kind, fuzz.Rest())) return false;
  PreviewFirstRecord(*s, plan);
  (void)RunConversion(*s, plan, output);
  return true;
}

}  // namespace vt::fuzz
