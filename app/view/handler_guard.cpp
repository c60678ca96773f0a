#include "app/view/handler_guard.h"

#include "chart/canvas/exception.h"

#include <QtGlobal>

#include <utility>

namespace {

THandlerErrorReporter& Reporter()
{
    static THandlerErrorReporter reporter;
    return reporter;
}

} // namespace

void SetHandlerErrorReporter(THandlerErrorReporter reporter)
{
    Reporter() = std::move(reporter);
}

QString MessageOfError(std::exception_ptr error) noexcept
{
    try {
        std::rethrow_exception(error);
    } catch (const Exception& own) {
        return own.Message();
    } catch (const std::exception& standard) {
        return QString::fromLocal8Bit(standard.what());
    } catch (...) {
        return {};
    }
}

void ReportHandlerError(std::exception_ptr error) noexcept
{
    const QString message = MessageOfError(error);
    try {
        if (Reporter()) {
            Reporter()(message);
            return;
        }
    } catch (...) {
        // The display itself failed: the log is all that is left.
    }
    qWarning("Kaldoro: %s", qUtf8Printable(message));
}

void GuardHandler(const std::function<void()>& work) noexcept
{
    try {
        work();
    } catch (...) {
        ReportHandlerError(std::current_exception());
    }
}
