#pragma once

#include "chart/canvas/chart_font.h"

#include <QString>

#include <functional>

class TAxisHost;

// The title of an axis: a font with a caption and an angle. Every effective
// change calls OnChange (the axis repaints). The angle passes the chart's
// angle check (0..359).
class TChartAxisTitle
{
public:
    TChartAxisTitle(const TAxisHost* host, int defaultAngle, std::function<void()> onChange);
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value);
    int Angle() const { return angle_; }
    void SetAngle(int value);
    // The role's angle (90 on a left axis); only a different one is stored
    // with a form.
    int DefaultAngle() const { return defaultAngle_; }
    bool AngleIsDefault() const { return angle_ == defaultAngle_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& value);

    // Copies caption, angle and font (not the default angle).
    void Assign(const TChartAxisTitle& other);

    std::function<void()> OnChange;

private:
    void Changed() const;

    const TAxisHost* host_;
    QString caption_;
    TFont font_;
    int defaultAngle_;
    int angle_;
};
