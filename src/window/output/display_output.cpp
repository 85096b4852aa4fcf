// The output refresh: DisplayOutput, FillOutput, the record view and the per-field options.
#include <string>

#include "output/generated_sources.h"
#include "strings/edit.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

constexpr std::size_t kImageLength = 100;

struct OptionBit {
  tk::CheckBox TParseView::*box;
  std::uint32_t bit;
};

// The check boxes whose state is one bit of the flag word.
constexpr OptionBit kOptionBoxes[] = {
    {&TParseView::NumericOutputBox, kFlagNumeric},
    {&TParseView::RemoveBlanksBox, kFlagRemoveBlanks},
    {&TParseView::DupIfBlank, kFlagDupIfBlank},
    {&TParseView::NumLdgZero, kFlagLeadingZeros},
    {&TParseView::DeDup, kFlagDeDup},
    {&TParseView::SkipIfNull, kFlagSkipIfNull},
    {&TParseView::Div100, kFlagDiv100},
    {&TParseView::Mult100, kFlagMult100},
    {&TParseView::Round, kFlagRound},
    {&TParseView::RightJustify, kFlagRightJustify},
};

struct OptionRadio {
  tk::RadioButton TParseView::*button;
  std::uint32_t bit;
};

// The radio buttons of the case and numeric groups that stand for one bit.
constexpr OptionRadio kOptionRadios[] = {
    {&TParseView::UpperCaseConversion, kFlagUpperCase},
    {&TParseView::LowerCaseConversion, kFlagLowerCase},
    {&TParseView::ProperCaseConversion, kFlagProperCase},
    {&TParseView::SoundexConversion, kFlagSoundex},
    {&TParseView::HexConversion, kFlagHex},
    {&TParseView::ScientificConversion, kFlagScientific},
    {&TParseView::FullButton, kFlagSkipWhenFull},
};

}  // namespace

int TParseView::SelectedOutputFieldNumber() const {
  const int item = OutputFieldNamesListBox.ItemIndex();
  if (item < 0 || item >= OutputFieldsInUse()) return 0;
  return item + 1;
}

OutputFormat TParseView::ChosenOutputFormat() const {
  if (ClipOut.Checked()) return OutputFormat::kClipboard;
  if (TabDelimitedOutputButton.Checked()) return OutputFormat::kTab;
  if (SpecialDelimitedOutputButton.Checked()) return OutputFormat::kSpecial;
  if (FixedFormatOutputButton.Checked()) return OutputFormat::kFixed;
  if (DbaseOutputButton.Checked()) return OutputFormat::kDbase;
  if (WordPerfect.Checked()) return OutputFormat::kWordPerfect;
  if (XML.Checked()) return OutputFormat::kXml;
  return OutputFormat::kComma;
}

BuildRequest TParseView::GatherBuildRequest() {
  BuildRequest r;
  const OutputFormat format = ChosenOutputFormat();
  const std::string delimiter = DelimiterOf(format, OutputSpecialDelimiterEditBox.Text());
  if (!PreviewLayout || PreviewLayout->Format() != format ||
      PreviewLayout->FieldDelimiter() != delimiter) {
    PreviewLayout = MakeRecordLayout(format, this, OutputSpecialDelimiterEditBox.Text());
  }
  r.writer = PreviewLayout.get();
  r.xml_translate = XMLTranslate.Checked();
  r.strip_accents = StripAccents.Checked();
  r.strip_tags = StripTags.Checked();
  r.city_in_street = CityInStreetState != 0;
  r.filter = Filter.Checked();
  r.select_type = SelectType.ItemIndex();
  r.filter_text = FilterText.Text();
  r.interleave_index = InterLeaf.ItemIndex();
  r.now = static_cast<std::int64_t>(services().clock->Now());
  r.dbase_input_active = DbaseInputActive != 0;
  r.dbase_field_types = DbaseFieldTypes;
  r.genders = this;
  r.gender_from_title = GenderFromTitle.Checked();
  StreetAddressOrder& street = r.street_order;
  for (std::size_t i = 0; i < street.positions.size(); ++i)
    street.positions[i] = PositionGroups[i]->ItemIndex();
  street.use_default_suite = UseDefaultSuite.Checked();
  street.default_suite = SuiteDesignatorOut.Text();
  PersonNameOptions& name = r.name_options;
  for (std::size_t i = 0; i < name.incoming.size(); ++i) {
    name.incoming[i] = NamePGroups[i]->ItemIndex();
    name.standard[i] = NameOGroups[i]->ItemIndex();
  }
  name.guess_title = GuessTitle.Checked();
  name.male_title = MaleTitleIn.Text();
  name.female_title = FemaleTitleIn.Text();
  name.joint_title = JointTitleIn.Text();
  name.default_title = DefaultTitleIn.Text();
  GatherSheetOptions(r);
  return r;
}

