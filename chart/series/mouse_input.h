#pragma once

#include <cstdint>

// Mouse buttons, shift-key state and cursor numbers as the chart's mouse
// handling passes them to series and to the program's click events.

enum TMouseButton : std::uint8_t {
    mbLeft,
    mbRight,
    mbMiddle,
};

// A set of TShiftFlag values.
using TShiftState = std::uint16_t;

enum TShiftFlag : TShiftState {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};

// A mouse cursor number; 0 is the default arrow.
using TCursor = std::int16_t;
inline constexpr TCursor crDefault = 0;
