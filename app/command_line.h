#pragma once

#include <QString>
#include <QStringList>

// kaldoro [FILE...]
struct TCommandLine
{
    QStringList files;
    QString error; // set when the arguments cannot be used

    static TCommandLine Parse(const QStringList& arguments);
};
