// Preference images: the current layout round trip, every older layout and every truncation.
// Fixtures are built here from the block sizes with a distinct sentinel in every element; what
// a read must give is written from the layout rules, never taken from the reader.
#include "prefs/pref_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "prefs/byte_order.h"
#include "prefs/pref_tables.h"

namespace vt {
namespace {

// Every table of the file, bound.
struct Tables {
  InputTables in;
  OutputTables out;
  WordLists words;
  PrefStaging staging;
  PrefCaptions captions;
  PrefTargets targets = BindPrefTargets(in, out, words, staging, captions);
};

char* Bytes(const Tables& t, int number) {
  return static_cast<char*>(t.targets.Table(number));
}

// The sentinel of element i of block n in a file written with `salt`: distinct in every element
// of a block, and never 0 for numbers.
std::uint32_t Sentinel(int n, std::size_t i, int salt) {
  return static_cast<std::uint32_t>(n * 9901 + static_cast<int>(i) + salt * 131 + 1);
}
std::string SentinelText(int n, std::size_t i, int salt, std::size_t width) {
  std::string text = "s" + std::to_string(salt) + "b" + std::to_string(n) + "e" +
                     std::to_string(i) + "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx";
  text.resize(std::min(text.size(), width - 1 - (i % 3)));  // texts of several lengths
  return text;
}

// An element of `width` bytes of a fixture file.
void PutElement(std::string& out, PrefElement element, std::size_t width, int n, std::size_t i,
                int salt) {
  if (element == PrefElement::kText) {
    std::string field = SentinelText(n, i, salt, width);
    field.push_back('\0');
    while (field.size() < width) field.push_back(static_cast<char>('A' + (field.size() % 26)));
    out += field;
    return;
  }
  if (element == PrefElement::kDouble) return PutDouble(out, Sentinel(n, i, salt) + 0.25);
  PutLittle(out, Sentinel(n, i, salt), width);
}

// Fills every table as a file written with `salt` would, through the bytes the writer reads.
void Fill(Tables& t, int salt) {
  for (const PrefBlock& block : kPrefBlocks) {
    if (block.kind == PrefBlockKind::kCaption) {
      *t.targets.Caption(block.number) = SentinelText(block.number, 0, salt, block.size);
      continue;
    }
    if (block.kind == PrefBlockKind::kItem) {
      *t.targets.Item(block.number) = static_cast<std::int32_t>(Sentinel(block.number, 0, salt));
      continue;
    }
    std::string bytes;
    for (std::size_t i = 0; i < block.count(); ++i)
      PutElement(bytes, block.element, block.width, block.number, i, salt);
    // The tables hold little-endian bytes only on this machine's order; decode element-wise.
    char* table = Bytes(t, block.number);
    for (std::size_t i = 0; i < block.count(); ++i) {
      const char* in = bytes.data() + i * block.width;
      char* at = table + i * block.width;
      switch (block.element) {
        case PrefElement::kText:
          std::memcpy(at, in, block.width);
          break;
        case PrefElement::kInt16: {
          const auto v = static_cast<std::uint16_t>(GetLittle(in, 2));
          std::memcpy(at, &v, 2);
          break;
        }
        case PrefElement::kInt32:
        case PrefElement::kUInt32: {
          const auto v = static_cast<std::uint32_t>(GetLittle(in, 4));
          std::memcpy(at, &v, 4);
          break;
        }
        case PrefElement::kDouble: {
          const double v = GetDouble(in);
          std::memcpy(at, &v, 8);
          break;
        }
      }
    }
  }
  t.staging.OptionFlagsA |= kWideLayoutMarker;
}

TEST(PrefImage, CurrentLayoutRoundTripsByteForByte) {
  auto saved = std::make_unique<Tables>();
  Fill(*saved, 1);
  const std::string image = WritePrefImage(saved->targets);
  ASSERT_EQ(image.size(), kPrefFileSize);
  EXPECT_EQ(image.substr(0, 4), image.substr(27520, 4)) << "blocks 1 and 19";
  EXPECT_EQ(image.substr(27488, 4), image.substr(28051, 4)) << "blocks 11 and 26";

  auto loaded = std::make_unique<Tables>();
  Fill(*loaded, 2);
  ReadPrefImage(image, static_cast<std::int64_t>(image.size()), loaded->targets);
  EXPECT_EQ(WritePrefImage(loaded->targets), image);
  for (const PrefBlock& block : kPrefBlocks) {
    if (block.kind != PrefBlockKind::kTable) continue;
    SCOPED_TRACE(block.name);
    EXPECT_EQ(std::memcmp(Bytes(*loaded, block.number), Bytes(*saved, block.number), block.size),
              0);
  }
  EXPECT_EQ(loaded->captions.DefaultTitleIn, saved->captions.DefaultTitleIn);
  EXPECT_EQ(loaded->captions.InterLeafItem, saved->captions.InterLeafItem);
}

TEST(PrefImage, CaptionBlocksShareTheirBuffersInOrder) {
  auto t = std::make_unique<Tables>();
  t->captions.TagTextIn = "Page";
  t->captions.MaleTitleIn = "Mr";
  t->captions.FemaleTitleIn = std::string(80, 'F');  // longer than its field: cut to 63
  t->captions.JointTitleIn = "";
  t->captions.HeaderBlockFile = "/a/long/header/path";
  t->captions.TrailerBlockFile = "/t";
  const std::string image = WritePrefImage(t->targets);
  EXPECT_EQ(image.substr(52043, 6), std::string("Mr\0e\0\0", 6)) << "the rest of Page";
  EXPECT_EQ(image.substr(52107, 64), std::string(63, 'F') + '\0');
  EXPECT_EQ(image.substr(52171, 64), '\0' + std::string(62, 'F') + '\0');
  EXPECT_EQ(image.substr(52891, 8), std::string("/t\0long/", 8));
}

// One layout of a file: its form, its size and the element width of the blocks that vary.
struct Layout {
  const char* name;
  bool wide;
  std::int64_t size;
  std::size_t names_width;  // block 2 entries: 32, or 16 in the short 100-field form
  std::size_t flag_width;   // block 5 elements: 4 or 2
  std::size_t decimals;     // block 44 entries: 100 or 50
  std::size_t tags;         // block 53 and 60 entries: 100 or 50
};

// A fixture file of that layout, every element a sentinel of salt 1; ends[n] is where block n
// ends in it.
std::string Fixture(const Layout& l, std::array<std::size_t, kPrefBlockCount + 1>& ends) {
  std::string out;
  for (const PrefBlock& b : kPrefBlocks) {
    std::size_t count = b.count();
    std::size_t width = b.width;
    PrefElement element = b.element;
    const int n = b.number;
    if (!l.wide && n >= 2 && n <= 8 && n != 7) {
      count = 50;
      width = n == 2 ? 32 : n == 3 ? 64 : 4;
      if (n == 6) count = 99 * 50;
      if (n != 2 && n != 3) element = PrefElement::kInt32;
    }
    if (l.wide && n == 2) width = l.names_width;
    if (l.wide && n == 5) width = l.flag_width;
    if (n == 44) count = l.decimals;
    if (n == 53 || n == 60) count = l.tags;
    if (n == 1) {
      PutLittle(out, l.wide ? kWideLayoutMarker | 1 : 1, 4);
    } else {
      for (std::size_t i = 0; i < count; ++i) PutElement(out, element, width, n, i, 1);
    }
    ends[static_cast<std::size_t>(n)] = out.size();
  }
  return out;
}

std::string Text(const char* field, std::size_t width) {
  return std::string(field, strnlen(field, width));
}

TEST(PrefImage, OlderLayoutsReadAsTheirFormAndSizeSay) {
  const Layout layouts[] = {
      {"current", true, 53559, 32, 4, 100, 100},
      {"names of 16, 50 tags", true, 47543, 16, 4, 100, 50},
      {"and 16-bit options, to block 58", true, 47239, 16, 2, 100, 50},
      {"and 50 decimals, to block 59", true, 47093, 16, 2, 50, 50},
      {"50 fields, to block 59", false, 47093, 32, 2, 50, 50},
      {"50 fields, long file", false, 53000, 32, 4, 100, 100},
  };
  for (const Layout& l : layouts) {
    SCOPED_TRACE(l.name);
    std::array<std::size_t, kPrefBlockCount + 1> ends{};
    std::string file = Fixture(l, ends);
    file.resize(static_cast<std::size_t>(std::min<std::int64_t>(l.size, file.size())));
    auto holds = [&](int n) { return ends[static_cast<std::size_t>(n)] <= file.size(); };
    auto before = std::make_unique<Tables>();
    Fill(*before, 2);
    auto t = std::make_unique<Tables>();
    Fill(*t, 2);
    ReadPrefImage(file, l.size, t->targets);
    const std::size_t fields = l.wide ? 100 : 50;
    for (std::size_t i : {std::size_t{0}, std::size_t{7}, fields - 1}) {
      SCOPED_TRACE(i);
      // Names: the entry's text, cut at 16 or 31, into the 32-byte entry.
      EXPECT_EQ(Text(t->out.OutputFieldNameTable[i].data(), 32),
                SentinelText(2, i, 1, l.names_width));
      if (!l.wide) {
        EXPECT_EQ(Text(t->out.OutputFieldDefaults[i].data(), 32),
                  SentinelText(3, i, 1, 64).substr(0, 31));
      }
      EXPECT_EQ(t->out.OutputFieldWidths[i], static_cast<std::int16_t>(Sentinel(4, i, 1)));
      const std::uint32_t flags = Sentinel(5, i, 1);
      EXPECT_EQ(t->out.OutputFieldFlags[i], l.flag_width == 2 ? (flags & 0xFFFF) : flags);
      EXPECT_EQ(t->out.OutputFieldSource[i], static_cast<std::int16_t>(Sentinel(8, i, 1)));
      EXPECT_EQ(t->in.DividerMatrix[98][i],
                static_cast<std::int16_t>(Sentinel(6, 98 * fields + i, 1)));
    }
    if (!l.wide) {
      EXPECT_EQ(t->out.OutputFieldWidths[50], before->out.OutputFieldWidths[50]);
      EXPECT_EQ(t->in.DividerMatrix[3][99], before->in.DividerMatrix[3][99]);
      EXPECT_EQ(t->out.OutputFieldNameTable[60], before->out.OutputFieldNameTable[60]);
    }
    EXPECT_EQ(Text(t->out.OutputFieldDecimals[l.decimals - 1].data(), 3),
              SentinelText(44, l.decimals - 1, 1, 3));
    if (l.decimals == 50) {
      EXPECT_EQ(t->out.OutputFieldDecimals[50], before->out.OutputFieldDecimals[50]);
    }
    EXPECT_EQ(Text(t->in.TagTexts[l.tags - 1].data(), 64), SentinelText(53, l.tags - 1, 1, 64));
    if (l.tags == 50) {
      EXPECT_EQ(t->in.TagTexts[50], before->in.TagTexts[50]);
    }
    const std::int16_t occurrence =
        holds(60) ? static_cast<std::int16_t>(Sentinel(60, l.tags - 1, 1)) : 1;
    EXPECT_EQ(t->in.TagOccurrences[l.tags - 1], occurrence);
    EXPECT_EQ(t->in.TagOccurrences[99],
              l.tags == 100 && holds(60) ? static_cast<std::int16_t>(Sentinel(60, 99, 1)) : 1);
    EXPECT_EQ(t->captions.InterLeafItem,
              holds(59) ? static_cast<std::int32_t>(Sentinel(59, 0, 1)) : 0);
    // Blocks after the ones that vary sit where the layout puts them.
    EXPECT_EQ(t->out.OutputFieldCount, static_cast<std::int32_t>(Sentinel(7, 0, 1)));
    EXPECT_EQ(t->staging.SplitFlags, Sentinel(58, 0, 1));
    if (l.size >= static_cast<std::int64_t>(file.size()) && file.size() == kPrefFileSize) {
      EXPECT_EQ(t->captions.DefaultTitleIn, SentinelText(70, 0, 1, 64));
    }
  }
}

TEST(PrefImage, ATruncatedFileReadsWhatItHolds) {
  auto source = std::make_unique<Tables>();
  Fill(*source, 1);
  const std::string image = WritePrefImage(source->targets);
  for (const PrefBlock& cut_block : kPrefBlocks) {
    // At the block's start, and inside its second element (or its first byte).
    for (std::size_t cut :
         {cut_block.offset,
          cut_block.offset + std::min<std::size_t>(cut_block.width + 1, cut_block.size - 1)}) {
      SCOPED_TRACE(std::string(cut_block.name) + " cut at " + std::to_string(cut));
      auto before = std::make_unique<Tables>();
      Fill(*before, 3);
      auto t = std::make_unique<Tables>();
      Fill(*t, 3);
      ReadPrefImage(image.substr(0, cut), static_cast<std::int64_t>(kPrefFileSize), t->targets);
      for (const PrefBlock& b : kPrefBlocks) {
        if (b.kind != PrefBlockKind::kTable || b.number == 19 || b.number == 26) continue;
        const char* got = Bytes(*t, b.number);
        if (b.offset + b.size <= cut) {
          EXPECT_EQ(std::memcmp(got, Bytes(*source, b.number), b.size), 0) << b.name;
        } else if (b.number == kBlockTagOccurrences) {
          // Preset to 1, then the file's bytes over the first ones.
        } else if (b.offset >= cut) {
          EXPECT_EQ(std::memcmp(got, Bytes(*before, b.number), b.size), 0) << b.name;
        }
      }
      // The block cut in its second element: its first element is read, the rest kept.
      if (cut > cut_block.offset && cut_block.kind == PrefBlockKind::kTable &&
          cut_block.count() > 2 && cut_block.number != kBlockTagOccurrences) {
        const char* got = Bytes(*t, cut_block.number);
        EXPECT_EQ(std::memcmp(got, Bytes(*source, cut_block.number), cut_block.width), 0);
        EXPECT_EQ(
            std::memcmp(got + 2 * cut_block.width,
                        Bytes(*before, cut_block.number) + 2 * cut_block.width, cut_block.width),
            0);
      }
      // The item starts at 0 and takes the bytes the file holds of it.
      const std::size_t item_at = PrefBlockAt(kBlockInterLeaf).offset;
      const std::size_t item_bytes = std::clamp(cut, item_at, item_at + 4) - item_at;
      const std::uint64_t item_mask = (std::uint64_t{1} << (8 * item_bytes)) - 1;
      EXPECT_EQ(static_cast<std::uint32_t>(t->captions.InterLeafItem),
                static_cast<std::uint32_t>(source->captions.InterLeafItem) & item_mask);
      const bool has_title = cut == kPrefFileSize;
      EXPECT_EQ(t->captions.DefaultTitleIn, has_title ? source->captions.DefaultTitleIn : "");
      if (cut < PrefBlockAt(kBlockMaleTitle).offset) {
        EXPECT_EQ(t->captions.MaleTitleIn, "");
      }
      if (cut <= PrefBlockAt(kBlockPlugInProg).offset + 63) {
        EXPECT_EQ(t->captions.PlugInProg, before->captions.PlugInProg);
      }
    }
  }
}

TEST(PrefImage, BadFilesReadWithoutHarm) {
  const std::string all_ff(kPrefFileSize, '\xFF');
  const struct {
    const char* name;
    std::string bytes;
    std::int64_t size;
  } rows[] = {
      {"empty", "", 0},
      {"one byte", "\x01", 1},
      {"one byte too many", std::string(kPrefFileSize + 1, '\x07'), kPrefFileSize + 1},
      {"all 0xFF", all_ff, kPrefFileSize},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    auto t = std::make_unique<Tables>();
    ReadPrefImage(row.bytes, row.size, t->targets);
    EXPECT_EQ(WritePrefImage(t->targets).size(), kPrefFileSize);
  }
  auto t = std::make_unique<Tables>();
  ReadPrefImage(all_ff, kPrefFileSize, t->targets);
  EXPECT_EQ(t->out.OutputFieldCount, -1) << "stored as read; users bound it";
  EXPECT_EQ(t->captions.DefaultTitleIn.size(), 64u) << "a field without a NUL ends at its width";
}

}  // namespace
}  // namespace vt
