// Input controls: captions and starting states.
#include "window/controls/input_controls.h"

namespace vt {

namespace {

// The record font's cell, as the window's YardStick measures it.
constexpr int kCellUnits = 7;
// A byte view row of 50 bytes, the list's frame and a scroll bar.
constexpr int kByteViewColumns = 55;

}  // namespace

InputControls::InputControls(tk::Window& window, tk::TabSheet& input, tk::TabSheet& page,
                             tk::TabSheet& binary)
    : w_(window), input_(input), page_(page), binary_(binary) {
  InputType.SetCaption("Input Type");
  DelimitedInputButton.SetCaption("Comma Delimited With Quoted Strings");
  TabInputButton.SetCaption("Tab Delimited Records");
  SpecialInputButton.SetCaption("Other Delimited Records");
  FixedInputButton.SetCaption("Fixed Format Records");
  WebFormInput.SetCaption("Web Form  Posted Data");
  PageInputButton.SetCaption("Page Image Input and other multi-line blocks");
  BinaryInput.SetCaption("Binary Files");
  DbaseInput.SetCaption("dBase");
  TakeFirstRecordAsFieldName.SetCaption("Take First Record as Field Names");
  SkipBlankLines.SetCaption("Skip Blank Lines in Input Blocks");
  HTMLTableCheckBox.SetCaption("HTML Table");
  DelimiterGroup.SetCaption("Delimiter");
  SpecialDelimiterInputBox.SetMask("C");
  SpecialDelimiterInputBox.SetMaxLength(1);
  SpecialDelimiterInputBox.SetText(" ");
  TagTextLabel.SetCaption("Page break tag text");
  TagTextIn.SetText("Page");
  DefineTagsGroupBox.SetCaption("Define Tags");
  TagOccurIn.SetText("1");
  TagInLabel.SetCaption("Tag text");
  TagOccurLabel.SetCaption("Occurrence");
  BinaryHeaderSizeLabel.SetCaption("Header Size");
  TagBelow.SetCaption("Line Below");
  DeleteTag.SetCaption("Delete");

  PageLengthGroupBox.SetCaption("Page Length Indication");
  FormFeedButton.SetCaption("FormFeed (ASCII 12)");
  FixedLengthButton.SetCaption("Fixed length ");
  FixedLengthButton.SetChecked(true);  // pages of FormLength lines unless the user says otherwise
  TagTextButton.SetCaption("Tag Text on top line");
  BlankLinesPage.SetCaption("Blank Line(s)");
  FormLengthInputBox.SetMask("999;1; ");
  FormLengthInputBox.SetText("66");  // the usual printed page; FormLength itself starts at 99
  VFC.SetCaption("Position on line");
  VFC.SetItems({"Anywhere", "At Left Only"});
  VFC.SetItemIndex(0);
  DataLocationGroupBox.SetCaption("Data location");
  FixedData.SetCaption("Fixed");
  TaggedData.SetCaption("Tagged");
  IgnoreLineEnds.SetCaption("Ignore Line Ends");
  PageHelp.SetCaption("Help");
  PrevPage.SetCaption("<< Page");
  NextPage.SetCaption("Page >>");
  PageNumberLabel.SetCaption("Page");
  FormLengthLabelCaption.SetCaption("Lines");
  // The page image a hundred columns wide (longer lines scroll), with its ruler above it and
  // the views of its header rows, data band and footer rows under it.
  constexpr int kCell = 7;
  constexpr int kPageWidth = 100 * kCell + 24;
  PageRuler.SetNewRow(true);
  PageRuler.SetGeometry({0, 0, kPageWidth, 13});
  InputPageListBox.SetFixedPitch(true);
  InputPageListBox.SetNewRow(true);
  InputPageListBox.SetGeometry({0, 0, kPageWidth, 176});
  InputPageScrollBar.SetRange(0, 99);
  for (tk::ListBox* view : {&HeaderListBox, &BlockListBox, &FooterListBox}) {
    view->SetFixedPitch(true);
    view->SetGeometry({0, 0, kPageWidth / 3 - 4, 64});
  }
  HeaderListBox.SetNewRow(true);
  RowTypeLabel.SetGeometry({0, 0, 240, 13});
  PageBandsGroupBox.SetCaption("Bands");
  PageBandsGroupBox.SetNewRow(true);
  PageBlocksGroupBox.SetCaption("Blocks");
  PageRuler.SetFixedPitch(true);
  SetPageHeaderButton.SetCaption("Header");
  PageDataButton.SetCaption("Data");
  SetPageFooterButton.SetCaption("Footer");
  PageHeaderLabel.SetCaption("1");
  DataBandLabel.SetCaption("1");
  PageFooterLabel.SetCaption("99");
  PageLeftGutterLabel.SetCaption("Left gutter");
  PageLeftGutter.SetText("0");
  PageBlockWidthLabel.SetCaption("Block width");
  PageBlockWidth.SetText("200");
  for (tk::Edit* box : {&PageLeftGutter, &PageBlockWidth, &PageBlockNumber})
    box->SetGeometry({0, 0, 40, 0});
  PageBlockNumberLabel.SetCaption("Blocks across");
  PageBlockNumber.SetText("1");
  AddTag.SetCaption("Add Tag");
  TagFoundLabel.SetCaption("Found at");
  PagePositionPanel.SetAlign(tk::Align::kFloat);
  for (tk::Button* step :
       {&CutUpPage, &ShowHeaderListBox, &ShowFooterBlock, &GetTags, &GetHTML, &FindWebPatterns}) {
    step->SetVisible(false);
  }

  ViewBinary.SetCaption("View Start of File as Binary");
  BinaryViewPanel.SetCaption("Binary View of start of file");
  BinaryViewPanel.SetNewRow(true);
  HideBinary.SetCaption("Display Input Format Options");
  HideBinary.SetNewRow(true);

  BinaryRecordSizeLabel.SetCaption("Record Size");
  FirstByte.SetCaption("1st Byte");
  FirstByte.SetItems({"Lo", "Hi"});
  FirstByte.SetItemIndex(0);
  ReverseEbcdicLabel.SetCaption("EBCDIC");
  ReverseEbcdic.SetCaption("Source");
  LocateFieldsButton.SetCaption("Locate Binary Fields");
  LocateRecordsButton.SetCaption("Locate Binary Records");
  LocateRecordsButton.SetEnabled(false);
  BinaryInstructionLabel.SetCaption(
      "Left click at the start of the first record in the panel above, then right click at the "
      "start of the second record. Check for record aligment in the (view only) panel below.");
  BinaryInstructionLabel.SetNewRow(true);
  BinaryInstructionLabel.SetGeometry({0, 0, 600, 26});
  // The byte views show 50 bytes a row in cells of the record font, with room for a scroll bar.
  const tk::Bounds byte_view{0, 0, kByteViewColumns * kCellUnits, 160};
  for (tk::ListBox* view : {&BinaryViewBox, &BinaryHeaderList, &BinaryRecords}) {
    view->SetFixedPitch(true);
    view->SetGeometry(byte_view);
    view->SetNewRow(true);
  }
  YardStickBinary.SetCaption("M");
  YardStickBinary.SetGeometry({0, 0, kCellUnits, 13});
  YardStickBinary.SetVisible(false);

  // The reading panel stands beside the record list.
  BinSelMessage.SetCaption("Please click on an Input Field Name");
  BinFieldName.SetNewRow(true);
  BinaryTypeGroup.SetNewRow(true);
  const struct {
    tk::RadioButton& button;
    tk::Label& value;
    const char* caption;
  } readings[] = {
      {BinText, BinTextVal, "ASCII text string"},  {BinInt, BinIntVal, "Signed Integer"},
      {BinUns, BinUnsVal, "Unsigned Integer"},     {BinFloat, BinFloatVal, "Floating Point"},
      {BinPacked, BinPackedVal, "Packed Decimal"}, {BinZoned, BinZonedVal, "Zoned Decimal"}};
  for (const auto& reading : readings) {
    reading.button.SetCaption(reading.caption);
    reading.button.SetGeometry({0, 0, 120, 0});
    reading.button.SetNewRow(true);
    reading.value.SetGeometry({0, 0, 150, 13});
  }
  BinText.SetChecked(true);
  SelectedValue.SetNewRow(true);
  SelectedValue.SetGeometry({0, 0, 300, 13});
  BinaryPositionCaption.SetCaption("Position:");
  BinaryValueCaption.SetCaption("Value:");
  HexValueCaption.SetCaption("HEX:");
  BinaryPositionPanel.SetVisible(false);
  BinaryPositionPanel.SetAlign(tk::Align::kFloat);
  SpecialDelimiterLabel.SetCaption("Delimiter");
  for (tk::Control* c : std::initializer_list<tk::Control*>{
           &DelimiterGroup, &TagTextLabel, &TagTextIn, &SpecialDelimiterLabel,
           &SpecialDelimiterInputBox, &DelimChoice, &FormLengthLabel2, &FormLengthInputBox,
           &PageNotes, &PagePositionPanel, &BinaryViewPanel, &BinaryRecordSizeLabel,
           &BinaryRecordSize, &BinaryFieldPanel, &RowSelectedPanel, &PageLengthGroupBox,
           &DataLocationGroupBox}) {
    c->SetVisible(false);
  }
  PrevPage.SetEnabled(false);
}

}  // namespace vt
