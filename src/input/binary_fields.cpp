// Binary fields: the six readings of a field's bytes, built from the bytes alone.
#include "input/binary_fields.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "input/ebcdic.h"
#include "input/input_tables.h"

namespace vt {

namespace {

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "float readings take the field's bits as IEEE single and double");

bool IntegerWidth(std::size_t n) {
  return n == 1 || n == 2 || n == 4 || n == 8;
}

// The first eight bytes of the field (fewer for a narrower field) as one number, least
// significant byte first unless the data holds the top byte first; with an EBCDIC source each
// byte is first given back as the file held it.
std::uint64_t WorkingValue(std::string_view bytes, const BinaryOptions& options) {
  const std::size_t n = bytes.size() < 8 ? bytes.size() : 8;
  const bool reverse = options.high_byte_first && IntegerWidth(bytes.size());
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < n; ++i) {
    char c = bytes[reverse ? n - 1 - i : i];
    if (options.ebcdic_source) c = AsciiToEbcdic(c);
    value |= std::uint64_t{static_cast<unsigned char>(c)} << (8 * i);
  }
  return value;
}

template <typename Number>
void AppendNumber(Number number, std::string& out) {
  char text[24];
  const auto result = std::to_chars(text, text + sizeof text, number);
  out.append(text, result.ptr);
}

// "%f": six decimals, however large the number.
void AppendFixed(double number, std::string& out) {
  char text[std::numeric_limits<double>::max_exponent10 + 32];
  const auto result = std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, 6);
  out.append(text, result.ptr);
}

bool Fail(std::string& out) {
  out.clear();
  return false;
}

}  // namespace

BinaryType ChosenBinaryType(std::int16_t bits) {
  for (const BinaryType type :
       {kBinaryZoned, kBinaryPacked, kBinaryFloat, kBinaryUnsigned, kBinarySigned}) {
    if ((bits & type) != 0) return type;
  }
  return kBinaryText;
}

void ReadBinaryText(std::string_view bytes, std::string& out) {
  // A field without bytes is an empty view, whose null pointer memchr must not be handed.
  if (bytes.empty()) return out.clear();
  const void* nul = std::memchr(bytes.data(), 0, bytes.size());
  out.assign(bytes.data(), nul == nullptr ? bytes.size()
                                          : static_cast<std::size_t>(static_cast<const char*>(nul) -
                                                                     bytes.data()));
}

bool ReadBinaryInteger(std::string_view bytes, bool is_signed, const BinaryOptions& options,
                       std::string& out) {
  out.clear();
  if (!IntegerWidth(bytes.size())) return false;
  const std::uint64_t value = WorkingValue(bytes, options);
  switch (bytes.size()) {
    case 1:
      is_signed ? AppendNumber(static_cast<std::int8_t>(value), out)
                : AppendNumber(static_cast<std::uint8_t>(value), out);
      return true;
    case 2:
      is_signed ? AppendNumber(static_cast<std::int16_t>(value), out)
                : AppendNumber(static_cast<std::uint16_t>(value), out);
      return true;
    case 4:
      is_signed ? AppendNumber(static_cast<std::int32_t>(value), out)
                : AppendNumber(static_cast<std::uint32_t>(value), out);
      return true;
    default:
      // Exact: a double would round every value above 2^53.
      is_signed ? AppendNumber(static_cast<std::int64_t>(value), out) : AppendNumber(value, out);
      return true;
  }
}

bool BinaryFloatUsable(std::string_view bytes, const BinaryOptions& options) {
  if (bytes.size() == 8) return true;
  if (bytes.size() != 4) return false;
  const auto bits = static_cast<std::uint32_t>(WorkingValue(bytes, options));
  return ((bits >> 23) & 0xFF) != 0xFF;
}

bool ReadBinaryFloat(std::string_view bytes, const BinaryOptions& options, std::string& out) {
  out.clear();
  if (!BinaryFloatUsable(bytes, options)) return false;
  const std::uint64_t bits = WorkingValue(bytes, options);
  const double number =
      bytes.size() == 4
          ? static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(bits)))
          : std::bit_cast<double>(bits);
  if (!std::isfinite(number)) return false;
  AppendFixed(number, out);
  return true;
}

bool ReadPackedDecimal(std::string_view bytes, const BinaryOptions& options, std::string& out) {
  if (bytes.empty()) return Fail(out);
  // The sign, two digits a byte and one for the last: sized once, as a field may be thousands
  // of bytes wide.
  out.resize(2 * bytes.size());
  char* at = out.data();
  *at++ = ' ';
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (options.ebcdic_source) c = AsciiToEbcdic(c);
    const auto b = static_cast<unsigned char>(c);
    if (b > 0x9F) return Fail(out);
    *at++ = static_cast<char>('0' + (b >> 4));
    const int low = b & 0xF;
    if (i + 1 == bytes.size()) {
      if (low == 0xD) out[0] = '-';
    } else {
      if (low > 9) return Fail(out);
      *at++ = static_cast<char>('0' + low);
    }
  }
  return true;
}

bool ReadZonedDecimal(std::string_view bytes, std::string& out) {
  out.assign(1, ' ');
  if (bytes.empty()) return Fail(out);
  for (const char c : bytes.substr(0, bytes.size() - 1)) {
    if (c < '0' || c > '9') return Fail(out);
    out += c;
  }
  // The last byte carries the sign in its top nibble the EBCDIC way, whatever the source.
  const auto last = static_cast<unsigned char>(AsciiToEbcdic(bytes.back()));
  const int digit = last & 0xF;
  const int sign = last >> 4;
  if (digit > 9) return Fail(out);
  if (sign == 0xD) {
    out[0] = '-';
  } else if (sign == 0xC) {
    out[0] = '+';
  } else if (sign != 0xF) {
    return Fail(out);
  }
  out += static_cast<char>('0' + digit);
  return true;
}

void ReadBinaryValue(std::string_view bytes, BinaryType type, const BinaryOptions& options,
                     std::string& value) {
  switch (type) {
    case kBinaryText:
      ReadBinaryText(bytes.substr(0, InputTables::kValueLimit), value);
      return;
    case kBinarySigned:
    case kBinaryUnsigned:
      (void)ReadBinaryInteger(bytes, type == kBinarySigned, options, value);
      return;
    case kBinaryFloat:
      (void)ReadBinaryFloat(bytes, options, value);
      break;
    case kBinaryPacked:
      (void)ReadPackedDecimal(bytes, options, value);
      break;
    case kBinaryZoned:
      (void)ReadZonedDecimal(bytes, value);
      break;
  }
  if (value.size() > InputTables::kValueLimit) value.resize(InputTables::kValueLimit);
}

BinaryReadings ReadAllBinary(std::string_view bytes, const BinaryOptions& options) {
  BinaryReadings r;
  ReadBinaryText(bytes.substr(0, InputTables::kValueLimit), r.text);
  r.integer_usable = ReadBinaryInteger(bytes, true, options, r.signed_value);
  (void)ReadBinaryInteger(bytes, false, options, r.unsigned_value);
  r.float_usable = BinaryFloatUsable(bytes, options);
  (void)ReadBinaryFloat(bytes, options, r.floating);
  r.packed_valid = ReadPackedDecimal(bytes, options, r.packed);
  r.zoned_valid = ReadZonedDecimal(bytes, r.zoned);
  for (std::string* reading : {&r.packed, &r.zoned}) {
    if (reading->size() > InputTables::kValueLimit) reading->resize(InputTables::kValueLimit);
  }
  return r;
}

}  // namespace vt
