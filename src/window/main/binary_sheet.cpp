// The Binary sheet: the header size and record length typed or clicked in the byte views, the
// byte read-out under the mouse, and the reading panel with its choice of reading per field.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "input/binary_cut.h"
#include "input/binary_geometry.h"
#include "input/type_guess.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr char kBeyondRecord[] = "You cannot have field end tabs set beyond the record width.";

// Restores the flag however the scope is left, for nested clicks too.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = was_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

void TParseView::BindBinaryHandlers() {
  BinaryRecordSize.on_exit = [this] { BinaryRecordSizeExit(); };
  BinaryHeaderSizeIn.on_exit = [this] { BinaryHeaderSizeInExit(); };
  BinaryHeaderList.on_mouse_down = [this](bool right, int row) {
    BinaryHeaderListMouseDown(right, row);
  };
  BinaryHeaderList.on_mouse_move = [this](int x, int y) { BinaryHeaderListMouseMove(x, y); };
  BinaryViewBox.on_mouse_move = [this](int x, int y) { BinaryViewBoxMouseMove(x, y); };
  for (tk::Control* c : std::initializer_list<tk::Control*>{&BinaryInputTab, &BinaryRecords,
                                                            &BinaryViewPanel, &HideBinary}) {
    c->on_mouse_move = [this](int, int) { BinaryInputTabMouseMove(); };
  }
  LocateFieldsButton.on_click = [this] { LocateFieldsButtonClick(); };
  LocateRecordsButton.on_click = [this] { LocateRecordsButtonClick(); };
  ViewBinary.on_click = [this] { ViewBinaryClick(); };
  HideBinary.on_click = [this] { HideBinaryClick(); };
  MakeBinaryValue.on_click = [this] { MakeBinaryValueClick(); };
  for (tk::RadioButton* b : {&BinText, &BinInt, &BinUns, &BinFloat, &BinPacked, &BinZoned})
    b->on_click = [this] { BinTextClick(); };
  FirstByte.on_click = [this] { BinTextClick(); };
  ReverseEbcdic.on_click = [this] { BinTextClick(); };
}

BinaryOptions TParseView::BinaryReading() const {
  return {.high_byte_first = FirstByte.ItemIndex() == 1, .ebcdic_source = ReverseEbcdic.Checked()};
}

void TParseView::KeepDividersWithinRecord() {
  // A field ends at its divider column, so the record must reach one byte past it.
  for (const std::int16_t divider : DividerMatrix[0]) {
    if (divider + 1 <= BinaryRecordLength) continue;
    BinaryRecordLength = divider + 1;
    BinaryRecordSize.SetText(std::to_string(BinaryRecordLength));
    services().messages->Show(kBeyondRecord, "Invalid Action", tk::MessageStyle::kStop);
  }
}

void TParseView::RefillBinaryRecords() {
  BinaryRecords.SetItems(
      BinaryRecordRows(std::string_view(StartOfFileBuffer.data(), kStartBlockSize),
                       BinaryHeaderSize(), BinaryRecordLength));
}

void TParseView::RestartBinaryRecords() {
  (void)InputDataFile.Seek(BinaryRecordsStart());
  RecordNumber = 0;
  NextButton.Click();
}

void TParseView::BinaryRecordSizeExit() {
  const std::int32_t previous = BinaryRecordLength;
  const std::optional<std::int32_t> typed = ParseBinaryRecordLength(BinaryRecordSize.Text());
  if (typed) {
    BinaryRecordLength = *typed;
    KeepDividersWithinRecord();
  }
  // A length no record can have keeps the one in force, and nothing is read by it.
  if (!typed || !BinaryLengthUsable()) {
    BinaryRecordLength = previous;
    services().messages->Show("Invalid Binary Record Length", "Alert", tk::MessageStyle::kNote);
    BinaryRecordSize.SetText("");
    return;
  }
  RefillBinaryRecords();
  RestartBinaryRecords();
}

