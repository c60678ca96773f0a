#pragma once

#include "chart/panel/hover_layout.h"

#include <optional>

class QPaintDevice;
class QWidget;

// The hover marker of a chart widget. Like the rubber band it lies over
// the picture and never in it: showing, moving or hiding it only asks the
// widget to repaint the covered pixels, which the paint event copies from
// the chart's buffer before drawing the marker on top.
class THoverOverlay
{
public:
    explicit THoverOverlay(QWidget& widget) : widget_(widget) {}

    bool Visible() const { return content_.has_value(); }
    const std::optional<THoverContent>& Content() const { return content_; }
    const THoverLayout& Layout() const { return layout_; }

    // Shows the content, laid out inside the widget; texts are measured
    // again only when they change.
    void Show(THoverContent content);
    void Hide();
    // Drops the marker without a repaint request: for a paint of the
    // whole chart, after which the old line and box would be misplaced.
    void Forget() { content_.reset(); }

    void Paint(QPaintDevice& device) const;

    TColor LineColour = 0x505050;
    TColor BoxColour = 0xE1FFFF; // pale yellow
    TColor TextColour = clBlack;

private:
    bool SameTexts(const THoverContent& content) const;

    QWidget& widget_;
    std::optional<THoverContent> content_;
    THoverMetrics metrics_;
    THoverLayout layout_;
};
