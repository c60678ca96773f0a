#pragma once

#include <QEvent>
#include <QObject>

#include <functional>
#include <utility>

// Calls a function when the watched widget gets a left-button release: a
// click anywhere in it, also where a list has no entry.
class TClickFilter : public QObject
{
public:
    TClickFilter(QObject* watched, std::function<void()> onClick)
        : QObject(watched), onClick_(std::move(onClick))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && onClick_)
            onClick_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onClick_;
};
