// Fuzz target: the settings file reader and writer over any file a user or another program may
// leave in the settings folder. A value written is read back as written (less its blanks).
#include <string>

#include "support/fuzz_files.h"
#include "support/fuzz_input.h"
#include "support/fuzz_targets.h"
#include "support/fuzz_words.h"
#include "toolkit/services/ini_settings_store.h"

namespace vt::fuzz {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

void Ini(FuzzInput& fuzz) {
  const std::string section = fuzz.Text(12);
  const std::string key = fuzz.Text(12);
  const std::string value = fuzz.Text(40);
  const std::string other = fuzz.Text(12);
  const std::string path = ScratchPath("vontrask.ini");
  WriteScratch(path, fuzz.Rest());

  tk::IniSettingsStore store;
  (void)store.Read(path, section, key, "fallback", 255);
  (void)store.Read(path, other, key, "", 0);
  (void)tk::ini_internal::FindValue(ReadScratch(path), other, other);
  if (!store.Write(path, section, key, value)) return;
  std::string_view expected = value;
  while (!expected.empty() && IsBlank(expected.front())) expected.remove_prefix(1);
  while (!expected.empty() && IsBlank(expected.back())) expected.remove_suffix(1);
  Require(store.Read(path, section, key, "", value.size() + 1) == expected);
}

}  // namespace vt::fuzz

VONTRASK_FUZZ_ENTRY(Ini)
