#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <functional>
#include <utility>

// Passes Left and Right key presses (without modifiers) of the watched
// widget to a function, -1 or +1; a press the function takes is consumed.
// The filter has no Qt parent: its owner keeps it, and Qt forgets a filter
// when it is destroyed.
class TArrowKeyFilter : public QObject
{
public:
    TArrowKeyFilter(QObject* watched, std::function<bool(int step)> onArrow) : onArrow_(std::move(onArrow))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && onArrow_) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const int step = key->key() == Qt::Key_Left ? -1 : key->key() == Qt::Key_Right ? 1 : 0;
            if (step != 0 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && onArrow_(step))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(int step)> onArrow_;
};
