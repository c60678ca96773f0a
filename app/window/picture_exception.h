#pragma once

#include "chart/canvas/exception.h"

#include <QCoreApplication>

// A picture of the chart that could not be saved or printed.
class PictureException : public Exception
{
public:
    using Exception::Exception;

    static PictureException NotSaved(const QString& path)
    {
        return PictureException(QCoreApplication::translate("PictureException", "Das Diagramm konnte nicht als „%1“ gespeichert werden.").arg(path));
    }
};
