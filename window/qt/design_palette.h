// The window's own palette. The design fixes the boxes' backgrounds, so everything drawn on them
// is fixed too: dark text, wires and borders, and a light look around them, whatever the
// desktop's theme, colour scheme or style would give a widget of its class.
#pragma once

#include <QPalette>

namespace zentavo {

QPalette DesignPalette();

}  // namespace zentavo