void TParseView::BinaryHeaderSizeInExit() {
  BinaryHeaderSize() = ParseBinaryHeaderSize(BinaryHeaderSizeIn.Text());
  const std::string shown = std::to_string(BinaryHeaderSize());
  if (BinaryHeaderSizeIn.Text() != shown) BinaryHeaderSizeIn.SetText(shown);
  // The record list shows the records from the new start, as a click there does.
  RefillBinaryRecords();
  RestartBinaryRecords();
}

void TParseView::BinaryHeaderListMouseDown(bool right_button, int row) {
  const int p = ByteViewPosition(BinaryHeaderMouseX, YardStickBinary.Geometry().width, row);
  if (p < 1 || p > static_cast<int>(kStartBlockSize)) return;
  if (!right_button) {
    // The clicked byte is the first byte of the first record.
    BinaryHeaderSize() = static_cast<std::int16_t>(p - 1);
    BinaryHeaderSizeIn.SetText(std::to_string(BinaryHeaderSize()));
  } else {
    // The clicked byte is the first byte of the second record.
    BinaryRecordLength = p - BinaryHeaderSize() - 1;
    if (BinaryRecordLength < 1) BinaryRecordLength = 50;
    KeepDividersWithinRecord();
    BinaryRecordSize.SetText(std::to_string(BinaryRecordLength));
  }
  RefillBinaryRecords();
  RestartBinaryRecords();
}

void TParseView::ShowByteUnderMouse(const tk::ListBox& view, int x, int y) {
  const int row = y / view.ItemHeight() + view.TopIndex();
  const int p = ByteViewPosition(x, YardStickBinary.Geometry().width, row);
  const bool over_byte = y > 0 && p >= 1 && p <= static_cast<int>(kStartBlockSize);
  BinaryPositionPanel.SetVisible(over_byte);
  if (!over_byte) return;
  const tk::Bounds& at = view.Geometry();
  BinaryPositionPanel.SetLeft(at.left + x + 16);
  BinaryPositionPanel.SetTop(at.top + y + 16);
  const char b = StartOfFileBuffer[static_cast<std::size_t>(p - 1)];
  const auto value = static_cast<unsigned>(static_cast<unsigned char>(b));
  BinaryPositionLabel.SetCaption(std::to_string(p));
  BinaryTextLabel.SetCaption(b == '\0' ? std::string() : std::string(1, b));
  BinaryValueLabel.SetCaption(std::to_string(value));
  char hex[8];
  std::snprintf(hex, sizeof hex, "%x", value);
  HexValueLabel.SetCaption(hex);
}

void TParseView::BinaryHeaderListMouseMove(int x, int y) {
  BinaryHeaderMouseX = x;
  ShowByteUnderMouse(BinaryHeaderList, x, y);
}

void TParseView::BinaryViewBoxMouseMove(int x, int y) {
  ShowByteUnderMouse(BinaryViewBox, x, y);
}

void TParseView::BinaryInputTabMouseMove() {
  BinaryPositionPanel.SetVisible(false);
}

void TParseView::LocateFieldsButtonClick() {
  MakeBinaryValue.Click();
  BinaryFieldPanel.SetVisible(true);
  LocateFieldsButton.SetEnabled(false);
  LocateRecordsButton.SetEnabled(true);
}

void TParseView::LocateRecordsButtonClick() {
  BinaryFieldPanel.SetVisible(false);
  LocateRecordsButton.SetEnabled(false);
  LocateFieldsButton.SetEnabled(true);
}

void TParseView::ViewBinaryClick() {
  BinaryViewPanel.SetVisible(true);
}

void TParseView::HideBinaryClick() {
  BinaryViewPanel.SetVisible(false);
}

