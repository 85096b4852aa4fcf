// Generated sources: the 110 values the builder computes for every record, by number and name.
#pragma once

#include <string_view>

namespace vt {

inline constexpr int kGeneratedSourceCount = 110;

// The display name of generated source k (0..109); empty outside that range.
std::string_view GeneratedSourceName(int k);

}  // namespace vt
