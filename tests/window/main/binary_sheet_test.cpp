// The Binary sheet as a user works it: the header and record length typed or clicked in the
// byte view, the refusals, the reading panel and its choices, EBCDIC records, a preference
// load, and a binary file converted to CSV.
#include <string>
#include <vector>

#include "input/ebcdic.h"
#include "window/conversion_fixture.h"
#include "window/view_fixture.h"

namespace vt {
namespace {

using testing::Click;
using testing::ClickInputField;
using testing::InReach;
using testing::Type;

constexpr char kInvalidLength[] = "Invalid Binary Record Length";
constexpr char kBeyondRecord[] = "You cannot have field end tabs set beyond the record width.";

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int v : values) bytes += static_cast<char>(v);
  return bytes;
}

// Three records of 16 bytes: text (3), packed (2), integer (2), zoned (4), float (4), byte (1).
std::string Records() {
  return std::string("AB\0", 3) + Bytes({0x12, 0x3D, 0x00, 0x01}) + "012C" +
         Bytes({0, 0, 0x80, 0x3F}) + "Z" +  //
         "\xE9yz" + Bytes({0x99, 0x9C, 0xFF, 0xFE}) + "999}" + Bytes({0, 0, 0x20, 0xC0, 1}) +
         "end" + Bytes({0x00, 0x0C, 0, 0}) + "AB12" + Bytes({0, 0, 0, 0}) + "!";
}

class BinarySheetTest : public testing::ViewTest {
 protected:
  // Opens the file as binary input; a length other than 0 is typed in and the box left.
  TParseView& OpenBinary(const std::string& bytes, int length = 16) {
    TParseView& v = OpenInput("in.bin", bytes);
    Click(v.BinaryInput);
    EXPECT_EQ(v.PageControl.ActivePage(), &v.BinaryInputTab);
    if (length != 0) TypeAndLeave(v, v.BinaryRecordSize, std::to_string(length));
    return v;
  }
  // The entry ends when the user clicks below the rows of the input field list.
  static void TypeAndLeave(TParseView& v, tk::Edit& box, const std::string& text) {
    Type(box, text);
    testing::Pick(v.InputFieldNamesListBox, -1);
  }
  // A click on byte `p` (1-based) of the header view, whose rows 0..9 show.
  static void ClickByte(TParseView& v, int p, bool right_button) {
    const int row = (p - 1) / 50;
    const int cell = v.YardStickBinary.Geometry().width;
    v.BinaryHeaderList.UserMouseMove(((p - 1) % 50 + 1) * cell - 2, row * 13 + 6);
    v.BinaryHeaderList.UserMouseDown(right_button, row);
  }
  // Dividers after the given 1-based columns of the record line.
  static void SetDividers(TParseView& v, std::initializer_list<int> columns) {
    const int cell = v.YardStick.Geometry().width;
    for (const int column : columns) {
      v.InputRecordMarkerLabel.UserMouseMove((column - 1) * cell + 1, 3);
      v.InputRecordMarkerLabel.UserClick();
    }
  }
  static void ChooseReading(TParseView& v, int field, tk::RadioButton& reading) {
    ClickInputField(v, field - 1);
    Click(reading);
  }
  static void ChooseFirstByte(TParseView& v, int item) {
    InReach(v.FirstByte);
    v.FirstByte.UserSelect(item);
  }
  std::vector<std::string> Shown() {
    std::vector<std::string> shown;
    for (const auto& m : fakes.messages.shown) shown.push_back(m.caption + ": " + m.text);
    fakes.messages.shown.clear();
    return shown;
  }
};

