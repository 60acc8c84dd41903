// List controls: the items of rings and picture rings.

#include "app/qt/control_kind.h"
#include "app/qt/kinds/rings.h"
#include "app/qt/runtime_state.h"

using qtui::IsRing;
using qtui::LookUpControl;

int ClearListCtrl(int panel, int control) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  ring->def.items.clear();
  qtui::ShowRingItems(*ring, -1);
  return 0;
}

int InsertListItem(int panel, int control, int index, const std::string& label, int value) {
  return InsertListItem(panel, control, index, label, static_cast<double>(value));
}

int InsertListItem(int panel, int control, int index, const std::string& label, double value) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  const int count = qtui::ItemCount(*ring);
  if (index == -1) index = count;
  if (index < 0 || index > count) return UIE_BAD_INDEX;
  auto& items = ring->def.items;
  items.insert(items.begin() + index, ui::RingItem{label, value});
  // The item shown stays the same; the first item of an empty list is shown.
  int shown = qtui::CurrentIndex(*ring);
  if (shown < 0)
    shown = 0;
  else if (index <= shown)
    ++shown;
  qtui::ShowRingItems(*ring, shown);
  return 0;
}

int ReplaceListItem(int panel, int control, int index, const std::string& label, int value) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  if (index < 0 || index >= qtui::ItemCount(*ring)) return UIE_BAD_INDEX;
  ring->def.items[static_cast<std::size_t>(index)] = ui::RingItem{label, static_cast<double>(value)};
  qtui::ShowRingItems(*ring, qtui::CurrentIndex(*ring));
  return 0;
}

int GetNumListItems(int panel, int control, int* count) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  if (!count) return UIE_BAD_ATTRIBUTE;
  *count = qtui::ItemCount(*ring);
  return 0;
}

int GetIndexFromValue(int panel, int control, int* index, int value) {
  return GetIndexFromValue(panel, control, index, static_cast<double>(value));
}

int GetIndexFromValue(int panel, int control, int* index, double value) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  if (!index) return UIE_BAD_ATTRIBUTE;
  *index = qtui::ItemIndexOf(*ring, value);
  return *index < 0 ? UIE_BAD_INDEX : 0;
}

int GetValueFromIndex(int panel, int control, int index, int* value) {
  double number = 0;
  const int result = GetValueFromIndex(panel, control, index, value ? &number : nullptr);
  if (result == 0) *value = qtui::ToInt(number);
  return result;
}

int GetValueFromIndex(int panel, int control, int index, double* value) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  if (!value) return UIE_BAD_ATTRIBUTE;
  if (index < 0 || index >= qtui::ItemCount(*ring)) return UIE_BAD_INDEX;
  *value = ring->def.items[static_cast<std::size_t>(index)].value;
  return 0;
}

int GetLabelFromIndex(int panel, int control, int index, std::string* label) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  if (!label) return UIE_BAD_ATTRIBUTE;
  if (index < 0 || index >= qtui::ItemCount(*ring)) return UIE_BAD_INDEX;
  *label = ring->def.items[static_cast<std::size_t>(index)].label;
  return 0;
}

int GetCtrlIndex(int panel, int control, int* index) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  if (!index) return UIE_BAD_ATTRIBUTE;
  *index = qtui::CurrentIndex(*ring);
  return 0;
}

int SetCtrlIndex(int panel, int control, int index) {
  const auto [ring, error] = LookUpControl(panel, control, IsRing);
  if (!ring) return error;
  if (index < 0 || index >= qtui::ItemCount(*ring)) return UIE_BAD_INDEX;
  qtui::ShowIndex(*ring, index);
  return 0;
}
