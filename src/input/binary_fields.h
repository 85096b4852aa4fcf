// Binary fields: what the bytes of one field of a binary record read as (text, signed or
// unsigned integer, floating point, packed or zoned decimal), the way the record cutter and the
// reading panel both show them.
//
// Every reading is built from the bytes alone: integers are assembled byte by byte and floats
// through bit casts, so a reading never depends on the host's byte order or float layout.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// A field's type bits as the preference file stores them (BinaryTypeBits); the sheet keeps one
// set, and a field with none reads as text.
enum BinaryType : std::int16_t {
  kBinaryText = 0x1,
  kBinarySigned = 0x2,
  kBinaryUnsigned = 0x4,
  kBinaryFloat = 0x8,
  kBinaryPacked = 0x10,
  kBinaryZoned = 0x20,
};
inline constexpr std::int16_t kBinaryTypeMask = 0x3F;

// The two settings that hold for every field of the record.
struct BinaryOptions {
  bool high_byte_first = false;  // "1st Byte" Hi: integers and floats hold the top byte first
  bool ebcdic_source = false;    // the record was EBCDIC: numbers get the file's own bytes back
};

// The reading the bits choose: the last of text, signed, unsigned, float, packed and zoned
// whose bit is set; text when none is.
BinaryType ChosenBinaryType(std::int16_t bits);

// Each reading of a field's bytes into `out` (cleared first). False, with `out` empty, when the
// field's width or bytes allow no such reading. Readings are not cut; ReadBinaryValue cuts.
// Text: the bytes up to the first NUL, exactly as the file holds them.
void ReadBinaryText(std::string_view bytes, std::string& out);
// Widths 1, 2 and 4 (two's complement) and 8 (exact 64-bit).
bool ReadBinaryInteger(std::string_view bytes, bool is_signed, const BinaryOptions& options,
                       std::string& out);
// Widths 4 (IEEE single) and 8 (IEEE double), six decimals; none for infinities and NaNs.
bool ReadBinaryFloat(std::string_view bytes, const BinaryOptions& options, std::string& out);
// Two digits a byte, the last byte's low nibble the sign (D negative): " 01234", "-123".
bool ReadPackedDecimal(std::string_view bytes, const BinaryOptions& options, std::string& out);
// Digits, then the last byte (taken as EBCDIC) giving the last digit and the sign (C "+",
// D "-", F none): "12C" reads "+123", "12L" "-123", "123" " 123".
bool ReadZonedDecimal(std::string_view bytes, std::string& out);

// Whether a float reading of this field can be offered: width 8, or width 4 whose exponent is
// not all ones.
bool BinaryFloatUsable(std::string_view bytes, const BinaryOptions& options);

// The field's value: the reading of `type`, cut at 1,299 characters; empty when the reading is.
void ReadBinaryValue(std::string_view bytes, BinaryType type, const BinaryOptions& options,
                     std::string& value);

// Every reading of a field at once, for the reading panel.
struct BinaryReadings {
  std::string text;
  std::string signed_value;
  std::string unsigned_value;
  std::string floating;
  std::string packed;
  std::string zoned;
  bool integer_usable = false;  // widths 1, 2, 4 and 8
  bool float_usable = false;
  bool packed_valid = false;
  bool zoned_valid = false;
};
BinaryReadings ReadAllBinary(std::string_view bytes, const BinaryOptions& options);

}  // namespace vt
