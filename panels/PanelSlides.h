#pragma once

#include <CEGUI/UDim.h>

// The tabs slide sideways by their own width in slideSteps steps, one a frame.
// Places are kept as the layout gives them (a part of the parent's width and
// pixels), so a tab stays at its place, or on its way, when the window changes size.
constexpr int slideSteps = 20;
// The index of the properties tab among the tabs that slide.
constexpr int propertiesTabIndex = -1;

// Moves the tab with this index right by step slideSteps-ths of its width.
void moveToolTab(int step, int tabIndex);
// Puts the tab with this index at home moved right by steps slideSteps-ths of
// its width: slideSteps steps park it just beside its home.
void placeTab(int tabIndex, const CEGUI::UDim& home, int steps = 0);
// The tab window's x.
CEGUI::UDim tabX(int tabIndex);
