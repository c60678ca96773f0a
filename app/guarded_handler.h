#pragma once

#include <exception>
#include <functional>

// Qt's event delivery and signal emission are not exception safe: a
// handler of the window runs through RunGuardedHandler, and whatever it
// throws stops there and is shown by the application's exception display,
// as the message loop shows an error that escaped. The window goes on.
void RunGuardedHandler(const std::function<void()>& handler) noexcept;

// Shows an error caught at a handler's boundary. Without the application
// object (a tool that only uses the window's parts) it becomes a warning.
void ReportHandlerError(std::exception_ptr error) noexcept;
