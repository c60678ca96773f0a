#include "chart/panel/custom_chart.h"

#include "chart/canvas/exception.h"
#include "chart/panel/rubber_band.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <QtGlobal>

#include <utility>

// Qt's input and paint events of the chart widget, turned into the chart's
// mouse handling and drawing. Nothing thrown inside gets past these
// handlers: Qt's event delivery must not unwind.

void TCustomChart::RunGuarded(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        try {
            if (OnException) {
                OnException(error);
                return;
            }
            std::rethrow_exception(error);
        } catch (const Exception& e) {
            qWarning("Chart: %s", qUtf8Printable(e.Message()));
        } catch (const std::exception& e) {
            qWarning("Chart: %s", e.what());
        } catch (...) {
            qWarning("Chart: unknown error in mouse handling");
        }
    }
}

void TCustomChart::paintEvent(QPaintEvent* event)
{
    try {
        TCustomAxisPanel::paintEvent(event);
        // Drawn over the copied picture, so that repainting erases them.
        hoverOverlay_->Paint(*this);
        if (ZoomRecord().Active)
            PaintRubberBand(*this, ZoomRecord(), Color());
        paintFailed_ = false;
    } catch (...) {
        ReportPaintError(std::current_exception());
    }
}

void TCustomChart::ReportPaintError(std::exception_ptr error) noexcept
{
    // A chart that cannot be drawn fails at every paint until its cause is
    // gone: one report for the whole run of failures, not a flood of them.
    if (std::exchange(paintFailed_, true))
        return;
    // A message box must not open inside a paint (its event loop would
    // paint the window again from within): reported once the paint is over.
    QMetaObject::invokeMethod(
        this, [this, error] { RunGuarded([error] { std::rethrow_exception(error); }); }, Qt::QueuedConnection);
}

void TCustomChart::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const std::optional<TMouseButton> button = ToMouseButton(event->button());
    if (!button)
        return;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    const TShiftState shift = ToShiftState(event->modifiers(), event->buttons(), doubleClick);
    const QPoint at = event->position().toPoint();
    RunGuarded([&] { MouseDown(*button, shift, at.x(), at.y()); });
}

void TCustomChart::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click is a second press that knows it is one.
    mousePressEvent(event);
}

void TCustomChart::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    const TShiftState shift = ToShiftState(event->modifiers(), event->buttons());
    const QPoint at = event->position().toPoint();
    RunGuarded([&] { MouseMove(shift, at.x(), at.y()); });
}

void TCustomChart::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const std::optional<TMouseButton> button = ToMouseButton(event->button());
    if (!button)
        return;
    const TShiftState shift = ToShiftState(event->modifiers(), event->buttons());
    const QPoint at = event->position().toPoint();
    RunGuarded([&] { MouseUp(*button, shift, at.x(), at.y()); });
}

void TCustomChart::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const int notches = wheelNotches_.Add(event->angleDelta().y());
    if (notches == 0)
        return;
    // A notch away from the user is a notch up.
    RunGuarded([&] {
        for (int i = 0; i < std::abs(notches); ++i)
            notches > 0 ? WheelUp() : WheelDown();
    });
}

void TCustomChart::leaveEvent(QEvent* event)
{
    TCustomAxisPanel::leaveEvent(event);
    RunGuarded([&] { MouseLeave(); });
}
