// Choosing the output format on the Output sheet: the preview follows at once, and dBase and
// XML output make the field names valid for their format.
#include <iterator>
#include <string>

#include "strings/fixed_text.h"
#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

class OutputFormatTest : public testing::ViewTest {
 protected:
  // A CSV whose first line names its fields (by default two); the Output sheet in front with
  // every input field copied to an output field.
  TParseView& Start(const std::string& csv = "\"1st name\",\"Amount\"\n\"Ann\",\"12\"\n",
                    int fields = 2) {
    TParseView& view = OpenInput("in.csv", csv);
    view.TakeFirstRecordAsFieldName.UserClick();
    view.PageControl.UserSelectPage(&view.OutputConfiguration);
    view.CloneButton.UserClick();
    EXPECT_EQ(view.OutputFieldCount, fields);
    return view;
  }
  static std::string Name(const TParseView& view, int n) {
    return std::string(TextOf(view.OutputFieldNameTable[static_cast<std::size_t>(n)]));
  }
};

TEST_F(OutputFormatTest, ThePreviewFollowsTheChoiceAtOnce) {
  TParseView& view = Start();
  EXPECT_EQ(view.OutputRecord, "\"Ann\",\"12\"");
  view.TabDelimitedOutputButton.UserClick();
  EXPECT_EQ(view.OutputRecord, "Ann\t12");
  view.SpecialDelimitedOutputButton.UserClick();
  EXPECT_EQ(view.OutputRecord, "Ann~12");
  EXPECT_TRUE(view.OutputSpecialDelimiterEditBox.Focused()) << "ready for the delimiter";
  view.OutputSpecialDelimiterEditBox.UserSetText("|");
  view.OutputSpecialDelimiterEditBox.UserKeyPress('\r');
  EXPECT_EQ(view.OutputRecord, "Ann|12");
}

TEST_F(OutputFormatTest, DbaseRefusesAFieldWithoutWidthAndSelectsIt) {
  TParseView& view = Start();
  testing::SelectOutputField(view, 0);
  testing::SetWidth(view, "10");
  view.DbaseOutputButton.UserClick();
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            "For dBase output you must set field widths for Character and Numeric fields and "
            "decimal places for Numeric fields");
  EXPECT_EQ(fakes.messages.shown[0].caption, "Output Format Alert");
  EXPECT_FALSE(view.DbaseOutputButton.Checked());
  EXPECT_EQ(view.OutputFieldNamesListBox.ItemIndex(), 1);
  EXPECT_EQ(Name(view, 1), "1st name") << "nothing renamed";
}

TEST_F(OutputFormatTest, DbaseAndXmlNamesAndTheFieldNameRecord) {
  TParseView& view = Start();
  for (int row : {0, 1}) {
    testing::SelectOutputField(view, row);
    testing::SetWidth(view, "8");
  }
  view.OutputFieldNames.UserClick();
  ASSERT_TRUE(view.OutputFieldNames.Checked());
  view.DbaseOutputButton.UserClick();
  ASSERT_TRUE(view.DbaseOutputButton.Checked());
  EXPECT_EQ(Name(view, 1), "Z1ST_NAME ");
  EXPECT_EQ(Name(view, 2), "AMOUNT    ");
  EXPECT_FALSE(view.OutputFieldNames.Checked()) << "dBase tables carry their names";
  EXPECT_FALSE(view.OutputFieldNames.Enabled());
  EXPECT_TRUE(view.DbaseDateButton.Visible());
  EXPECT_TRUE(view.DbaseLogicButton.Visible());

  view.XML.UserClick();
  EXPECT_TRUE(view.OutputFieldNames.Enabled());
  EXPECT_FALSE(view.DbaseDateButton.Visible());
  EXPECT_EQ(Name(view, 1), "Z1ST_NAME") << "an XML element name ends in a letter or digit";
  EXPECT_EQ(view.OutputRecord, "<Z1ST_NAME>Ann     </Z1ST_NAME><AMOUNT>12      </AMOUNT>");
}

// Neither format takes a byte above 0x7F in a name: one at the end is trimmed, one that opens
// the name gets a "Z" in front, any other becomes "_".
TEST_F(OutputFormatTest, BytesAbove7FAreNeitherLettersNorDigitsInNames) {
  const struct {
    const char* input;
    const char* dbf;
    const char* xml;
  } rows[] = {{"\xC9"
               "clair",
               "Z_CLAIR   ", "Z_clair"},
              {"Cr\xE8me", "CR_ME     ", "Cr_me"},
              {"Caf\xE9", "CAF       ", "Caf"},
              {"\xC9t\xE9", "Z_T       ", "Z_t"}};
  const int count = static_cast<int>(std::size(rows));
  std::string names, values;
  for (const auto& row : rows) {
    names += (names.empty() ? "\"" : ",\"") + std::string(row.input) + '"';
    values += values.empty() ? "\"v\"" : ",\"v\"";
  }
  const std::string csv = names + "\n" + values + "\n";

  TParseView& xml = Start(csv, count);
  testing::Click(xml.XML);
  testing::GoToSheet(xml, xml.MiscTab);
  for (int n = 1; n <= count; ++n) {
    const auto& row = rows[n - 1];
    SCOPED_TRACE(row.xml);
    EXPECT_EQ(Name(xml, n), row.xml);
    testing::Type(xml.XMLTableName, row.input);
    testing::Type(xml.XMLRecordName, row.input);
    testing::Click(xml.XMLTableName);  // which ends the entry in the record box
    EXPECT_EQ(xml.XMLTableName.Text(), row.xml);
    EXPECT_EQ(xml.XMLRecordName.Text(), row.xml);
  }

  TParseView& dbase = Start(csv, count);
  for (int n = 1; n <= count; ++n) {
    testing::SelectOutputField(dbase, n - 1);
    testing::SetWidth(dbase, "2");
  }
  testing::Click(dbase.DbaseOutputButton);
  ASSERT_TRUE(dbase.DbaseOutputButton.Checked());
  for (int n = 1; n <= count; ++n) EXPECT_EQ(Name(dbase, n), rows[n - 1].dbf);
  const std::string table = testing::RunInto(dbase, fakes.dialogs, Path("out.dbf"));

  TParseView& back = OpenInput("back.dbf", table);
  ASSERT_EQ(back.DbaseInputActive, 1);
  for (int n = 1; n <= count; ++n) {
    std::string name = rows[n - 1].dbf;
    name.erase(name.find_last_not_of(' ') + 1);
    EXPECT_EQ(back.InputFieldNames[static_cast<std::size_t>(n)], name);
  }
  EXPECT_EQ(back.InputFieldValues[1], "v ");
}

}  // namespace
}  // namespace vt