void TParseView::MakeBinaryValueClick() {
  // Checking a radio button here shows the field's reading; it chooses nothing.
  const FlagScope showing(ShowingBinaryType);
  const int f = InputFieldNamesListBox.ItemIndex() + 1;
  tk::Label* const values[] = {&BinTextVal,  &BinIntVal,    &BinUnsVal,
                               &BinFloatVal, &BinPackedVal, &BinZonedVal};
  if (f < 1) {
    BinText.SetChecked(true);
    for (tk::RadioButton* b : {&BinInt, &BinUns, &BinFloat, &BinPacked}) b->SetEnabled(false);
    BinZoned.SetEnabled(true);
    for (tk::Label* label : values) label->SetCaption("");
    for (tk::Label* label : {&BinFieldWidth, &BinFieldName, &SelectedValue}) label->SetCaption("");
    if (InputFieldTotal != 0) BinSelMessage.SetVisible(true);
    return;
  }
  BinSelMessage.SetVisible(false);
  const std::int16_t bits = f <= 99 ? BinaryTypeBits(f) : std::int16_t{0};
  const BinaryType type = ChosenBinaryType(bits);
  switch (type) {
    case kBinaryText:
      BinText.SetChecked(true);
      break;
    case kBinarySigned:
      BinInt.SetChecked(true);
      break;
    case kBinaryUnsigned:
      BinUns.SetChecked(true);
      break;
    case kBinaryFloat:
      BinFloat.SetChecked(true);
      break;
    case kBinaryPacked:
      BinPacked.SetChecked(true);
      break;
    case kBinaryZoned:
      BinZoned.SetChecked(true);
      break;
  }
  // Only the fields of the row-0 cut have bytes; any other field reads as no bytes at all.
  const int count = std::clamp(InputFieldCounts[0], 0, 100);
  const BinaryFieldSpan span = f <= count ? BinaryFieldBounds(*this, f, count) : BinaryFieldSpan{};
  BinFieldWidth.SetCaption(std::to_string(span.width));
  BinFieldName.SetCaption(InputFieldNames[static_cast<std::size_t>(f)]);
  std::string scratch;
  const std::string_view bytes = BinaryFieldBytes(*this, span, scratch);
  const BinaryReadings r = ReadAllBinary(bytes, BinaryReading());
  const std::string* readings[] = {&r.text,     &r.signed_value, &r.unsigned_value,
                                   &r.floating, &r.packed,       &r.zoned};
  for (std::size_t i = 0; i < std::size(values); ++i) values[i]->SetCaption(*readings[i]);
  BinInt.SetEnabled(r.integer_usable);
  BinUns.SetEnabled(r.integer_usable);
  BinFloat.SetEnabled(r.float_usable);
  BinPacked.SetEnabled(r.packed_valid);
  BinZoned.SetEnabled(r.zoned_valid);
  if (!r.zoned_valid && BinZoned.Checked()) BinText.SetChecked(true);
  // The value is the stored reading's, as the cut and the conversion run make it.
  std::string& value = InputFieldValues[static_cast<std::size_t>(f)];
  if (f <= count) ReadBinaryValue(bytes, type, BinaryReading(), value);
  SelectedValue.SetCaption(value);
}

void TParseView::BinTextClick() {
  if (ShowingBinaryType || !BinaryInput.Checked()) return;
  const int f = InputFieldNamesListBox.ItemIndex() + 1;
  // A loaded set-up keeps the types it stored, whatever the buttons show meanwhile.
  if (f >= 1 && f <= 99 && LoadingPreferences == 0) {
    std::int16_t chosen = 0;
    const struct {
      tk::RadioButton& button;
      BinaryType type;
    } buttons[] = {{BinText, kBinaryText},   {BinInt, kBinarySigned},    {BinUns, kBinaryUnsigned},
                   {BinFloat, kBinaryFloat}, {BinPacked, kBinaryPacked}, {BinZoned, kBinaryZoned}};
    for (const auto& b : buttons) {
      if (b.button.Checked()) chosen = static_cast<std::int16_t>(chosen | b.type);
    }
    std::int16_t& bits = BinaryTypeBits(f);
    bits = static_cast<std::int16_t>((bits & ~kBinaryTypeMask) | chosen);
  }
  // The byte order and the EBCDIC source hold for every field: the whole record is read again.
  if (BatchRun == 0) CutUpInputLine.Click();
  if (f < 1) {
    DisplayOutput.Click();
    return;
  }
  MakeBinaryValue.Click();
  if (BatchRun == 0) DisplayInput.Click();
  DisplayOutput.Click();
}

}  // namespace vt
