#pragma once

// The tabs slide sideways in steps of 0.01 of their parent's width, one step a frame.
constexpr float slideStepWidth = 0.01f;
constexpr int slideSteps = 20;
constexpr float slideWidth = slideStepWidth * slideSteps;
// The index of the properties tab among the tabs that slide.
constexpr int propertiesTabIndex = -1;

// Moves the tab with this index right by step x 0.01 of its parent's width.
void moveToolTab(int step, int tabIndex);
// Puts the tab with this index at x (a fraction of its parent's width).
void placeTab(int tabIndex, float x);
// The tab window's x as a fraction of its parent's width.
float tabX(int tabIndex);
