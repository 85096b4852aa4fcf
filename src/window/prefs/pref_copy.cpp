// Copy Output Format from another Preference File: the output side of another set-up taken
// into the current one, the input side left as it is.
#include <algorithm>
#include <memory>

#include "output/generated_sources.h"
#include "prefs/loading_scope.h"
#include "prefs/pref_file.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

namespace {

// How a copied bit sets its control: a 1 checks it and a 0 leaves it as it is, or the control
// follows the bit either way.
enum class Applied { kCheckIfSet, kFollow };

// One option bit that Copy takes, and its control: a radio button or a check box.
struct CopiedBit {
  bool word_b;
  std::uint32_t bit;
  Applied applied;
  tk::RadioButton TParseView::*button;
  tk::CheckBox TParseView::*box;
};

constexpr Applied kCheck = Applied::kCheckIfSet;
constexpr Applied kFollow = Applied::kFollow;

// The output side of the option words, in the order they are applied.
constexpr CopiedBit kCopiedBits[] = {
    {false, 0x8, kCheck, &TParseView::DateMDY, nullptr},
    {false, 0x10, kCheck, &TParseView::DateDMY, nullptr},
    {false, 0x20, kCheck, &TParseView::DateYMD, nullptr},
    {false, 0x40, kFollow, nullptr, &TParseView::DaysLZ},
    {false, 0x80, kCheck, &TParseView::Years2, nullptr},
    {false, 0x100, kCheck, &TParseView::Years4, nullptr},
    {false, 0x200, kCheck, &TParseView::MonthD1, nullptr},
    {false, 0x400, kCheck, &TParseView::MonthA2, nullptr},
    {false, 0x800, kCheck, &TParseView::MonthD2, nullptr},
    {false, 0x1000, kCheck, &TParseView::MonthA1, nullptr},
    {false, 0x2000, kFollow, nullptr, &TParseView::DateSeparatorNeeded},
    {false, 0x10000, kFollow, nullptr, &TParseView::DBVer},
    {false, 0x100000, kFollow, nullptr, &TParseView::XMLTranslate},
    {false, 0x1000000, kFollow, nullptr, &TParseView::EvalCheckBox},
    {false, 0x4000000, kFollow, nullptr, &TParseView::StripTags},
    {false, 0x20000000, kFollow, nullptr, &TParseView::StripAccents},
    {true, 0x200, kCheck, &TParseView::DelimitedOutputButton, nullptr},
    {true, 0x400, kCheck, &TParseView::TabDelimitedOutputButton, nullptr},
    {true, 0x10000, kCheck, &TParseView::WordPerfect, nullptr},
    {true, 0x800, kCheck, &TParseView::SpecialDelimitedOutputButton, nullptr},
    {true, 0x1000, kCheck, &TParseView::FixedFormatOutputButton, nullptr},
    // A set-up that writes no name line leaves the box as the user has it.
    {true, 0x2000, kCheck, nullptr, &TParseView::OutputFieldNames},
    {true, 0x8000, kFollow, nullptr, &TParseView::GenderFromTitle},
    {true, 0x4000, kCheck, &TParseView::DbaseOutputButton, nullptr},
    {true, 0x20000, kCheck, &TParseView::FormFeedButton, nullptr},
    {true, 0x800000, kFollow, nullptr, &TParseView::AppendFile},
};

void ApplyCopiedBit(TParseView& v, const CopiedBit& b, std::uint32_t word) {
  const bool on = (word & b.bit) != 0;
  if (!on && b.applied == Applied::kCheckIfSet) return;
  if (b.button != nullptr) (v.*b.button).SetChecked(on);
  if (b.box != nullptr) (v.*b.box).SetChecked(on);
}

}  // namespace

void TParseView::CopyOutputFormatClick() {
  if (ConversionRunning) return;
  PrefCaptions captions;
  if (!BeginPreferenceRead("Please choose a saved Vontrask configuration file to copy", false, true,
                           captions)) {
    return;
  }
  auto copy = std::make_unique<PrefCopyTables>();
  {
    const LoadingScope loading(LoadingPreferences);
    const PrefFileRead read =
        ReadPreferenceFile(PrefFileName, BindCopyTargets(*this, *this, *this, captions, *copy));
    if (!read.opened) {
      services().messages->Show("Cannot open that file.", PrefFileName, tk::MessageStyle::kStop);
      return;
    }
    // The input side's captions were read into the copy's scratch; the rest apply.
    ApplyCaptions(captions);
    ShowConversionChoice();
    for (const CopiedBit& b : kCopiedBits) {
      if (b.word_b) break;
      ApplyCopiedBit(*this, b, copy->OptionFlagsA);
    }
    CenturyBreak.SetText(std::string(TextOf(CenturyBreakText)));
    DateSeparator.SetText(std::string(TextOf(DateSeparatorText)));
    if (read.report.Whole(kBlockSuitePositions)) {
      UseDefaultSuite.SetChecked(copy->SuitePositions[0] != 0);
      for (std::size_t i = 0; i < 7; ++i)
        SetItemWithin(*PositionGroups[i], copy->SuitePositions[i + 1], 7);
    }
    SuiteDesignatorOut.SetText(std::string(TextOf(DefaultSuiteDesignator)));
    if (read.report.Whole(kBlockNamePartPositions)) {
      for (std::size_t i = 0; i < 5; ++i)
        SetItemWithin(*NamePGroups[i], copy->NamePartPositions[i + 1], 5);
    }
    for (std::size_t i = 0; i < 5; ++i) SetItemWithin(*NameOGroups[i], NamePartOrder[i + 1], 5);
    for (const CopiedBit& b : kCopiedBits) {
      if (b.word_b) ApplyCopiedBit(*this, b, copy->OptionFlagsB);
    }
    ClipOut.SetChecked((copy->OptionFlagsA & 0x400000) != 0);
    XML.SetChecked((copy->OptionFlagsA & 0x40000) != 0);
    OutputSpecialDelimiterEditBox.SetText(std::string(TextOf(OutputSpecialDelimiterText)));
    // The copied fields' input fields belong to the other set-up.
    for (std::int16_t& source : OutputFieldSource) {
      if (source > 0) source = -kEmptyField;
    }
    DisplayOutput.Click();
    ShowConversionSlot();
  }
  RememberPreferenceFolder();
}

}  // namespace vt
