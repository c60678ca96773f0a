#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The year files of a folder in name order, as a load picks them.
inline QStringList YearFilesIn(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}
