#pragma once

#include <QSaveFile>
#include <QString>

// Writes a file through a temporary one that replaces the target only when
// the body has written it completely: an export either gives the whole file
// or leaves what was there. `body` writes into the file and returns false on
// failure. Returns an error text, empty on success.
template <typename WriteBody>
QString WriteWholeFile(const QString& path, WriteBody&& body)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
    if (!body(file)) {
        file.cancelWriting();
        const QString reason = file.errorString();
        return QStringLiteral("cannot write '%1': %2").arg(path, reason.isEmpty() ? QStringLiteral("drawing failed") : reason);
    }
    if (!file.commit())
        return QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
    return {};
}
