// List controls: the items of rings and picture rings.

#include "app/qt/control_kind.h"
#include "app/qt/kinds/rings.h"
#include "app/qt/runtime_state.h"

namespace qtui {
namespace {

ControlRecord* FindRing(int panel, int control, int* error) {
  ControlRecord* record = FindControlRecord(panel, control, error);
  if (record && !IsRing(*record)) {
    *error = UIE_BAD_ATTRIBUTE;
    return nullptr;
  }
  return record;
}

int Insert(int panel, int control, int index, const std::string& label, double value) {
  int error = 0;
  ControlRecord* ring = FindRing(panel, control, &error);
  if (!ring) return error;
  const int count = ItemCount(*ring);
  if (index == -1) index = count;
  if (index < 0 || index > count) return UIE_BAD_INDEX;
  auto& items = ring->def.items;
  items.insert(items.begin() + index, ui::RingItem{label, value});
  // The item shown stays the same; the first item of an empty list is shown.
  int shown = CurrentIndex(*ring);
  if (shown < 0)
    shown = 0;
  else if (index <= shown)
    ++shown;
  ShowRingItems(*ring, shown);
  return 0;
}

int Replace(int panel, int control, int index, const std::string& label, double value) {
  int error = 0;
  ControlRecord* ring = FindRing(panel, control, &error);
  if (!ring) return error;
  if (index < 0 || index >= ItemCount(*ring)) return UIE_BAD_INDEX;
  ring->def.items[static_cast<std::size_t>(index)] = ui::RingItem{label, value};
  ShowRingItems(*ring, CurrentIndex(*ring));
  return 0;
}

int IndexOf(int panel, int control, int* index, double value) {
  int error = 0;
  ControlRecord* ring = FindRing(panel, control, &error);
  if (!ring) return error;
  if (!index) return UIE_BAD_ATTRIBUTE;
  *index = ItemIndexOf(*ring, value);
  return *index < 0 ? UIE_BAD_INDEX : 0;
}

int ValueAt(int panel, int control, int index, double* value) {
  int error = 0;
  ControlRecord* ring = FindRing(panel, control, &error);
  if (!ring) return error;
  if (!value) return UIE_BAD_ATTRIBUTE;
  if (index < 0 || index >= ItemCount(*ring)) return UIE_BAD_INDEX;
  *value = ring->def.items[static_cast<std::size_t>(index)].value;
  return 0;
}

}  // namespace
}  // namespace qtui

int ClearListCtrl(int panel, int control) {
  int error = 0;
  qtui::ControlRecord* ring = qtui::FindRing(panel, control, &error);
  if (!ring) return error;
  ring->def.items.clear();
  qtui::ShowRingItems(*ring, -1);
  return 0;
}

int InsertListItem(int panel, int control, int index, const std::string& label, int value) {
  return qtui::Insert(panel, control, index, label, value);
}

int InsertListItem(int panel, int control, int index, const std::string& label, double value) {
  return qtui::Insert(panel, control, index, label, value);
}

int ReplaceListItem(int panel, int control, int index, const std::string& label, int value) {
  return qtui::Replace(panel, control, index, label, value);
}

int GetNumListItems(int panel, int control, int* count) {
  int error = 0;
  qtui::ControlRecord* ring = qtui::FindRing(panel, control, &error);
  if (!ring) return error;
  if (!count) return UIE_BAD_ATTRIBUTE;
  *count = qtui::ItemCount(*ring);
  return 0;
}

int GetIndexFromValue(int panel, int control, int* index, int value) {
  return qtui::IndexOf(panel, control, index, value);
}

int GetIndexFromValue(int panel, int control, int* index, double value) {
  return qtui::IndexOf(panel, control, index, value);
}

int GetValueFromIndex(int panel, int control, int index, int* value) {
  double number = 0;
  const int result = qtui::ValueAt(panel, control, index, value ? &number : nullptr);
  if (result == 0) *value = qtui::ToInt(number);
  return result;
}

int GetValueFromIndex(int panel, int control, int index, double* value) {
  return qtui::ValueAt(panel, control, index, value);
}

int GetLabelFromIndex(int panel, int control, int index, std::string* label) {
  int error = 0;
  qtui::ControlRecord* ring = qtui::FindRing(panel, control, &error);
  if (!ring) return error;
  if (!label) return UIE_BAD_ATTRIBUTE;
  if (index < 0 || index >= qtui::ItemCount(*ring)) return UIE_BAD_INDEX;
  *label = ring->def.items[static_cast<std::size_t>(index)].label;
  return 0;
}

int GetCtrlIndex(int panel, int control, int* index) {
  int error = 0;
  qtui::ControlRecord* ring = qtui::FindRing(panel, control, &error);
  if (!ring) return error;
  if (!index) return UIE_BAD_ATTRIBUTE;
  *index = qtui::CurrentIndex(*ring);
  return 0;
}

int SetCtrlIndex(int panel, int control, int index) {
  int error = 0;
  qtui::ControlRecord* ring = qtui::FindRing(panel, control, &error);
  if (!ring) return error;
  if (index < 0 || index >= qtui::ItemCount(*ring)) return UIE_BAD_INDEX;
  qtui::ShowIndex(*ring, index);
  return 0;
}
