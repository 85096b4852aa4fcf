// Output controls: the Output, Combo and Misc sheets (output fields, format, record selection).
#pragma once

#include "toolkit/toolkit.h"

namespace vt {

struct OutputControls {
  OutputControls(tk::Window& window, tk::TabSheet& output, tk::TabSheet& combine,
                 tk::TabSheet& misc);

 private:
  tk::Window& w_;
  tk::TabSheet& output_;
  tk::TabSheet& combine_;
  tk::TabSheet& misc_;

 public:
  // --- Output sheet ----------------------------------------------------------------------------
  tk::GroupBox OutputFieldsGroup{w_, "OutputFieldsGroup", &output_};
  tk::ListBox OutputFieldNamesListBox{w_, "OutputFieldNamesListBox", &OutputFieldsGroup};
  tk::ListBox OutputFieldsListBox{w_, "OutputFieldsListBox", &OutputFieldsGroup};
  tk::Button ClearOutput{w_, "ClearOutput", &OutputFieldsGroup};
  tk::Button CloneButton{w_, "CloneButton", &OutputFieldsGroup};
  tk::GroupBox ParsedItemsGroup{w_, "ParsedItemsGroup", &output_};
  tk::ListBox ParsedItemNames{w_, "ParsedItemNames", &ParsedItemsGroup};
  tk::ListBox ParsedItemValues{w_, "ParsedItemValues", &ParsedItemsGroup};
  tk::Panel CoverFieldPanel{w_, "CoverFieldPanel", &output_};
  tk::GroupBox FieldOptionsGroup{w_, "FieldOptionsGroup", &output_};
  tk::GroupBox NumericConversionGroup{w_, "NumericConversionGroup", &FieldOptionsGroup};
  tk::GroupBox CaseConversionGroup{w_, "CaseConversionGroup", &FieldOptionsGroup};
  tk::CheckBox SkipIfNull{w_, "SkipIfNull", &FieldOptionsGroup};
  tk::GroupBox SkipWhenGroup{w_, "SkipWhenGroup", &FieldOptionsGroup};
  tk::RadioButton EmptyButton{w_, "EmptyButton", &SkipWhenGroup};
  tk::RadioButton FullButton{w_, "FullButton", &SkipWhenGroup};
  tk::GroupBox OutputFormatGroupBox{w_, "OutputFormatGroupBox", &output_};
  tk::RadioButton DelimitedOutputButton{w_, "DelimitedOutputButton", &OutputFormatGroupBox};
  tk::RadioButton TabDelimitedOutputButton{w_, "TabDelimitedOutputButton", &OutputFormatGroupBox};
  tk::RadioButton SpecialDelimitedOutputButton{w_, "SpecialDelimitedOutputButton",
                                               &OutputFormatGroupBox};
  tk::MaskEdit OutputSpecialDelimiterEditBox{w_, "OutputSpecialDelimiterEditBox",
                                             &OutputFormatGroupBox};
  tk::RadioButton FixedFormatOutputButton{w_, "FixedFormatOutputButton", &OutputFormatGroupBox};
  tk::RadioButton DbaseOutputButton{w_, "DbaseOutputButton", &OutputFormatGroupBox};
  tk::RadioButton WordPerfect{w_, "WordPerfect", &OutputFormatGroupBox};
  tk::RadioButton XML{w_, "XML", &OutputFormatGroupBox};
  tk::RadioButton ClipOut{w_, "ClipOut", &OutputFormatGroupBox};
  tk::CheckBox AppendFile{w_, "AppendFile", &output_};
  tk::CheckBox OutputFieldNames{w_, "OutputFieldNames", &output_};
  tk::CheckBox Limit1000{w_, "Limit1000", &output_};
  // The field editors and the per-field options.
  tk::Label OutputFieldsCount{w_, "OutputFieldsCount", &OutputFieldsGroup};
  tk::Label OutputCountUnit{w_, "OutputCountUnit", &OutputFieldsGroup};
  tk::Button AddFieldButton{w_, "AddFieldButton", &OutputFieldsGroup};
  tk::Button InsertFieldButton{w_, "InsertFieldButton", &OutputFieldsGroup};
  tk::Button DeleteFieldButton{w_, "DeleteFieldButton", &OutputFieldsGroup};
  tk::Label FieldValueLabel{w_, "FieldValueLabel", &FieldOptionsGroup};
  tk::Edit OutputFieldContents{w_, "OutputFieldContents", &FieldOptionsGroup};
  // The name box stands left of "<-Rename", which points at it.
  tk::Edit RenameEditBox{w_, "RenameEditBox", &FieldOptionsGroup};
  tk::Button RenameFieldButton{w_, "RenameFieldButton", &FieldOptionsGroup};
  tk::Button DefaultButton{w_, "DefaultButton", &FieldOptionsGroup};
  tk::Edit DefaultValueEditBox{w_, "DefaultValueEditBox", &FieldOptionsGroup};
  tk::Button FieldWidthButton{w_, "FieldWidthButton", &FieldOptionsGroup};
  tk::Edit OutputWidthEditBox{w_, "OutputWidthEditBox", &FieldOptionsGroup};
  tk::Label DecimalsLabel{w_, "DecimalsLabel", &FieldOptionsGroup};
  tk::Edit DecimalPlaces{w_, "DecimalPlaces", &FieldOptionsGroup};
  tk::CheckBox NumericOutputBox{w_, "NumericOutputBox", &FieldOptionsGroup};
  tk::CheckBox RemoveBlanksBox{w_, "RemoveBlanksBox", &FieldOptionsGroup};
  tk::CheckBox DupIfBlank{w_, "DupIfBlank", &FieldOptionsGroup};
  tk::CheckBox DeDup{w_, "DeDup", &FieldOptionsGroup};
  tk::CheckBox RightJustify{w_, "RightJustify", &FieldOptionsGroup};
  tk::Label FieldTypeLabel{w_, "FieldTypeLabel", &FieldOptionsGroup};
  tk::RadioButton NoCaseConversion{w_, "NoCaseConversion", &CaseConversionGroup};
  tk::RadioButton UpperCaseConversion{w_, "UpperCaseConversion", &CaseConversionGroup};
  tk::RadioButton LowerCaseConversion{w_, "LowerCaseConversion", &CaseConversionGroup};
  tk::RadioButton ProperCaseConversion{w_, "ProperCaseConversion", &CaseConversionGroup};
  tk::RadioButton SoundexConversion{w_, "SoundexConversion", &CaseConversionGroup};
  tk::RadioButton DbaseDateButton{w_, "DbaseDateButton", &CaseConversionGroup};
  tk::RadioButton DbaseLogicButton{w_, "DbaseLogicButton", &CaseConversionGroup};
  // Opens the Mailing sheet, where the capitalisation exceptions are kept.
  tk::Button CaseOptions{w_, "CaseOptions", &CaseConversionGroup};
  tk::RadioButton DecimalConversion{w_, "DecimalConversion", &NumericConversionGroup};
  tk::RadioButton HexConversion{w_, "HexConversion", &NumericConversionGroup};
  tk::RadioButton ScientificConversion{w_, "ScientificConversion", &NumericConversionGroup};
  tk::CheckBox Div100{w_, "Div100", &NumericConversionGroup};
  tk::CheckBox Mult100{w_, "Mult100", &NumericConversionGroup};
  tk::CheckBox Round{w_, "Round", &NumericConversionGroup};
  tk::CheckBox NumLdgZero{w_, "NumLdgZero", &NumericConversionGroup};

