#pragma once

#include <string>

// The window can be dragged about but always stays whole inside its parent,
// also when the parent shrinks.
void keepInsideParent(const std::string& windowName);
