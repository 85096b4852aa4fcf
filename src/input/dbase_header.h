// dBase III input: the table header with its field descriptors, and the reading of a value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/input_files.h"

namespace vt {

struct DbaseField {
  std::string name;  // up to 11 characters
  char type = 'C';
  int length = 0;
  int decimals = 0;
};

struct DbaseHeader {
  int year = 0;  // YY + 1900, plus 100 below 1980
  int month = 0;
  int day = 0;
  bool year_above_99 = false;  // the stored YY counts from 1900 past 1999
  std::uint32_t record_count = 0;
  std::uint16_t header_length = 0;
  std::uint16_t record_length = 0;
  std::uint32_t fields_length = 1;  // the deletion flag and every field
  std::vector<DbaseField> fields;
};

enum class DbaseHeaderStatus {
  kOk,
  kUnreadable,     // the header or a descriptor is cut short
  kTooManyFields,  // more fields than the input field table holds
  kRecordTooLong,  // the fields overrun the record
};

inline constexpr int kDbaseMaxFields = 1500;

// Reads the header from the start of `input` and leaves the input at the first record.
[[nodiscard]] DbaseHeaderStatus ReadDbaseHeader(DataInput& input, DbaseHeader& header);

// Reads the deletion flag that starts the next record into `flag`. False at the end of the
// file or at its end byte 0x1A: a header may claim more records than the file holds.
[[nodiscard]] bool ReadDbaseRecordFlag(DataInput& input, char& flag);

// "4 March 1998": day without leading zero, full month name, four-digit year; out-of-range
// days and months roll over as the calendar does; empty when day or month is below 1.
std::string DbaseUpdateDateText(int year, int month, int day);

// The shown value of one field's bytes by its type letter: 'B' a little-endian double ("%f"),
// 'I' a signed 32-bit integer ("%d"), 'T' two 32-bit words w1, w2 as w2 * 2^32 + w1 ("%.0f");
// any other type its bytes up to the first NUL. Short binary fields read as zero-padded.
void DecodeDbaseValue(char type, std::string_view raw, std::string& value);

}  // namespace vt
