#pragma once

#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/drawing_styles.h"

#include <QImage>

#include <functional>

// A fill owned by a chart part (wall, legend box, title, marker). Its
// colour may be clDefault: "the colour of the owning series or point".
// An optional bitmap replaces colour and style when the part is filled.
class TChartBrush
{
public:
    explicit TChartBrush(std::function<void()> onChange = {}, TColor color = clDefault);
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;

    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v);
    const QImage& Bitmap() const { return bitmap_; }
    void SetBitmap(const QImage& v);
    // True when a non-empty bitmap is set.
    bool HasBitmap() const { return !bitmap_.isNull(); }

    // Copies colour, style and bitmap; notifies once if anything changed.
    void Assign(const TChartBrush& other);

    std::function<void()> OnChange;

private:
    void Changed() const;

    TColor color_;
    TBrushStyle style_ = bsSolid;
    QImage bitmap_;
};
