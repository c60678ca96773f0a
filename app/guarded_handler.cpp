#include "app/guarded_handler.h"

#include "app/application.h"

#include <QtGlobal>

void RunGuardedHandler(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (...) {
        ReportHandlerError(std::current_exception());
    }
}

void ReportHandlerError(std::exception_ptr error) noexcept
{
    try {
        if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance())) {
            app->ShowException(error);
            return;
        }
        std::rethrow_exception(error);
    } catch (...) {
        // The display itself failed, or there is none: the log is all that is left.
        try {
            qWarning("Kaldoro: %s", qUtf8Printable(TApplication::MessageOfCurrentException()));
        } catch (...) {
        }
    }
}
