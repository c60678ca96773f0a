#pragma once

#include "chart/canvas/canvas_state.h"

#include <QBrush>
#include <QPainter>
#include <QPen>

// Conversions of the canvas' pen and brush into QPainter terms. Lines use
// flat caps, so that a line stops one pixel short of its end point as the
// canvas promises; width 1 and below is the one-pixel pen.

QPen ToQPen(const TCanvasPen& pen);
QBrush ToQBrush(const TCanvasBrush& brush);
QPainter::CompositionMode ToCompositionMode(TPenMode mode);

// Saves the painter state and restores it when leaving the scope.
class TPainterSaver
{
public:
    explicit TPainterSaver(QPainter& painter) : painter_(painter) { painter_.save(); }
    ~TPainterSaver() { painter_.restore(); }
    TPainterSaver(const TPainterSaver&) = delete;
    TPainterSaver& operator=(const TPainterSaver&) = delete;

private:
    QPainter& painter_;
};
