// Whole-window flows: a real input file, sources picked as a user picks them, the preview.
#include <string>

#include "strings/fixed_text.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::GoToSheet;
using testing::Pick;
using testing::ViewTest;

class WindowFlowTest : public ViewTest {
 protected:
  TParseView& OpenCsv(const std::string& text) {
    TParseView& view = OpenInput("in.csv", text);
    EXPECT_EQ(view.InputFileName, Path("in.csv"));
    return view;
  }
  static const std::string& Generated(const TParseView& view, int k) {
    return view.GeneratedSourceValues[static_cast<std::size_t>(k)];
  }
  // Picks input field `item` (0-based) for the slot list `slot` of the sheet `sheet`.
  static void PickSource(TParseView& view, tk::TabSheet& sheet, tk::ListBox& slot, int item) {
    GoToSheet(view, sheet);
    Pick(slot, 0);
    ClickInputField(view, item);
  }
};

TEST_F(WindowFlowTest, StreetFieldChosenOnTheStreetSheetFillsTheStreetSources) {
  TParseView& view = OpenCsv("\"Ann\",\"Apt 4 123 N Main St\",\"Toronto ON M5V2T6\"\n");
  ASSERT_EQ(view.InputFieldNamesListBox.Count(), 3);
  PickSource(view, view.ParseStreet, view.Street0, 1);
  EXPECT_EQ(view.SpecialSourceTable[kStreetRow][0], 2);
  EXPECT_EQ(Generated(view, kSuiteDesignator), "Apt");
  EXPECT_EQ(Generated(view, kSuiteNumber), "4");
  EXPECT_EQ(Generated(view, kStreetNumber), "123");
  EXPECT_EQ(Generated(view, kStreetName), "Main");
  EXPECT_EQ(Generated(view, kStreetDesignator), "St");
  EXPECT_EQ(Generated(view, kStreetDirection), "N");
  EXPECT_EQ(Generated(view, kStdAddress), "123 Main St N Apt 4");

  PickSource(view, view.CityPage, view.City1, 2);
  EXPECT_EQ(Generated(view, kCity), "Toronto");
  EXPECT_EQ(Generated(view, kStateProvince), "ON");
  EXPECT_EQ(Generated(view, kPostalZip), "M5V 2T6");
}

TEST_F(WindowFlowTest, NameFieldFillsTheNameAndGenderSources) {
  TParseView& view = OpenCsv("\"Dr. John A. Smith Jr.\",\"Mary\"\n");
  PickSource(view, view.ParseNameSheet, view.NameIn1, 0);
  EXPECT_EQ(Generated(view, kTitle), "Dr");
  EXPECT_EQ(Generated(view, kFirstName), "John");
  EXPECT_EQ(Generated(view, kMiddleNames), "A");
  EXPECT_EQ(Generated(view, kLastName), "Smith");
  EXPECT_EQ(Generated(view, kNameSuffix), "Jr");
  EXPECT_EQ(Generated(view, kStdName), "Dr John A Smith Jr");

  GoToSheet(view, view.GenderSheet);
  Pick(view.GenderSource, 0);  // Gender 1 from the second field
  ClickInputField(view, 1);
  Pick(view.GenderSource, 1);
  ClickInputField(view, 0);
  EXPECT_EQ(view.SpecialSourceTable[kGenderSplitRow][0], 2);
  EXPECT_EQ(view.SpecialSourceTable[kGenderSplitRow][1], 1);
  EXPECT_EQ(Generated(view, kGender1), "F");
  EXPECT_EQ(Generated(view, kGender2), "M");
  EXPECT_EQ(Generated(view, kGender3), "");
}

TEST_F(WindowFlowTest, EntitiesAreDecodedOncePerCut) {
  TParseView& view = OpenCsv("\"&amp;lt;b&amp;gt;\",\"x\"\n\"2\",\"y\"\n");
  GoToSheet(view, view.MiscTab);
  Click(view.XMLTranslate);                   // which refreshes the output record
  GoToSheet(view, view.OutputConfiguration);  // and this again
  EXPECT_EQ(view.InputFieldValues[1], "&lt;b&gt;") << "a refresh must not decode again";
  Click(view.NextButton);
  Click(view.PrevButton);  // the same record cut again starts from its raw text
  GoToSheet(view, view.MiscTab);
  GoToSheet(view, view.OutputConfiguration);
  EXPECT_EQ(view.InputFieldValues[1], "&lt;b&gt;");
}

}  // namespace
}  // namespace vt
