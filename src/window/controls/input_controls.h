// Input controls: the Input, Page and Binary sheets (input type, delimiters, tags, page layout).
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct InputControls {
  InputControls(tk::Window& window, tk::TabSheet& input, tk::TabSheet& page, tk::TabSheet& binary);

 private:
  tk::Window& w_;
  tk::TabSheet& input_;
  tk::TabSheet& page_;
  tk::TabSheet& binary_;

 public:
  // --- Input sheet -----------------------------------------------------------------------------
  tk::GroupBox InputType{w_, "InputType", &input_};
  tk::RadioButton DelimitedInputButton{w_, "DelimitedInputButton", &InputType};
  tk::RadioButton TabInputButton{w_, "TabInputButton", &InputType};
  tk::RadioButton SpecialInputButton{w_, "SpecialInputButton", &InputType};
  tk::RadioButton FixedInputButton{w_, "FixedInputButton", &InputType};
  tk::RadioButton WebFormInput{w_, "WebFormInput", &InputType};
  tk::RadioButton PageInputButton{w_, "PageInputButton", &InputType};
  tk::RadioButton BinaryInput{w_, "BinaryInput", &InputType};
  tk::RadioButton DbaseInput{w_, "DbaseInput", &InputType};
  tk::CheckBox TakeFirstRecordAsFieldName{w_, "TakeFirstRecordAsFieldName", &input_};
  tk::CheckBox SkipBlankLines{w_, "SkipBlankLines", &input_};
  tk::CheckBox HTMLTableCheckBox{w_, "HTMLTableCheckBox", &input_};
  tk::GroupBox DelimiterGroup{w_, "DelimiterGroup", &input_};
  tk::MaskEdit SpecialDelimiterInputBox{w_, "SpecialDelimiterInputBox", &DelimiterGroup};
  tk::ListBox DelimChoice{w_, "DelimChoice", &DelimiterGroup};
  tk::Label SpecialDelimiterLabel{w_, "SpecialDelimiterLabel", &DelimiterGroup};
  tk::Label TagTextLabel{w_, "TagTextLabel", &input_};
  tk::Edit TagTextIn{w_, "TagTextIn", &input_};
  tk::Label WebFindLabel{w_, "WebFindLabel", &input_};
  // How pages end and where their data lies, shown while page-image input is chosen.
  tk::GroupBox PageLengthGroupBox{w_, "PageLengthGroupBox", &input_};
  tk::RadioButton FormFeedButton{w_, "FormFeedButton", &PageLengthGroupBox};
  tk::RadioButton FixedLengthButton{w_, "FixedLengthButton", &PageLengthGroupBox};
  tk::RadioButton TagTextButton{w_, "TagTextButton", &PageLengthGroupBox};
  tk::RadioButton BlankLinesPage{w_, "BlankLinesPage", &PageLengthGroupBox};
  tk::Label FormLengthLabel2{w_, "FormLengthLabel2", &PageLengthGroupBox};
  tk::MaskEdit FormLengthInputBox{w_, "FormLengthInputBox", &PageLengthGroupBox};
  tk::RadioGroup VFC{w_, "VFC", &PageLengthGroupBox};
  tk::GroupBox DataLocationGroupBox{w_, "DataLocationGroupBox", &input_};
  tk::RadioButton FixedData{w_, "FixedData", &DataLocationGroupBox};
  tk::RadioButton TaggedData{w_, "TaggedData", &DataLocationGroupBox};

  tk::Label PageNotes{w_, "PageNotes", &input_};

  // --- Page sheet ------------------------------------------------------------------------------
  // Paging and the page's read-outs.
  tk::Button PrevPage{w_, "PrevPage", &page_};
  tk::Button NextPage{w_, "NextPage", &page_};
  tk::Label PageNumberLabel{w_, "PageNumberLabel", &page_};
  tk::Label PageNumber{w_, "PageNumber", &page_};
  tk::Label FormLengthLabelCaption{w_, "FormLengthLabelCaption", &page_};
  tk::Label FormLengthLabel{w_, "FormLengthLabel", &page_};
  tk::Button PageHelp{w_, "PageHelp", &page_};
  tk::Panel RowSelectedPanel{w_, "RowSelectedPanel", &page_};
  tk::Label SelectedRowLabel{w_, "SelectedRowLabel", &RowSelectedPanel};
  tk::Label RowTypeLabel{w_, "RowTypeLabel", &RowSelectedPanel};
  // The page image: the ruler above the page's lines, and the views of its header rows,
  // current data band and footer rows.
  tk::Label PageRuler{w_, "PageRuler", &page_};
  tk::ListBox InputPageListBox{w_, "InputPageListBox", &page_};
  tk::ScrollBar InputPageScrollBar{w_, "InputPageScrollBar", &page_};
  tk::ListBox HeaderListBox{w_, "HeaderListBox", &page_};
  tk::ListBox BlockListBox{w_, "BlockListBox", &page_};
  tk::ListBox FooterListBox{w_, "FooterListBox", &page_};
  // Band limits and vertical blocks.
  tk::GroupBox PageBandsGroupBox{w_, "PageBandsGroupBox", &page_};
  tk::Button SetPageHeaderButton{w_, "SetPageHeaderButton", &PageBandsGroupBox};
  tk::Label PageHeaderLabel{w_, "PageHeaderLabel", &PageBandsGroupBox};
  tk::Button PageDataButton{w_, "PageDataButton", &PageBandsGroupBox};
  tk::Label DataBandLabel{w_, "DataBandLabel", &PageBandsGroupBox};
  tk::Button SetPageFooterButton{w_, "SetPageFooterButton", &PageBandsGroupBox};
  tk::Label PageFooterLabel{w_, "PageFooterLabel", &PageBandsGroupBox};
  tk::GroupBox PageBlocksGroupBox{w_, "PageBlocksGroupBox", &page_};
  tk::Label PageLeftGutterLabel{w_, "PageLeftGutterLabel", &PageBlocksGroupBox};
  tk::Edit PageLeftGutter{w_, "PageLeftGutter", &PageBlocksGroupBox};
  tk::Label PageBlockWidthLabel{w_, "PageBlockWidthLabel", &PageBlocksGroupBox};
  tk::Edit PageBlockWidth{w_, "PageBlockWidth", &PageBlocksGroupBox};
  tk::Label PageBlockNumberLabel{w_, "PageBlockNumberLabel", &PageBlocksGroupBox};
  tk::Edit PageBlockNumber{w_, "PageBlockNumber", &PageBlocksGroupBox};
  // Tags of tagged page input.
  tk::CheckBox IgnoreLineEnds{w_, "IgnoreLineEnds", &page_};
  tk::GroupBox DefineTagsGroupBox{w_, "DefineTagsGroupBox", &page_};
  tk::Label TagInLabel{w_, "TagInLabel", &DefineTagsGroupBox};
  tk::Edit TagIn{w_, "TagIn", &DefineTagsGroupBox};
  tk::Label TagOccurLabel{w_, "TagOccurLabel", &DefineTagsGroupBox};
  tk::Edit TagOccurIn{w_, "TagOccurIn", &DefineTagsGroupBox};
  tk::CheckBox TagBelow{w_, "TagBelow", &DefineTagsGroupBox};
  tk::Button AddTag{w_, "AddTag", &DefineTagsGroupBox};
  tk::Button DeleteTag{w_, "DeleteTag", &DefineTagsGroupBox};
  tk::ListBox TagList{w_, "TagList", &DefineTagsGroupBox};
  tk::Label TagFoundLabel{w_, "TagFoundLabel", &DefineTagsGroupBox};
  tk::Label TagFoundRow{w_, "TagFoundRow", &DefineTagsGroupBox};
  tk::Label TagFoundCol{w_, "TagFoundCol", &DefineTagsGroupBox};
  // The read-out that follows the mouse over the page image.
  tk::Panel PagePositionPanel{w_, "PagePositionPanel"};
  tk::Label RowPositionValue{w_, "RowPositionValue", &PagePositionPanel};
  tk::Label ColPositionValue{w_, "ColPositionValue", &PagePositionPanel};
  tk::Label PageLinePart{w_, "PageLinePart", &PagePositionPanel};
  // Hidden steps of page and tagged input, clicked only from code.
  tk::Button CutUpPage{w_, "CutUpPage"};
  tk::Button ShowHeaderListBox{w_, "ShowHeaderListBox"};
  tk::Button ShowFooterBlock{w_, "ShowFooterBlock"};
  tk::Button GetTags{w_, "GetTags"};
  tk::Button GetHTML{w_, "GetHTML"};
  tk::Button FindWebPatterns{w_, "FindWebPatterns"};

  // The start of the file as bytes, over the input type options.
  tk::Button ViewBinary{w_, "ViewBinary", &input_};
  tk::Panel BinaryViewPanel{w_, "BinaryViewPanel", &input_};
  tk::ListBox BinaryViewBox{w_, "BinaryViewBox", &BinaryViewPanel};
  tk::Button HideBinary{w_, "HideBinary", &BinaryViewPanel};

  // --- Binary sheet ----------------------------------------------------------------------------
  tk::Label BinaryHeaderSizeLabel{w_, "BinaryHeaderSizeLabel", &binary_};
  tk::Edit BinaryHeaderSizeIn{w_, "BinaryHeaderSizeIn", &binary_};
  tk::Label BinaryRecordSizeLabel{w_, "BinaryRecordSizeLabel", &binary_};
  tk::Edit BinaryRecordSize{w_, "BinaryRecordSize", &binary_};
  tk::RadioGroup FirstByte{w_, "FirstByte", &binary_};
  tk::Label ReverseEbcdicLabel{w_, "ReverseEbcdicLabel", &binary_};
  tk::CheckBox ReverseEbcdic{w_, "ReverseEbcdic", &binary_};
  tk::Button LocateFieldsButton{w_, "LocateFieldsButton", &binary_};
  tk::Button LocateRecordsButton{w_, "LocateRecordsButton", &binary_};
  tk::Label BinaryInstructionLabel{w_, "BinaryInstructionLabel", &binary_};
  tk::ListBox BinaryHeaderList{w_, "BinaryHeaderList", &binary_};
  tk::ListBox BinaryRecords{w_, "BinaryRecords", &binary_};
  tk::Label YardStickBinary{w_, "YardStickBinary", &binary_};
  // The reading panel: the selected field's bytes read every way, and the reading chosen.
  tk::Panel BinaryFieldPanel{w_, "BinaryFieldPanel", &binary_};
  tk::Label BinSelMessage{w_, "BinSelMessage", &BinaryFieldPanel};
  tk::Label BinFieldName{w_, "BinFieldName", &BinaryFieldPanel};
  tk::Label BinFieldWidth{w_, "BinFieldWidth", &BinaryFieldPanel};
  tk::GroupBox BinaryTypeGroup{w_, "BinaryTypeGroup", &BinaryFieldPanel};
  tk::RadioButton BinText{w_, "BinText", &BinaryTypeGroup};
  tk::Label BinTextVal{w_, "BinTextVal", &BinaryTypeGroup};
  tk::RadioButton BinInt{w_, "BinInt", &BinaryTypeGroup};
  tk::Label BinIntVal{w_, "BinIntVal", &BinaryTypeGroup};
  tk::RadioButton BinUns{w_, "BinUns", &BinaryTypeGroup};
  tk::Label BinUnsVal{w_, "BinUnsVal", &BinaryTypeGroup};
  tk::RadioButton BinFloat{w_, "BinFloat", &BinaryTypeGroup};
  tk::Label BinFloatVal{w_, "BinFloatVal", &BinaryTypeGroup};
  tk::RadioButton BinPacked{w_, "BinPacked", &BinaryTypeGroup};
  tk::Label BinPackedVal{w_, "BinPackedVal", &BinaryTypeGroup};
  tk::RadioButton BinZoned{w_, "BinZoned", &BinaryTypeGroup};
  tk::Label BinZonedVal{w_, "BinZonedVal", &BinaryTypeGroup};
  tk::Label SelectedValue{w_, "SelectedValue", &BinaryFieldPanel};

  // The byte under the mouse, over the byte views and the record line.
  tk::Panel BinaryPositionPanel{w_, "BinaryPositionPanel"};
  tk::Label BinaryPositionCaption{w_, "BinaryPositionCaption", &BinaryPositionPanel};
  tk::Label BinaryPositionLabel{w_, "BinaryPositionLabel", &BinaryPositionPanel};
  tk::Label BinaryTextLabel{w_, "BinaryTextLabel", &BinaryPositionPanel};
  tk::Label BinaryValueCaption{w_, "BinaryValueCaption", &BinaryPositionPanel};
  tk::Label BinaryValueLabel{w_, "BinaryValueLabel", &BinaryPositionPanel};
  tk::Label HexValueCaption{w_, "HexValueCaption", &BinaryPositionPanel};
  tk::Label HexValueLabel{w_, "HexValueLabel", &BinaryPositionPanel};
};

}  // namespace vt
