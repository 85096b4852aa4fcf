// The edits a user makes to the word lists: the slot Add targets, storing an edit cut to its
// slot, deletion with close-up, and the forms in which the lists are shown.
//
// Every editor stores the same way, so the rules live here once, on a run-time view of a
// slot table, and the window only moves text between its boxes and these functions.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vt {

// A word list as `slots` slots of `width` bytes, each a NUL-terminated text.
class SlotTable {
 public:
  SlotTable() = default;
  template <std::size_t N, std::size_t W>
  explicit SlotTable(char (&table)[N][W]) : data_(&table[0][0]), slots_(N), width_(W) {}

  bool Present() const { return data_ != nullptr; }
  std::size_t Slots() const { return slots_; }
  std::size_t Width() const { return width_; }
  // Every byte of the table, used slots or not.
  std::string_view Bytes() const { return {data_, slots_ * width_}; }
  // The text of slot i, never past the slot.
  std::string_view Text(std::size_t i) const;
  // Copies at most width - 1 bytes of text and a NUL into slot i; the bytes after the NUL keep
  // what they held, as the preference file expects.
  void Store(std::size_t i, std::string_view text) const;

 private:
  char* data_ = nullptr;
  std::size_t slots_ = 0;
  std::size_t width_ = 0;
};

// How an editor turns its boxes into slots.
enum class WordEditKind {
  kPaired,   // an entry and its substitute; a blank substitute takes the entry as typed
  kSingle,   // one table, the entry trimmed
  kCapital,  // one table, kept as typed; "<" stands for a final blank
  kPrefix,   // two tables from one box: the first word and an optional second word
  kState,    // a name and its code; a blank code box gives the name's first two letters
};

// The text of the boxes when one of them is left.
struct WordEdit {
  std::string_view entry;
  std::string_view second;  // the substitute or code box; empty for one-box editors
  bool leaving_second = false;
};

// The slot Add offers in an editor of `capacity` slots: the first free slot, or the last slot
// when every slot before it is used.
std::size_t AddTarget(const SlotTable& words, std::size_t capacity);

// Removes row `selected` from each table: every later slot moves up one, rows together, and the
// last slot is emptied. A row past the end of a table is left alone.
void DeleteRow(std::span<const SlotTable> tables, std::size_t selected);

// Stores an edit into `slot`. False when the entry fails the editor's test (empty, or first byte
// below `lowest`) or leaves nothing to store; a stored empty slot would hide every later one.
// When the second box was blank and now shows its stored text, `shown_second` gets that text.
[[nodiscard]] bool StoreWordEdit(WordEditKind kind, char lowest, const SlotTable& words,
                                 const SlotTable& seconds, std::size_t slot, const WordEdit& edit,
                                 std::string& shown_second);

// Slot i as its list row and its entry box show it.
std::string ShownEntry(WordEditKind kind, const SlotTable& words, const SlotTable& seconds,
                       std::size_t i);

// A substitute box counts as blank when empty or when it starts with a blank or control byte.
bool IsBlankBox(std::string_view text);

// The code a state gets when none is typed: the first two bytes of its name, a-z upper-cased.
std::string DefaultStateCode(std::string_view name);

}  // namespace vt
