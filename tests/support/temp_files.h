#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string>

// A temporary folder for test files, removed with the object.
class TempFiles
{
public:
    // Writes bytes into a new file of the folder and returns its path.
    QString Write(const QString& name, const QByteArray& bytes);
    QString Write(const QString& name, const std::string& bytes)
    {
        return Write(name, QByteArray::fromStdString(bytes));
    }
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};
