#pragma once

#include "chart/canvas/rect.h"
#include "chart/panel/legend_types.h"

#include <QString>

#include <functional>

class TCustomChart;

// After the legend formed the text of item index (in the style in effect);
// the handler may replace it.
using TOnGetLegendText = std::function<void(TCustomChart& sender, TLegendStyle style, int index, QString& text)>;
// Once per paint with the laid-out box; the handler may move or resize it.
using TOnGetLegendRect = std::function<void(TCustomChart& sender, TRect& rect)>;
// For each item with its text position and the symbol's left edge; the
// handler may move the item (the symbol follows the text).
using TOnGetLegendPos = std::function<void(TCustomChart& sender, int index, int& x, int& y, int& xColor)>;
