#include "app/window/pick_list_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

TPickListInput::TPickListInput(QListWidget* list, THandlers handlers)
    : QObject(list), list_(list), handlers_(std::move(handlers))
{
    // Presses elsewhere reach other widgets, which know nothing of the list:
    // one filter of the whole program sees them, and the list's own events.
    qApp->installEventFilter(this);
}

bool TPickListInput::eventFilter(QObject* watched, QEvent* event)
{
    if (!list_->isVisible())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // Judged at the widget; its window (no widget) sees the press first.
        if (watched->isWidgetType() && !IsInsideList(watched))
            handlers_.close();
        break;
    case QEvent::MouseButtonRelease:
        if (watched == list_->viewport() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            handlers_.pick(list_->indexAt(at).row());
        }
        break;
    case QEvent::KeyPress:
        if (watched == list_ && KeyPressed(static_cast<QKeyEvent*>(event)->key()))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool TPickListInput::KeyPressed(int key)
{
    switch (key) {
    case Qt::Key_Space: handlers_.toggle(list_->currentRow()); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: handlers_.pick(list_->currentRow()); return true;
    case Qt::Key_Escape: handlers_.close(); return true;
    default: return false;
    }
}

bool TPickListInput::IsInsideList(QObject* watched) const
{
    const auto* widget = static_cast<QWidget*>(watched);
    return widget == list_ || list_->isAncestorOf(widget);
}
