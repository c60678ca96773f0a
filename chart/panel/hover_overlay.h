#pragma once

#include "chart/canvas/glyph_texts.h"
#include "chart/panel/hover_layout.h"

#include <memory>
#include <optional>
#include <vector>

class QPaintDevice;
class QWidget;

// The hover marker of a chart widget. Like the rubber band it lies over
// the picture and never in it: showing, moving or hiding it only asks the
// widget to repaint the covered pixels, which the paint event copies from
// the chart's buffer before drawing the marker on top.
class THoverOverlay
{
public:
    explicit THoverOverlay(QWidget& widget);
    ~THoverOverlay();

    bool Visible() const { return content_.has_value(); }
    const std::optional<THoverContent>& Content() const { return content_; }
    const THoverLayout& Layout() const { return layout_; }

    // Shows the content, laid out inside the widget, its texts placed
    // glyph by glyph: the marker follows every mouse move.
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
    TGlyphTexts& Texts();
    std::vector<TPlacedText> PlaceTexts(TGlyphTexts& texts) const;

    QWidget& widget_;
    std::optional<THoverContent> content_;
    std::unique_ptr<TGlyphTexts> texts_; // for the widget's font
    THoverLayout layout_;
    std::vector<TPlacedText> placed_;
};
