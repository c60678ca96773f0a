#pragma once

#include <QApplication>

#include <exception>
#include <functional>

// The application object. An exception that escapes an event handler does
// not end the program: it is shown by ShowException and the message loop
// goes on. Errors of the program's own Exception class show their message,
// anything else an empty one.
class TApplication : public QApplication
{
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs start-up work with the same exception display.
    int RunGuarded(const std::function<int()>& work);
    // Shows an error a widget caught in its own event handler, as if it had
    // escaped that handler.
    void ShowException(std::exception_ptr error);

    // Shows a message box by default; tests replace it.
    std::function<void(const QString& message)> OnShowException;

    static QString MessageOfCurrentException();

private:
    void ShowCurrentException();
};
