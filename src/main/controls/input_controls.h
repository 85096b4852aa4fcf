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
  tk::Label TagTextLabel{w_, "TagTextLabel", &input_};
  tk::Edit TagTextIn{w_, "TagTextIn", &input_};
  tk::GroupBox DefineTagsGroupBox{w_, "DefineTagsGroupBox", &input_};
  tk::Edit TagIn{w_, "TagIn", &DefineTagsGroupBox};
  tk::Edit TagOccurIn{w_, "TagOccurIn", &DefineTagsGroupBox};
  tk::CheckBox TagBelow{w_, "TagBelow", &DefineTagsGroupBox};
  tk::Button DeleteTag{w_, "DeleteTag", &DefineTagsGroupBox};
  tk::ListBox TagList{w_, "TagList", &DefineTagsGroupBox};
  tk::Label WebFindLabel{w_, "WebFindLabel", &input_};
  tk::GroupBox InputFieldsGroup{w_, "InputFieldsGroup", &input_};
  tk::ListBox InputFieldNamesListBox{w_, "InputFieldNamesListBox", &InputFieldsGroup};
  tk::ListBox InputFieldsListBox{w_, "InputFieldsListBox", &InputFieldsGroup};

  // --- Page sheet ------------------------------------------------------------------------------
  tk::ListBox InputPageListBox{w_, "InputPageListBox", &page_};
  tk::GroupBox PageLengthGroup{w_, "PageLengthGroup", &page_};
  tk::RadioButton FormFeedButton{w_, "FormFeedButton", &PageLengthGroup};
  tk::RadioButton FixedLengthButton{w_, "FixedLengthButton", &PageLengthGroup};
  tk::RadioButton TagTextButton{w_, "TagTextButton", &PageLengthGroup};
  tk::RadioButton BlankLinesPage{w_, "BlankLinesPage", &PageLengthGroup};
  tk::MaskEdit FormLengthInputBox{w_, "FormLengthInputBox", &PageLengthGroup};
  tk::RadioGroup VFC{w_, "VFC", &PageLengthGroup};
  tk::GroupBox DataLocationGroup{w_, "DataLocationGroup", &page_};
  tk::RadioButton FixedData{w_, "FixedData", &DataLocationGroup};
  tk::RadioButton TaggedData{w_, "TaggedData", &DataLocationGroup};
  tk::CheckBox IgnoreLineEnds{w_, "IgnoreLineEnds", &page_};
  tk::Panel RowSelectedPanel{w_, "RowSelectedPanel", &page_};
  tk::Button PageHelp{w_, "PageHelp", &page_};

  // --- Binary sheet ----------------------------------------------------------------------------
  tk::RadioGroup FirstByte{w_, "FirstByte", &binary_};
  tk::CheckBox ReverseEbcdic{w_, "ReverseEbcdic", &binary_};
  tk::Edit BinaryRecordSize{w_, "BinaryRecordSize", &binary_};
  tk::Edit BinaryHeaderSizeIn{w_, "BinaryHeaderSizeIn", &binary_};
};

}  // namespace vt
