#pragma once
// Rings and picture rings: a list of items, one of them shown. A ring shows
// its item's label in a drop-down list, a picture ring its item's value as a
// picture.

#include "app/qt/runtime_state.h"

namespace qtui {

bool IsRing(const ControlRecord& control);
int ItemCount(const ControlRecord& ring);
// The item shown, -1 when the list is empty.
int CurrentIndex(const ControlRecord& ring);
void ShowIndex(ControlRecord& ring, int index);
// After def.items changed: the new list, showing this item.
void ShowRingItems(ControlRecord& ring, int index);
// The index of the first item with this value, or -1.
int ItemIndexOf(const ControlRecord& ring, double value);
// The item chosen as the operator chooses it, then committed; UIE_BAD_INDEX
// for an index outside the list.
int ChooseRingItem(ControlRecord& ring, int panel, int index);

}  // namespace qtui
