#pragma once

#include "chart/panel/custom_chart.h"

// The chart control the program places on its forms. All behaviour lives
// in the layers below.
class TChart : public TCustomChart
{
public:
    explicit TChart(QWidget* parent = nullptr) : TCustomChart(parent) {}
};
