#pragma once

#include <string>

// Flags and counters of the sliding tabs and the toolbox.
struct PanelState {
    int currentToolTab = 1;
    int toolTabSlideLeft = 0;
    int toolTabSlideRight = 0;
    int toolTabSlideStep = 0;
    int propertiesTabShown = 0;
    int propertiesTabSlideIn = 0;
    int propertiesTabSlideOut = 1;
    int toolboxHidden = 0;

    // Where the slides end: the x of the tool tab on view (the others are parked
    // 0.2 to its right) and of the properties tab when it is in, both taken from
    // the layout at start; and how many steps of 0.01 the properties tab is out
    // (0 in, 20 out), which tells its slides when they are done.
    float toolTabHomeX = 0;
    float propertiesTabHomeX = 0;
    int propertiesTabOutSteps = 0;

    // The blue area whose message is being edited, while the message editor is open.
    std::string messageAreaNodeName;
    // Open or Save has shown the file dialog and it has not closed yet.
    bool fileDialogOpen = false;
};
