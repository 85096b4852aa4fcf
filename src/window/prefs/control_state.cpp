// Control state in the preference file: the option controls packed into three option words and
// the staging fields at a save, and set from them again at a load, in an order whose handler
// runs the loaded set-up relies on.
#include <algorithm>
#include <cstdlib>

#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

struct RadioBit {
  std::uint32_t bit;
  tk::RadioButton TParseView::*button;
};

struct BoxBit {
  std::uint32_t bit;
  tk::CheckBox TParseView::*box;
};

// Option word A, in the order the restore sets them.
constexpr RadioBit kDateOrderBits[] = {
    {0x1, &TParseView::DateInMDY}, {0x2, &TParseView::DateInDMY}, {0x4, &TParseView::DateInYMD},
    {0x8, &TParseView::DateMDY},   {0x10, &TParseView::DateDMY},  {0x20, &TParseView::DateYMD},
};
constexpr BoxBit kDaysBit = {0x40, &TParseView::DaysLZ};
constexpr RadioBit kYearAndMonthBits[] = {
    {0x80, &TParseView::Years2},   {0x100, &TParseView::Years4},  {0x200, &TParseView::MonthD1},
    {0x400, &TParseView::MonthA2}, {0x800, &TParseView::MonthD2}, {0x1000, &TParseView::MonthA1},
};
constexpr BoxBit kDateAndPageBoxes[] = {
    {0x2000, &TParseView::DateSeparatorNeeded},
    {0x4000, &TParseView::TimeInDate},
    {0x10000, &TParseView::DBVer},
    {0x20000, &TParseView::IgnoreLineEnds},
};
constexpr RadioBit kXmlBit = {0x40000, &TParseView::XML};
constexpr BoxBit kPlugInAndFilterBoxes[] = {
    {0x80000, &TParseView::UsePlugIn},
    {0x100000, &TParseView::XMLTranslate},
    {0x200000, &TParseView::Filter},
};
constexpr RadioBit kClipOutBit = {0x400000, &TParseView::ClipOut};
constexpr std::uint32_t kSelectContains = 0x800000;
constexpr std::uint32_t kSelectOmits = 0x8000000;
constexpr BoxBit kTextOptionBoxes[] = {
    {0x1000000, &TParseView::EvalCheckBox},       {0x2000000, &TParseView::SkipBlankLines},
    {0x10000000, &TParseView::HTMLTableCheckBox}, {0x4000000, &TParseView::StripTags},
    {0x20000000, &TParseView::StripAccents},      {0x40000000, &TParseView::OmitControlChar},
};

// Option word B.
constexpr RadioBit kInputTypeBits[] = {
    {0x1, &TParseView::DelimitedInputButton},
    {0x2, &TParseView::TabInputButton},
    {0x8, &TParseView::FixedInputButton},
};
constexpr RadioBit kSpecialInputBit = {0x4, &TParseView::SpecialInputButton};
constexpr RadioBit kPageInputBit = {0x10, &TParseView::PageInputButton};
constexpr RadioBit kBinaryInputBit = {0x20, &TParseView::BinaryInput};
constexpr BoxBit kFirstRecordBit = {0x40, &TParseView::TakeFirstRecordAsFieldName};
constexpr RadioBit kOutputFormatBits[] = {
    {0x200, &TParseView::DelimitedOutputButton},
    {0x400, &TParseView::TabDelimitedOutputButton},
    {0x10000, &TParseView::WordPerfect},
    {0x800, &TParseView::SpecialDelimitedOutputButton},
    {0x1000, &TParseView::FixedFormatOutputButton},
};
constexpr BoxBit kFieldNamesBit = {0x2000, &TParseView::OutputFieldNames};
constexpr BoxBit kGenderFromTitleBit = {0x8000, &TParseView::GenderFromTitle};
constexpr RadioBit kDbaseOutputBit = {0x4000, &TParseView::DbaseOutputButton};
constexpr RadioBit kPageLengthBits[] = {
    {0x20000, &TParseView::FormFeedButton},
    {0x40000, &TParseView::FixedLengthButton},
};
constexpr RadioBit kPageDataBits[] = {
    {0x80000, &TParseView::TagTextButton},
    {0x100000, &TParseView::FixedData},
    {0x200000, &TParseView::TaggedData},
    {0x400000, &TParseView::BlankLinesPage},
};
constexpr BoxBit kAppendBit = {0x800000, &TParseView::AppendFile};
constexpr std::uint32_t kCalendarTime = 0x1000000;
constexpr std::uint32_t kPortionOfDay = 0x2000000;
constexpr std::uint32_t kFirstByteHi = 0x4000000;
constexpr RadioBit kWebFormBit = {0x8000000, &TParseView::WebFormInput};
constexpr BoxBit kReverseEbcdicBit = {0x10000000, &TParseView::ReverseEbcdic};
constexpr std::uint32_t kEbcdicIn = 0x20000000;
constexpr std::uint32_t kVfcAtLeftOnly = 0x40000000;

