#pragma once

#include <QString>

#include <exception>
#include <string>

// Base of every error the chart engine and the application raise on purpose.
// It carries a user-facing (German) message; the application's exception
// display shows Message() for these and an empty text for anything else.
class Exception : public std::exception
{
public:
    explicit Exception(QString message)
        : message_(std::move(message)), utf8_(message_.toStdString())
    {
    }

    const QString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};
