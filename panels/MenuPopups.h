#pragma once

// Closes every menu popup and the about window; the keys leave any text field.
void closeMenuPopups();
