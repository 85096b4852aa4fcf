// Fuzz samples: the inputs, written out byte for byte.
#include "support/fuzz_samples.h"

#include <tuple>

namespace vt::fuzz {

namespace {

// Lines that read as comma records, tab and '~' records, fixed columns and web-form pairs at
// once, so that a set-up of any text kind finds fields in them.
const std::string kText =
    "Robin Smith,\"12.50\",12 Main St N Apt 4,\"Springfield, IL 62704\",(555) 123-4567,"
    "03/04/1998 9:05pm\r\n"
    "Dr. Sasha & Lee O'Neil Jr\t7~\tPO Box 9, Toronto ON M5V 2T6\t2026-06-15\tname=Lee+O%27Neil&"
    "city=Paris&when=12%3A30\n"
    "Mme Ana de la Cruz   15000.0050 RR 2 Site 5 Comp 9   Halifax NS B3H 1A1  19991231 0.75\n"
    "\n";

// Two pages: header rows, data bands, tags, an e-mail address and an XML and HTML record.
const std::string kPages =
    "Name: Robin Smith      Page 1\n"
    "<city>Springfield</city> mail robin@example.com http://example.com/a\n"
    "Robin      12.50   12 Main St\n"
    "Sasha       7.00   9 Rue Royale\n"
    "<?xml version=\"1.0\"?><TABLE><RECORD id=\"1\"><NAME>Lee &amp; Co</NAME></RECORD></TABLE>\n"
    "<TABLE><TR><TD><A HREF=\"http://x.org/y\">Cell &lt;1&gt;</A></TD><TD>2</TD></TR></TABLE>\n"
    "\fName: Lee O'Neil       Page 2\n"
    "<city>Toronto</city>\n"
    "Lee         1.25   PO Box 9\n";

// A 6-byte header, then records of text, packed and zoned decimals and integers, ASCII and EBCDIC.
constexpr char kBinaryBytes[] =
    "HEADER"
    "Robin  \x01\x23\x4C"
    "12C\x00\x01"
    "Sasha  \x98\x76\x5D"
    "98}\xFF\xFE"
    "\xC1\xC2\xC3\x40\x40\x40\x40\x00\x00\x0F"
    "F1\xF2\x00\x00";
const std::string kBinary(kBinaryBytes, sizeof kBinaryBytes - 1);

// A dBase III table: NAME C 10, BORN D 8, AMOUNT N 6.2; the second record deleted.
std::string MakeDbase() {
  std::string t(32, '\0');
  t[0] = '\x03';
  t[1] = 98;
  t[2] = 3;
  t[3] = 4;
  t[4] = 3;  // records
  const int header = 32 + 3 * 32 + 1;
  t[8] = static_cast<char>(header & 0xFF);
  t[9] = static_cast<char>(header >> 8);
  t[10] = 1 + 10 + 8 + 6;
  for (const auto& [name, type, length, decimals] :
       {std::tuple{"NAME", 'C', 10, 0}, std::tuple{"BORN", 'D', 8, 0},
        std::tuple{"AMOUNT", 'N', 6, 2}}) {
    std::string d(32, '\0');
    d.replace(0, std::char_traits<char>::length(name), name);
    d[11] = type;
    d[16] = static_cast<char>(length);
    d[17] = static_cast<char>(decimals);
    t += d;
  }
  t += '\x0D';
  t += " Robin     19980304 12.50";
  t += "*Deleted   20000101  0.00";
  t += " Sasha     20260615  7.25";
  t += '\x1A';
  return t;
}

}  // namespace

const std::string& SampleInput(InputKind kind) {
  static const std::string dbase = MakeDbase();
  switch (kind) {
    case InputKind::kComma:
    case InputKind::kTab:
    case InputKind::kSpecial:
    case InputKind::kFixed:
    case InputKind::kWebForm:
      return kText;
    case InputKind::kPage:
      return kPages;
    case InputKind::kBinary:
      return kBinary;
    case InputKind::kDbase:
      return dbase;
  }
  return kText;
}

}  // namespace vt::fuzz
