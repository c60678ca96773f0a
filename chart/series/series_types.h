#pragma once

#include "chart/series/mouse_input.h"

#include <QString>

#include <cstdint>
#include <functional>

class TChartSeries;

enum THorizAxis : std::uint8_t {
    aTopAxis,
    aBottomAxis,
    aBothHorizAxis,
    aCustomHorizAxis,
};

enum TVertAxis : std::uint8_t {
    aLeftAxis,
    aRightAxis,
    aBothVertAxis,
    aCustomVertAxis,
};

// Which changes of a series are passed on to the series fed by it.
using TSeriesRecalcOptions = std::uint8_t;
enum TSeriesRecalcOption : TSeriesRecalcOptions {
    rOnDelete = 1 << 0,
    rOnModify = 1 << 1,
    rOnInsert = 1 << 2,
    rOnClear = 1 << 3,
};
inline constexpr TSeriesRecalcOptions kAllRecalcOptions = rOnDelete | rOnModify | rOnInsert | rOnClear;

// Event types; the first argument is always the series that fires.
using TNotifyEvent = std::function<void(TChartSeries& sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries& sender, int valueIndex)>;
// Returning false cancels the insertion.
using TSeriesOnBeforeAdd = std::function<bool(TChartSeries& sender)>;
using TSeriesOnClear = std::function<void(TChartSeries& sender)>;
using TSeriesClick = std::function<void(TChartSeries& sender, int valueIndex, TMouseButton button,
                                        TShiftState shift, int x, int y)>;
// The series is passed read-only: asking for a mark's text is a query.
using TSeriesOnGetMarkText = std::function<void(const TChartSeries& sender, int valueIndex, QString& markText)>;
