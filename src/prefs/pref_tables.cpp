// Preference tables: which table each block of the file is.
#include "prefs/pref_tables.h"

namespace vt {

PrefTargets BindPrefTargets(InputTables& in, OutputTables& out, WordLists& w, PrefStaging& s,
                            PrefCaptions& c) {
  PrefTargets t;
  t.BindTable<1>(s.OptionFlagsA);
  t.BindTable<2>(out.OutputFieldNameTable);
  t.BindTable<3>(out.OutputFieldDefaults);
  t.BindTable<4>(out.OutputFieldWidths);
  t.BindTable<5>(out.OutputFieldFlags);
  t.BindTable<6>(in.DividerMatrix);
  t.BindTable<7>(out.OutputFieldCount);
  t.BindTable<8>(out.OutputFieldSource);
  t.BindTable<9>(out.SpecialSourceTable);
  t.BindTable<10>(out.CombinationDividers);
  t.BindTable<11>(in.FormLength);
  t.BindTable<12>(in.PageDataFirstLine);
  t.BindTable<13>(in.PageDataBandEnd);
  t.BindTable<14>(in.PageFooterLine);
  t.BindTable<15>(in.PageBandHeight);
  t.BindTable<16>(in.PageGutter);
  t.BindTable<17>(in.PageBlockStep);
  t.BindTable<18>(in.PageBlockCount);
  t.BindTable<19>(s.OptionFlagsA);
  t.BindTable<20>(s.CenturyBreakText);
  t.BindTable<21>(s.DateSeparatorText);
  t.BindTable<22>(in.InputFieldCounts);
  t.BindTable<23>(out.DateTimeSources);
  t.BindTable<24>(in.InputDelimiter);
  t.BindTable<25>(s.OutputSpecialDelimiterText);
  t.BindTable<26>(in.FormLength);
  t.BindTable<27>(s.OptionFlagsB);
  t.BindTable<28>(s.SuitePositions);
  t.BindTable<29>(s.DefaultSuiteDesignator);
  t.BindTable<30>(w.TitleWords);
  t.BindTable<31>(w.TitleSubstitutes);
  t.BindTable<32>(w.SuffixWords);
  t.BindTable<33>(w.SuffixSubstitutes);
  t.BindTable<34>(w.NameStripWords);
  t.BindTable<35>(s.NamePartPositions);
  t.BindTable<36>(s.NamePartOrder);
  t.BindTable<37>(w.NonCivicWords);
  t.BindTable<38>(w.NonCivicSubstitutes);
  t.BindTable<39>(w.StreetTypeWords);
  t.BindTable<40>(w.StreetTypeSubstitutes);
  t.BindTable<41>(w.SuiteWords);
  t.BindTable<42>(w.SuiteSubstitutes);
  t.BindTable<43>(w.CapitalExceptions);
  t.BindTable<44>(out.OutputFieldDecimals);
  t.BindTable<45>(in.BinaryRecordLength);
  t.BindTable<46>(w.StateNames);
  t.BindTable<47>(w.StateCodes);
  t.BindTable<48>(w.AddedFirstNames);
  t.BindTable<49>(w.AddedFirstNameGenders);
  t.BindTable<50>(w.SurnamePrefixes);
  t.BindTable<51>(w.SurnamePrefixSeconds);
  t.BindTable<52>(in.TagCount);
  t.BindTable<53>(in.TagTexts);
  t.BindCaption(54, c.TagTextIn);
  t.BindCaption(55, c.MaleTitleIn);
  t.BindCaption(56, c.FemaleTitleIn);
  t.BindCaption(57, c.JointTitleIn);
  t.BindTable<58>(s.SplitFlags);
  t.BindItem(59, c.InterLeafItem);
  t.BindTable<60>(in.TagOccurrences);
  t.BindCaption(61, c.PlugInProg);
  t.BindCaption(62, c.XMLTableName);
  t.BindCaption(63, c.XMLRecordName);
  t.BindCaption(64, c.HeaderBlockFile);
  t.BindCaption(65, c.TrailerBlockFile);
  t.BindTable<66>(out.FilterSourceField);
  t.BindCaption(67, c.FilterText);
  t.BindTable<68>(out.ConversionCoefficients);
  t.BindTable<69>(out.ConversionChoices);
  t.BindCaption(70, c.DefaultTitleIn);
  return t;
}

PrefTargets BindCopyTargets(OutputTables& out, WordLists& w, PrefStaging& s, PrefCaptions& c,
                            PrefCopyTables& copy) {
  PrefTargets t = BindPrefTargets(copy.input, out, w, s, c);
  t.BindTable<1>(copy.OptionFlagsA);
  t.BindTable<9>(copy.SpecialSourceTable);
  t.BindTable<10>(copy.CombinationDividers);
  t.BindTable<19>(copy.OptionFlagsA);
  t.BindTable<23>(copy.DateTimeSources);
  t.BindTable<27>(copy.OptionFlagsB);
  t.BindTable<28>(copy.SuitePositions);
  t.BindTable<35>(copy.NamePartPositions);
  t.BindCaption(54, copy.TagTextIn);
  t.BindTable<58>(copy.SplitFlags);
  t.BindTable<66>(copy.FilterSourceField);
  t.BindCaption(67, copy.FilterText);
  return t;
}

}  // namespace vt
