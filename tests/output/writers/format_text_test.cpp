// The text forms writers put values in: XML escapes and dBase date digits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "output/writers/dbase_writer.h"
#include "output/writers/xml_writer.h"

namespace vt {
namespace {

TEST(FormatTextTest, XmlEscapesAndDbaseDates) {
  std::string out;
  EscapeXmlText("a<b & \"c\" > \xE9\x7F~", out);
  EXPECT_EQ(out, "a&lt;b &amp; &quot;c&quot; &gt; &#233;&#127;~");
  const struct {
    std::int32_t date;
    const char* expected;
  } dates[] = {{19980304, "19980304"},
               {0, "00000000"},
               {1234567, "00000000"},
               {-1998030, "00000000"},
               {100000000, "00000000"}};
  for (const auto& row : dates) {
    SCOPED_TRACE(row.date);
    std::string text;
    AppendDbaseDate(row.date, text);
    EXPECT_EQ(text, row.expected);
  }
}

}  // namespace
}  // namespace vt