TEST_F(BinarySheetTest, RecordsFoundByTypingAndByClicksInTheByteView) {
  const std::string header("HDR\0\0\0\0\0\0\0", 10);
  const std::string file = header + Records() + Records() + Records();
  TParseView& v = OpenBinary(file, 0);
  EXPECT_EQ(v.BinaryRecordSize.Text(), "50");

  TypeAndLeave(v, v.BinaryHeaderSizeIn, "10");
  TypeAndLeave(v, v.BinaryRecordSize, "16");
  EXPECT_EQ(v.RecordNumber, 1);
  EXPECT_EQ(v.InputLine.substr(0, 3), "AB_");
  EXPECT_EQ(v.BinaryRecords.Count(), (15000 - 10) / 16);
  EXPECT_EQ(v.BinaryRecords.Item(1).substr(0, 3), "\x7Fyz");

  // A left click marks the first byte of the first record, a right click that of the second.
  ClickByte(v, 11, false);
  ClickByte(v, 11 + 16 + 4, true);
  EXPECT_EQ(v.BinaryRecordLength, 20);
  EXPECT_EQ(v.BinaryRecordSize.Text(), "20");
  EXPECT_EQ(v.BinaryRecords.Item(1).substr(0, 4),
            "\x7F\x7F\x7F"
            "9")
      << "20 bytes from byte 10";
  ClickByte(v, 61, false);  // row 1 of the view
  EXPECT_EQ(v.BinaryHeaderSize(), 60);
  ClickByte(v, 1, true);  // before the first record: the length falls back to 50
  EXPECT_EQ(v.BinaryRecordLength, 50);
  EXPECT_EQ(v.RecordNumber, 1);
  EXPECT_EQ(v.BinaryRecordCopy, file.substr(60, 50));

  // Outside the 50 byte columns nothing is clicked.
  v.BinaryHeaderList.UserMouseMove(60 * v.YardStickBinary.Geometry().width, 6);
  EXPECT_FALSE(v.BinaryPositionPanel.Visible());
  v.BinaryHeaderList.UserMouseDown(false, 0);
  EXPECT_EQ(v.BinaryHeaderSize(), 60);
  // Over a byte the read-out shows it.
  v.BinaryHeaderList.UserMouseMove(2 * v.YardStickBinary.Geometry().width - 2, 6);
  EXPECT_TRUE(v.BinaryPositionPanel.Visible());
  EXPECT_EQ(v.BinaryPositionLabel.Caption(), "2");
  EXPECT_EQ(v.BinaryTextLabel.Caption(), "D");
  EXPECT_EQ(v.BinaryValueLabel.Caption(), "68");
  EXPECT_EQ(v.HexValueLabel.Caption(), "44");

  // Issue 18: a typed header is kept within 0..32,767; past the file there is no record.
  TypeAndLeave(v, v.BinaryHeaderSizeIn, "99999");
  EXPECT_EQ(v.BinaryHeaderSizeIn.Text(), "32767");
  EXPECT_EQ(v.BinaryRecords.Count(), 0);
  EXPECT_EQ(v.InputRecordLabel.Caption(), "*** End of File Reached ***");
  TypeAndLeave(v, v.BinaryHeaderSizeIn, "-3");
  EXPECT_EQ(v.BinaryHeaderSize(), 0);
  EXPECT_TRUE(Shown().empty());
}

// Issue 18: a length no record can have keeps the one in force and reads nothing.
TEST_F(BinarySheetTest, ARecordLengthNoRecordCanHaveIsRefused) {
  TParseView& v = OpenBinary(Records());
  v.NextButton.UserClick();
  for (const char* typed : {"0", "32767", "-5", "abc", "12x", ""}) {
    SCOPED_TRACE(typed);
    TypeAndLeave(v, v.BinaryRecordSize, typed);
    EXPECT_EQ(Shown(), std::vector<std::string>{std::string("Alert: ") + kInvalidLength});
    EXPECT_EQ(v.BinaryRecordSize.Text(), "");
    EXPECT_EQ(v.BinaryRecordLength, 16) << "the length in force stays";
    EXPECT_EQ(v.RecordNumber, 2) << "nothing is read again";
  }
  // A divider holds the length up to the byte after it.
  SetDividers(v, {15, 16});  // the second would end a field at the record's last byte
  EXPECT_EQ(Shown(), std::vector<std::string>{std::string("Invalid Action: ") + kBeyondRecord});
  TypeAndLeave(v, v.BinaryRecordSize, "10");
  EXPECT_EQ(Shown(), std::vector<std::string>{std::string("Invalid Action: ") + kBeyondRecord});
  EXPECT_EQ(v.BinaryRecordSize.Text(), "16");
  EXPECT_EQ(v.RecordNumber, 1);
}

