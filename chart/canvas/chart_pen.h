#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"

#include <functional>

// A pen owned by a chart part (axis line, grid, frame, marker outline...).
// Every effective change calls OnChange, through which the owner repaints.
// Pens are owned, never shared: copy values with Assign().
class TChartPen : private TPropertyOwner<TChartPen>
{
public:
    explicit TChartPen(std::function<void()> onChange = {});
    virtual ~TChartPen() = default;
    TChartPen(const TChartPen&) = delete;
    TChartPen& operator=(const TChartPen&) = delete;

    TColor Color() const { return color_; }
    void SetColor(TColor v) { SetProperty(color_, v); }
    int Width() const { return width_; }
    void SetWidth(int v) { SetProperty(width_, v); }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v) { SetProperty(style_, v); }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode v) { SetProperty(mode_, v); }
    // False: nothing is drawn with this pen.
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { SetProperty(visible_, v); }
    // True with Width 1: lines set every other pixel.
    bool SmallDots() const { return smallDots_; }
    void SetSmallDots(bool v) { SetProperty(smallDots_, v); }

    // Copies every property of `other`; notifies once if anything changed.
    void Assign(const TChartPen& other);

    // Called after every effective change; empty by default.
    std::function<void()> OnChange;

protected:
    struct TDefaults
    {
        TColor Color = clBlack;
        int Width = 1;
        TPenStyle Style = psSolid;
        bool Visible = true;
    };
    TChartPen(const TDefaults& defaults, std::function<void()> onChange);

private:
    friend class TPropertyOwner<TChartPen>;
    void Changed() const;

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    bool visible_ = true;
    bool smallDots_ = false;
};

// Axis minor grid: hidden.
class TChartHiddenPen : public TChartPen
{
public:
    explicit TChartHiddenPen(std::function<void()> onChange = {});
};

// Axis grid: gray dots.
class TDottedGrayPen : public TChartPen
{
public:
    explicit TDottedGrayPen(std::function<void()> onChange = {});
};

// Axis ticks: gray.
class TDarkGrayPen : public TChartPen
{
public:
    explicit TDarkGrayPen(std::function<void()> onChange = {});
};

// Axis line: two pixels wide.
class TChartAxisPen : public TChartPen
{
public:
    explicit TChartAxisPen(std::function<void()> onChange = {});
};

// Arrows of series marks: white.
class TChartArrowPen : public TChartPen
{
public:
    explicit TChartArrowPen(std::function<void()> onChange = {});
};
