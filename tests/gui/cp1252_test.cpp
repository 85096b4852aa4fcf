// Windows-1252 at the Qt edge: every byte survives, the defined bytes have their characters.
#include "gui/cp1252.h"

#include <gtest/gtest.h>

#include <set>

namespace vt::gui {
namespace {

TEST(Cp1252Test, EveryByteRoundTripsAlone) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(::testing::Message() << "byte 0x" << std::hex << byte);
    const std::string in(1, static_cast<char>(byte));
    const QString text = FromCp1252(in);
    ASSERT_EQ(text.size(), 1);
    EXPECT_EQ(ToCp1252(text), in);
  }
}

TEST(Cp1252Test, AllBytesRoundTripInOneString) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
}

TEST(Cp1252Test, BytesMapToDistinctCharacters) {
  std::set<char16_t> seen;
  for (int byte = 0; byte < 256; ++byte) {
    const char16_t unit = FromCp1252(std::string(1, static_cast<char>(byte)))[0].unicode();
    EXPECT_TRUE(seen.insert(unit).second)
        << "byte 0x" << std::hex << byte << " repeats U+" << static_cast<int>(unit);
  }
}

struct Row {
  const char* name;
  unsigned char byte;
  char16_t unit;
};

TEST(Cp1252Test, KnownCharacters) {
  const Row rows[] = {
      {"ascii", 'A', u'A'},           {"nul", 0x00, 0x0000},
      {"euro", 0x80, 0x20AC},         {"undefined 81", 0x81, 0x0081},
      {"undefined 8D", 0x8D, 0x008D}, {"undefined 8F", 0x8F, 0x008F},
      {"undefined 90", 0x90, 0x0090}, {"undefined 9D", 0x9D, 0x009D},
      {"quote", 0x93, 0x201C},        {"en dash", 0x96, 0x2013},
      {"trade mark", 0x99, 0x2122},   {"Y diaeresis", 0x9F, 0x0178},
      {"nbsp", 0xA0, 0x00A0},         {"e acute", 0xE9, 0x00E9},
      {"y diaeresis", 0xFF, 0x00FF},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FromCp1252(std::string(1, static_cast<char>(row.byte)))[0].unicode(), row.unit);
  }
}

TEST(Cp1252Test, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xE4\xB8\xAD"
                                       "b")),
            "a?b");                                                 // a CJK letter
  EXPECT_EQ(ToCp1252(QString::fromUtf8("\xF0\x9F\x98\x80")), "?");  // one emoji, one '?'
  EXPECT_EQ(ToCp1252(QString(QChar(0x0080))), "?");                 // a C1 control
  EXPECT_EQ(ToCp1252(QString(QChar(0xD800))), "?");                 // a lone surrogate
  EXPECT_EQ(ToCp1252(QString::fromUtf8("\xE2\x82\xAC")), std::string(1, '\x80'));  // euro sign
}

}  // namespace
}  // namespace vt::gui
