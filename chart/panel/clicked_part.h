#pragma once

#include <cstdint>

class TChartSeries;
class TCustomChartAxis;

enum TChartClickedPartStyle : std::uint8_t { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect };

// What lies under a pixel of the chart, as the last paint laid it out.
// PointIndex is the point's index for cpSeries and the item's position for
// cpLegend, else -1.
struct TChartClickedPart
{
    TChartClickedPartStyle Part = cpNone;
    int PointIndex = -1;
    TChartSeries* ASeries = nullptr;
    TCustomChartAxis* AAxis = nullptr;
};
