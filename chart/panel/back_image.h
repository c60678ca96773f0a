#pragma once

#include "chart/canvas/rect.h"

#include <cstdint>
#include <vector>

enum TChartBackImageMode : std::uint8_t { pbmStretch, pbmTile, pbmCenter };

// Top-left corners of the copies of a pw x ph picture that tile `r`, row
// by row from its top-left corner; none when either size is not positive.
std::vector<TPoint> TiledImagePositions(const TRect& r, int pw, int ph);

// Top-left corner of a pw x ph picture centred in `r`.
TPoint CentredImagePosition(const TRect& r, int pw, int ph);
