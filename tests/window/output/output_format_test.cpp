// Choosing the output format on the Output sheet: the preview follows at once, and dBase and
// XML output make the field names valid for their format.
#include <string>

#include "strings/fixed_text.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

class OutputFormatTest : public testing::ViewTest {
 protected:
  // A two-field CSV; the Output sheet in front with every input field copied to an output field.
  TParseView& Start() {
    TParseView& view = OpenInput("in.csv", "\"1st name\",\"Amount\"\n\"Ann\",\"12\"\n");
    view.TakeFirstRecordAsFieldName.UserClick();
    view.PageControl.UserSelectPage(&view.OutputConfiguration);
    view.CloneButton.UserClick();
    EXPECT_EQ(view.OutputFieldCount, 2);
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

}  // namespace
}  // namespace vt
