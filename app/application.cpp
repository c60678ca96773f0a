#include "app/application.h"

#include "app/user_settings.h"
#include "chart/canvas/exception.h"

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
}

QString TApplication::MessageOfCurrentException()
{
    try {
        throw;
    } catch (const Exception& error) {
        return error.Message();
    } catch (...) {
        return {};
    }
}

void TApplication::ShowCurrentException()
{
    const QString message = MessageOfCurrentException();
    if (OnShowException)
        OnShowException(message);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}

void TApplication::ShowException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (...) {
        ShowCurrentException();
    }
}

int TApplication::RunGuarded(const std::function<int()>& work)
{
    try {
        return work();
    } catch (...) {
        ShowCurrentException();
        return 0;
    }
}
