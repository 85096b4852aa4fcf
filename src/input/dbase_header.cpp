// dBase III input: header layout, field descriptors, value decoding and the update date.
#include "input/dbase_header.h"

#include <cstdio>
#include <cstring>

namespace vt {

namespace {

constexpr std::size_t kHeaderBytes = 32;
constexpr std::size_t kDescriptorBytes = 32;
constexpr char kEndByte = '\x1A';  // follows the last record

std::uint32_t Le(const unsigned char* p, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | p[i];
  return value;
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = yoe + era * 400 + (m <= 2);
}

}  // namespace

DbaseHeaderStatus ReadDbaseHeader(DataInput& input, DbaseHeader& header) {
  header = DbaseHeader{};
  unsigned char head[kHeaderBytes];
  if (!input.Seek(0) || input.Read(head, kHeaderBytes) != kHeaderBytes)
    return DbaseHeaderStatus::kUnreadable;
  const int yy = head[1];
  header.year_above_99 = yy > 99;
  header.year = yy + 1900;
  if (header.year < 1980) header.year += 100;
  header.month = head[2];
  header.day = head[3];
  header.record_count = Le(head + 4, 4);
  header.header_length = static_cast<std::uint16_t>(Le(head + 8, 2));
  header.record_length = static_cast<std::uint16_t>(Le(head + 10, 2));

  const int count = (static_cast<int>(header.header_length) - 33) / 32;
  if (count > kDbaseMaxFields) return DbaseHeaderStatus::kTooManyFields;
  for (int i = 0; i < count; ++i) {
    unsigned char d[kDescriptorBytes];
    if (input.Read(d, kDescriptorBytes) != kDescriptorBytes) return DbaseHeaderStatus::kUnreadable;
    DbaseField field;
    const void* nul = std::memchr(d, 0, 11);
    field.name.assign(
        reinterpret_cast<const char*>(d),
        nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - d) : 11);
    field.type = static_cast<char>(d[11]);
    field.length = d[16];
    field.decimals = d[17];
    header.fields_length += static_cast<std::uint32_t>(field.length);
    header.fields.push_back(std::move(field));
  }
  // A record is read field by field; fields that run past the record would eat the next one.
  // A record of any length the header can give is read whole: only the shown line is cut.
  if (header.fields_length > header.record_length) return DbaseHeaderStatus::kRecordTooLong;
  if (!input.Seek(header.header_length)) return DbaseHeaderStatus::kUnreadable;
  return DbaseHeaderStatus::kOk;
}

bool ReadDbaseRecordFlag(DataInput& input, char& flag) {
  return input.Read(&flag, 1) == 1 && flag != kEndByte;
}

std::string DbaseUpdateDateText(int year, int month, int day) {
  static const char* const kMonths[12] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
  if (month < 1 || day < 1) return "";
  // Roll the month over into years first, then let the day count run on.
  const std::int64_t y0 = year + (month - 1) / 12;
  const int m0 = (month - 1) % 12 + 1;
  std::int64_t y = 0;
  int m = 0;
  int d = 0;
  CivilFromDays(DaysFromCivil(y0, m0, 1) + day - 1, y, m, d);
  return std::to_string(d) + " " + kMonths[m - 1] + " " + std::to_string(y);
}

void DecodeDbaseValue(char type, std::string_view raw, std::string& value) {
  unsigned char bytes[8] = {};
  std::memcpy(bytes, raw.data(), raw.size() < 8 ? raw.size() : 8);
  char text[400];
  switch (type) {
    case 'B': {
      double number = 0;
      std::memcpy(&number, bytes, sizeof number);
      std::snprintf(text, sizeof text, "%f", number);
      value = text;
      return;
    }
    case 'I': {
      const auto number = static_cast<std::int32_t>(Le(bytes, 4));
      value = std::to_string(number);
      return;
    }
    case 'T': {
      const double number =
          static_cast<double>(Le(bytes + 4, 4)) * 4294967296.0 + static_cast<double>(Le(bytes, 4));
      std::snprintf(text, sizeof text, "%.0f", number);
      value = text;
      return;
    }
    default: {
      const void* nul = std::memchr(raw.data(), 0, raw.size());
      value.assign(
          raw.data(),
          nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - raw.data()) : raw.size());
      return;
    }
  }
}

}  // namespace vt
