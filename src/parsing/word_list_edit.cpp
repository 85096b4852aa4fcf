// The word-list edits: Add targets, stores cut to the slot, deletion and the shown forms.
#include "parsing/word_list_edit.h"

#include <cstring>

#include "strings/char_class.h"
#include "strings/edit.h"
#include "strings/words.h"

namespace vt {

namespace {

// The two-letter state code.
constexpr std::size_t kCodeLetters = 2;

bool PassesEntryTest(std::string_view text, char lowest) {
  return !text.empty() && static_cast<unsigned char>(text[0]) >= static_cast<unsigned char>(lowest);
}

// The text a slot of `table` would hold.
std::string_view CutToSlot(std::string_view text, const SlotTable& table) {
  return text.substr(0, table.Width() - 1);
}

std::string Trimmed(std::string_view text) {
  std::string trimmed(text);
  TrimTrailing(trimmed);
  return trimmed;
}

// The entry box of a capitalisation exception shows a final blank as "<".
std::string CapitalFromBox(std::string_view text, const SlotTable& table) {
  std::string entry(CutToSlot(text, table));
  if (entry.ends_with('<')) entry.back() = ' ';
  return entry;
}

// The second box shows the text now in the second table's slot.
void ShowStored(const SlotTable& seconds, std::size_t slot, std::string& shown_second) {
  shown_second = seconds.Text(slot);
}

bool StorePaired(const SlotTable& words, const SlotTable& seconds, std::size_t slot,
                 const WordEdit& edit, std::string& shown_second) {
  const std::string entry = Trimmed(CutToSlot(edit.entry, words));
  if (entry.empty()) return false;
  words.Store(slot, entry);
  if (!IsBlankBox(edit.second)) {
    seconds.Store(slot, edit.second);
    return true;
  }
  // The untrimmed entry: "Dr." is stored as "Dr" with the substitute "Dr.".
  seconds.Store(slot, edit.entry);
  ShowStored(seconds, slot, shown_second);
  return true;
}

bool StorePrefix(const SlotTable& words, const SlotTable& seconds, std::size_t slot,
                 const WordEdit& edit) {
  std::string first;
  std::string second;
  std::string rest;
  SplitWords(edit.entry, first, second, rest);
  if (first.empty()) return false;
  words.Store(slot, first);
  seconds.Store(slot, second);
  return true;
}

bool StoreState(const SlotTable& names, const SlotTable& codes, std::size_t slot,
                const WordEdit& edit, std::string& shown_second) {
  const std::string_view name = CutToSlot(edit.entry, names);
  const std::string trimmed = Trimmed(name);
  if (trimmed.empty()) return false;
  const bool blank_code = IsBlankBox(edit.second);
  if (blank_code) {
    codes.Store(slot, DefaultStateCode(name));
    ShowStored(codes, slot, shown_second);
  }
  if (!edit.leaving_second) {
    // A typed code waits for the code box's own exit.
    names.Store(slot, trimmed);
    return true;
  }
  // Leaving the code box trims the code and leaves the name as typed.
  names.Store(slot, name);
  codes.Store(slot, Trimmed(blank_code ? codes.Text(slot) : CutToSlot(edit.second, codes)));
  return true;
}

}  // namespace

std::string_view SlotTable::Text(std::size_t i) const {
  const char* slot = data_ + i * width_;
  const void* nul = std::memchr(slot, '\0', width_);
  return {slot,
          nul == nullptr ? width_ : static_cast<std::size_t>(static_cast<const char*>(nul) - slot)};
}

void SlotTable::Store(std::size_t i, std::string_view text) const {
  char* slot = data_ + i * width_;
  const std::size_t n = text.size() < width_ - 1 ? text.size() : width_ - 1;
  if (n != 0) std::memmove(slot, text.data(), n);
  slot[n] = '\0';
}

std::size_t AddTarget(const SlotTable& words, std::size_t capacity) {
  std::size_t used = 0;
  while (used + 1 < capacity && !words.Text(used).empty()) ++used;
  return used;
}

void DeleteRow(std::span<const SlotTable> tables, std::size_t selected) {
  for (const SlotTable& table : tables) {
    const std::size_t slots = table.Slots();
    if (selected >= slots) continue;
    for (std::size_t i = selected; i + 1 < slots; ++i) table.Store(i, table.Text(i + 1));
    // Left as it was, the last entry would stand twice.
    table.Store(slots - 1, "");
  }
}

bool StoreWordEdit(WordEditKind kind, char lowest, const SlotTable& words, const SlotTable& seconds,
                   std::size_t slot, const WordEdit& edit, std::string& shown_second) {
  if (!PassesEntryTest(edit.entry, lowest)) return false;
  switch (kind) {
    case WordEditKind::kPaired:
      return StorePaired(words, seconds, slot, edit, shown_second);
    case WordEditKind::kSingle: {
      const std::string entry = Trimmed(CutToSlot(edit.entry, words));
      if (entry.empty()) return false;
      words.Store(slot, entry);
      return true;
    }
    case WordEditKind::kCapital:
      words.Store(slot, CapitalFromBox(edit.entry, words));
      return true;
    case WordEditKind::kPrefix:
      return StorePrefix(words, seconds, slot, edit);
    case WordEditKind::kState:
      return StoreState(words, seconds, slot, edit, shown_second);
  }
  return false;
}

std::string ShownEntry(WordEditKind kind, const SlotTable& words, const SlotTable& seconds,
                       std::size_t i) {
  std::string shown(words.Text(i));
  switch (kind) {
    case WordEditKind::kPaired:
    case WordEditKind::kSingle:
    case WordEditKind::kState:
      return shown;
    case WordEditKind::kCapital:
      if (shown.ends_with(' ')) shown.back() = '<';
      return shown;
    case WordEditKind::kPrefix:
      shown += ' ';
      shown += seconds.Text(i);
      TrimTrailing(shown);
      return shown;
  }
  return shown;
}

bool IsBlankBox(std::string_view text) {
  return text.empty() || static_cast<unsigned char>(text[0]) <= ' ';
}

std::string DefaultStateCode(std::string_view name) {
  std::string code(name.substr(0, kCodeLetters));
  for (char& c : code) c = UpperAscii(c);
  return code;
}

}  // namespace vt