  // --- Combo sheet -----------------------------------------------------------------------------
  tk::CheckBox EvalCheckBox{w_, "EvalCheckBox", &combine_};
  tk::CheckBox UsePlugIn{w_, "UsePlugIn", &combine_};
  tk::Label PlugInProgLabel{w_, "PlugInProgLabel", &combine_};
  tk::Edit PlugInProg{w_, "PlugInProg", &combine_};
  tk::Label PlugInFileLabel{w_, "PlugInFileLabel", &combine_};

  // --- Misc sheet ------------------------------------------------------------------------------
  tk::GroupBox FilterGroup{w_, "FilterGroup", &misc_};
  tk::CheckBox Filter{w_, "Filter", &FilterGroup};
  tk::Edit FilterText{w_, "FilterText", &FilterGroup};
  tk::RadioGroup SelectType{w_, "SelectType", &FilterGroup};
  tk::Label MiscSkipLabel{w_, "MiscSkipLabel", &FilterGroup};
  tk::ListBox FilterSourceName{w_, "FilterSourceName", &FilterGroup};
  tk::CheckBox XMLTranslate{w_, "XMLTranslate", &misc_};
  tk::CheckBox StripTags{w_, "StripTags", &misc_};
  tk::CheckBox OmitControlChar{w_, "OmitControlChar", &misc_};
  tk::Label XMLTableLabel{w_, "XMLTableLabel", &misc_};
  tk::Edit XMLTableName{w_, "XMLTableName", &misc_};
  tk::Label XMLRecordLabel{w_, "XMLRecordLabel", &misc_};
  tk::Edit XMLRecordName{w_, "XMLRecordName", &misc_};
  tk::GroupBox BlockFilesGroup{w_, "BlockFilesGroup", &misc_};
  tk::Label HeaderBlockLabel{w_, "HeaderBlockLabel", &BlockFilesGroup};
  tk::Edit HeaderBlockFile{w_, "HeaderBlockFile", &BlockFilesGroup};
  tk::Button HeaderBlockFileBrowse{w_, "HeaderBlockFileBrowse", &BlockFilesGroup};
  tk::Label TrailerBlockLabel{w_, "TrailerBlockLabel", &BlockFilesGroup};
  tk::Edit TrailerBlockFile{w_, "TrailerBlockFile", &BlockFilesGroup};
  tk::Button TrailerBlockFileBrowse{w_, "TrailerBlockFileBrowse", &BlockFilesGroup};
  tk::StringGrid Conv{w_, "Conv", 5, 5, &misc_};
};

}  // namespace vt
