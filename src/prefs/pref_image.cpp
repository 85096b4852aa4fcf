// Preference image: writing the current layout and reading every layout, block by block.
#include "prefs/pref_image.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "prefs/byte_order.h"
#include "strings/fixed_text.h"

namespace vt {

namespace {

// Sizes at which older, shorter layouts give way to the current one.
constexpr std::int64_t kShortNamesUpTo = 47543;     // 16-character names, 50 tags
constexpr std::int64_t kShortFlagsUpTo = 47240;     // 16-bit field option words
constexpr std::int64_t kShortDecimalsUpTo = 47100;  // 50 decimal-places entries

// The block's table as little-endian bytes, element by element.
std::string Encode(const PrefBlock& block, const void* table) {
  const auto* bytes = static_cast<const unsigned char*>(table);
  // On a little-endian machine a table's memory is its bytes in the file.
  if constexpr (std::endian::native == std::endian::little)
    return std::string(reinterpret_cast<const char*>(bytes), block.size);
  std::string out;
  out.reserve(block.size);
  for (std::size_t i = 0; i < block.count(); ++i) {
    const unsigned char* at = bytes + i * block.width;
    switch (block.element) {
      case PrefElement::kText:
        out.append(reinterpret_cast<const char*>(at), block.width);
        break;
      case PrefElement::kInt16: {
        std::int16_t v;
        std::memcpy(&v, at, sizeof v);
        PutLittle(out, static_cast<std::uint16_t>(v), 2);
        break;
      }
      case PrefElement::kInt32:
      case PrefElement::kUInt32: {
        std::uint32_t v;
        std::memcpy(&v, at, sizeof v);
        PutLittle(out, v, 4);
        break;
      }
      case PrefElement::kDouble: {
        double v;
        std::memcpy(&v, at, sizeof v);
        PutDouble(out, v);
        break;
      }
    }
  }
  return out;
}

// The reverse of Encode: `bytes` (exactly the block's size) into the table.
void Decode(const PrefBlock& block, std::string_view bytes, void* table) {
  auto* out = static_cast<unsigned char*>(table);
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, bytes.data(), block.size);
    return;
  }
  for (std::size_t i = 0; i < block.count(); ++i) {
    const char* in = bytes.data() + i * block.width;
    unsigned char* at = out + i * block.width;
    switch (block.element) {
      case PrefElement::kText:
        std::memcpy(at, in, block.width);
        break;
      case PrefElement::kInt16: {
        const auto v = static_cast<std::int16_t>(static_cast<std::uint16_t>(GetLittle(in, 2)));
        std::memcpy(at, &v, sizeof v);
        break;
      }
      case PrefElement::kInt32:
      case PrefElement::kUInt32: {
        const auto v = static_cast<std::uint32_t>(GetLittle(in, 4));
        std::memcpy(at, &v, sizeof v);
        break;
      }
      case PrefElement::kDouble: {
        const double v = GetDouble(in);
        std::memcpy(at, &v, sizeof v);
        break;
      }
    }
  }
}

