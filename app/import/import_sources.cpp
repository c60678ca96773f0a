#include "app/import/import_sources.h"

#include "app/import/file_bytes.h"
#include "app/import/fit_decoder.h"
#include "app/import/source_walker.h"
#include "app/year/regular_file.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ImportSources {
namespace {

enum class TFileKind { Zip, Gzip, Fit, Json, Text };

TFileKind KindOf(std::string_view head)
{
    if (head.size() >= 4 && head.substr(0, 2) == "PK"
        && (head.substr(2, 2) == "\x03\x04" || head.substr(2, 2) == "\x05\x06" || head.substr(2, 2) == "\x07\x08"))
        return TFileKind::Zip;
    if (head.size() >= 2 && head.substr(0, 2) == "\x1f\x8b")
        return TFileKind::Gzip;
    if (FitDecoder::LooksLikeFit(head))
        return TFileKind::Fit;
    if (head.substr(0, 3) == "\xEF\xBB\xBF")
        head.remove_prefix(3);
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && (head[first] == '[' || head[first] == '{'))
        return TFileKind::Json;
    return TFileKind::Text;
}

// A file that is no archive: its bytes, gunzipped if need be, by what they are.
void TakeSingle(TSourceWalker& walker, const QString& path, TFileKind kind)
{
    QString why;
    std::optional<std::string> bytes = FileBytes::Read(path, why);
    if (bytes && kind == TFileKind::Gzip) {
        bytes = TArchiveReader::Gunzip(*bytes, why);
        kind = bytes ? KindOf(*bytes) : kind;
    }
    if (!bytes)
        walker.Refuse(path, why);
    else if (kind == TFileKind::Fit)
        walker.TakeFit(path, *bytes);
    else if (kind == TFileKind::Json)
        walker.TakePage(path, *bytes);
    else
        walker.Refuse(path, QCoreApplication::translate("ImportSources", "weder FIT-Datei noch Garmin-Zusammenfassung, nicht gelesen"));
}

// A path whose walk found nothing and could read nothing is one failure; the
// rest is a source with its lines.
void AddWalked(TSourceWalker& walker, const QString& path, const TMappingFor& mappingFor, TExportSet& exports,
               std::vector<TSourceFailure>& failures)
{
    if (!walker.FoundAny() && walker.Refusals() <= 1) {
        const QString why = walker.Refusals() == 0
            ? QCoreApplication::translate("ImportSources", "keine Einheiten darin (activities.csv, summarizedActivities.json, .fit)")
            : walker.LastRefusal();
        failures.push_back({path, why, false});
        return;
    }
    const int owner = exports.AddSource(walker.TakeSource());
    for (TExportFile& file : walker.CsvFiles()) {
        const TColumnMapping mapping = mappingFor(file);
        exports.Add(std::move(file), mapping, owner);
    }
}

} // namespace

QString JsonKind() { return QCoreApplication::translate("ImportSources", "JSON-Datei"); }

QString BinaryKind(std::string_view head)
{
    switch (KindOf(head)) {
    case TFileKind::Zip:
        return QCoreApplication::translate("ImportSources", "ZIP-Archiv");
    case TFileKind::Gzip:
        return QCoreApplication::translate("ImportSources", "gzip-Datei");
    case TFileKind::Fit:
        return QCoreApplication::translate("ImportSources", "FIT-Datei");
    case TFileKind::Json:
        return JsonKind();
    case TFileKind::Text:
        break;
    }
    return {};
}

std::vector<TSourceFailure> Open(const QStringList& paths, const TMappingFor& mappingFor, TExportSet& exports)
{
    std::vector<TSourceFailure> failures;
    for (const QString& path : paths) {
        TSourceWalker walker(path);
        if (QFileInfo(path).isDir()) {
            walker.WalkFolder(path);
            AddWalked(walker, path, mappingFor, exports, failures);
            continue;
        }
        TOpenStatus status = TOpenStatus::Failed;
        const FilePtr file = OpenRegularFile(path, status);
        std::string head(16, '\0');
        head.resize(file ? std::fread(head.data(), 1, head.size(), file.get()) : 0);
        const TFileKind kind = KindOf(head);
        if (!file || kind == TFileKind::Text) {
            try {
                TExportFile csv = TExportFile::Open(path);
                const TColumnMapping mapping = mappingFor(csv);
                exports.Add(std::move(csv), mapping);
            } catch (const TImportError& error) {
                failures.push_back({path, error.Text(), true});
            }
            continue;
        }
        if (kind == TFileKind::Zip)
            walker.WalkArchive([&] { return std::make_unique<TArchiveReader>(file.get(), TArchiveReader::TFormat::Zip); },
                               path);
        else
            TakeSingle(walker, path, kind);
        AddWalked(walker, path, mappingFor, exports, failures);
    }
    return failures;
}

} // namespace ImportSources
