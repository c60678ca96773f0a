#include "app/import/export_file.h"

#include "app/import/csv_reader.h"
#include "app/import/generic_recogniser.h"
#include "app/year/regular_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include <sys/stat.h>

namespace {

std::string ReadAll(const QString& path)
{
    TOpenStatus status = TOpenStatus::Failed;
    const FilePtr file = OpenRegularFile(path, status);
    if (!file)
        throw TImportError(status == TOpenStatus::NotRegular
                               ? QCoreApplication::translate("ExportFile", "keine reguläre Datei, nicht importiert")
                               : QCoreApplication::translate("ExportFile", "Datei kann nicht geöffnet werden, nicht importiert"));
    std::string bytes;
    // Grown once to the size the file has now; the loop still stops at its real end.
    struct stat info {};
    if (::fstat(::fileno(file.get()), &info) == 0 && info.st_size > 0)
        bytes.reserve(std::size_t(std::min<qint64>(info.st_size, TExportFile::MaxBytes)));
    char block[1 << 16];
    for (;;) {
        const std::size_t n = std::fread(block, 1, sizeof block, file.get());
        if (n == 0)
            break;
        if (static_cast<qint64>(bytes.size() + n) > TExportFile::MaxBytes)
            throw TImportError(QCoreApplication::translate("ExportFile", "Datei größer als 256 MiB, nicht importiert"));
        bytes.append(block, n);
    }
    if (std::ferror(file.get()))
        throw TImportError(QCoreApplication::translate("ExportFile", "Datei kann nicht gelesen werden, nicht importiert"));
    return bytes;
}

} // namespace

TExportFile TExportFile::Open(const QString& path) { return FromBytes(ReadAll(path), path); }

TExportFile TExportFile::FromBytes(std::string bytes, const QString& path)
{
    if (bytes.find('\0') != std::string::npos)
        throw TImportError(QCoreApplication::translate("ExportFile", "keine Textdatei (enthält Nullbytes), nicht importiert"));
    TExportFile file;
    file.path_ = path;
    file.table_ = CsvReader::Read(bytes);
    if (file.table_.header.size() < 2)
        throw TImportError(QCoreApplication::translate("ExportFile", "keine Kopfzeile mit Spalten, nicht importiert"));
    for (const auto& recogniser : TServiceRecogniser::All()) {
        if (!recogniser->Recognises(file.table_))
            continue;
        file.serviceName_ = recogniser->Name();
        file.defaultMapping_ = recogniser->DefaultMapping(file.table_);
        file.generic_ = dynamic_cast<const TGenericRecogniser*>(recogniser.get()) != nullptr;
        break;
    }
    return file;
}

QStringList TExportFile::ColumnNames() const
{
    QStringList names;
    for (const std::string& name : table_.header)
        names << QString::fromStdString(name);
    return names;
}
