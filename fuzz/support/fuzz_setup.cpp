// Fuzz set-up: the sample set-up, the patched preference image and the plan of a loaded set-up.
#include "support/fuzz_setup.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "output/date_steps.h"
#include "output/generated_sources.h"
#include "output/number_text.h"
#include "output/writers/writers.h"
#include "prefs/pref_layout.h"
#include "strings/fixed_text.h"

namespace vt::fuzz {

namespace {

struct SampleField {
  const char* name;
  int source;  // > 0 an input field, < 0 a generated source
  int width;
  std::uint32_t flags;
  const char* decimals;
};

// clang-format off
constexpr SampleField kSampleFields[] = {
    {"Name", 1, 14, kFlagRemoveBlanks, " "},
    {"Amount", 2, 9, kFlagNumeric | kFlagRemoveBlanks, "2"},
    {"Address", -kStdAddress, 30, kFlagProperCase, " "},
    {"City", -kCity, 20, kFlagUpperCase, " "},
    {"StdName", -kStdName, 30, 0, " "},
    {"Phone", -kPhone1, 12, 0, " "},
    {"Gender", -kGender1, 1, 0, " "},
    {"Date", -kDate1, 10, kFlagDateSource | kFlagDbaseDate, " "},
    {"Combo", -kCombination1, 20, kFlagSoundex, " "},
    {"Convert", -kConvert1, 12, kFlagNumeric | kFlagRound, "3"},
    {"Split", -kSplit1A, 10, kFlagDupIfBlank, " "},
    {"Sum", -kSumOfCombos, 10, kFlagNumeric | kFlagHex, "0"},
    {"Record", -kRecordNumber, 6, kFlagNumeric | kFlagLeadingZeros, "0"},
    {"Third", 3, 0, kFlagLowerCase | kFlagDeDup, " "},
    {"Email", -kTaggedEmail1, 20, kFlagSkipIfNull, " "},
    {"Now", -kCalendarNow, 10, kFlagScientific | kFlagNumeric, "2"},
    {"Julian", -kJulianDate1, 8, kFlagDiv100 | kFlagNumeric, "1"},
    {"Hour", -kHour1, 2, kFlagMult100 | kFlagNumeric, " "},
    {"Salutation", -kSalutation, 20, kFlagRightJustify, " "},
    {"Alnum", -kCombo1Alnum, 10, kFlagDbaseLogic, " "},
    {"Domain", -kDomainInSplit1, 20, 0, " "},
    {"Break", -kLineBreak, 1, 0, " "},
    {"Weekday", -kWeekday1, 9, 0, " "},
    {"Sixth", 6, 5, kFlagSkipIfNull | kFlagSkipWhenFull, " "},
};
// clang-format on

}  // namespace

void FillSample(SetUp& s) {
  OutputTables& out = s.out;
  out.OutputFieldCount = static_cast<std::int32_t>(std::size(kSampleFields));
  for (std::size_t n = 1; n <= std::size(kSampleFields); ++n) {
    const SampleField& f = kSampleFields[n - 1];
    CopyText(out.OutputFieldNameTable[n], f.name);
    out.OutputFieldSource[n] = static_cast<std::int16_t>(f.source);
    out.OutputFieldWidths[n] = static_cast<std::int16_t>(f.width);
    out.OutputFieldFlags[n] = f.flags;
    CopyText(out.OutputFieldDecimals[n], f.decimals);
  }
  CopyText(out.OutputFieldDefaults[3], "none");
  out.SpecialSourceTable[1] = {0, 1, 2, 3, 0, 0};  // combination 1
  out.SpecialSourceTable[kStreetRow] = {3, 0, 0, 0, 0, 0};
  out.SpecialSourceTable[kNameRow] = {1, 0, 0, 0, 0, 0};
  out.SpecialSourceTable[kCityRow] = {4, 0, 0, 0, 0, 0};
  out.SpecialSourceTable[kPhoneRow] = {5, 0, 0, 0, 0, 0};
  out.SpecialSourceTable[kGenderSplitRow] = {1, 0, 0, 6, 0, 0};
  CopyText(out.CombinationDividers[1][1], "-");
  out.DateTimeSources[1] = 6;
  out.DateTimeSources[5] = 6;
  out.ConversionCoefficients[0] = {32.0, 1.8};
  s.in.FormLength = 20;
  s.in.PageDataFirstLine = 3;
  s.in.PageDataBandEnd = 4;
  s.in.PageFooterLine = 18;
  s.in.BinaryRecordLength = 16;
  s.in.DividerMatrix[0] = {0, 5, 9, 12};
  s.in.InputFieldCounts[0] = 4;
  s.in.TagCount = 2;
  CopyText(s.in.TagTexts[1], "Name:");
  CopyText(s.in.TagTexts[2], "<city>");
  s.in.TagOccurrences.fill(1);
  s.staging.OptionFlagsA = kWideLayoutMarker;
  s.staging.OptionFlagsB = 0x1 | 0x200;
}

void SizeTables(OutputTables& out) {
  out.OutputFieldValues.assign(OutputTables::kSlots, std::string());
  out.GeneratedSourceValues.assign(OutputTables::kGeneratedSlots, std::string());
}

SetUp::SetUp() {
  SizeTables(out);
}

void PatchSample(FuzzInput& fuzz, SetUp& s) {
  FillSample(s);
  const PrefTargets targets = s.Targets();
  const int patches = fuzz.IntIn(0, 16);
  for (int p = 0; p < patches; ++p) {
    const PrefBlock& block = PrefBlockAt(fuzz.IntIn(1, kPrefBlockCount));
    const std::size_t at = fuzz.IntIn<std::size_t>(0, block.size - 1);
    const std::string bytes = fuzz.Text(std::min<std::size_t>(2 * block.width, block.size - at));
    switch (block.kind) {
      case PrefBlockKind::kTable:
        // The file's numbers are little-endian, as this machine's are.
        std::memcpy(static_cast<char*>(targets.Table(block.number)) + at, bytes.data(),
                    bytes.size());
        break;
      case PrefBlockKind::kCaption:
        *targets.Caption(block.number) = bytes;
        break;
      case PrefBlockKind::kItem:
        std::memcpy(targets.Item(block.number), bytes.data(),
                    std::min<std::size_t>(bytes.size(), 4));
        break;
    }
  }
}

InputKind KindOfOptions(std::uint32_t b) {
  InputKind kind = InputKind::kFixed;
  if (b & 0x1) kind = InputKind::kComma;
  if (b & 0x2) kind = InputKind::kTab;
  if (b & 0x8) kind = InputKind::kFixed;
  if (b & 0x4) kind = InputKind::kSpecial;
  if (b & 0x10) kind = InputKind::kPage;
  if (b & 0x20) kind = InputKind::kBinary;
  if (b & 0x8000000) kind = InputKind::kWebForm;
  return kind;
}

OutputFormat FormatOfOptions(std::uint32_t a, std::uint32_t b) {
  OutputFormat format = OutputFormat::kComma;
  if (b & 0x400) format = OutputFormat::kTab;
  if (b & 0x10000) format = OutputFormat::kWordPerfect;
  if (b & 0x800) format = OutputFormat::kSpecial;
  if (b & 0x1000) format = OutputFormat::kFixed;
  if (b & 0x4000) format = OutputFormat::kDbase;
  if (a & 0x40000) format = OutputFormat::kXml;
  if (a & 0x400000) format = OutputFormat::kClipboard;
  return format;
}

RunPlan PlanOfSetUp(const SetUp& s, InputKind kind, OutputFormat format) {
  const std::uint32_t a = s.staging.OptionFlagsA;
  const std::uint32_t b = s.staging.OptionFlagsB;
  RunPlan plan;
  plan.input = kind;
  plan.reader.text = {
      .ebcdic = (b & 0x20000000) != 0,
      .strip_control = (a & 0x40000000) != 0,
      .web_form = kind == InputKind::kWebForm ? WebFormLines::kFirstBang : WebFormLines::kNone};
  plan.reader.delimiter = s.in.InputDelimiter[0];
  plan.reader.names_from_first_record = (b & 0x40) != 0;
  plan.reader.binary = {.high_byte_first = (b & 0x4000000) != 0,
                        .ebcdic_source = (b & 0x20000000) != 0};
  PageOptions& breaks = plan.reader.page.breaks;
  if (b & 0x20000) breaks.mode = PageBreak::kFormFeed;
  if (b & 0x80000) breaks.mode = PageBreak::kTagText;
  if (b & 0x400000) breaks.mode = PageBreak::kBlankLines;
  breaks.tag = s.captions.TagTextIn;
  breaks.tag_at_left_only = (b & 0x40000000) != 0;
  breaks.skip_blank_lines = (a & 0x2000000) != 0;
  plan.reader.page.cut = {.tagged = (b & 0x200000) != 0,
                          .html_table = (a & 0x10000000) != 0,
                          .ignore_line_ends = (a & 0x20000) != 0};
  plan.format = format;
  plan.writer.delimiter = DelimiterOf(format, TextOf(s.staging.OutputSpecialDelimiterText));
  plan.writer.xml_table = s.captions.XMLTableName;
  plan.writer.xml_record = s.captions.XMLRecordName;
  plan.writer.streams = std::clamp(s.captions.InterLeafItem, 0, 3) + 1;
  plan.writer.dbase_y2k = (a & 0x10000) != 0;
  plan.writer.today = {.tm_mday = 4, .tm_mon = 2, .tm_year = 98};
  plan.field_names_record = (b & 0x2000) != 0;

  BuildRequest& r = plan.build;
  r.xml_translate = (a & 0x100000) != 0;
  r.strip_accents = (a & 0x20000000) != 0;
  r.strip_tags = (a & 0x4000000) != 0;
  r.filter = (a & 0x200000) != 0;
  r.select_type = (a & 0x8000000) ? 2 : ((a & 0x800000) ? 1 : 0);
  r.filter_text = s.captions.FilterText;
  r.interleave_index = s.captions.InterLeafItem;
  r.dbase_input_active = kind == InputKind::kDbase;
  r.dbase_field_types = s.in.DbaseFieldTypes;
  r.genders = &SampleGenders();
  r.gender_from_title = (b & 0x8000) != 0;
  for (std::size_t i = 0; i < r.street_order.positions.size(); ++i)
    r.street_order.positions[i] = s.staging.SuitePositions[i + 1];
  r.street_order.use_default_suite = s.staging.SuitePositions[0] != 0;
  r.street_order.default_suite = TextOf(s.staging.DefaultSuiteDesignator);
  for (std::size_t i = 0; i < r.name_options.incoming.size(); ++i) {
    r.name_options.incoming[i] = s.staging.NamePartPositions[i + 1];
    r.name_options.standard[i] = s.staging.NamePartOrder[i + 1];
  }
  r.name_options.male_title = s.captions.MaleTitleIn;
  r.name_options.female_title = s.captions.FemaleTitleIn;
  r.name_options.joint_title = s.captions.JointTitleIn;
  r.name_options.default_title = s.captions.DefaultTitleIn;

  DateOptions& d = r.dates;
  if (a & 0x2) d.input_order = DateOrder::kDayMonthYear;
  if (a & 0x4) d.input_order = DateOrder::kYearMonthDay;
  d.time_in_date = (a & 0x4000) != 0;
  d.century_break = LeadingInteger(TextOf(s.staging.CenturyBreakText));
  if (b & 0x1000000) d.time_input = TimeInput::kCalendar;
  if (b & 0x2000000) d.time_input = TimeInput::kPortionOfDay;
  const DateOrder output = (a & 0x10)   ? DateOrder::kDayMonthYear
                           : (a & 0x20) ? DateOrder::kYearMonthDay
                                        : DateOrder::kMonthDayYear;
  const MonthStyle month = (a & 0x200)   ? MonthStyle::kDigits
                           : (a & 0x800) ? MonthStyle::kDigitsZero
                           : (a & 0x400) ? MonthStyle::kFullName
                                         : MonthStyle::kShortName;
  d.patterns = MakeDatePatterns(output, month, (a & 0x80) == 0, (a & 0x40) != 0);
  d.separator = (a & 0x2000) ? TextOf(s.staging.DateSeparatorText) : std::string_view();
  r.evaluate = (a & 0x1000000) != 0;
  for (std::size_t i = 0; i < r.splits.size(); ++i) {
    const std::uint32_t flags = s.staging.SplitFlags;
    const auto row = static_cast<int>(i);
    auto bit = [&](int column) {
      return (flags & (column < 3 ? 1u << (2 * row + column) : 0x40u << (2 * row + column - 3))) !=
             0;
    };
    r.splits[i].parts = bit(0) ? 1 : (bit(1) ? 2 : 3);
    r.splits[i].basis =
        bit(3) ? SplitBasis::kComma : (bit(4) ? SplitBasis::kSlash : SplitBasis::kWords);
  }
  return plan;
}

bool UtcTime::Local(std::int64_t seconds, std::tm& out) const {
  const auto t = static_cast<std::time_t>(seconds);
  return ::gmtime_r(&t, &out) != nullptr;
}

std::optional<std::string_view> SmallEnvironment::Find(std::string_view name) const {
  static constexpr std::pair<std::string_view, std::string_view> kVariables[] = {
      {"rate", "1.5"}, {"home", "/home/user"}, {"empty", ""}};
  for (const auto& [key, value] : kVariables) {
    if (name.size() != key.size()) continue;
    bool same = true;
    for (std::size_t i = 0; i < name.size() && same; ++i) same = (name[i] | 0x20) == key[i];
    if (same) return value;
  }
  return std::nullopt;
}

}  // namespace vt::fuzz