TEST_F(BinarySheetTest, TheReadingPanelShowsEveryReadingAndStoresTheChoice) {
  TParseView& v = OpenBinary(Records());
  SetDividers(v, {3, 5, 7, 11, 15});
  ASSERT_EQ(v.InputFieldTotal, 6);
  Click(v.LocateFieldsButton);
  EXPECT_TRUE(v.BinaryFieldPanel.Visible());
  EXPECT_FALSE(v.LocateFieldsButton.Enabled());
  EXPECT_TRUE(v.BinSelMessage.Visible()) << "no field chosen yet";
  EXPECT_TRUE(v.BinText.Checked());

  ClickInputField(v, 1);
  EXPECT_FALSE(v.BinSelMessage.Visible());
  EXPECT_EQ(v.BinFieldName.Caption(), "Col4_5");
  EXPECT_EQ(v.BinFieldWidth.Caption(), "2");
  const struct {
    tk::Label& value;
    tk::RadioButton& button;
    std::string shown;
    bool enabled;
  } panel[] = {{v.BinTextVal, v.BinText, "\x12=", true},    {v.BinIntVal, v.BinInt, "15634", true},
               {v.BinUnsVal, v.BinUns, "15634", true},      {v.BinFloatVal, v.BinFloat, "", false},
               {v.BinPackedVal, v.BinPacked, "-123", true}, {v.BinZonedVal, v.BinZoned, "", false}};
  for (const auto& row : panel) {
    SCOPED_TRACE(row.button.Name());
    EXPECT_EQ(row.value.Caption(), row.shown);
    EXPECT_EQ(row.button.Enabled(), row.enabled);
  }
  Click(v.BinPacked);
  EXPECT_EQ(v.BinaryTypeBits(2), kBinaryPacked);
  EXPECT_EQ(v.SelectedValue.Caption(), "-123");
  EXPECT_EQ(v.InputFieldsListBox.Item(1), "-123");

  ClickInputField(v, 0);  // three bytes: no integer or float reading
  EXPECT_FALSE(v.BinInt.Enabled());
  EXPECT_FALSE(v.BinFloat.Enabled());
  EXPECT_EQ(v.BinTextVal.Caption(), "AB");
  ChooseReading(v, 3, v.BinInt);
  EXPECT_EQ(v.SelectedValue.Caption(), "256");
  ChooseFirstByte(v, 1);
  EXPECT_EQ(v.SelectedValue.Caption(), "1");
  ChooseReading(v, 4, v.BinZoned);
  ChooseReading(v, 5, v.BinFloat);
  ChooseReading(v, 6, v.BinUns);
  // The byte order holds for every field: the whole record is read again under it.
  ChooseFirstByte(v, 0);
  EXPECT_EQ(v.InputFieldsListBox.Items(),
            (std::vector<std::string>{"AB", "-123", "256", "+0123", "1.000000", "90"}));

  v.NextButton.UserClick();
  EXPECT_EQ(v.InputFieldsListBox.Items(),
            (std::vector<std::string>{"\xE9yz", " 999", "-257", "-9990", "-2.500000", "1"}));
  // Zoned bytes that are not a number: no value, and the panel offers text in its place.
  v.NextButton.UserClick();
  ClickInputField(v, 3);
  EXPECT_TRUE(v.BinText.Checked());
  EXPECT_FALSE(v.BinZoned.Enabled());
  EXPECT_EQ(v.BinaryTypeBits(4), kBinaryZoned) << "the stored choice changes only by a choice";
  EXPECT_EQ(v.InputFieldValues[4], "");
  EXPECT_EQ(v.SelectedValue.Caption(), "");

  Click(v.LocateRecordsButton);
  EXPECT_FALSE(v.BinaryFieldPanel.Visible());
  EXPECT_TRUE(v.LocateFieldsButton.Enabled());
}

