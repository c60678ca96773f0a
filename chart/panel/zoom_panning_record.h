#pragma once

// A drag of the mouse over the chart: where it began and where it is now,
// in pixels of the control. The chart keeps one for zooming and one for
// panning.
struct TZoomPanningRecord
{
    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;

    void Activate(int x, int y)
    {
        X0 = X1 = x;
        Y0 = Y1 = y;
        Active = true;
    }
    // Orders the corners so that (X0, Y0) is the top-left one.
    void Check()
    {
        if (X1 < X0) {
            const int t = X0;
            X0 = X1;
            X1 = t;
        }
        if (Y1 < Y0) {
            const int t = Y0;
            Y0 = Y1;
            Y1 = t;
        }
    }
};
