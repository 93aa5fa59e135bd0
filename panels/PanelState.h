#pragma once

// Flags and counters of the sliding tabs and the toolbox.
struct PanelState {
    int currentToolTab = 1;
    int toolTabSlideLeft = 0;
    int toolTabSlideRight = 0;
    int toolTabSlideStep = 0;
    int propertiesTabShown = 0;
    int propertiesTabSlideIn = 0;
    int propertiesTabSlideOut = 1;
    int propertiesTabSlideStep = 0;
    int toolboxHidden = 0;
};
