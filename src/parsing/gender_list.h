// Gender list: the user's own first names with their genders, loaded from gender.txt at start.
#pragma once

#include <array>
#include <cstdint>

namespace vt {

struct GenderList {
  static constexpr int kCapacity = 10000;  // lines read at most
  static constexpr std::size_t kNameLimit = 15;

  // Upper-case names of at most 15 characters; the list ends at the first empty name.
  std::array<std::array<char, 16>, kCapacity + 1> GenderListNames{};
  // +1 male, -1 female, 0 undefined; parallel to the names.
  std::array<std::int16_t, kCapacity + 1> GenderListValues{};

  // A search index over the names, so that a lookup is not a scan of ten thousand entries:
  // entry numbers ordered by name (ASCII case folded), equal names in entry order. Built by
  // IndexGenderList (parsing/gender.h) once the names are loaded; -1: no index, lookups scan.
  std::array<std::uint16_t, kCapacity> SortedEntries{};
  std::int32_t IndexedCount = -1;
};

}  // namespace vt
