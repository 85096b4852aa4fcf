// Fuzz targets: one function per target, each reading its choices and file from a FuzzInput.
// libFuzzer calls them through VONTRASK_FUZZ_ENTRY; the replay tests call them directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "support/fuzz_input.h"

namespace vt::fuzz {

// Engines.
void InputText(FuzzInput& fuzz);
void InputPage(FuzzInput& fuzz);
void InputBinary(FuzzInput& fuzz);
void InputDbase(FuzzInput& fuzz);
void Conversion(FuzzInput& fuzz);
void ConversionParallel(FuzzInput& fuzz);
void Street(FuzzInput& fuzz);
void City(FuzzInput& fuzz);
void PersonName(FuzzInput& fuzz);
void Phone(FuzzInput& fuzz);
void Dates(FuzzInput& fuzz);
void Evaluator(FuzzInput& fuzz);
void Ini(FuzzInput& fuzz);
void GenderListFile(FuzzInput& fuzz);
void PrefFile(FuzzInput& fuzz);
// The window.
void WindowLoadRun(FuzzInput& fuzz);

// Runs a target over saved bytes, as libFuzzer does.
inline void Replay(void (*target)(FuzzInput&), std::span<const std::uint8_t> bytes) {
  FuzzInput fuzz(bytes.data(), bytes.size());
  target(fuzz);
}

}  // namespace vt::fuzz
