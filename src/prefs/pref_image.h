// Preference image: the bytes of a preference file made from the set-up's tables, and read back
// into them, in the current layout and every older one.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "prefs/pref_layout.h"

namespace vt {

// Where each block's values live: a table of the block's size and element type, the text of a
// caption block, or the item index of an item block. Bound once per save or read; a block bound
// to a scratch table is read and dropped.
class PrefTargets {
 public:
  template <int Number, typename Table>
  void BindTable(Table& table) {
    constexpr PrefBlock block = PrefBlockAt(Number);
    static_assert(block.kind == PrefBlockKind::kTable, "a table block");
    static_assert(sizeof(Table) == block.size, "the table is exactly the block's size");
    static_assert(sizeof(Element<Table>) == block.width || block.element == PrefElement::kText,
                  "the table's elements are the block's");
    static_assert(std::is_trivially_copyable_v<Table>, "a plain table");
    targets_[Number].table = &table;
  }
  void BindCaption(int number, std::string& text) {
    assert(PrefBlockAt(number).kind == PrefBlockKind::kCaption && "a caption block");
    targets_[static_cast<std::size_t>(number)].caption = &text;
  }
  void BindItem(int number, std::int32_t& index) {
    assert(PrefBlockAt(number).kind == PrefBlockKind::kItem && "an item block");
    targets_[static_cast<std::size_t>(number)].item = &index;
  }

  void* Table(int number) const { return targets_[static_cast<std::size_t>(number)].table; }
  std::string* Caption(int number) const {
    return targets_[static_cast<std::size_t>(number)].caption;
  }
  std::int32_t* Item(int number) const { return targets_[static_cast<std::size_t>(number)].item; }
  // Every block has its target.
  bool Complete() const;

 private:
  template <typename T>
  struct ElementOf {
    using type = T;
  };
  template <typename T, std::size_t N>
  struct ElementOf<std::array<T, N>> {
    using type = typename ElementOf<T>::type;
  };
  template <typename T, std::size_t N>
  struct ElementOf<T[N]> {
    using type = typename ElementOf<T>::type;
  };
  template <typename T>
  using Element = typename ElementOf<T>::type;

  struct Target {
    void* table = nullptr;
    std::string* caption = nullptr;
    std::int32_t* item = nullptr;
  };
  std::array<Target, kPrefBlockCount + 1> targets_{};  // by block number; 0 unused
};

// The 53,559 bytes of the current layout. Caption texts longer than their field are cut to it.
[[nodiscard]] std::string WritePrefImage(const PrefTargets& targets);

// Which blocks a read found whole in the file.
struct PrefReadReport {
  std::array<bool, kPrefBlockCount + 1> whole{};  // by block number
  bool Whole(int number) const { return whole[static_cast<std::size_t>(number)]; }
};

// Reads a preference file's bytes into the targets. `file_size` is the size of the whole file
// (the layout is told from it and from bit 0x8000 of block 1); `bytes` are its first bytes, at
// most kPrefFileSize. A block beyond the end changes nothing, except: the item of block 59
// becomes 0 (cut short, it takes the bytes present over 0), the captions of blocks 54 to 57 and 70
// become empty, and every entry of block 60 becomes 1 before it is read. Captions 61 to 65 and 67
// take a text only from a whole block.
PrefReadReport ReadPrefImage(std::string_view bytes, std::int64_t file_size,
                             const PrefTargets& targets);

}  // namespace vt
