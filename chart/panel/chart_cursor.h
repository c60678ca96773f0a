#pragma once

#include "chart/series/mouse_input.h"

#include <QCursor>

// Cursor numbers a series may ask for while the mouse is over one of its
// points (crDefault, the arrow, is in mouse_input.h).
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// The Qt cursor for a cursor number; unknown numbers give the arrow.
QCursor ToQCursor(TCursor cursor);
