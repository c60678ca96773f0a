#pragma once

#include <QString>

#include <exception>
#include <functional>

// Qt's event delivery and signal emission are not exception safe: the work
// of every handler Qt calls runs through GuardHandler, and whatever it throws
// stops there and is reported once, through the application's display of
// errors. The window goes on.
void GuardHandler(const std::function<void()>& work) noexcept;

// Reports an error caught at a handler's boundary. Without a reporter (a
// tool or test that uses the window's parts alone) it becomes a warning.
void ReportHandlerError(std::exception_ptr error) noexcept;

// The application installs the one reporter while it lives.
using THandlerErrorReporter = std::function<void(const QString& message)>;
void SetHandlerErrorReporter(THandlerErrorReporter reporter);

// The text shown for an error: the program's own message, a standard
// exception's description, and an empty one for anything else.
QString MessageOfError(std::exception_ptr error) noexcept;
