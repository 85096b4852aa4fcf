// Static and container controls: sheets, status panels and scroll positions.
#include "toolkit/containers.h"

#include <algorithm>

namespace tk {

TabSheet::TabSheet(Window& window, std::string name, PageControl& pages)
    : Control(window, ControlKind::kTabSheet, std::move(name), &pages) {
  pages.sheets_.push_back(this);
  if (pages.active_ == nullptr) pages.active_ = this;
}

PageControl& TabSheet::Pages() const {
  return *static_cast<PageControl*>(Parent());
}

bool TabSheet::InFront() const {
  return Pages().ActivePage() == this;
}

void PageControl::SetActivePage(TabSheet* sheet) {
  if (sheet != nullptr && &sheet->Pages() != this) return;
  active_ = sheet;
}

void PageControl::UserSelectPage(TabSheet* sheet) {
  if (!Reachable() || sheet == nullptr || sheet == active_) return;
  if (&sheet->Pages() != this || !sheet->Enabled() || !sheet->TabVisible()) return;
  active_ = sheet;
  Fire(on_change);
}

void StatusBar::SetPanelText(int panel, std::string text) {
  if (panel < 0 || panel >= PanelCount()) return;
  panels_[static_cast<std::size_t>(panel)] = std::move(text);
}

void ScrollBar::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
}

void ScrollBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  Fire(on_change);
}

void ScrollBar::UserSetPosition(int position) {
  if (Reachable()) SetPosition(position);
}

}  // namespace tk
