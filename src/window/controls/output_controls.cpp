// Output controls: captions and starting states.
#include "window/controls/output_controls.h"

namespace vt {

OutputControls::OutputControls(tk::Window& window, tk::TabSheet& output, tk::TabSheet& combine,
                               tk::TabSheet& misc)
    : w_(window), output_(output), combine_(combine), misc_(misc) {
  OutputFieldsGroup.SetCaption("Output Fields");
  ClearOutput.SetCaption("Clear All");
  CloneButton.SetCaption("Copy all input fields");
  ParsedItemsGroup.SetCaption("Parser Generated Fields");
  FieldOptionsGroup.SetCaption("Field Options");
  NumericConversionGroup.SetCaption("Numeric Conversion");
  CaseConversionGroup.SetCaption("Case Conversion");
  SkipIfNull.SetCaption("Skip if Empty");
  SkipWhenGroup.SetCaption("Skip when");
  EmptyButton.SetCaption("empty");
  FullButton.SetCaption("used");
  OutputFormatGroupBox.SetCaption("Output File Format");
  DelimitedOutputButton.SetCaption("Comma Delimited ");
  DelimitedOutputButton.SetChecked(true);  // a new set-up writes comma-delimited text
  TabDelimitedOutputButton.SetCaption("Tab Delimited");
  SpecialDelimitedOutputButton.SetCaption("Special Delimited");
  OutputSpecialDelimiterEditBox.SetText("~");
  FixedFormatOutputButton.SetCaption("No Delimiters");
  DbaseOutputButton.SetCaption("dBase");
  WordPerfect.SetCaption("WordPerfect Merge");
  XML.SetCaption("XML");
  ClipOut.SetCaption("Clipboard");
  AppendFile.SetCaption("Append");
  AppendFile.SetHint("If checked, will append instead of overwrite existing file");
  OutputFieldNames.SetCaption("Output Field Names as First Record");
  Limit1000.SetCaption("1,000 record test");
  Limit1000.SetHint("Limit output to 1,000 records");
  AddFieldButton.SetCaption("Add Field");
  InsertFieldButton.SetCaption("Insert Field");
  DeleteFieldButton.SetCaption("Delete Field");
  FieldValueLabel.SetCaption("Value");
  RenameFieldButton.SetCaption("<-Rename");
  RenameEditBox.SetEnabled(false);
  DefaultButton.SetCaption("Default->");
  DefaultValueEditBox.SetEnabled(false);
  FieldWidthButton.SetCaption("Field Width->");
  DecimalsLabel.SetCaption("Decimals");
  NumericOutputBox.SetCaption("Numeric Field");
  RemoveBlanksBox.SetCaption("Trim blanks");
  DupIfBlank.SetCaption("Dup if blank");
  DeDup.SetCaption("DeDup");
  RightJustify.SetCaption("Right Align");
  NoCaseConversion.SetCaption("None");
  UpperCaseConversion.SetCaption("UPPER  CASE");
  LowerCaseConversion.SetCaption("lower case");
  ProperCaseConversion.SetCaption("Proper Case");
  SoundexConversion.SetCaption("Soundex");
  DbaseDateButton.SetCaption("Date");
  DbaseLogicButton.SetCaption("Logic");
  CaseOptions.SetCaption("Options");
  DecimalConversion.SetCaption("Decimal");
  HexConversion.SetCaption("Hex");
  ScientificConversion.SetCaption("Scientific");
  Div100.SetCaption("/100");
  Mult100.SetCaption("x100");
  Round.SetCaption("round");
  NumLdgZero.SetCaption("Ldg 0");

  EvalCheckBox.SetCaption("Evaluate as arithmetic");
  UsePlugIn.SetCaption("Use Plug In program");
  PlugInProgLabel.SetCaption("Program/File:");
  // Shown while the plug-in is used.
  for (tk::Control* c :
       {static_cast<tk::Control*>(&PlugInProgLabel), static_cast<tk::Control*>(&PlugInProg),
        static_cast<tk::Control*>(&PlugInFileLabel)})
    c->SetVisible(false);

  FilterGroup.SetCaption("Record Selection");
  Filter.SetCaption("Select");
  FilterText.SetText("This text");
  SelectType.SetCaption("Compare type");
  SelectType.SetItems({"Equals", "Contains", "Omits"});
  FilterSourceName.SetItems({"Filter Source"});
  XMLTranslate.SetCaption("Translate XML/HTML special characters on input");
  StripTags.SetCaption("Strip <> tags on output");
  OmitControlChar.SetCaption("Strip control chars from input");
  XMLTableLabel.SetCaption("XML table tag");
  XMLRecordLabel.SetCaption("XML record tag");
  OutputCountUnit.SetCaption("output fields");
  XMLTableName.SetText("TABLE");
  XMLRecordName.SetText("RECORD");
  BlockFilesGroup.SetCaption("Header and Trailer Blocks");
  HeaderBlockLabel.SetCaption("File containing output file header block (if any)");
  HeaderBlockFile.SetHint(
      "The data copied from fhis file will be inserted ahead of the records in the output file");
  HeaderBlockFileBrowse.SetCaption("Browse");
  TrailerBlockLabel.SetCaption("File containing output file trailer block (if any)");
  TrailerBlockFile.SetHint(
      "The data copied from fhis file will be inserted after the records in the output file");
  TrailerBlockFileBrowse.SetCaption("Browse");
}

}  // namespace vt
