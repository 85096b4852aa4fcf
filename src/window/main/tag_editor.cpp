// The tag editor of tagged page input: tags added, changed and deleted, the tag fields cut from
// the page, and the page's e-mail and web addresses.
#include <cstdlib>
#include <string>

#include "input/page_image.h"
#include "input/tag_fields.h"
#include "input/web_patterns.h"
#include "strings/fixed_text.h"
#include "window/parse_view.h"

namespace vt {

void TParseView::RefillTagList() {
  TagList.Clear();
  int listed = 0;
  while (listed < kMaxTags && TagTexts[static_cast<std::size_t>(listed) + 1][0] != '\0') {
    ++listed;
    TagList.Add(std::string(TextOf(TagTexts[static_cast<std::size_t>(listed)])));
  }
  // The count is what the list holds, whatever a loaded file or an earlier edit left.
  TagCount = listed;
  InputFieldCounts[0] = listed;
}

void TParseView::TagsChanged() {
  SaveOldNames.Click();
  ProcessPageLine.Click();
  MatchOldNames.Click();
  DisplayOutput.Click();
}

void TParseView::TagListClick() {
  SelectedTag = TagList.ItemIndex();
  if (SelectedTag < 0) return;
  const auto slot = static_cast<std::size_t>(SelectedTag) + 1;
  TagIn.SetText(std::string(TextOf(TagTexts[slot])));
  TagOccurIn.SetText(std::to_string(std::abs(TagOccurrences[slot])));
  TagBelow.SetChecked(TagOccurrences[slot] < 0);
  GetTags.Click();
  InputFieldNamesListBox.SetItemIndex(SelectedTag);
}

void TParseView::AddTagClick() {
  TagList.SetItemIndex(-1);
  SelectedTag = -1;
  TagIn.SetText("");
  TagOccurIn.SetText("1");
  TagBelow.SetEnabled(true);
  TagBelow.SetChecked(false);
  TagOccurIn.SetFocus();
}

void TParseView::TagInExit() {
  TagBelow.SetEnabled(true);
  const std::int16_t occurrence = ParseOccurrence(TagOccurIn.Text(), TagBelow.Checked());
  const std::string text = TagIn.Text().substr(0, InputTables::kNameLimit);
  if (text.empty()) return;
  if (SelectedTag < 0) {
    int slot = 1;
    for (; slot <= kMaxTags && TagTexts[static_cast<std::size_t>(slot)][0] != '\0'; ++slot) {
      const auto s = static_cast<std::size_t>(slot);
      if (TextOf(TagTexts[s]) == text && TagOccurrences[s] == occurrence) break;
    }
    const bool known = slot <= kMaxTags && TagTexts[static_cast<std::size_t>(slot)][0] != '\0';
    if (!known && slot > kMaxTags) return;  // 99 tags: no more
    if (!known) {
      CopyText(TagTexts[static_cast<std::size_t>(slot)], text);
      TagOccurrences[static_cast<std::size_t>(slot)] = occurrence;
    }
    SelectedTag = slot - 1;
  } else {
    const auto slot = static_cast<std::size_t>(SelectedTag) + 1;
    CopyText(TagTexts[slot], text);
    TagOccurrences[slot] = occurrence;
  }
  RefillTagList();
  TagList.SetItemIndex(SelectedTag);
  TagsChanged();
}

void TParseView::TagInKeyPress(char& key) {
  TagBelow.SetEnabled(false);
  if (key == '\r') AddTag.SetFocus();
}

void TParseView::TagOccurInExit() {
  TagIn.SetFocus();
}

void TParseView::TagBelowClick() {
  TagIn.SetFocus();
}

void TParseView::DeleteTagClick() {
  if (SelectedTag < 0) return;
  for (std::size_t slot = static_cast<std::size_t>(SelectedTag) + 1; slot < kMaxTags; ++slot) {
    TagTexts[slot] = TagTexts[slot + 1];
    TagOccurrences[slot] = TagOccurrences[slot + 1];
  }
  CopyText(TagTexts[kMaxTags], "");
  TagOccurrences[kMaxTags] = 1;
  SelectedTag = -1;
  TagList.SetItemIndex(-1);
  TagIn.SetText("");
  RefillTagList();
  TagsChanged();
}

void TParseView::IgnoreLineEndsClick() {
  // A restore of the option from a preference file must not cut other input as pages.
  if (!PageInputButton.Checked()) return;
  ProcessPageLine.Click();
  DisplayOutput.Click();
}

void TParseView::GetTagsClick() {
  FindWebPatterns.Click();
  (void)CutTagFields(*this, IgnoreLineEnds.Checked(), SelectedTag + 1);
  TagFoundRow.SetCaption(TagFoundLine > 0 ? std::to_string(TagFoundLine) : "");
  TagFoundCol.SetCaption(TagFoundLine > 0 ? std::to_string(TagFoundColumn) : "");
  if (BatchRun == 0) DisplayInput.Click();
}

void TParseView::FindWebPatternsClick() {
  vt::FindWebPatterns(*this, IgnoreLineEnds.Checked());
}

}  // namespace vt
