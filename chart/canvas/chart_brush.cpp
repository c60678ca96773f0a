#include "chart/canvas/chart_brush.h"

#include <utility>

namespace {

// Bitmaps compare by identity: comparing pixels on every setter would be
// needless work, and an equal copy only costs one extra repaint.
bool SameBitmap(const QImage& a, const QImage& b)
{
    return a.isNull() == b.isNull() && (a.isNull() || a.cacheKey() == b.cacheKey());
}

} // namespace

TChartBrush::TChartBrush(std::function<void()> onChange, TColor color)
    : OnChange(std::move(onChange)), color_(color)
{
}

void TChartBrush::SetColor(TColor v)
{
    if (AssignIfChanged(color_, v))
        Changed();
}

void TChartBrush::SetStyle(TBrushStyle v)
{
    if (AssignIfChanged(style_, v))
        Changed();
}

void TChartBrush::SetBitmap(const QImage& v)
{
    if (SameBitmap(bitmap_, v))
        return;
    bitmap_ = v;
    Changed();
}

void TChartBrush::Assign(const TChartBrush& other)
{
    if (&other == this)
        return;
    bool changed = AssignIfChanged(color_, other.color_);
    changed |= AssignIfChanged(style_, other.style_);
    if (!SameBitmap(bitmap_, other.bitmap_)) {
        bitmap_ = other.bitmap_;
        changed = true;
    }
    if (changed)
        Changed();
}

void TChartBrush::Changed() const
{
    if (OnChange)
        OnChange();
}