TEST_F(BinarySheetTest, EbcdicRecordsReadAsTheirSourceBytes) {
  // EBCDIC "ABC", zoned "12C", packed -123, a big-endian 1.
  TParseView& v =
      OpenBinary(Bytes({0xC1, 0xC2, 0xC3, 0xF1, 0xF2, 0xC3, 0x12, 0x3D, 0x00, 0x01}), 10);
  Click(v.EbcdicIn);
  EXPECT_TRUE(v.ReverseEbcdic.Checked());
  EXPECT_FALSE(v.ReverseEbcdic.Enabled());
  SetDividers(v, {3, 6, 8});
  Click(v.LocateFieldsButton);
  ChooseReading(v, 2, v.BinZoned);
  ChooseReading(v, 3, v.BinPacked);
  ChooseFirstByte(v, 1);
  ChooseReading(v, 4, v.BinUns);
  EXPECT_EQ(v.InputFieldsListBox.Items(), (std::vector<std::string>{"ABC", "+123", "-123", "1"}));
}

TEST_F(BinarySheetTest, ALoadedSetUpKeepsItsReadingsWhateverTheButtonsShowed) {
  TParseView& v = OpenBinary(Records());
  SetDividers(v, {3, 5, 7, 11, 15});
  Click(v.LocateFieldsButton);
  ChooseReading(v, 2, v.BinPacked);
  ChooseFirstByte(v, 1);
  ChooseReading(v, 3, v.BinInt);
  fakes.dialogs.answers.push_back(Path("binary.vnq"));
  Click(v.SaveConfiguration);

  ChooseFirstByte(v, 0);
  ChooseReading(v, 2, v.BinText);
  ChooseReading(v, 3, v.BinText);
  ASSERT_EQ(v.BinaryTypeBits(2), kBinaryText);
  // Field 2 stays selected with text checked while the load sets the byte order back to Hi.
  ClickInputField(v, 1);
  fakes.dialogs.answers.push_back(Path("binary.vnq"));
  Click(v.LoadConfiguration1);
  EXPECT_EQ(v.BinaryTypeBits(2), kBinaryPacked);
  EXPECT_EQ(v.BinaryTypeBits(3), kBinarySigned);
  EXPECT_EQ(v.FirstByte.ItemIndex(), 1);
  EXPECT_EQ(v.InputFieldValues[2], "-123");
  EXPECT_EQ(v.InputFieldValues[3], "1");
}

TEST_F(BinarySheetTest, ABinaryFileConvertsToCsv) {
  TParseView& v = OpenBinary(Records());
  SetDividers(v, {3, 5, 7, 11, 15});
  Click(v.LocateFieldsButton);
  ChooseReading(v, 2, v.BinPacked);
  ChooseReading(v, 3, v.BinInt);
  ChooseReading(v, 4, v.BinZoned);
  ChooseReading(v, 5, v.BinFloat);
  ChooseReading(v, 6, v.BinUns);
  ChooseFirstByte(v, 1);
  testing::SetUpFields(v, {{"Name", 1, 0, 0, ""},
                           {"Packed", 2, 0, 0, ""},
                           {"Int", 3, 0, 0, ""},
                           {"Zoned", 4, 0, 0, ""},
                           {"Float", 5, 0, 0, ""},
                           {"Byte", 6, 0, 0, ""}});
  Click(v.DelimitedOutputButton);
  // The float is big-endian now too: 00 00 80 3F reads as a tiny number, 0.000000.
  EXPECT_EQ(testing::RunInto(v, fakes.dialogs, Path("out.csv")),
            "\"AB\",\"-123\",\"1\",\"+0123\",\"0.000000\",\"90\"\r\n"
            "\"\xE9yz\",\" 999\",\"-2\",\"-9990\",\"0.000000\",\"1\"\r\n"
            "\"end\",\" 000\",\"0\",\"\",\"0.000000\",\"33\"\r\n");
}

}  // namespace
}  // namespace vt