// Copies a text and its NUL into a field, cut to the field; the bytes after the NUL stay.
void CopyIntoField(char* field, std::size_t width, std::string_view text) {
  const std::size_t n = std::min(text.size(), width - 1);
  std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

// The file as it is read: every block takes its size from the position, whatever is left.
class BlockReader {
 public:
  explicit BlockReader(std::string_view bytes) : bytes_(bytes) {}
  // The bytes of the next `size` that the file holds (fewer, or none, at its end).
  std::string_view Take(std::size_t size) {
    const std::size_t start = std::min(position_, bytes_.size());
    const std::string_view present = bytes_.substr(start, size);
    position_ += size;
    last_whole_ = present.size() == size;
    return present;
  }
  // Whether the last Take found all it asked for.
  bool LastWhole() const { return last_whole_; }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
  bool last_whole_ = false;
};

// A block as stored: the bytes present replace the first bytes of the table's image.
void ReadAsStored(const PrefBlock& block, std::string_view present, void* table) {
  if (present.empty()) return;
  // A whole block replaces the whole image: nothing of the table's own bytes is kept.
  if (present.size() == block.size) return Decode(block, present, table);
  std::string image = Encode(block, table);
  image.replace(0, present.size(), present);
  Decode(block, image, table);
}

// Entries of `from` bytes each, their texts (at most `limit` characters) into the table's
// entries 0.. of `to` bytes; only entries the file holds whole.
void ReadTexts(std::string_view present, std::size_t from, void* table, std::size_t to,
               std::size_t limit) {
  auto* out = static_cast<char*>(table);
  for (std::size_t i = 0; (i + 1) * from <= present.size(); ++i) {
    const std::string_view text = UpToNul(present.substr(i * from, from));
    CopyIntoField(out + i * to, to, text.substr(0, limit));
  }
}

// 32-bit elements into 16-bit ones (their low bits), element i to entry map(i).
template <typename Map>
void ReadNarrowed(std::string_view present, void* table, Map map) {
  auto* out = static_cast<std::int16_t*>(table);
  for (std::size_t i = 0; (i + 1) * 4 <= present.size(); ++i) {
    out[map(i)] =
        static_cast<std::int16_t>(static_cast<std::uint16_t>(GetLittle(present.data() + i * 4, 2)));
  }
}

void ReadWidened(std::string_view present, void* table) {
  auto* out = static_cast<std::uint32_t*>(table);
  for (std::size_t i = 0; (i + 1) * 2 <= present.size(); ++i)
    out[i] = static_cast<std::uint32_t>(GetLittle(present.data() + i * 2, 2));
}

void ReadCaption(const PrefBlock& block, std::string_view present, std::string* caption) {
  if (caption == nullptr) return;
  const bool whole = present.size() == block.size;
  switch (block.number) {
    case kBlockTagTextIn:
    case kBlockMaleTitle:
    case kBlockFemaleTitle:
    case kBlockJointTitle: {
      // Read into a cleared buffer: what the file lacks reads as NUL bytes.
      std::string buffer(block.size, '\0');
      buffer.replace(0, present.size(), present);
      *caption = std::string(UpToNul(buffer));
      return;
    }
    case kBlockDefaultTitle:
      *caption = whole ? std::string(UpToNul(present)) : std::string();
      return;
    default:
      if (whole) *caption = std::string(UpToNul(present));
      return;
  }
}

// One block in the layout that the form and the file's size choose.
void ReadBlock(const PrefBlock& block, BlockReader& file, bool wide, std::int64_t size,
               const PrefTargets& targets) {
  void* table = targets.Table(block.number);
  if (block.kind == PrefBlockKind::kCaption) {
    ReadCaption(block, file.Take(block.size), targets.Caption(block.number));
    return;
  }
  if (block.kind == PrefBlockKind::kItem) {
    const std::string_view present = file.Take(block.size);
    std::int32_t* item = targets.Item(block.number);
    if (item == nullptr) return;
    // The index starts at 0; a block cut short gives it the bytes it holds.
    std::array<char, 4> bytes{};
    std::memcpy(bytes.data(), present.data(), std::min(present.size(), bytes.size()));
    *item = static_cast<std::int32_t>(GetLittle(bytes.data(), bytes.size()));
    return;
  }
  if (table == nullptr) {
    file.Take(block.size);
    return;
  }
  switch (block.number) {
    case kBlockOutputFieldNames:
      if (!wide) return ReadTexts(file.Take(1600), 32, table, 32, 31);
      if (size <= kShortNamesUpTo) return ReadTexts(file.Take(1600), 16, table, 32, 16);
      break;
    case kBlockOutputFieldDefaults:
      if (!wide) return ReadTexts(file.Take(3200), 64, table, 32, 31);
      break;
    case kBlockOutputFieldWidths:
    case kBlockOutputFieldSource:
      if (!wide) return ReadNarrowed(file.Take(200), table, [](std::size_t i) { return i; });
      break;
    case kBlockOutputFieldFlags:
      if (!wide) return ReadAsStored(block, file.Take(200), table);
      if (size <= kShortFlagsUpTo) return ReadWidened(file.Take(200), table);
      break;
    case kBlockDividerMatrix:
      if (!wide) {
        return ReadNarrowed(file.Take(19800), table,
                            [](std::size_t i) { return (i / 50) * 100 + i % 50; });
      }
      break;
    case kBlockOutputFieldDecimals:
      if (size <= kShortDecimalsUpTo) return ReadAsStored(block, file.Take(150), table);
      break;
    case kBlockTagTexts:
      if (size <= kShortNamesUpTo) return ReadTexts(file.Take(3200), 64, table, 64, 63);
      break;
    case kBlockTagOccurrences: {
      auto* occurrences = static_cast<std::int16_t*>(table);
      std::fill(occurrences, occurrences + block.count(), std::int16_t{1});
      if (size <= kShortNamesUpTo) return ReadAsStored(block, file.Take(100), table);
      break;
    }
    default:
      break;
  }
  ReadAsStored(block, file.Take(block.size), table);
}

}  // namespace

