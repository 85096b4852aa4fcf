// Delimited splitting: the comma rules with quotes, other delimiters, limits.
#include "input/delimited_split.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace vt {
namespace {

std::vector<std::string> Fields(int count, const std::vector<std::string>& values) {
  return std::vector<std::string>(values.begin() + 1, values.begin() + 1 + count);
}

// The fields of the copying cut, which the cut into views (a run's) must give too, also when it
// may read whole blocks past the record's end in the line's buffer.
std::vector<std::string> CommaFields(const std::string& record) {
  std::vector<std::string> values;
  std::vector<std::string_view> views;
  const int count = SplitCommaRecord(record, values);
  const int viewed = SplitCommaViews(record, views);
  EXPECT_EQ(std::vector<std::string>(views.begin() + 1, views.begin() + 1 + viewed),
            Fields(count, values))
      << "the cut into views differs";
  std::string line;
  line.reserve(512);
  line.assign(record);
  line.append(300, ',');  // past the record, in the buffer the cut may read
  const std::string_view within(line.data(), record.size());
  const int whole = SplitCommaViews(within, views, SplitLimits{.readable = line.size()});
  EXPECT_EQ(std::vector<std::string>(views.begin() + 1, views.begin() + 1 + whole),
            Fields(count, values))
      << "the cut of whole blocks differs";
  return Fields(count, values);
}

std::vector<std::string> DelimitedFields(const std::string& record, char delimiter) {
  std::vector<std::string> values;
  std::vector<std::string_view> views;
  const int count = SplitDelimitedRecord(record, delimiter, values);
  const int viewed = SplitDelimitedViews(record, delimiter, views);
  EXPECT_EQ(std::vector<std::string>(views.begin() + 1, views.begin() + 1 + viewed),
            Fields(count, values))
      << "the cut into views differs";
  return Fields(count, values);
}

TEST(SplitCommaRecord, Rows) {
  const struct {
    const char* name;
    std::string record;
    std::vector<std::string> fields;
  } rows[] = {
      {"empty line", "", {}},
      {"plain", "a,b,c", {"a", "b", "c"}},
      {"empty middle field", "a,,b", {"a", "", "b"}},
      {"trailing comma makes no empty field", "a,b,", {"a", "b"}},
      {"leading comma", ",a", {"", "a"}},
      {"quoted with comma", "\"Smith, John\",42", {"Smith, John", "42"}},
      {"inner quote stays", "\"say \"hi\" now\",x", {"say \"hi\" now", "x"}},
      {"quoted fields, final quote dropped", "\"a\",\"b\"", {"a", "b"}},
      {"open quote runs to the end", "\"a,b", {"a,b"}},
      {"quote only at field start", "a\"b,c", {"a\"b", "c"}},
      {"doubled quote is no escape", "\"a\"\"b\",c", {"a\"\"b", "c"}},
      {"blanks kept", " a , b ", {" a ", " b "}},
      {"lone quote", "\"", {}},
      {"quote then comma looks for a closing quote", "\",x", {",x"}},
      {"a NUL is data", std::string("a,b\0,c", 6), {"a", std::string("b\0", 2), "c"}},
      {"high bytes", "\xE9t\xE9,\xFF", {"\xE9t\xE9", "\xFF"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(CommaFields(row.record), row.fields);
  }
}

TEST(SplitCommaRecord, KeepsTheFirst1500FieldsAndCutsValues) {
  std::string record;
  for (int i = 1; i <= 1502; ++i) record += std::to_string(i) + ",";
  std::vector<std::string> values;
  EXPECT_EQ(SplitCommaRecord(record, values), 1500);
  EXPECT_EQ(values[1500], "1500");
  const std::string long_value(1300, 'x');
  EXPECT_EQ(SplitCommaRecord(long_value + ",y", values), 2);
  EXPECT_EQ(values[1].size(), 1299u);
  EXPECT_EQ(values[2], "y");
}

TEST(SplitDelimitedRecord, Rows) {
  const struct {
    const char* name;
    std::string record;
    char delimiter;
    std::vector<std::string> fields;
  } rows[] = {
      {"tab", "a\tb\t\tc", '\t', {"a", "b", "", "c"}},
      {"quotes mean nothing", "\"a|b\"|c", '|', {"\"a", "b\"", "c"}},
      {"two blanks give an empty field", "a  b", ' ', {"a", "", "b"}},
      {"trailing delimiter", "a;b;", ';', {"a", "b"}},
      {"empty", "", ';', {}},
      {"a NUL is data", std::string("a\0|b", 4), '|', {std::string("a\0", 2), "b"}},
      {"high-byte delimiter",
       "a\xA6"
       "b",
       '\xA6',
       {"a", "b"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(DelimitedFields(row.record, row.delimiter), row.fields);
  }
}

// The cut at a delimiter found sixteen bytes at a time in blocks of 64: every delimiter byte,
// every position of it within and across those, bytes that differ from it only in the high bit
// or by one, against a byte-by-byte cut.
TEST(SplitDelimitedRecord, EveryDelimiterAtEveryPosition) {
  auto reference = [](const std::string& record, char delimiter) {
    std::vector<std::string> fields;
    if (record.empty()) return fields;
    std::string field;
    for (char c : record) {
      if (c != delimiter) {
        field += c;
        continue;
      }
      fields.push_back(field);
      field.clear();
    }
    if (!field.empty()) fields.push_back(field);
    return fields;
  };
  std::vector<std::size_t> lengths;
  for (std::size_t length = 1; length <= 20; ++length) lengths.push_back(length);
  for (std::size_t length : {63, 64, 65, 79, 80, 127, 128, 129, 143}) lengths.push_back(length);
  for (int d = 1; d < 256; ++d) {
    const char delimiter = static_cast<char>(d);
    // Filler bytes close to the delimiter: the high bit flipped, one above, one below.
    const char near[] = {static_cast<char>(d ^ 0x80), static_cast<char>(d == 255 ? 1 : d + 1),
                         static_cast<char>(d == 1 ? 255 : d - 1)};
    for (char fill : near) {
      for (std::size_t length : lengths) {
        // Every byte meets the sixteen-byte compare from length 16 on; the block edges beyond
        // are the same for all bytes.
        if (length > 20 && d != ',' && d != '\t' && d != 0xFF) continue;
        for (std::size_t at = 0; at < length; ++at) {
          std::string record(length, fill);
          record[at] = delimiter;
          ASSERT_EQ(DelimitedFields(record, delimiter), reference(record, delimiter))
              << "delimiter " << d << " fill " << static_cast<int>(static_cast<unsigned char>(fill))
              << " length " << length << " at " << at;
        }
      }
    }
  }
}

TEST(SplitCommaRecord, CommasAtEveryPositionOfLongFields) {
  for (std::size_t first = 0; first <= 70; ++first) {
    for (std::size_t second = 0; second <= 70; ++second) {
      const std::string a(first, 'a');
      const std::string b(second, '\xAC');  // ',' with the high bit set
      ASSERT_EQ(CommaFields(a + "," + b + ",z"), (std::vector<std::string>{a, b, "z"}))
          << first << " and " << second;
    }
  }
}

// Records of commas, quotes, letters and NULs at every length up to three blocks of the scan,
// against the rules written as plainly as they read: quoted fields may end in any block.
TEST(SplitCommaRecord, AgreesWithThePlainRulesOnMixedRecords) {
  const auto plain = [](std::string_view rest) {
    std::vector<std::string> fields;
    if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
    std::size_t at = 0;
    while (at < rest.size()) {
      const bool quoted = rest[at] == '"';
      const std::size_t end = quoted ? rest.find("\",", at + 1) : rest.find(',', at);
      const std::size_t from = quoted ? at + 1 : at;
      fields.emplace_back(rest.substr(from, end == std::string_view::npos ? end : end - from));
      if (end == std::string_view::npos) break;
      at = end + (quoted ? 2 : 1);
    }
    return fields;
  };
  unsigned seed = 7;
  const char alphabet[] = {'a', ',', '"', ',', 'b'};
  for (std::size_t length = 0; length <= 200; ++length) {
    for (int sample = 0; sample < 40; ++sample) {
      std::string record(length, 'x');
      for (char& c : record) {
        seed = seed * 1103515245u + 12345u;
        c = alphabet[(seed >> 16) % sizeof alphabet];
      }
      // One record in four holds a NUL somewhere.
      seed = seed * 1103515245u + 12345u;
      if (length != 0 && (seed >> 16) % 4 == 0) record[(seed >> 18) % length] = '\0';
      ASSERT_EQ(CommaFields(record), plain(record)) << record;
    }
  }
}

}  // namespace
}  // namespace vt
