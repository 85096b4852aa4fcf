// Splitting a phone number into its area code and local number.
#include "parsing/phone.h"

#include <cstddef>

#include "strings/char_class.h"

namespace vt {

namespace {

constexpr std::size_t kPhoneTextLimit = 254;

}  // namespace

void SplitPhone(std::string_view text, PhoneParts& parts) {
  parts.area_code.clear();
  parts.phone.clear();
  std::size_t digit_count = 0;
  for (char c : text) digit_count += IsDigit(c) ? 1 : 0;
  if (digit_count < 7) return;
  // The area code is taken only when digits remain beyond a seven-digit local number.
  std::size_t area_left = digit_count > 7 ? 3 : 0;
  // Both parts are laid out in local buffers and copied once.
  char area[3];
  std::size_t area_size = 0;
  char phone[kPartLimit];
  std::size_t phone_size = 0;
  std::size_t local = 0;
  for (char c : text) {
    if (!IsDigit(c)) continue;
    if (area_left > 0) {
      area[area_size++] = c;
      --area_left;
      continue;
    }
    if (local == 3) phone[phone_size++] = '-';
    if (phone_size < kPartLimit) phone[phone_size++] = c;
    ++local;
  }
  parts.area_code.assign(area, area_size);
  parts.phone.assign(phone, phone_size);
}

void SplitPhoneFields(std::string_view first, std::string_view second, PhoneParts& parts) {
  parts.area_code.clear();
  parts.phone.clear();
  std::size_t first_size = first.size() < kPhoneTextLimit ? first.size() : kPhoneTextLimit;
  std::size_t second_size = kPhoneTextLimit - first_size;
  if (second.size() < second_size) second_size = second.size();
  if (first_size + second_size <= 6) return;
  char joined[kPhoneTextLimit];
  first.copy(joined, first_size);
  second.copy(joined + first_size, second_size);
  SplitPhone(std::string_view(joined, first_size + second_size), parts);
}

void JoinPhoneFields(std::string_view first, std::string_view second, std::string& text) {
  text.assign(first.substr(0, kPhoneTextLimit));
  text.append(second.substr(0, kPhoneTextLimit - text.size()));
}

}  // namespace vt