// Split word: the first two buttons of each "split into" and "based on" group; the third of
// each group is the default and has no bit.
constexpr std::uint32_t SplitBit(int row, int column) {
  return column < 3 ? 1u << (2 * row + column) : 0x40u << (2 * row + column - 3);
}

class Words {
 public:
  explicit Words(TParseView& v) : v_(v) {}

  // Save: the bit is 1 exactly while the control is checked.
  void Gather(std::uint32_t& word, const RadioBit& b) const {
    Set(word, b.bit, (v_.*b.button).Checked());
  }
  void Gather(std::uint32_t& word, const BoxBit& b) const {
    Set(word, b.bit, (v_.*b.box).Checked());
  }
  template <std::size_t N>
  void Gather(std::uint32_t& word, const RadioBit (&bits)[N]) const {
    for (const RadioBit& b : bits) Gather(word, b);
  }
  template <std::size_t N>
  void Gather(std::uint32_t& word, const BoxBit (&bits)[N]) const {
    for (const BoxBit& b : bits) Gather(word, b);
  }

  // Load: a radio button is checked when its bit is 1; a check box follows its bit.
  void CheckIfSet(std::uint32_t word, const RadioBit& b) const {
    if (word & b.bit) (v_.*b.button).SetChecked(true);
  }
  template <std::size_t N>
  void CheckIfSet(std::uint32_t word, const RadioBit (&bits)[N]) const {
    for (const RadioBit& b : bits) CheckIfSet(word, b);
  }
  void CheckIfSet(std::uint32_t word, const BoxBit& b) const {
    if (word & b.bit) (v_.*b.box).SetChecked(true);
  }
  void Follow(std::uint32_t word, const BoxBit& b) const {
    (v_.*b.box).SetChecked((word & b.bit) != 0);
  }
  void Follow(std::uint32_t word, const RadioBit& b) const {
    (v_.*b.button).SetChecked((word & b.bit) != 0);
  }
  template <std::size_t N>
  void Follow(std::uint32_t word, const BoxBit (&bits)[N]) const {
    for (const BoxBit& b : bits) Follow(word, b);
  }

 private:
  static void Set(std::uint32_t& word, std::uint32_t bit, bool on) {
    if (on) word |= bit;
  }
  TParseView& v_;
};

}  // namespace

