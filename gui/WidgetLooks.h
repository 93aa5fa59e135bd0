#pragma once

#include <CEGUI/String.h>

// The editor's own widget kinds, over the WindowsLook scheme: "SahneLook/MenuItem"
// is a push button that shows its text at the left and its "KeyText" at the
// right. Read from "SahneLook.looknfeel" in the resource group; a layout that
// uses them loads only afterwards.
void loadWidgetLooks(const CEGUI::String& resourceGroup);
