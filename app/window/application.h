#pragma once

#include <QApplication>

#include <functional>

// The application object. An exception that escapes an event handler does
// not end the program: it is shown by OnShowException and the message loop
// goes on. It is also where every handler guard of the window reports.
class TApplication : public QApplication
{
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs start-up work with the same display of errors. A failure shows
    // its error and gives exit code 1: the start did not succeed.
    int RunGuarded(const std::function<int()>& work);

    // Shows a message box by default; tests replace it.
    std::function<void(const QString& message)> OnShowException;
};
