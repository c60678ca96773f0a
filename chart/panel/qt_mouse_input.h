#pragma once

#include "chart/series/mouse_input.h"

#include <Qt>

#include <optional>

// Qt's mouse buttons and modifiers in the chart's own terms.

// The chart knows three buttons; any other (back, forward, ...) is none.
std::optional<TMouseButton> ToMouseButton(Qt::MouseButton button);
TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick = false);

// Turns wheel angle deltas into whole notches. A high-resolution wheel or
// a touchpad sends small deltas; they add up until a notch is complete. A
// turn the other way starts afresh, so a leftover never delays it.
class TWheelNotches
{
public:
    // Notches completed by this delta: positive away from the user (up).
    int Add(int angleDelta);

private:
    int pending_ = 0;
};