void TParseView::GatherControlState() {
  const Words words(*this);
  std::uint32_t a = kWideLayoutMarker;
  words.Gather(a, kDateOrderBits);
  words.Gather(a, kDaysBit);
  words.Gather(a, kYearAndMonthBits);
  words.Gather(a, kDateAndPageBoxes);
  words.Gather(a, kXmlBit);
  words.Gather(a, kPlugInAndFilterBoxes);
  words.Gather(a, kClipOutBit);
  if (SelectType.ItemIndex() == 1) a |= kSelectContains;
  if (SelectType.ItemIndex() == 2) a |= kSelectOmits;
  words.Gather(a, kTextOptionBoxes);
  OptionFlagsA = a;

  CopyText(CenturyBreakText, CenturyBreak.Text());
  CopyText(DateSeparatorText, DateSeparator.Text());
  SuitePositions[0] = UseDefaultSuite.Checked() ? 1 : 0;
  for (std::size_t i = 0; i < 7; ++i) SuitePositions[i + 1] = PositionGroups[i]->ItemIndex();
  for (std::size_t i = 0; i < 5; ++i) {
    NamePartPositions[i + 1] = NamePGroups[i]->ItemIndex();
    NamePartOrder[i + 1] = NameOGroups[i]->ItemIndex();
  }
  CopyText(DefaultSuiteDesignator, SuiteDesignatorOut.Text());

  std::uint32_t b = 0;
  words.Gather(b, kInputTypeBits);
  words.Gather(b, kSpecialInputBit);
  words.Gather(b, kPageInputBit);
  words.Gather(b, kBinaryInputBit);
  words.Gather(b, kFirstRecordBit);
  words.Gather(b, kOutputFormatBits);
  words.Gather(b, kFieldNamesBit);
  words.Gather(b, kGenderFromTitleBit);
  words.Gather(b, kDbaseOutputBit);
  words.Gather(b, kPageLengthBits);
  words.Gather(b, kPageDataBits);
  words.Gather(b, kAppendBit);
  if (TimeType.ItemIndex() == 1) b |= kCalendarTime;
  if (TimeType.ItemIndex() == 2) b |= kPortionOfDay;
  if (FirstByte.ItemIndex() == 1) b |= kFirstByteHi;
  words.Gather(b, kWebFormBit);
  words.Gather(b, kReverseEbcdicBit);
  if (EbcdicIn.Checked()) b |= kEbcdicIn;
  if (VFC.ItemIndex() == 1) b |= kVfcAtLeftOnly;
  OptionFlagsB = b;

  CopyText(OutputSpecialDelimiterText, OutputSpecialDelimiterEditBox.Text());
  SplitFlags = 0;
  for (int row = 0; row < 3; ++row) {
    for (int column : {0, 1, 3, 4}) {
      if (SplitButtons[row][column]->Checked()) SplitFlags |= SplitBit(row, column);
    }
  }
}

void TParseView::SetItemWithin(tk::RadioGroup& group, std::int32_t index, int last) {
  if (index >= 0 && index <= last) group.SetItemIndex(index);
}

void TParseView::ShowConversionChoice() {
  const int slot = std::clamp(ConvSelect.ItemIndex(), 0, 3);
  const auto& choice = ConversionChoices[static_cast<std::size_t>(slot)];
  ConvType.SetItemIndex(choice[0]);
  // The lists show the slot's units also when its type was shown already.
  FillUnitLists(ConvType.ItemIndex());
  ConvFrom.SetItemIndex(choice[1]);
  ConvTo.SetItemIndex(choice[2]);
}

