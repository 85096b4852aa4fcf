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

// One option bit that Copy takes: a radio button checked when 1, or a box that follows it.
struct CopiedBit {
  bool word_b;
  std::uint32_t bit;
  tk::RadioButton TParseView::*button;
  tk::CheckBox TParseView::*box;
};

// The output side of the option words, in the order they are applied.
constexpr CopiedBit kCopiedBits[] = {
    {false, 0x8, &TParseView::DateMDY, nullptr},
    {false, 0x10, &TParseView::DateDMY, nullptr},
    {false, 0x20, &TParseView::DateYMD, nullptr},
    {false, 0x40, nullptr, &TParseView::DaysLZ},
    {false, 0x80, &TParseView::Years2, nullptr},
    {false, 0x100, &TParseView::Years4, nullptr},
    {false, 0x200, &TParseView::MonthD1, nullptr},
    {false, 0x400, &TParseView::MonthA2, nullptr},
    {false, 0x800, &TParseView::MonthD2, nullptr},
    {false, 0x1000, &TParseView::MonthA1, nullptr},
    {false, 0x2000, nullptr, &TParseView::DateSeparatorNeeded},
    {false, 0x10000, nullptr, &TParseView::DBVer},
    {false, 0x100000, nullptr, &TParseView::XMLTranslate},
    {false, 0x1000000, nullptr, &TParseView::EvalCheckBox},
    {false, 0x4000000, nullptr, &TParseView::StripTags},
    {false, 0x20000000, nullptr, &TParseView::StripAccents},
    {true, 0x200, &TParseView::DelimitedOutputButton, nullptr},
    {true, 0x400, &TParseView::TabDelimitedOutputButton, nullptr},
    {true, 0x10000, &TParseView::WordPerfect, nullptr},
    {true, 0x800, &TParseView::SpecialDelimitedOutputButton, nullptr},
    {true, 0x1000, &TParseView::FixedFormatOutputButton, nullptr},
    {true, 0x2000, nullptr, &TParseView::OutputFieldNames},
    {true, 0x8000, nullptr, &TParseView::GenderFromTitle},
    {true, 0x4000, &TParseView::DbaseOutputButton, nullptr},
    {true, 0x20000, &TParseView::FormFeedButton, nullptr},
    {true, 0x800000, nullptr, &TParseView::AppendFile},
};

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
      ApplyCopiedBit(b.bit, copy->OptionFlagsA, b.button, b.box);
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
      if (b.word_b) ApplyCopiedBit(b.bit, copy->OptionFlagsB, b.button, b.box);
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

void TParseView::ApplyCopiedBit(std::uint32_t bit, std::uint32_t word,
                                tk::RadioButton TParseView::*button,
                                tk::CheckBox TParseView::*box) {
  const bool on = (word & bit) != 0;
  if (button != nullptr && on) (this->*button).SetChecked(true);
  if (box != nullptr) (this->*box).SetChecked(on);
}

}  // namespace vt
