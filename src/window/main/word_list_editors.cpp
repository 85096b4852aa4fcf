// The word-list editors: one description per list and one set of handlers for all of them.
#include <array>
#include <span>

#include "parsing/word_list_edit.h"
#include "window/parse_view.h"

namespace vt {

// The controls, tables and rules of one editor. A one-box editor has no second list or box.
struct TParseView::WordListEditor {
  tk::ListBox TParseView::*list;
  tk::ListBox TParseView::*second_list;
  tk::Edit TParseView::*entry;
  tk::Edit TParseView::*second;
  tk::Button TParseView::*add;
  tk::Button TParseView::*remove;
  // Enter in either box moves the focus here, so the box's exit stores the edit.
  tk::Button TParseView::*enter_to;
  std::int32_t TParseView::*selected;
  SlotTable (*words)(WordLists&);
  SlotTable (*seconds)(WordLists&);
  std::size_t capacity;
  char lowest;  // the entry test: entries opening with a lower byte are ignored
  WordEditKind kind;
};

namespace {

using Editor = TParseView::WordListEditor;
using V = TParseView;

// The slots an editor lists, adds to and edits. The parser never reads the hundredth state, but
// a delete moves it up with the others.
constexpr std::size_t kListSlots = kWordSlots;
constexpr std::size_t kStateEditorSlots = kStateSlots - 1;

SlotTable None(WordLists& /*lists*/) {
  return {};
}

const Editor kEditors[] = {
    {&V::TitlesIn, &V::TitleSubstsIn, &V::TitleIn, &V::TitleSubstIn, &V::AddTitle, &V::DeleteTitle,
     &V::AddTitle, &V::TitleSelected, [](WordLists& w) { return SlotTable(w.TitleWords); },
     [](WordLists& w) { return SlotTable(w.TitleSubstitutes); }, kListSlots, 'A',
     WordEditKind::kPaired},
    {&V::SufficesIn, &V::SuffixSubstsIn, &V::SuffixIn, &V::SuffixSubstIn, &V::AddSuffices,
     &V::DeleteSuffices, &V::AddSuffices, &V::SuffixSelected,
     [](WordLists& w) { return SlotTable(w.SuffixWords); },
     [](WordLists& w) { return SlotTable(w.SuffixSubstitutes); }, kListSlots, '!',
     WordEditKind::kPaired},
    {&V::StreetTypes, &V::StreetTypeSubsts, &V::StreetTypeIn, &V::StreetTypeSubstIn,
     &V::StreetTypeAdd, &V::StreetTypeDelete, &V::StreetTypeAdd, &V::StreetTypeSelected,
     [](WordLists& w) { return SlotTable(w.StreetTypeWords); },
     [](WordLists& w) { return SlotTable(w.StreetTypeSubstitutes); }, kListSlots, 'A',
     WordEditKind::kPaired},
    // Enter goes to the street types' Add button, the first Add of the sheet.
    {&V::NonCivicsIn, &V::NonCivicSubstsIn, &V::NonCivicIn, &V::NonCivicSubstIn, &V::NonCivicAdd,
     &V::NonCivicDelete, &V::StreetTypeAdd, &V::NonCivicSelected,
     [](WordLists& w) { return SlotTable(w.NonCivicWords); },
     [](WordLists& w) { return SlotTable(w.NonCivicSubstitutes); }, kListSlots, 'A',
     WordEditKind::kPaired},
    {&V::SuiteDesignatorsIn, &V::SuiteDesignatorSubstsIn, &V::SuiteDesignatorIn,
     &V::SuiteDesignatorSubstIn, &V::SuiteDesignatorAdd, &V::SuiteDesignatorDelete,
     &V::SuiteDesignatorAdd, &V::SuiteSelected,
     [](WordLists& w) { return SlotTable(w.SuiteWords); },
     [](WordLists& w) { return SlotTable(w.SuiteSubstitutes); }, kListSlots, 'A',
     WordEditKind::kPaired},
    {&V::NameStripsIn, nullptr, &V::NameStripIn, nullptr, &V::AddNameStrip, &V::DeleteNameStrip,
     &V::AddNameStrip, &V::NameStripSelected,
     [](WordLists& w) { return SlotTable(w.NameStripWords); }, None, kListSlots, '!',
     WordEditKind::kSingle},
    {&V::CapitalExceptionsIn, nullptr, &V::CapitalExceptionIn, nullptr, &V::AddCapitalException,
     &V::DeleteCapitalException, &V::AddNameStrip, &V::CapitalExceptionSelected,
     [](WordLists& w) { return SlotTable(w.CapitalExceptions); }, None, kListSlots, '!',
     WordEditKind::kCapital},
    {&V::NamePrefixes, nullptr, &V::NamePrefixIn, nullptr, &V::AddNamePrefix, &V::DeleteNamePrefix,
     &V::AddNamePrefix, &V::SurnamePrefixSelected,
     [](WordLists& w) { return SlotTable(w.SurnamePrefixes); },
     [](WordLists& w) { return SlotTable(w.SurnamePrefixSeconds); }, kListSlots, '!',
     WordEditKind::kPrefix},
    {&V::States, &V::StateSubsts, &V::StateIn, &V::StateSubstIn, &V::AddState, &V::DeleteState,
     &V::AddState, &V::StateSelected, [](WordLists& w) { return SlotTable(w.StateNames); },
     [](WordLists& w) { return SlotTable(w.StateCodes); }, kStateEditorSlots, 'A',
     WordEditKind::kState},
};

}  // namespace

void TParseView::BindWordListHandlers() {
  for (const Editor& e : kEditors) {
    const Editor* editor = &e;
    (this->*e.add).on_click = [this, editor] { WordListAddClick(*editor); };
    (this->*e.remove).on_click = [this, editor] { WordListDeleteClick(*editor); };
    for (const bool second : {false, true}) {
      tk::ListBox TParseView::*list = second ? e.second_list : e.list;
      tk::Edit TParseView::*box = second ? e.second : e.entry;
      if (list == nullptr) continue;
      tk::ListBox& clicked = this->*list;
      clicked.on_click = [this, editor, &clicked] { WordListRowClick(*editor, clicked); };
      (this->*box).on_exit = [this, editor, second] { WordListBoxExit(*editor, second); };
      (this->*box).on_key_press = [this, editor](char& key) { WordListKeyPress(*editor, key); };
    }
  }
  ShowMailing.on_click = [this] { ShowMailingClick(); };
  MailingOptionButton.on_click = [this] { MailingOptionButtonClick(); };
}

void TParseView::WordListRowClick(const WordListEditor& editor, const tk::ListBox& clicked) {
  const int row = clicked.ItemIndex();
  if (row < 0) return;
  const auto slot = static_cast<std::size_t>(row);
  const SlotTable words = editor.words(*this);
  const SlotTable seconds = editor.seconds(*this);
  (this->*editor.list).SetItemIndex(row);
  this->*editor.selected = row;
  (this->*editor.entry).SetText(ShownEntry(editor.kind, words, seconds, slot));
  if (editor.second_list == nullptr) return;
  (this->*editor.second_list).SetItemIndex(row);
  (this->*editor.second).SetText(std::string(seconds.Text(slot)));
}

void TParseView::WordListAddClick(const WordListEditor& editor) {
  const std::size_t target = AddTarget(editor.words(*this), editor.capacity);
  // The last entry stays in view; nothing is stored before a box is left.
  (this->*editor.list).SetItemIndex(static_cast<int>(target) - 1);
  this->*editor.selected = static_cast<std::int32_t>(target);
  (this->*editor.entry).SetText("");
  if (editor.second != nullptr) (this->*editor.second).SetText("");
  (this->*editor.entry).SetFocus();
}

void TParseView::WordListDeleteClick(const WordListEditor& editor) {
  const std::int32_t selected = this->*editor.selected;
  if (selected < 0) return;
  const std::array<SlotTable, 2> tables = {editor.words(*this), editor.seconds(*this)};
  const std::size_t count = tables[1].Present() ? 2 : 1;
  if (static_cast<std::size_t>(selected) < editor.capacity)
    DeleteRow(std::span(tables.data(), count), static_cast<std::size_t>(selected));
  (this->*editor.entry).SetText("");
  if (editor.second != nullptr) (this->*editor.second).SetText("");
  DisplayOutput.Click();
}

void TParseView::WordListBoxExit(const WordListEditor& editor, bool leaving_second) {
  const std::int32_t selected = this->*editor.selected;
  if (selected < 0 || static_cast<std::size_t>(selected) >= editor.capacity) return;
  tk::Edit* second = editor.second == nullptr ? nullptr : &(this->*editor.second);
  const WordEdit edit{(this->*editor.entry).Text(),
                      second == nullptr ? std::string_view() : second->Text(), leaving_second};
  std::string shown_second;
  if (!StoreWordEdit(editor.kind, editor.lowest, editor.words(*this), editor.seconds(*this),
                     static_cast<std::size_t>(selected), edit, shown_second)) {
    return;
  }
  if (second != nullptr && !shown_second.empty()) second->SetText(shown_second);
  DisplayOutput.Click();
}

void TParseView::WordListKeyPress(const WordListEditor& editor, char& key) {
  if (key != '\r') return;
  // Only the focus moves: the box's exit, run by the move, stores the edit once.
  (this->*editor.enter_to).SetFocus();
}

namespace {

// Lists made again scroll back where they were, as far as the selected row stays in view.
void ScrollToSelection(tk::ListBox& list, tk::ListBox* second, int top, int selected) {
  if (selected >= 0 && selected < top) top = selected;
  if (selected >= top + kWordListRows) top = selected - kWordListRows + 1;
  list.SetTopIndex(top);
  if (second != nullptr) second->SetTopIndex(top);
}

}  // namespace

void TParseView::RefillWordLists() {
  WordListsShown.resize(std::size(kEditors));
  for (std::size_t k = 0; k < std::size(kEditors); ++k) {
    const Editor& e = kEditors[k];
    const SlotTable words = e.words(*this);
    const SlotTable seconds = e.seconds(*this);
    tk::ListBox& list = this->*e.list;
    tk::ListBox* second = e.second_list == nullptr ? nullptr : &(this->*e.second_list);
    // A refresh runs for every record stepped through; rows are made again only when their
    // tables changed since they were last made.
    std::string& shown = WordListsShown[k];
    const std::size_t split = words.Bytes().size();
    const bool same = shown.size() == split + seconds.Bytes().size() &&
                      shown.compare(0, split, words.Bytes()) == 0 &&
                      shown.compare(split, std::string::npos, seconds.Bytes()) == 0;
    if (!same) {
      shown.assign(words.Bytes()).append(seconds.Bytes());
      const int top = list.TopIndex();
      list.Clear();
      if (second != nullptr) second->Clear();
      for (std::size_t i = 0; i < e.capacity && !words.Text(i).empty(); ++i) {
        list.Add(ShownEntry(e.kind, words, seconds, i));
        if (second != nullptr) second->Add(std::string(seconds.Text(i)));
      }
      ScrollToSelection(list, second, top, this->*e.selected);
    }
    list.SetItemIndex(this->*e.selected);
    if (second != nullptr) second->SetItemIndex(this->*e.selected);
  }
}

void TParseView::ShowMailingClick() {
  PageControl.SetActivePage(&Mailing);
}

void TParseView::MailingOptionButtonClick() {
  PageControl.SetActivePage(&GenderSheet);
}

}  // namespace vt
