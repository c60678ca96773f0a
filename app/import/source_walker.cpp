#include "app/import/source_walker.h"

#include "app/import/file_bytes.h"
#include "app/import/fit_workouts.h"
#include "app/import/garmin_summary_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

// Nested archives deeper than this are refused: no export nests so far.
constexpr int MaxDepth = 3;

QString Joined(const QString& outer, const QString& member) { return outer + QLatin1Char('/') + member; }

} // namespace

TSourceWalker::TSourceWalker(const QString& name) { source_.name = name; }

TSourceWalker::TKind TSourceWalker::KindOf(const QString& name)
{
    const QString lower = name.toLower();
    const QString base = lower.mid(lower.lastIndexOf(QLatin1Char('/')) + 1);
    if (base.contains(QLatin1String("summarizedactivities")) && base.endsWith(QLatin1String(".json")))
        return TKind::Page;
    if (base == QLatin1String("activities.csv"))
        return TKind::Csv;
    if (base.endsWith(QLatin1String(".fit")))
        return TKind::Fit;
    if (base.endsWith(QLatin1String(".fit.gz")))
        return TKind::FitGz;
    if (base.endsWith(QLatin1String(".zip")))
        return TKind::Zip;
    return TKind::Other;
}

void TSourceWalker::Classify(const QStringList& names)
{
    hasSummaries_ = hasCsv_ = false;
    for (const QString& name : names) {
        const TKind kind = KindOf(name);
        hasCsv_ = hasCsv_ || kind == TKind::Csv;
        hasSummaries_ = hasSummaries_ || kind == TKind::Csv || kind == TKind::Page;
    }
}

// The original files beside the summaries: FIT files and the nested
// archives that hold them, and Strava's activities/ folder of uploads.
bool TSourceWalker::IsOriginal(const QString& name, TKind kind) const
{
    if (!hasSummaries_)
        return false;
    if (kind == TKind::Fit || kind == TKind::FitGz || kind == TKind::Zip)
        return true;
    return hasCsv_ && name.toLower().split(QLatin1Char('/')).contains(QStringLiteral("activities"))
        && KindOf(name) == TKind::Other;
}

void TSourceWalker::Refuse(const QString& name, const QString& why)
{
    ++source_.counts.refused;
    lastRefusal_ = why;
    source_.findings << QStringLiteral("    -> %1: %2.").arg(name, why);
}

void TSourceWalker::WalkFolder(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    Classify(names);
    for (const QString& name : names) {
        const TKind kind = KindOf(name);
        if (IsOriginal(name, kind) || kind == TKind::Other) {
            ++(IsOriginal(name, kind) ? source_.counts.originals : source_.counts.otherFiles);
            continue;
        }
        const QString path = QDir(folder).filePath(name);
        QString why;
        if (auto bytes = FileBytes::Read(path, why))
            TakeFile(path, std::move(*bytes), 0);
        else
            Refuse(path, why);
    }
}

void TSourceWalker::WalkArchive(const TReaderFactory& open, const QString& shownName, int depth)
{
    QStringList names;
    for (const auto reader = open(); reader->Next() == TArchiveReader::TStep::Member;)
        if (reader->IsFile())
            names << reader->Name();
    Classify(names);
    const auto reader = open();
    // A member cut off is the archive's end too: one line says so.
    bool cutMember = false;
    for (;;) {
        const TArchiveReader::TStep step = reader->Next();
        if (step == TArchiveReader::TStep::Broken) {
            if (!cutMember)
                Refuse(shownName, QCoreApplication::translate("SourceWalker", "Archiv beschädigt oder abgeschnitten, der Rest nicht gelesen"));
            return;
        }
        if (step == TArchiveReader::TStep::End)
            return;
        if (!reader->IsFile())
            continue;
        const QString name = Joined(shownName, reader->Name());
        const TKind kind = KindOf(reader->Name());
        if (const QString refusal = reader->Refusal(); !refusal.isEmpty()) {
            Refuse(name, refusal);
            continue;
        }
        if (IsOriginal(reader->Name(), kind) || kind == TKind::Other) {
            ++(IsOriginal(reader->Name(), kind) ? source_.counts.originals : source_.counts.otherFiles);
            continue;
        }
        QString why;
        auto bytes = reader->Read(why);
        cutMember = !bytes;
        if (bytes)
            TakeFile(name, std::move(*bytes), depth);
        else
            Refuse(name, why);
    }
}

