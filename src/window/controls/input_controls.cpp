// Input controls: captions and starting states.
#include "window/controls/input_controls.h"

namespace vt {

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

  PageLengthGroupBox.SetCaption("Page length indication");
  FormFeedButton.SetCaption("FormFeed (ASCII 12)");
  FixedLengthButton.SetCaption("Fixed length ");
  FixedLengthButton.SetChecked(true);  // pages of FormLength lines unless the user says otherwise
  TagTextButton.SetCaption("Tag Text on top line");
  BlankLinesPage.SetCaption("Blank Line(s)");
  FormLengthInputBox.SetMask("999;1; ");
  FormLengthInputBox.SetText("99");
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

  FirstByte.SetCaption("1st Byte");
  FirstByte.SetItems({"Lo", "Hi"});
  FirstByte.SetItemIndex(0);
  ReverseEbcdic.SetCaption("Source");
  ReverseEbcdicLabel.SetCaption("EBCDIC");
  BinaryViewPanel.SetCaption("Binary View of start of file");
  BinaryRecordSizeLabel.SetCaption("Record Size");
  LocateFieldsButton.SetCaption("Locate Fields");
  LocateRecordsButton.SetCaption("Locate Records");
  BinaryPositionPanel.SetVisible(false);
  BinaryPositionPanel.SetAlign(tk::Align::kFloat);
  SpecialDelimiterLabel.SetCaption("Delimiter");
  for (tk::Control* c : std::initializer_list<tk::Control*>{
           &DelimiterGroup, &TagTextLabel, &TagTextIn, &SpecialDelimiterLabel,
           &SpecialDelimiterInputBox, &DelimChoice, &FormLengthLabel2, &FormLengthInputBox,
           &PageNotes, &PagePositionPanel, &RowSelectedPanel, &PageLengthGroupBox,
           &DataLocationGroupBox}) {
    c->SetVisible(false);
  }
  PrevPage.SetEnabled(false);
}

}  // namespace vt
