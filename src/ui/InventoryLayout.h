// Where the inventory panel, the eight equipment slots, the quick slots and
// the search window sit on the screen, and what a press, a drop and a right
// click hit there. Drawing and the mouse handlers share these numbers.
#pragma once

#include "characters/Characters.h"
#include "ui/HitArea.h"

#include <cstdint>

namespace layout {

// The inventory grid: 11 by 8 visible cells, 33 pixels apart.
constexpr int kGridColumns = 11;
constexpr int kGridRows = 8;
constexpr int kCellSpacing = 33;
constexpr int kGridX = 246;
constexpr int kGridY = 17;
constexpr HitArea gridPress(int c, int r) {
    return {245 + kCellSpacing * c, 18 + kCellSpacing * r, 274 + kCellSpacing * c, 44 + kCellSpacing * r};
}
constexpr HitArea gridDrop(int c, int r) {
    return {243 + kCellSpacing * c, 14 + kCellSpacing * r, 276 + kCellSpacing * c, 47 + kCellSpacing * r};
}
constexpr HitArea gridRight(int c, int r) {
    return {244 + kCellSpacing * c, 17 + kCellSpacing * r, 275 + kCellSpacing * c, 45 + kCellSpacing * r};
}
// The grid's scroll arrows, drawn at (605, 14) and (605, 266).
constexpr HitArea kGridUp{606, 15, 622, 23};
constexpr HitArea kGridDown{606, 267, 622, 276};

// Equipment slot numbers: 1 helmet, 2 necklace, 3 armor, 4 boots, 5 ring1,
// 6 ring2, 7 leftHand, 8 rightHand.
constexpr int kLeftHand = 7;
constexpr int kRightHand = 8;
struct Slot {
    ItemRef Characters::*member;
    int32_t type;  // what it takes; the hands take several
    int x, y;      // the icon
    HitArea press;
    HitArea drop;
    HitArea right;
};
constexpr Slot kSlots[9] = {
    {nullptr, 0, 0, 0, {}, {}, {}},
    {&Characters::helmet, 8, 89, 18, {89, 16, 114, 43}, {87, 16, 115, 44}, {89, 18, 114, 42}},
    {&Characters::necklace, 9, 185, 18, {185, 18, 209, 42}, {183, 16, 209, 40}, {185, 18, 209, 42}},
    {&Characters::armor, 7, 89, 49, {89, 49, 114, 74}, {89, 49, 113, 73}, {90, 49, 114, 73}},
    {&Characters::boots, 11, 185, 49, {185, 49, 209, 73}, {185, 49, 209, 73}, {185, 49, 209, 73}},
    {&Characters::ring1, 10, 89, 88, {89, 88, 113, 112}, {89, 88, 113, 112}, {90, 88, 113, 112}},
    {&Characters::ring2, 10, 185, 88, {185, 88, 209, 112}, {185, 88, 209, 112}, {185, 88, 209, 112}},
    {&Characters::leftHand, 0, 89, 126, {89, 126, 114, 151}, {89, 126, 114, 151}, {89, 126, 114, 151}},
    {&Characters::rightHand, 0, 185, 126, {185, 126, 210, 151}, {185, 126, 210, 151}, {185, 126, 210, 151}},
};

// Quick slots 0-4 on the left of the bottom bar, 5-9 on the right.
constexpr int kQuickSlotsPerSide = 5;
constexpr HitArea quickSlot(int index) {
    const int left = (index < kQuickSlotsPerSide ? 22 : 608) + 35 * (index % kQuickSlotsPerSide);
    return {left + 1, 527, left + 34, 560};
}
constexpr int quickSlotFrameX(int index) { return (index < kQuickSlotsPerSide ? 22 : 608) + 35 * (index % kQuickSlotsPerSide); }
constexpr int kQuickSlotFrameY = 526;

// The search window: 6 by 5 cells of a corpse's items.
constexpr int kSearchColumns = 6;
constexpr int kSearchRows = 5;
constexpr int kSearchX = 373;
constexpr int kSearchY = 297;
constexpr HitArea searchCell(int c, int r) {
    return {372 + kCellSpacing * c, 297 + kCellSpacing * r, 403 + kCellSpacing * c, 325 + kCellSpacing * r};
}
constexpr HitArea kSearchUp{571, 296, 587, 304};
constexpr HitArea kSearchDown{571, 447, 587, 457};

}  // namespace layout
