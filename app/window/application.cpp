#include "app/window/application.h"

#include "app/view/handler_guard.h"
#include "app/window/user_settings.h"

#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // Settings land in a folder named after the program, not "Unknown Organization".
    setOrganizationName(QString::fromLatin1(UserSettings::Organisation));
    setApplicationName(QString::fromLatin1(UserSettings::Application));
    OnShowException = [](const QString& message) {
        QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Kaldoro"), message);
    };
    SetHandlerErrorReporter([this](const QString& message) {
        if (OnShowException)
            OnShowException(message);
    });
}

TApplication::~TApplication()
{
    SetHandlerErrorReporter(nullptr);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportHandlerError(std::current_exception());
        return false;
    }
}

int TApplication::RunGuarded(const std::function<int()>& work)
{
    try {
        return work();
    } catch (...) {
        ReportHandlerError(std::current_exception());
        return 1;
    }
}
