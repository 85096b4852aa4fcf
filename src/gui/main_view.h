// MainView: the Qt main window that shows a tk::Window's controls and feeds user actions back.
#pragma once

#include <QImage>
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
class QBoxLayout;
class QLabel;
class QMenu;
class QMouseEvent;
class QRadioButton;
class QVBoxLayout;

namespace vt::gui {

// One widget per control, built in declaration order inside its parent (tab sheet, group box,
// panel); menus, the page control and the status bar map to Qt's own. Controls without a parent
// go where their Align says: bars on top, then the flow of the others, then the page control
// with the right-hand column beside it; floating ones lie above everything at their Bounds.
// Only a user's own act (a click, an activation, typing, a key that moves a selection, a tab the
// user picked) calls a control's User* entry point, then Sync(): the model is the only state, and
// the widgets are brought in step with it with their signals blocked. The keyboard focus follows
// Qt's focus only while it stays on a control's widget in this window, so a message box, a menu
// or another window does not count as leaving a control. Mouse moves go to the control under the
// mouse (or the window), in the model's units, after the control's real place is written back.
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
  // Pixels per model unit: the model's text line is 13 units high.
  double Scale() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
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
    std::string shown_hint;
    QImage shown_picture;
    tk::Bounds model_size;      // the size the model gave when the widget was made
    std::string model_caption;  // and its caption then
    bool floating = false;
    QPoint press{-1, -1};  // where the left button went down on a list (-1, -1: not down)
    const tk::Control* last_child = nullptr;  // of a container, the control added last
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
  void AddToBand(Entry& entry);
  void ApplySizes(Entry& entry);
  tk::Bounds DefaultSize(const Entry& entry) const;
  void SizeLabel(Entry& entry);
  QFont RecordFont() const;
  QSize InitialSize();
  void ArrangeMenus();
  void RebuildRadios(Entry& entry, const tk::RadioGroup& group);
  void RemoveEntry(const tk::Control* control);
  // Reads the widget's mouse moves and clicks for the control (nullptr: the window itself).
  void Watch(QWidget* widget, tk::Control* control);
  // A left click on one of the window's own areas, off every control.
  bool WindowClick(QWidget& area, QEvent& event);
  bool EditKey(tk::Edit& edit, QObject* line, QEvent* event);
  bool MouseEvent(tk::Control& control, QObject* watched, QEvent* event);
  bool ListMouse(Entry& entry, QMouseEvent& mouse);
  bool MouseMove(tk::Control* control, QWidget& widget, QMouseEvent& mouse);
  void NoteGeometry(tk::Control& control, const QWidget& widget);
  void Help();

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
  void PlaceFloat(Entry& entry);
  void FixRightColumnWidth();

  tk::Window& window_;
  std::unordered_map<const tk::Control*, std::unique_ptr<Entry>> entries_;
  std::vector<tk::Control*> known_;                     // the controls the view was built from
  std::unordered_map<QObject*, tk::Control*> focus_;    // widgets that give a control the focus
  std::unordered_map<QObject*, tk::Control*> watched_;  // widgets whose events the filter reads
  std::unordered_set<QObject*> containers_;             // sheets, group boxes, panels
  // The window's own area: bars, the flow of the others, the page control and the right column.
  QWidget* central_ = nullptr;
  QVBoxLayout* main_layout_ = nullptr;
  QWidget* top_area_ = nullptr;
  QBoxLayout* body_ = nullptr;
  QWidget* right_column_ = nullptr;
  QVBoxLayout* right_layout_ = nullptr;
  const tk::Control* shown_focus_ = nullptr;
  bool syncing_ = false;
};

}  // namespace vt::gui
