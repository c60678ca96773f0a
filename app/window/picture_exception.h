#pragma once

#include "chart/canvas/exception.h"

// A picture of the chart that could not be saved or printed.
class PictureException : public Exception
{
public:
    using Exception::Exception;

    static PictureException NotSaved(const QString& path)
    {
        return PictureException(QStringLiteral("Das Diagramm konnte nicht als \u201E%1\u201C gespeichert werden.").arg(path));
    }
};
