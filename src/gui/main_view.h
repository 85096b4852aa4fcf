// MainView: the Qt main window that shows a tk::Window's controls and feeds user actions back.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "toolkit/toolkit.h"

class QAction;
class QLabel;
class QMenu;
class QRadioButton;
class QVBoxLayout;

namespace vt::gui {

// One widget per control, built in declaration order inside its parent (tab sheet, group box,
// panel); menus, the page control and the status bar map to Qt's own. User actions call the
// controls' User* entry points and then Sync(): the model is the only state, and the widgets are
// brought in step with it with their signals blocked, so a change made by the view never runs a
// model handler. The keyboard focus follows Qt's focus only while it stays on a control's widget
// in this window, so a message box, a menu or another window does not count as leaving a control.
class MainView : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainView(tk::Window& window, QWidget* parent = nullptr);
  ~MainView() override;

  tk::Window& Model() const { return window_; }
  // Brings every widget in step with the model (and builds widgets for controls added since).
  void Sync();
  // Runs Tick() on every timer control, then syncs.
  void TickTimers();

  // The widget of a control (for menu items, nullptr), the action of a menu item.
  QWidget* WidgetOf(const tk::Control& control) const;
  QAction* ActionOf(const tk::MenuItem& item) const;
  // The control whose widget `widget` is or lies in; nullptr outside every control.
  tk::Control* ControlAt(QWidget* widget) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What the view made for one control, with the values it last showed where reading them back
  // from Qt would be slow.
  struct Entry {
    tk::Control* control = nullptr;
    tk::ControlKind kind = tk::ControlKind::kLabel;
    std::string name;
    QPointer<QWidget> widget;
    QPointer<QWidget> container;  // where child controls go
    QPointer<QMenu> menu;
    QPointer<QAction> action;
    QPointer<QLabel> caption;  // a panel's caption
    std::vector<QPointer<QRadioButton>> radios;
    std::vector<QPointer<QLabel>> panels;
    std::vector<std::string> shown_items;  // list rows, grid cells, memo lines, radio items
    std::string shown_text;
    int shown_top = -1;
    int shown_color = -1;
    bool mouse_down = false;  // a list's or grid's selection moves with the mouse
    std::string shown_hint;
  };

  // Runs a user action on the model, then syncs.
  void Act(const std::function<void()>& action);
  void OnFocusChanged(QWidget* old_widget, QWidget* now);

  // Building (view_build.cpp).
  void UpdateStructure();
  void Create(tk::Control* control);
  void CreateMenuItem(Entry& entry, tk::MenuItem& item);
  void CreateWidget(Entry& entry);
  QWidget* MakeWidget(Entry& entry);
  QWidget* MakeContainer(Entry& entry, QWidget* frame);
  void AddToParent(Entry& entry);
  void ArrangeMenus();
  void RebuildRadios(Entry& entry, const tk::RadioGroup& group);
  void RemoveEntry(const tk::Control* control);
  void Watch(QObject* object, tk::Control* control) { watched_[object] = control; }
  bool EditKey(tk::Edit& edit, QObject* line, QEvent* event);
  bool MouseEvent(tk::Control& control, QObject* watched, QEvent* event);

  // Syncing (view_sync.cpp).
  void SyncEntry(Entry& entry);
  void SyncCommon(Entry& entry);
  void SyncMenuItem(Entry& entry);
  void SyncPages(Entry& entry);
  void SyncList(Entry& entry);
  void SyncGrid(Entry& entry);
  void SyncMemo(Entry& entry);
  void SyncRadioGroup(Entry& entry);
  void SyncFocus();

  tk::Window& window_;
  std::unordered_map<const tk::Control*, std::unique_ptr<Entry>> entries_;
  std::vector<tk::Control*> known_;                     // the controls the view was built from
  std::unordered_map<QObject*, tk::Control*> focus_;    // widgets that give a control the focus
  std::unordered_map<QObject*, tk::Control*> watched_;  // objects whose events the filter reads
  std::unordered_set<QObject*> containers_;             // sheets, group boxes, panels
  QWidget* top_area_ = nullptr;
  QVBoxLayout* main_layout_ = nullptr;
  const tk::Control* shown_focus_ = nullptr;
  bool syncing_ = false;
};

}  // namespace vt::gui