void TParseView::FillOutputClick() {
  BuildOutputRecord(GatherBuildRequest(), static_cast<const WordLists&>(*this),
                    static_cast<InputTables&>(*this), static_cast<OutputTables&>(*this));
  if (BatchRun != 0) return;
  DisplayParserSheets();
  DisplayGenderSheet();
  ShowBuiltSources();
  RefillWordLists();
}

void TParseView::ShowOutputRecordImage() {
  std::string image;
  const auto offset = static_cast<std::size_t>(std::max(OutputRecordOffset, 0));
  if (offset < OutputRecord.size()) image = OutputRecord.substr(offset, kImageLength);
  MarkTabs(image);
  OutputRecordLabel.SetCaption(image);
  OutputSizeLabel.SetCaption(std::to_string(OutputRecord.size()) + " chars ->");
}

void TParseView::RefreshOutputValues() {
  OutputFieldsListBox.Clear();
  for (int n = 1; n <= OutputFieldsInUse(); ++n)
    OutputFieldsListBox.Add(OutputFieldValues[static_cast<std::size_t>(n)]);
}

void TParseView::ShowNumericGroup(bool numeric) {
  CaseConversionGroup.SetVisible(!numeric);
  NumericConversionGroup.SetVisible(numeric);
  RemoveBlanksBox.SetCaption(numeric ? "Zero blanks" : "Trim blanks");
}

void TParseView::ShowSelectedFieldOptions(int n) {
  const auto slot = static_cast<std::size_t>(n);
  const std::uint32_t flags = OutputFieldFlags[slot];
  const int width = OutputFieldWidths[slot];
  const bool dbase = DbaseOutputButton.Checked();
  ShowingFieldOptions = true;
  NoCaseConversion.SetChecked(true);
  DecimalConversion.SetChecked(true);
  for (const OptionBit& option : kOptionBoxes)
    (this->*option.box).SetChecked((flags & option.bit) != 0);
  for (const OptionRadio& option : kOptionRadios) {
    if (flags & option.bit) (this->*option.button).SetChecked(true);
  }
  if (!(flags & kFlagSkipWhenFull)) EmptyButton.SetChecked(true);
  FieldTypeLabel.SetCaption("");
  if (flags & kFlagDbaseDate && dbase) DbaseDateButton.SetChecked(true);
  if (!(flags & kFlagDbaseDate && dbase)) DbaseDateButton.SetChecked(false);
  if (flags & kFlagDbaseLogic && dbase) DbaseLogicButton.SetChecked(true);
  if (!(flags & kFlagDbaseLogic && dbase)) DbaseLogicButton.SetChecked(false);
  DbaseDateButton.SetEnabled((flags & kFlagDateSource) && dbase);
  DbaseDateButton.SetVisible(dbase);
  DbaseLogicButton.SetVisible(dbase);
  if (flags & kFlagDbaseLogic) FieldTypeLabel.SetCaption("LOGIC");
  DecimalPlaces.SetText(std::string(TextOf(OutputFieldDecimals[slot])));
  OutputWidthEditBox.SetText(width <= 0 ? "VAR" : std::to_string(width));
  NumLdgZero.SetVisible((flags & kFlagNumeric) && width > 0);
  RightJustify.SetVisible(width > 0);
  ShowNumericGroup((flags & kFlagNumeric) != 0);
  ShowingFieldOptions = false;
}

