#pragma once

#include "app/import/column_mapping.h"
#include "app/import/csv_table.h"

#include <QString>

#include <stdexcept>

// An export that cannot be imported at all; the text is the file-pane line.
class TImportError : public std::runtime_error
{
public:
    explicit TImportError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& Text() const { return text_; }

private:
    QString text_;
};

// A workout export read into rows and recognised by its header.
class TExportFile
{
public:
    // Exports larger than this are not read.
    static constexpr qint64 MaxBytes = 256LL * 1024 * 1024;

    // Reads and recognises the file; throws TImportError for a file that is
    // missing, no regular file, too large, binary or without a header.
    static TExportFile Open(const QString& path);

    // The same from bytes already read (UTF-8; a field that is none is Latin-1).
    static TExportFile FromBytes(std::string bytes, const QString& path);

    const QString& Path() const { return path_; }
    const QString& ServiceName() const { return serviceName_; }
    bool IsGeneric() const { return generic_; }
    const TCsvTable& Table() const { return table_; }
    const TColumnMapping& DefaultMapping() const { return defaultMapping_; }

    // The header names as shown to the user.
    QStringList ColumnNames() const;

private:
    QString path_;
    QString serviceName_;
    bool generic_ = false;
    TCsvTable table_;
    TColumnMapping defaultMapping_;
};
