// Output controls: captions and starting states.
#include "main/controls/output_controls.h"

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
  TabDelimitedOutputButton.SetCaption("Tab Delimited");
  SpecialDelimitedOutputButton.SetCaption("Special Delimited");
  OutputSpecialDelimiterEditBox.SetText("~");
  FixedFormatOutputButton.SetCaption("No Delimiters");
  DbaseOutputButton.SetCaption("dBase");
  WordPerfect.SetCaption("WordPerfect Merge");
  XML.SetCaption("XML");
  ClipOut.SetCaption("Clipboard");
  AppendFile.SetCaption("Append");
  AppendFile.SetHint("If checked, will append instead of overwrite");
  OutputFieldNames.SetCaption("Output Field Names as First Record");
  Limit1000.SetCaption("1,000 record test");
  Limit1000.SetHint("Limit output to 1,000 records");

  EvalCheckBox.SetCaption("Evaluate as arithmetic");
  UsePlugIn.SetCaption("Use Plug In program");

  FilterGroup.SetCaption("Record Selection");
  Filter.SetCaption("Select");
  FilterText.SetText("This text");
  SelectType.SetCaption("Compare type");
  SelectType.SetItems({"Equals", "Contains", "Omits"});
  XMLTranslate.SetCaption("Translate XML/HTML special characters on input");
  StripTags.SetCaption("Strip <> tags on output");
  OmitControlChar.SetCaption("Strip control chars from input");
  XMLTableName.SetText("TABLE");
  XMLRecordName.SetText("RECORD");
  BlockFilesGroup.SetCaption("Header and Trailer Blocks");
  HeaderBlockLabel.SetCaption("File containing output file header block (if any)");
  HeaderBlockFileBrowse.SetCaption("Browse...");
  TrailerBlockLabel.SetCaption("File containing output file trailer block (if any)");
  TrailerBlockFileBrowse.SetCaption("Browse...");
}

}  // namespace vt
