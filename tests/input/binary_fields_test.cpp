// Binary fields: every reading of a field's bytes, in both byte orders and from EBCDIC sources.
#include "input/binary_fields.h"

#include <gtest/gtest.h>

#include <string>

#include "input/ebcdic.h"

namespace vt {
namespace {

// The bytes as the reader leaves them after translating an EBCDIC record to ASCII.
std::string FromEbcdic(std::string bytes) {
  TranslateEbcdicToAscii(bytes);
  return bytes;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int v : values) bytes += static_cast<char>(v);
  return bytes;
}

constexpr BinaryOptions kLo{};
constexpr BinaryOptions kHi{.high_byte_first = true};
constexpr BinaryOptions kEbcdicHi{.high_byte_first = true, .ebcdic_source = true};
constexpr BinaryOptions kEbcdicLo{.ebcdic_source = true};

// A field without bytes comes as an empty view, whose data pointer is null; every
// reading of it is empty.
TEST(BinaryFieldsTest, FieldWithoutBytesReadsAsNothing) {
  std::string text = "stale";
  ReadBinaryText(std::string_view(), text);
  EXPECT_EQ(text, "");
  std::string value = "stale";
  ReadBinaryValue(std::string_view(), kBinaryText, kLo, value);
  EXPECT_EQ(value, "");
  const BinaryReadings r = ReadAllBinary(std::string_view(), kLo);
  EXPECT_EQ(r.text, "");
  EXPECT_FALSE(r.integer_usable || r.float_usable || r.packed_valid || r.zoned_valid);
}

TEST(BinaryFieldsTest, ValueByType) {
  const struct {
    const char* name;
    std::string bytes;
    BinaryOptions options;
    BinaryType type;
    std::string expected;
  } rows[] = {
      {"two bytes lo", Bytes({0x34, 0x12}), kLo, kBinarySigned, "4660"},
      {"two bytes lo unsigned", Bytes({0x34, 0x12}), kLo, kBinaryUnsigned, "4660"},
      {"two bytes hi", Bytes({0x34, 0x12}), kHi, kBinarySigned, "13330"},
      {"two bytes hi unsigned", Bytes({0x34, 0x12}), kHi, kBinaryUnsigned, "13330"},
      {"minus one", Bytes({0xFF, 0xFF}), kLo, kBinarySigned, "-1"},
      {"65535", Bytes({0xFF, 0xFF}), kLo, kBinaryUnsigned, "65535"},
      {"one byte signed", Bytes({0x80}), kHi, kBinarySigned, "-128"},
      {"one byte unsigned", Bytes({0x80}), kHi, kBinaryUnsigned, "128"},
      {"four bytes 1 lo", Bytes({1, 0, 0, 0}), kLo, kBinaryUnsigned, "1"},
      {"four bytes 1 hi", Bytes({1, 0, 0, 0}), kHi, kBinaryUnsigned, "16777216"},
      {"four bytes minus one", Bytes({0xFF, 0xFF, 0xFF, 0xFF}), kLo, kBinarySigned, "-1"},
      {"four bytes top", Bytes({0xFF, 0xFF, 0xFF, 0xFF}), kLo, kBinaryUnsigned, "4294967295"},
      // Issue 18: eight bytes read exactly, not through a double rounded above 2^53.
      {"eight bytes all ones unsigned", std::string(8, '\xFF'), kLo, kBinaryUnsigned,
       "18446744073709551615"},
      {"eight bytes all ones signed", std::string(8, '\xFF'), kLo, kBinarySigned, "-1"},
      {"eight bytes 2^53 + 1", Bytes({1, 0, 0, 0, 0, 0, 0x20, 0}), kLo, kBinaryUnsigned,
       "9007199254740993"},
      {"eight bytes lowest", Bytes({0x80, 0, 0, 0, 0, 0, 0, 0}), kHi, kBinarySigned,
       "-9223372036854775808"},
      {"eight bytes cobol pic s9(18)", Bytes({0xFE, 0x49, 0x64, 0xB4, 0x59, 0xCF, 0x0C, 0xB2}), kHi,
       kBinarySigned, "-123456789012345678"},
      {"width 3 has no integer", Bytes({1, 2, 3}), kLo, kBinarySigned, ""},
      {"float one", Bytes({0, 0, 0x80, 0x3F}), kLo, kBinaryFloat, "1.000000"},
      {"float one hi", Bytes({0x3F, 0x80, 0, 0}), kHi, kBinaryFloat, "1.000000"},
      {"float minus 2.5", Bytes({0, 0, 0x20, 0xC0}), kLo, kBinaryFloat, "-2.500000"},
      {"float exponent all ones", Bytes({0, 0, 0x80, 0x7F}), kLo, kBinaryFloat, ""},
      {"double 1.5", Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), kLo, kBinaryFloat, "1.500000"},
      {"double 1.5 hi", Bytes({0x3F, 0xF8, 0, 0, 0, 0, 0, 0}), kHi, kBinaryFloat, "1.500000"},
      // Issue 18: an 8-byte infinity or NaN reads as nothing, like a 4-byte one.
      {"double infinity", Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x7F}), kLo, kBinaryFloat, ""},
      {"double nan", Bytes({0, 0, 0, 0, 0, 0, 0xF8, 0x7F}), kLo, kBinaryFloat, ""},
      {"width 2 has no float", Bytes({0, 0}), kLo, kBinaryFloat, ""},
      {"packed negative", Bytes({0x12, 0x3D}), kLo, kBinaryPacked, "-123"},
      {"packed positive C", Bytes({0x12, 0x3C}), kLo, kBinaryPacked, " 123"},
      {"packed unsigned F", Bytes({0x12, 0x3F}), kLo, kBinaryPacked, " 123"},
      {"packed leading zero", Bytes({0x01, 0x23, 0x4C}), kLo, kBinaryPacked, " 01234"},
      {"packed nibble 10 inside", Bytes({0x1A, 0x3C}), kLo, kBinaryPacked, ""},
      {"packed byte above 159", Bytes({0xA1, 0x2C}), kLo, kBinaryPacked, ""},
      {"packed width 3", Bytes({1, 2, 3}), kLo, kBinaryPacked, " 01020"},
      {"zoned C sign", "12C", kLo, kBinaryZoned, "+123"},
      {"zoned D sign", "12L", kLo, kBinaryZoned, "-123"},
      {"zoned plain digits", "123", kLo, kBinaryZoned, " 123"},
      {"zoned plus zero", "12{", kLo, kBinaryZoned, "+120"},
      {"zoned minus zero", "12}", kLo, kBinaryZoned, "-120"},
      {"zoned letter inside", "1A3", kLo, kBinaryZoned, ""},
      {"zoned blank sign", "12 ", kLo, kBinaryZoned, ""},
      {"zoned last digit above 9", "12" + std::string(1, EbcdicToAscii('\xCA')), kLo, kBinaryZoned,
       ""},
      {"zoned from ebcdic bytes", FromEbcdic(Bytes({0xF1, 0xF2, 0xC3})), kEbcdicLo, kBinaryZoned,
       "+123"},
      {"ebcdic integer back to file bytes", FromEbcdic(Bytes({0x12, 0x34})), kEbcdicHi,
       kBinaryUnsigned, "4660"},
      {"ebcdic packed back to file bytes", FromEbcdic(Bytes({0x12, 0x3D})), kEbcdicLo,
       kBinaryPacked, "-123"},
      {"ebcdic text", FromEbcdic(Bytes({0xC1, 0xC2, 0xC3, 0x40, 0xF1})), kEbcdicLo, kBinaryText,
       "ABC 1"},
      {"text stops at nul", std::string("AB\0CD", 5), kLo, kBinaryText, "AB"},
      {"text keeps high bytes", "\xE9\x80\x01x", kLo, kBinaryText, "\xE9\x80\x01x"},
      {"text cut at the limit", std::string(2000, 'a'), kLo, kBinaryText, std::string(1299, 'a')},
      {"no bytes", "", kLo, kBinaryPacked, ""},
      // Issue 18: decimals of any width, cut at the value limit.
      {"packed of 1001 bytes", std::string(1000, '\x11') + "\x1C", kLo, kBinaryPacked,
       " " + std::string(1298, '1')},
      {"zoned of 1501 bytes", std::string(1500, '7') + "C", kLo, kBinaryZoned,
       "+" + std::string(1298, '7')},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    std::string value = "stale";
    ReadBinaryValue(row.bytes, row.type, row.options, value);
    EXPECT_EQ(value, row.expected);
  }
}

TEST(BinaryFieldsTest, ChosenTypeIsTheLastBitSet) {
  const struct {
    std::int16_t bits;
    BinaryType type;
  } rows[] = {{0, kBinaryText},      {0x1, kBinaryText},   {0x40, kBinaryText},
              {0x12, kBinaryPacked}, {0x21, kBinaryZoned}, {0x6, kBinaryUnsigned},
              {-1, kBinaryZoned},    {0x8, kBinaryFloat},  {0x3, kBinarySigned}};
  for (const auto& row : rows) EXPECT_EQ(ChosenBinaryType(row.bits), row.type) << row.bits;
}

}  // namespace
}  // namespace vt
