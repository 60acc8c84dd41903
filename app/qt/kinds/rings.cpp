// Rings (a drop-down list of labels) and picture rings (a picture for each
// item's value): a list of items in the definition, one of them shown.

#include "app/qt/kinds/rings.h"

#include <QAbstractItemView>
#include <QComboBox>

#include "app/qt/control_accessibility.h"
#include "app/qt/control_kind.h"
#include "app/qt/control_widgets.h"
#include "app/qt/image_painter.h"
#include "app/qt/panel_window.h"

namespace qtui {
namespace {

using Actions = QAccessibleActionInterface;

// What rings and picture rings share: the value is the shown item's value.
class ItemRing : public ControlKind {
 public:
  virtual int currentIndex(const ControlRecord& ring) const = 0;
  virtual void showIndex(ControlRecord& ring, int index) const = 0;
  virtual void showItems(ControlRecord& ring, int index) const { showIndex(ring, index); }
  // The item at a valid index chosen as the operator chooses it, then committed.
  virtual void choose(ControlRecord& ring, int panel, int index) const = 0;

  // The item with the initial value, else the first.
  void showInitial(ControlRecord& ring) const override {
    const int index = ItemIndexOf(ring, ring.def.initial);
    showItems(ring, index >= 0 || ring.def.items.empty() ? index : 0);
  }
  int setNumber(ControlRecord& ring, double value) const override {
    const int index = ItemIndexOf(ring, value);
    if (index < 0) return UIE_BAD_INDEX;
    showIndex(ring, index);
    return 0;
  }
  int number(const ControlRecord& ring, double* value) const override {
    const int index = currentIndex(ring);
    if (index < 0 || index >= ItemCount(ring)) return UIE_BAD_INDEX;
    *value = ring.def.items[static_cast<std::size_t>(index)].value;
    return 0;
  }
  bool hasOwnInterface() const override { return true; }
  bool showsValue() const override { return true; }
  // An empty list or a value not in it: UIE_BAD_INDEX from ChooseRingItem.
  int commit(int panel, ControlRecord& ring) const override {
    return ChooseRingItem(ring, panel, currentIndex(ring));
  }
  int commitValue(int panel, ControlRecord& ring, double value) const override {
    return ChooseRingItem(ring, panel, ItemIndexOf(ring, value));
  }
};

class Ring final : public ItemRing {
 public:
  QWidget* build(int panel, ControlRecord& ring, PanelWindow* window) const override {
    auto* combo = new QComboBox(window->clientArea());
    QObject::connect(combo, &QComboBox::activated, [panel, id = ring.def.id](int) { Commit(panel, id); });
    return combo;
  }
  int currentIndex(const ControlRecord& ring) const override { return Combo(ring)->currentIndex(); }
  void showIndex(ControlRecord& ring, int index) const override {
    QComboBox* combo = Combo(ring);
    const QSignalBlocker quiet(combo);
    combo->setCurrentIndex(index);  // tells assistive technology itself
    combo->repaint();
  }
  void showItems(ControlRecord& ring, int index) const override {
    {
      const QSignalBlocker quiet(ring.widget);
      Combo(ring)->clear();
      for (const auto& item : ring.def.items) Combo(ring)->addItem(QString::fromStdString(item.label));
    }
    showIndex(ring, index);
  }
  void choose(ControlRecord& ring, int, int index) const override {
    QComboBox* combo = Combo(ring);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  int text(const ControlRecord& ring, std::string* label) const override {
    const int index = currentIndex(ring);
    if (index < 0) return UIE_BAD_INDEX;
    *label = ring.def.items[static_cast<std::size_t>(index)].label;
    return 0;
  }

  QAccessible::Role role() const override { return QAccessible::ComboBox; }
  void addState(const ControlRecord& ring, QAccessible::State& state) const override {
    state.expandable = true;
    state.expanded = Combo(ring)->view()->isVisible();
  }
  QStringList actionNames() const override {
    return {Actions::pressAction(), Actions::showMenuAction(), Actions::scrollUpAction(),
            Actions::scrollDownAction()};
  }
  QString shownText(const ControlRecord& ring) const override { return Combo(ring)->currentText(); }

 private:
  static QComboBox* Combo(const ControlRecord& ring) { return static_cast<QComboBox*>(ring.widget); }
};

class PictureRing final : public ItemRing {
 public:
  QWidget* build(int, ControlRecord& ring, PanelWindow* window) const override {
    return new ImageWidget(ring.def.image, window->clientArea());
  }
  int currentIndex(const ControlRecord& ring) const override { return ring.index; }
  void showIndex(ControlRecord& ring, int index) const override {
    ring.index = index;
    double value = 0;  // none shown
    number(ring, &value);
    auto* image = static_cast<ImageWidget*>(ring.widget);
    image->setImageValue(ToInt(value));
    image->repaint();
    NotifyAccessibleValue(ring.widget, value);
  }
  void choose(ControlRecord& ring, int panel, int index) const override {
    showIndex(ring, index);
    Commit(panel, ring.def.id);
  }

  QString visibleText(const ControlRecord& ring) const override { return ImageText(ring.def.image); }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  QStringList actionNames() const override { return {Actions::pressAction()}; }
  // The port the picture shows: 0 none, 99 above 16.
  QString shownText(const ControlRecord& ring) const override {
    double port = 0;
    number(ring, &port);
    return port == 0 ? QStringLiteral("nicht geöffnet") : ComStateCaption(static_cast<int>(port));
  }
  bool hasAccessibleNumber() const override { return true; }
};

const ItemRing& RingOf(const ControlRecord& ring) { return dynamic_cast<const ItemRing&>(KindOf(ring)); }

}  // namespace

const ControlKind& RingKind() { static const Ring kind; return kind; }
const ControlKind& PictureRingKind() { static const PictureRing kind; return kind; }

bool IsRing(const ControlRecord& control) {
  return dynamic_cast<const ItemRing*>(&KindOf(control)) != nullptr;
}

int ItemCount(const ControlRecord& ring) { return static_cast<int>(ring.def.items.size()); }
int CurrentIndex(const ControlRecord& ring) { return RingOf(ring).currentIndex(ring); }
void ShowIndex(ControlRecord& ring, int index) { RingOf(ring).showIndex(ring, index); }
void ShowRingItems(ControlRecord& ring, int index) { RingOf(ring).showItems(ring, index); }

int ItemIndexOf(const ControlRecord& ring, double value) {
  for (int i = 0; i < ItemCount(ring); ++i)
    if (ring.def.items[static_cast<std::size_t>(i)].value == value) return i;
  return -1;
}

int ChooseRingItem(ControlRecord& ring, int panel, int index) {
  if (index < 0 || index >= ItemCount(ring)) return UIE_BAD_INDEX;
  RingOf(ring).choose(ring, panel, index);
  return 0;
}

}  // namespace qtui