void TParseView::RestoreControlState(const std::array<char, 2>& loaded_delimiter) {
  const Words words(*this);
  ShowConversionChoice();

  const std::uint32_t a = OptionFlagsA;
  words.CheckIfSet(a, kDateOrderBits);
  words.Follow(a, kDaysBit);
  words.CheckIfSet(a, kYearAndMonthBits);
  words.Follow(a, kDateAndPageBoxes);
  words.Follow(a, kXmlBit);
  words.Follow(a, kPlugInAndFilterBoxes);
  words.Follow(a, kClipOutBit);
  SelectType.SetItemIndex(0);
  if (a & kSelectContains) SelectType.SetItemIndex(1);
  if (a & kSelectOmits) SelectType.SetItemIndex(2);
  words.Follow(a, kTextOptionBoxes);

  CenturyBreak.SetText(std::string(TextOf(CenturyBreakText)));
  DateSeparator.SetText(std::string(TextOf(DateSeparatorText)));
  UseDefaultSuite.SetChecked(SuitePositions[0] != 0);
  for (std::size_t i = 0; i < 7; ++i) SetItemWithin(*PositionGroups[i], SuitePositions[i + 1], 7);
  SuiteDesignatorOut.SetText(std::string(TextOf(DefaultSuiteDesignator)));
  for (std::size_t i = 0; i < 5; ++i) SetItemWithin(*NamePGroups[i], NamePartPositions[i + 1], 5);
  for (std::size_t i = 0; i < 5; ++i) SetItemWithin(*NameOGroups[i], NamePartOrder[i + 1], 5);

  const std::uint32_t b = OptionFlagsB;
  if (DbaseInputActive == 0) {
    words.CheckIfSet(b, kInputTypeBits);
    // A tab set-up cuts at TAB whatever character its delimiter box held, also when tab input
    // was chosen already: the first record's names below are cut with it.
    if (TabInputButton.Checked() && (b & kSpecialInputBit.bit) == 0) InputDelimiter = {'\t', '\0'};
    if (b & kPageInputBit.bit) {
      PageInputButton.SetChecked(true);
      FixedLengthButton.SetChecked(true);
      FixedData.SetChecked(true);
    }
    words.CheckIfSet(b, kBinaryInputBit);
    words.CheckIfSet(b, kFirstRecordBit);
  }
  words.CheckIfSet(b, kOutputFormatBits);
  words.CheckIfSet(b, kFieldNamesBit);
  words.Follow(b, kGenderFromTitleBit);
  words.CheckIfSet(b, kDbaseOutputBit);
  words.CheckIfSet(b, kPageLengthBits);
  if (!FixedLengthButton.Checked()) TakeFirstRecordAsFieldName.SetChecked(false);
  words.CheckIfSet(b, kPageDataBits);
  words.Follow(b, kAppendBit);
  TimeType.SetItemIndex(0);
  if (b & kCalendarTime) TimeType.SetItemIndex(1);
  if (b & kPortionOfDay) TimeType.SetItemIndex(2);
  FirstByte.SetItemIndex((b & kFirstByteHi) != 0 ? 1 : 0);
  words.CheckIfSet(b, kWebFormBit);
  words.Follow(b, kReverseEbcdicBit);
  VFC.SetItemIndex((b & kVfcAtLeftOnly) != 0 ? 1 : 0);

  for (int row = 0; row < 3; ++row) {
    SplitButtons[row][2]->SetChecked(true);
    SplitButtons[row][5]->SetChecked(true);
  }
  for (int row = 0; row < 3; ++row) {
    for (int column : {0, 1, 3, 4}) {
      if (SplitFlags & SplitBit(row, column)) SplitButtons[row][column]->SetChecked(true);
    }
  }

  OutputSpecialDelimiterEditBox.SetText(std::string(TextOf(OutputSpecialDelimiterText)));
  InputDelimiter = loaded_delimiter;
  SpecialDelimiterInputBox.SetText(std::string(TextOf(InputDelimiter)));
  FormLengthInputBox.SetText(std::to_string(FormLength));
}

PrefCaptions TParseView::GatherCaptions() const {
  PrefCaptions c;
  c.TagTextIn = TagTextIn.Text();
  c.MaleTitleIn = MaleTitleIn.Text();
  c.FemaleTitleIn = FemaleTitleIn.Text();
  c.JointTitleIn = JointTitleIn.Text();
  c.PlugInProg = PlugInProg.Text();
  c.XMLTableName = XMLTableName.Text();
  c.XMLRecordName = XMLRecordName.Text();
  c.HeaderBlockFile = HeaderBlockFile.Text();
  c.TrailerBlockFile = TrailerBlockFile.Text();
  c.FilterText = FilterText.Text();
  c.DefaultTitleIn = DefaultTitleIn.Text();
  c.InterLeafItem = InterLeaf.ItemIndex();
  return c;
}

void TParseView::ApplyCaptions(const PrefCaptions& c) {
  TagTextIn.SetText(c.TagTextIn);
  MaleTitleIn.SetText(c.MaleTitleIn);
  FemaleTitleIn.SetText(c.FemaleTitleIn);
  JointTitleIn.SetText(c.JointTitleIn);
  InterLeaf.SetItemIndex(c.InterLeafItem);
  PlugInProg.SetText(c.PlugInProg);
  XMLTableName.SetText(c.XMLTableName);
  XMLRecordName.SetText(c.XMLRecordName);
  HeaderBlockFile.SetText(c.HeaderBlockFile);
  TrailerBlockFile.SetText(c.TrailerBlockFile);
  FilterText.SetText(c.FilterText);
  DefaultTitleIn.SetText(c.DefaultTitleIn);
}

}  // namespace vt
