// Printed reports through the window: pages chosen on the Input sheet, bands marked and lines
// cut on the Page sheet, records stepped through, and the bytes a conversion writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::FieldRow;
using testing::GoToSheet;
using testing::Type;
using testing::TypeAndEnter;

constexpr int kCell = 7;  // model units of one record column
constexpr std::uint32_t kTrim = kFlagRemoveBlanks;

// A user's click on page line `line` (1-based) at `column` of the page image.
void ChooseLine(TParseView& v, int line, int column = 0) {
  tk::ListBox& page = v.InputPageListBox;
  testing::InReach(page);
  const int y = (line - 1 - page.TopIndex()) * page.ItemHeight() + 6;
  page.UserMouseMove(column * kCell, y);
  page.UserMouseDown(false, line - 1);
  page.UserSelect(line - 1);
}

// A divider after `column` (0-based) of the record shown, set under the input record.
void MarkDivider(TParseView& v, int column) {
  testing::InReach(v.InputRecordMarkerLabel);
  v.InputRecordMarkerLabel.UserMouseMove(column * kCell + 3, 3);
  v.InputRecordMarkerLabel.UserClick();
}

void Band(TParseView& v, tk::Button& button, int line) {
  ChooseLine(v, line);
  Click(button);
}

std::vector<std::string> Values(const TParseView& v) {
  std::vector<std::string> values;
  for (int f = 1; f <= v.InputFieldTotal; ++f) values.push_back(v.InputFieldValues[f]);
  return values;
}

class PageScenarioTest : public testing::ViewTest {
 protected:
  // The tagged report as tagged page input, on the Page sheet.
  TParseView& OpenTaggedPages();
  // Tab-delimited output of these fields, into a file of its own.
  std::string Convert(TParseView& v, const std::vector<FieldRow>& fields) {
    testing::SetUpFields(v, fields);
    Click(v.TabDelimitedOutputButton);
    return testing::RunInto(v, fakes.dialogs, Path("out" + std::to_string(++runs_) + ".txt"));
  }

 private:
  int runs_ = 0;
};

std::string Header(int page) {
  return "ACME INVOICES   PAGE    " + std::to_string(page);  // the number from column 25
}

// Three pages: form feeds at the start of the file, inside a line and at the start of a line.
std::string FormFeedReport() {
  return "\f" + Header(1) + "\nNAME      AMOUNT\nAnn       10.00\nBob       20.50\n" +
         "TOTAL     30.50\f" + Header(2) + "\nNAME      AMOUNT\nCy        7.25\nDee       1.00\n" +
         "TOTAL     8.25\n\f" + Header(3) + "\nNAME      AMOUNT\nEve       3.00\nFay       4.00\n";
}

// The Page sheet set-up of the form-feed report: data lines 3 and 4 in bands of one line, the
// page number and the two columns of a data line as fields.
void SetUpInvoicePages(TParseView& v) {
  GoToSheet(v, v.PageInputTab);
  Band(v, v.SetPageHeaderButton, 3);
  Band(v, v.PageDataButton, 3);
  Band(v, v.SetPageFooterButton, 4);
  ChooseLine(v, 1);
  MarkDivider(v, 23);
  ChooseLine(v, 3);
  MarkDivider(v, 9);
}

const std::vector<FieldRow> kInvoiceFields = {
    {"Name", 3, 0, kTrim, ""},
    {"Amount", 4, 0, kTrim, ""},
    {"Page", 2, 0, kTrim, ""},
    {"PageNo", -kInputPageNumber, 0, kTrim, ""},
};
constexpr char kInvoiceOutput[] =
    "Ann\t10.00\t1\t1\r\nBob\t20.50\t1\t1\r\nCy\t7.25\t2\t2\r\nDee\t1.00\t2\t2\r\n"
    "Eve\t3.00\t3\t3\r\nFay\t4.00\t3\t3\r\n";

