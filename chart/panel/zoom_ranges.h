#pragma once

// The limits a zoom gives the four axes, minimum first for each (reversed
// pairs are put in order when they are applied).
struct TZoomRanges
{
    double TopMin = 0;
    double TopMax = 0;
    double BottomMin = 0;
    double BottomMax = 0;
    double LeftMin = 0;
    double LeftMax = 0;
    double RightMin = 0;
    double RightMax = 0;
};
