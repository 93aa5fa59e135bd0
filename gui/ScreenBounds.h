#pragma once

#include <string>

// The window can be dragged about but always stays whole inside its parent.
void keepInsideParent(const std::string& windowName);