TEST_F(PageScenarioTest, FormFeedPagesWithBandsConvertAndReplayUnattended) {
  TParseView& v = OpenInput("report.txt", FormFeedReport());
  ASSERT_TRUE(v.FormFeedButton.Checked());
  SetUpInvoicePages(v);
  EXPECT_EQ(v.InputPageListBox.Items(),
            (std::vector<std::string>{Header(1), "NAME      AMOUNT", "Ann       10.00",
                                      "Bob       20.50", "TOTAL     30.50"}));
  std::vector<std::string> names;
  for (int f = 1; f <= v.InputFieldTotal; ++f) names.push_back(v.InputFieldNames[f]);
  EXPECT_EQ(names,
            (std::vector<std::string>{"Line1C1_24", "Line1C25_End", "Row1C1_10", "Row1C11_End"}));
  // Page 1 ended inside a line; the run starts again from the top of the file.
  EXPECT_EQ(Convert(v, kInvoiceFields), kInvoiceOutput);

  fakes.dialogs.answers.push_back(Path("invoices.vnq"));
  Click(v.SaveConfiguration);
  TParseView& again =
      OpenInput("report.txt", FormFeedReport(), {Path("invoices.vnq"), Path("replay.txt")});
  EXPECT_EQ(again.UnattendedExitCountdown, 1) << "the chain ran to its end";
  EXPECT_EQ(testing::ReadBytes(Path("replay.txt")), kInvoiceOutput);
}

TEST_F(PageScenarioTest, NextAndPreviousStepBandByBandAndPageByPage) {
  TParseView& v = OpenInput("report.txt", FormFeedReport());
  SetUpInvoicePages(v);
  GoToSheet(v, v.InputConfiguration);
  std::vector<std::string> seen = {v.InputFieldValues[3]};
  for (int i = 0; i < 8; ++i) {
    Click(v.NextButton);
    if (v.InputRecordLabel.Caption() == "*** End of File Reached ***") break;
    seen.push_back(v.InputFieldValues[3] + v.InputFieldValues[2] + "#" +
                   v.RecordNumberLabel.Caption());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"Ann       ", "Bob       1#2", "Cy        2#3",
                                            "Dee       2#4", "Eve       3#5", "Fay       3#6"}));
  EXPECT_EQ(v.RecordNumber, 6) << "the end of the input leaves the last record";
  Click(v.PrevButton);
  Click(v.PrevButton);
  EXPECT_EQ(v.InputFieldValues[3], "Dee       ") << "back over the page break";
  EXPECT_EQ(v.PagesRead, 2);

  GoToSheet(v, v.PageInputTab);
  Click(v.PrevPage);
  EXPECT_EQ(v.PagesRead, 1);
  EXPECT_EQ(v.InputPageListBox.Item(0), Header(1));
  EXPECT_FALSE(v.PrevPage.Enabled());
  Click(v.NextPage);
  Click(v.NextPage);
  EXPECT_EQ(v.InputPageListBox.Item(0), Header(3));
  EXPECT_FALSE(v.NextPage.Enabled());
}

TEST_F(PageScenarioTest, FixedLengthPagesWithBlocksSideBySide) {
  TParseView& v = OpenInput("lists.txt",
                            "LIST A\n  Ann   10  Bob   20\n  Cy    30  Dee   40\n"
                            "LIST B\n  Eve   50  Fay   60\n  Gus   70\n");
  Click(v.PageInputButton);
  TypeAndEnter(v.FormLengthInputBox, "3");
  ASSERT_EQ(v.PageControl.ActivePage(), &v.PageInputTab) << "Enter shows the page";
  EXPECT_EQ(v.InputPageListBox.Count(), 3);
  Type(v.PageLeftGutter, "2");
  Type(v.PageBlockWidth, "10");
  Type(v.PageBlockNumber, "2");
  Band(v, v.SetPageHeaderButton, 2);
  Band(v, v.PageDataButton, 2);
  EXPECT_EQ(v.FormLength, 3);
  EXPECT_EQ(v.PageBlockCount, 2);
  ChooseLine(v, 2, 14);  // a column of the second block
  EXPECT_EQ(v.InputLine, "Bob   20");
  EXPECT_EQ(v.RowTypeLabel.Caption(), "Horiz. Band 1 Row 1 Vert. Band 2");
  MarkDivider(v, 5);
  // An option changed on the way focuses the length box; passing through it keeps the bands.
  GoToSheet(v, v.InputConfiguration);
  Click(v.SkipBlankLines);
  GoToSheet(v, v.PageInputTab);
  // Line 1, chosen when the page was first shown, keeps its one field as a header row.
  EXPECT_EQ(Convert(v, {{"List", 1, 0, kTrim, ""},
                        {"Name", 2, 0, kTrim, ""},
                        {"Amount", 3, 0, kTrim, ""},
                        {"Page", -kInputPageNumber, 0, kTrim, ""}}),
            "LIST A\tAnn\t10\t1\r\nLIST A\tBob\t20\t1\r\nLIST A\tCy\t30\t1\r\n"
            "LIST A\tDee\t40\t1\r\nLIST B\tEve\t50\t2\r\nLIST B\tFay\t60\t2\r\n"
            "LIST B\tGus\t70\t2\r\nLIST B\t\t\t2\r\n");
}

