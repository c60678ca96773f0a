#pragma once

#include "app/application.h"

#include <QCoreApplication>

#include <exception>
#include <utility>

// Runs the work of a window handler that Qt calls (a shortcut, a drop). An
// error it raises is shown like an error of any other handler, instead of
// unwinding through Qt's event delivery.
template <typename Work>
void GuardHandler(Work&& work)
{
    try {
        std::forward<Work>(work)();
    } catch (...) {
        if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance()))
            app->ShowException(std::current_exception());
    }
}