void TSourceWalker::TakeFile(const QString& name, std::string bytes, int depth)
{
    switch (KindOf(name)) {
    case TKind::Page:
        TakePage(name, bytes);
        break;
    case TKind::Csv:
        try {
            csvFiles_.push_back(TExportFile::FromBytes(std::move(bytes), name));
        } catch (const TImportError& error) {
            Refuse(name, error.Text());
        }
        break;
    case TKind::Fit:
        TakeFit(name, bytes);
        break;
    case TKind::FitGz: {
        QString why;
        if (const auto inflated = TArchiveReader::Gunzip(bytes, why))
            TakeFit(name, *inflated);
        else
            Refuse(name, why);
        break;
    }
    case TKind::Zip:
        if (depth >= MaxDepth) {
            Refuse(name, QCoreApplication::translate("SourceWalker", "Archiv zu tief verschachtelt, nicht gelesen"));
            break;
        }
    {
        // The inner archive's kind is its own; the outer one's holds again after it.
        const bool summaries = hasSummaries_;
        const bool csv = hasCsv_;
        WalkArchive([&] { return std::make_unique<TArchiveReader>(bytes, TArchiveReader::TFormat::Zip); }, name,
                    depth + 1);
        hasSummaries_ = summaries;
        hasCsv_ = csv;
        break;
    }
    case TKind::Other:
        ++source_.counts.otherFiles;
        break;
    }
}

void TSourceWalker::TakePage(const QString& name, const std::string& bytes)
{
    try {
        const TGarminPage page = GarminSummaryPage::Read(bytes);
        ++source_.counts.pages;
        source_.counts.multisportParents += page.multisportParents;
        source_.report += page.report;
        for (const TGarminPage::TEntry& entry : page.entries) {
            if (entry.hasId && !ids_.insert(entry.id).second)
                ++source_.counts.repeatedIds;
            else
                source_.summaries.push_back(entry.workout);
        }
    } catch (const TImportError& error) {
        Refuse(name, error.Text());
    }
}

void TSourceWalker::TakeFit(const QString& name, std::string_view bytes)
{
    try {
        bool activity = false;
        for (const TFitFile& file : FitDecoder::Decode(bytes)) {
            const bool isActivity = file.fileType == FitWorkouts::ActivityFileType
                || (file.fileType < 0 && !file.sessions.empty());
            if (!isActivity)
                continue;
            activity = true;
            // The same file twice (copied, or in a folder and a ZIP) counts once.
            for (TWorkout& w : FitWorkouts::Of(file))
                if (fitStarts_.insert({w.year, w.month, w.day, w.minuteOfDay, w.second, w.sport}).second)
                    source_.originals.push_back(std::move(w));
                else
                    ++source_.counts.sameFit;
        }
        ++source_.counts.fitFiles;
        source_.counts.notActivities += activity ? 0 : 1;
    } catch (const TFitError& error) {
        Refuse(name, error.Text());
    }
}

bool TSourceWalker::FoundAny() const
{
    return source_.counts.pages > 0 || source_.counts.fitFiles > 0 || !csvFiles_.empty();
}

TWorkoutSource TSourceWalker::TakeSource()
{
    QStringList services;
    if (source_.counts.pages > 0)
        services << QCoreApplication::translate("SourceWalker", "Garmin-Kontoexport");
    for (const TExportFile& file : csvFiles_)
        if (const QString archive = QCoreApplication::translate("SourceWalker", "%1-Archiv").arg(file.ServiceName());
            !services.contains(archive))
            services << archive;
    if (source_.counts.fitFiles > 0)
        services << QCoreApplication::translate("SourceWalker", "FIT-Dateien");
    source_.service = services.isEmpty() ? QCoreApplication::translate("SourceWalker", "keine Einheiten gefunden") : services.join(QStringLiteral(" + "));
    return std::move(source_);
}