// The 1,000-record test stops at the end of the page in which the 1,000th record falls.
TEST_F(PageScenarioTest, TheRecordTestFinishesItsPage) {
  std::string lines;
  for (int n = 1; n <= 1500; ++n) lines += "r" + std::to_string(n) + "\n";
  TParseView& v = OpenInput("lines.txt", lines);
  Click(v.PageInputButton);
  TypeAndEnter(v.FormLengthInputBox, "3");
  Band(v, v.PageDataButton, 1);  // three bands of one line a page
  ChooseLine(v, 1);
  GoToSheet(v, v.OutputConfiguration);
  Click(v.Limit1000);
  const std::string out = Convert(v, {{"Line", 1, 0, kTrim, ""}});
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1002);
  EXPECT_TRUE(out.ends_with("\r\nr1002\r\n"));
}

std::string NumberedLines(int count) {
  std::string lines;
  for (int n = 1; n <= count; ++n) lines += "line " + std::to_string(n) + "\n";
  return lines;
}

TEST_F(PageScenarioTest, FixedLengthPagesStartAtSixtySixLinesAndALoadSetsTheBox) {
  TParseView& v = OpenInput("report.txt", NumberedLines(150));
  Click(v.PageInputButton);
  ASSERT_TRUE(v.FixedLengthButton.Checked());
  EXPECT_EQ(v.FormLengthInputBox.Text(), "66");
  GoToSheet(v, v.PageInputTab);
  EXPECT_EQ(v.InputPageListBox.Count(), 66);
  EXPECT_EQ(v.InputPageListBox.Items().back(), "line 66");
  EXPECT_EQ(v.PageFooterLabel.Caption(), "66");
  Click(v.NextPage);
  EXPECT_EQ(v.InputPageListBox.Item(0), "line 67");

  GoToSheet(v, v.InputConfiguration);
  TypeAndEnter(v.FormLengthInputBox, "40");
  fakes.dialogs.answers.push_back(Path("forty.vnq"));
  Click(v.SaveConfiguration);
  GoToSheet(v, v.InputConfiguration);
  TypeAndEnter(v.FormLengthInputBox, "50");
  fakes.dialogs.answers.push_back(Path("forty.vnq"));
  Click(v.LoadConfiguration1);
  EXPECT_EQ(v.FormLengthInputBox.Text(), "40");
}