void TParseView::DisplayOutputClick() {
  const int parsed_top = ParsedItemNames.TopIndex();
  const int count = OutputFieldsInUse();
  OutputFieldsCount.SetCaption(std::to_string(count));
  for (int n = 1; n <= count; ++n) {
    const auto slot = static_cast<std::size_t>(n);
    if (OutputFieldSource[slot] != 0) continue;
    CopyText(OutputFieldNameTable[slot], "Output" + std::to_string(n));
    OutputFieldSource[slot] = -kEmptyField;
  }
  DisplayDates.Click();
  const int sel = OutputFieldNamesListBox.ItemIndex();
  OutputFieldsListBox.Clear();
  OutputFieldNamesListBox.Clear();
  FillOutput.Click();

  const bool on_output = PageControl.ActivePage() == &OutputConfiguration;
  if (on_output) {
    ParsedItemNames.Clear();
    ParsedItemValues.Clear();
    for (int k = kEmptyField; k < kGeneratedSourceCount && !GeneratedSourceName(k).empty(); ++k) {
      ParsedItemNames.Add(std::string(GeneratedSourceName(k)));
      ParsedItemValues.Add(GeneratedSourceValues[static_cast<std::size_t>(k)]);
    }
  }
  ParsedItemNames.SetTopIndex(parsed_top);
  ParsedItemValues.SetTopIndex(parsed_top);

  RefreshOutputValues();
  for (int n = 1; n <= count; ++n)
    OutputFieldNamesListBox.Add(
        std::string(TextOf(OutputFieldNameTable[static_cast<std::size_t>(n)])));

  const int field = sel + 1;
  const bool in_table = field >= 0 && field < kSlots;
  if (on_output && in_table) {
    const auto slot = static_cast<std::size_t>(field);
    RenameEditBox.SetText(std::string(TextOf(OutputFieldNameTable[slot])));
    OutputFieldContents.SetText(OutputFieldValues[slot]);
    DefaultValueEditBox.SetText(std::string(TextOf(OutputFieldDefaults[slot])));
    const int source = OutputFieldSource[slot];
    if (source == 0) {
      InputFieldNamesListBox.SetItemIndex(-1);
      ParsedItemNames.SetItemIndex(-1);
    } else if (source > 0) {
      InputFieldNamesListBox.SetItemIndex(source - 1);
      ParsedItemNames.SetItemIndex(-1);
    } else {
      InputFieldNamesListBox.SetItemIndex(-1);
      // The list starts at "Empty Field", which stays unselected.
      if (source < -kEmptyField) ParsedItemNames.SetItemIndex(-source - kEmptyField);
    }
  }
  if (sel >= 0 && on_output && in_table) ShowSelectedFieldOptions(field);

  ShowOutputRecordImage();
  DisplayCombo.Click();
  DisplayDates.Click();
  // Only controls that show this field's options may be stored back into it: off the output
  // sheet they still show an older state, and a loaded flag word would be overwritten.
  if (sel >= 0 && on_output && in_table) StoreValues.Click();
  OutputFieldNamesListBox.SetItemIndex(sel);
  if (OutputFieldNamesListBox.Enabled()) OutputFieldNamesListBox.SetFocus();
}

void TParseView::OutputRecordScrollBarChange() {
  const auto length = static_cast<std::int64_t>(OutputRecord.size());
  OutputRecordOffset = static_cast<std::int32_t>(length * OutputRecordScrollBar.Position() / 100);
  ShowOutputRecordImage();
}

void TParseView::OutputRecordPanelMouseMove(int x, int /*y*/) {
  OutputPositionLabel.SetVisible(true);
  OutputPosition.SetVisible(true);
  const int unit = std::max(YardStick.Geometry().width, 1);
  OutputPosition.SetCaption(std::to_string(x / unit + OutputRecordOffset + 1));
}

void TParseView::StoreValuesClick() {
  const int n = SelectedOutputFieldNumber();
  if (n == 0 || ShowingFieldOptions) return;
  const auto slot = static_cast<std::size_t>(n);
  std::uint32_t flags = OutputFieldFlags[slot];
  auto set = [&flags](bool on, std::uint32_t bit) { flags = on ? (flags | bit) : (flags & ~bit); };
  for (const OptionBit& option : kOptionBoxes) set((this->*option.box).Checked(), option.bit);
  for (const OptionRadio& option : kOptionRadios) set((this->*option.button).Checked(), option.bit);
  if (DbaseDateButton.Checked()) flags |= kFlagDbaseDate;
  if (!DbaseDateButton.Checked() && DbaseOutputButton.Checked()) flags &= ~kFlagDbaseDate;
  set(DbaseLogicButton.Checked(), kFlagDbaseLogic);
  OutputFieldFlags[slot] = flags;
  if (!FullButton.Checked()) EmptyButton.SetChecked(true);
}

void TParseView::FieldOptionClick() {
  if (ShowingFieldOptions) return;
  StoreValues.Click();
  OutputFieldsListBox.Clear();
  FillOutput.Click();
  RefreshOutputValues();
  if (OutputFieldNamesListBox.Enabled()) OutputFieldNamesListBox.SetFocus();
  const int n = SelectedOutputFieldNumber();
  if (n != 0) OutputFieldContents.SetText(OutputFieldValues[static_cast<std::size_t>(n)]);
  ShowOutputRecordImage();
}

void TParseView::NumericOutputBoxClick() {
  if (ShowingFieldOptions) return;
  if (NumericOutputBox.Checked()) NoCaseConversion.SetChecked(true);
  ShowNumericGroup(NumericOutputBox.Checked());
  FieldOptionClick();
}

void TParseView::CaseConversionGroupClick() {
  if (ShowingFieldOptions) return;
  FieldOptionClick();
  // /100 and x100 together cancel out; the stored word keeps both until the next store.
  if (Div100.Checked() && Mult100.Checked()) {
    Div100.SetChecked(false);
    Mult100.SetChecked(false);
  }
}

void TParseView::DupIfBlankClick() {
  if (ShowingFieldOptions) return;
  StoreValues.Click();
  DisplayOutput.Click();
}

void TParseView::SkipIfNullClick() {
  if (ShowingFieldOptions) return;
  StoreValues.Click();
}

}  // namespace vt