bool PrefTargets::Complete() const {
  for (const PrefBlock& block : kPrefBlocks) {
    const Target& t = targets_[static_cast<std::size_t>(block.number)];
    switch (block.kind) {
      case PrefBlockKind::kTable:
        if (t.table == nullptr) return false;
        break;
      case PrefBlockKind::kCaption:
        if (t.caption == nullptr) return false;
        break;
      case PrefBlockKind::kItem:
        if (t.item == nullptr) return false;
        break;
    }
  }
  return true;
}

std::string WritePrefImage(const PrefTargets& targets) {
  assert(targets.Complete() && "every block has its source");
  std::string image;
  image.reserve(kPrefFileSize);
  // The caption blocks share two work buffers, each cleared once: after a text's NUL a block
  // carries the rest of a longer text written before it, as the file has always held.
  std::string short_buffer(64, '\0');
  std::string long_buffer(256, '\0');
  for (const PrefBlock& block : kPrefBlocks) {
    switch (block.kind) {
      case PrefBlockKind::kTable:
        image += Encode(block, targets.Table(block.number));
        break;
      case PrefBlockKind::kCaption: {
        std::string& buffer = block.size == short_buffer.size() ? short_buffer : long_buffer;
        CopyIntoField(buffer.data(), buffer.size(), *targets.Caption(block.number));
        image += buffer;
        break;
      }
      case PrefBlockKind::kItem:
        PutLittle(image, static_cast<std::uint32_t>(*targets.Item(block.number)), 4);
        break;
    }
  }
  assert(image.size() == kPrefFileSize && "the current layout is 53,559 bytes");
  return image;
}

PrefReadReport ReadPrefImage(std::string_view bytes, std::int64_t file_size,
                             const PrefTargets& targets) {
  PrefReadReport report;
  BlockReader file(bytes.substr(0, kPrefFileSize));
  const PrefBlock& first = PrefBlockAt(kBlockOptionFlagsA);
  ReadBlock(first, file, true, file_size, targets);
  report.whole[kBlockOptionFlagsA] = file.LastWhole();
  // The form is told by block 1 alone; a file without it leaves the word as it was.
  std::uint32_t word = 0;
  if (void* table = targets.Table(kBlockOptionFlagsA)) std::memcpy(&word, table, sizeof word);
  const bool wide = (word & kWideLayoutMarker) != 0;
  for (const PrefBlock& block : kPrefBlocks) {
    if (block.number == kBlockOptionFlagsA) continue;
    ReadBlock(block, file, wide, file_size, targets);
    report.whole[static_cast<std::size_t>(block.number)] = file.LastWhole();
  }
  return report;
}

}  // namespace vt