// The page image shows 13 of the page's 60 lines; the footer view holds only footer rows in view.
TEST_F(PageScenarioTest, TheFooterViewHoldsOnlyTheFooterRowsInView) {
  TParseView& v = OpenInput("report.txt", NumberedLines(60));
  Click(v.PageInputButton);
  GoToSheet(v, v.PageInputTab);
  ASSERT_EQ(v.InputPageListBox.Count(), 60);
  ASSERT_EQ(v.InputPageListBox.TopIndex(), 0);
  const struct {
    int footer;
    std::vector<std::string> shown;
  } rows[] = {
      {50, {}},
      {10, {"line 11", "line 12", "line 13"}},
      {13, {}},
      {12, {"line 13"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.footer);
    testing::InReach(v.InputPageScrollBar);
    v.InputPageScrollBar.UserSetPosition(row.footer);
    Click(v.SetPageFooterButton);
    EXPECT_EQ(v.PageFooterLine, row.footer);
    EXPECT_EQ(v.FooterListBox.Items(), row.shown);
    EXPECT_EQ(v.FooterListBox.Visible(), !row.shown.empty());
  }
}

TEST_F(PageScenarioTest, BlankLinePagesAsMultiLineRecords) {
  TParseView& v = OpenInput(
      "people.txt", "\n\nAnn Lee\n12 Main St\n\n \nBob Day\n7 Oak Ave\n\t\nCy Roe\n1 Elm Rd\n");
  Click(v.PageInputButton);
  Click(v.BlankLinesPage);
  GoToSheet(v, v.PageInputTab);
  ChooseLine(v, 1);
  ChooseLine(v, 2);
  EXPECT_EQ(Convert(v, {{"Name", 1, 0, kTrim, ""}, {"Street", 2, 0, kTrim, ""}}),
            "Ann Lee\t12 Main St\r\nBob Day\t7 Oak Ave\r\nCy Roe\t1 Elm Rd\r\n");
}

// Pages that start at a "Page" line; tags give the values and the page's first addresses.
constexpr char kTaggedReport[] =
    "REPORT\n"
    "Page 1\nInvoice: 17\nName: Ann Lee\n  Page total: 5\n"
    "Page 2\nInvoice: 18\nName: Bob Day\nContact bob@mail.example.com http://example.com/bob?x=1\n";

TParseView& PageScenarioTest::OpenTaggedPages() {
  TParseView& v = OpenInput("tagged.txt", kTaggedReport);
  Click(v.PageInputButton);
  Click(v.TagTextButton);
  Click(v.TaggedData);
  GoToSheet(v, v.PageInputTab);
  return v;
}

void AddTagThroughTheEditor(TParseView& v, const char* text) {
  Click(v.AddTag);
  TypeAndEnter(v.TagIn, text);
}

TEST_F(PageScenarioTest, TagPagesAnywhereOrAtLeftWithTaggedValues) {
  const std::vector<FieldRow> fields = {{"Invoice", 1, 0, kTrim, ""},
                                        {"Name", 2, 0, kTrim, ""},
                                        {"Email", -kTaggedEmail1, 0, kTrim, ""},
                                        {"Url", -kTaggedUrl1, 0, kTrim, ""},
                                        {"Page", -kInputPageNumber, 0, kTrim, ""}};
  const struct {
    const char* name;
    bool at_left;
    const char* expected;
  } rows[] = {
      {"anywhere", false,
       "17\tAnn Lee\t\t\t1\r\n\t\t\t\t2\r\n18\tBob "
       "Day\tbob@mail.example.com\thttp://example.com/bob\t3\r\n"},
      {"at left only", true,
       "17\tAnn Lee\t\t\t1\r\n18\tBob Day\tbob@mail.example.com\thttp://example.com/bob\t2\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& v = OpenInput("tagged.txt", kTaggedReport);
    Click(v.PageInputButton);
    Click(v.TagTextButton);
    EXPECT_EQ(v.TagTextIn.Text(), "Page");
    if (row.at_left) {
      testing::InReach(v.VFC);
      v.VFC.UserSelect(1);
    }
    Click(v.TaggedData);
    GoToSheet(v, v.PageInputTab);
    AddTagThroughTheEditor(v, "Invoice: ");
    AddTagThroughTheEditor(v, "Name: ");
    EXPECT_EQ(v.TagList.Items(), (std::vector<std::string>{"Invoice: ", "Name: "}));
    EXPECT_EQ(v.InputFieldNames[1], "Invoice: ");
    EXPECT_EQ(v.InputFieldValues[2], "Ann Lee");
    EXPECT_EQ(Convert(v, fields), row.expected);
  }
}

TEST_F(PageScenarioTest, TagEditorChangesAndDeletesKeepSourcesByName) {
  TParseView& v = OpenTaggedPages();
  AddTagThroughTheEditor(v, "Invoice: ");
  AddTagThroughTheEditor(v, "Page ");
  AddTagThroughTheEditor(v, "Name: ");
  AddTagThroughTheEditor(v, "Invoice: ");  // the same tag again selects it
  EXPECT_EQ(v.TagCount, 3);
  EXPECT_EQ(v.TagList.ItemIndex(), 0);
  testing::SetUpFields(v, {{"Name", 3, 0, kTrim, ""}});
  GoToSheet(v, v.PageInputTab);
  testing::Pick(v.TagList, 1);
  Click(v.DeleteTag);
  EXPECT_EQ(v.TagList.Items(), (std::vector<std::string>{"Invoice: ", "Name: "}));
  EXPECT_EQ(v.OutputFieldSource[1], 2) << "the output field follows its tag by name";

  testing::Pick(v.TagList, 1);
  Type(v.TagOccurIn, "2");
  Click(v.TagBelow);
  TypeAndEnter(v.TagIn, "Invoice: ");
  EXPECT_EQ(v.InputFieldNames[2], "Invoice: [-2][B]");
  EXPECT_EQ(v.InputFieldValues[2], "") << "page 1 holds one invoice line";
  Click(v.NextPage);
  Click(v.NextPage);
  EXPECT_EQ(v.InputFieldValues[2], "") << "and so do the others";
}

TEST_F(PageScenarioTest, AClickOnATagFieldSelectsThatTagForDelete) {
  TParseView& v = OpenTaggedPages();
  for (const char* tag : {"A:", "B:", "C:"}) AddTagThroughTheEditor(v, tag);
  testing::Pick(v.TagList, 1);
  testing::ClickInputField(v, 2);
  EXPECT_EQ(v.TagList.ItemIndex(), 2);
  EXPECT_EQ(v.TagIn.Text(), "C:");
  Click(v.DeleteTag);
  EXPECT_EQ(v.TagList.Items(), (std::vector<std::string>{"A:", "B:"}));
}

TEST_F(PageScenarioTest, IgnoreLineEndsAndPreviousPageInTagMode) {
  TParseView& v = OpenTaggedPages();
  AddTagThroughTheEditor(v, "Name: ");
  EXPECT_EQ(v.InputFieldValues[1], "Ann Lee");
  Click(v.IgnoreLineEnds);
  EXPECT_EQ(v.InputFieldValues[1], "Ann Lee ") << "the page as one text, lines joined by blanks";
  Click(v.NextPage);
  Click(v.NextPage);
  EXPECT_EQ(v.InputFieldValues[1],
            "Bob Day Contact bob@mail.example.com http://example.com/bob?x=1 ");
  Click(v.PrevPage);
  EXPECT_EQ(v.PagesRead, 2);
  EXPECT_EQ(v.InputPageListBox.Items(), (std::vector<std::string>{"  Page total: 5"}));
  Click(v.PrevPage);
  EXPECT_EQ(v.InputPageListBox.Item(0), "Page 1") << "the lines before the first tag are no page";
}

// The addresses found on a page belong to that page: input without pages has none.
TEST_F(PageScenarioTest, FixedFormatAfterTaggedPagesHasNoAddresses) {
  TParseView& v = OpenTaggedPages();
  AddTagThroughTheEditor(v, "Name: ");
  Click(v.NextPage);
  Click(v.NextPage);
  ASSERT_EQ(v.InputFieldValues[1], "Bob Day");
  GoToSheet(v, v.InputConfiguration);
  Click(v.FixedInputButton);
  Click(v.NextButton);
  std::string expected;
  for (const char* line : {"REPORT", "Page 1", "Invoice: 17", "Name: Ann Lee", "Page total: 5",
                           "Page 2", "Invoice: 18", "Name: Bob Day",
                           "Contact bob@mail.example.com http://example.com/bob?x=1"}) {
    expected += std::string(line) + "\t\t\r\n";
  }
  EXPECT_EQ(Convert(v, {{"Line", 1, 0, kTrim, ""},
                        {"Email", -kTaggedEmail1, 0, kTrim, ""},
                        {"Url", -kTaggedUrl1, 0, kTrim, ""}}),
            expected);
}

// Three pages in two streams: records 1, 3, 2 and a padding record, which finds no address.
TEST_F(PageScenarioTest, InterleavePaddingOfTaggedPagesIsEmpty) {
  const struct {
    const char* name;
    bool whole_page;
    const char* bob;  // the third page's Name value
  } rows[] = {{"line by line", false, "Bob Day"},
              {"ignore line ends", true,
               "Bob Day Contact bob@mail.example.com http://example.com/bob?x=1"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TParseView& v = OpenTaggedPages();
    AddTagThroughTheEditor(v, "Name: ");
    if (row.whole_page) Click(v.IgnoreLineEnds);
    GoToSheet(v, v.Mailing);
    testing::Pick(v.InterLeaf, 1);
    EXPECT_EQ(Convert(v, {{"Name", 1, 0, kTrim, ""},
                          {"Email", -kTaggedEmail1, 0, kTrim, ""},
                          {"Url", -kTaggedUrl1, 0, kTrim, ""}}),
              "Ann Lee\t\t\r\n" + std::string(row.bob) +
                  "\tbob@mail.example.com\thttp://example.com/bob\r\n\t\t\r\n\t\t\r\n");
  }
}

TEST_F(PageScenarioTest, HtmlTableRowsBecomeRecords) {
  TParseView& v =
      OpenInput("t.htm",
                "<html><body><table>\n"
                "<tr><td>Ann</td><td><a href=\"http://a.example.com/x\">site</a></td></tr>\n"
                "<tr><td>Bob &amp; Co</td></tr>\n</table></body></html>\n");
  EXPECT_EQ(v.TagTextIn.Text(), "<tr") << "the row tag as the file writes it";
  v.Timer1.Tick();  // the timer keeps an HTML table's page settings
  ASSERT_TRUE(v.PageInputButton.Checked());
  ASSERT_TRUE(v.TaggedData.Checked());
  GoToSheet(v, v.PageInputTab);
  EXPECT_FALSE(v.DefineTagsGroupBox.Enabled());
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Ann", "", "site", "http://a.example.com/x"}));
  EXPECT_EQ(
      Convert(v,
              {{"Text1", 1, 0, kTrim, ""}, {"Text2", 3, 0, kTrim, ""}, {"Url2", 4, 0, kTrim, ""}}),
      "Ann\tsite\thttp://a.example.com/x\r\nBob & Co\t\t\r\n");
}

// Close Input File leaves nothing of a table's set-up to the next file.
TEST_F(PageScenarioTest, AFileOpenedAfterAClosedTableKeepsNoneOfItsSettings) {
  TParseView& v = OpenInput("a.htm",
                            "<TABLE>\n<TR><TD>Ann</TD><TD>x</TD></TR>\n"
                            "<TR><TD>Bob</TD><TD>y</TD></TR>\n</TABLE>\n");
  v.Timer1.Tick();
  GoToSheet(v, v.PageInputTab);
  EXPECT_EQ(Convert(v, {{"Text", 1, 2, kTrim, ""}, {"Cell", 3, 1, kTrim, "2"}}),
            "An\tx\r\nBo\ty\r\n");
  Click(v.CloseFile1);
  EXPECT_FALSE(v.HTMLTableCheckBox.Checked());

  WriteFile(Path("b.csv"), "\"longvalue\",\"second\"\n");
  fakes.dialogs.answers.push_back(Path("b.csv"));
  Click(v.Open1);
  v.Timer1.Tick();
  EXPECT_TRUE(v.DelimitedInputButton.Checked());
  EXPECT_FALSE(v.PageInputButton.Checked());
  EXPECT_EQ(v.InputFieldNamesListBox.Items(), (std::vector<std::string>{"Field1", "Field2"}));
  GoToSheet(v, v.OutputConfiguration);
  for (int f = 0; f < 2; ++f) {
    if (f != 0) Click(v.AddFieldButton);
    testing::ClickInputField(v, f);
    EXPECT_EQ(v.OutputWidthEditBox.Text(), "VAR") << "field " << f + 1;
    EXPECT_EQ(v.DecimalPlaces.Text(), " ") << "field " << f + 1;
  }
  Click(v.TabDelimitedOutputButton);
  EXPECT_EQ(testing::RunInto(v, fakes.dialogs, Path("b.txt")), "longvalue\tsecond\r\n");

  // A table of lower-case tags after one of upper-case tags: its own row tag cuts the pages.
  Click(v.CloseFile1);
  WriteFile(Path("c.htm"), "<table>\n<tr><td>Cy</td></tr>\n<tr><td>Dee</td></tr>\n</table>\n");
  fakes.dialogs.answers.push_back(Path("c.htm"));
  Click(v.Open1);
  v.Timer1.Tick();
  EXPECT_EQ(v.TagTextIn.Text(), "<tr");
  GoToSheet(v, v.PageInputTab);
  EXPECT_EQ(Convert(v, {{"Text", 1, 0, kTrim, ""}}), "Cy\r\nDee\r\n");
}

TEST_F(PageScenarioTest, XmlRecordsByTheirTags) {
  TParseView& v = OpenInput("list.xml",
                            "<?xml version=\"1.0\"?>\n<list>\n"
                            "<item><name>Ann &amp; Bo</name><city>Oslo</city></item>\n"
                            "<item><name>Cy</name>\n<city>Rome</city></item>\n</list>\n");
  GoToSheet(v, v.PageInputTab);
  EXPECT_EQ(v.TagList.Items(),
            (std::vector<std::string>{"<item>", "\" ", "\">", "</", "<name>", "<city>"}));
  EXPECT_EQ(Convert(v, {{"Name", 5, 0, kTrim, ""}, {"City", 6, 0, kTrim, ""}}),
            "Ann & Bo\tOslo\r\nCy\tRome\r\n");
}

TEST_F(PageScenarioTest, WebFormNamesFromThePreviewValuesDecoded) {
  TParseView& v = OpenInput("form.txt",
                            "first=John+Smith&city=New%20York\nfirst=Ann&CITY=Boise&zip=1\n"
                            "a=1&b=2!\nc=3\n");
  Click(v.WebFormInput);
  EXPECT_EQ(Values(v), (std::vector<std::string>{"John Smith", "New York"}));
  Click(v.NextButton);  // the input starts again at its first record
  Click(v.NextButton);
  EXPECT_EQ(v.TagCount, 3) << "zip is a new name";
  EXPECT_EQ(Values(v), (std::vector<std::string>{"Ann", "Boise", "1"}));
  EXPECT_EQ(
      Convert(v, {{"First", 1, 0, kTrim, ""}, {"City", 2, 0, kTrim, ""}, {"Zip", 3, 0, kTrim, ""}}),
      "John Smith\tNew York\t\r\nAnn\tBoise\t1\r\n\t\t\r\n")
      << "a run adds no names: a and b have no field";
}

TEST_F(PageScenarioTest, WidthScanOfAnHtmlTableReachesTheEnd) {
  std::string html = "<table>\n";
  for (int i = 1; i <= 1005; ++i) html += "<tr><td>" + std::string(i % 7 + 1, 'x') + "</td></tr>\n";
  TParseView& v = OpenInput("big.htm", html + "</table>\n");
  v.Timer1.Tick();
  Click(v.NextButton);
  testing::SetUpFields(v, {{"Text", 1, 0, kTrim, ""}});
  fakes.messages.replies.push_back(tk::MessageReply::kYes);
  Click(v.AutoWidth);
  ASSERT_FALSE(fakes.messages.shown.empty());
  EXPECT_EQ(fakes.messages.shown.back().caption, "Scanned first 1000 records");
  EXPECT_EQ(v.OutputFieldWidths[1], 7);
  EXPECT_EQ(v.RecordNumber, 1) << "the first record shows again";
}

}  // namespace
}  // namespace vt
