#include "app/import/export_set.h"

#include "app/import/source_merge.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>


void TExportSet::Add(TExportFile file, TColumnMapping mapping, int owner)
{
    files_.push_back(std::move(file));
    mappings_.push_back(mapping);
    owners_.push_back(owner);
}

int TExportSet::AddSource(TWorkoutSource source)
{
    sources_.push_back(std::move(source));
    return SourceCount() - 1;
}

void TExportSet::SetFirstMapping(const TColumnMapping& mapping)
{
    for (std::size_t i = 0; i < files_.size(); ++i)
        if (i == 0 || files_[i].Table().header == files_[0].Table().header)
            mappings_[i] = mapping;
}

TWorkoutList TExportSet::Read() const { return SourceMerge::Read(*this); }

QStringList TExportSet::Names() const
{
    QStringList names;
    for (int i = 0; i < Count(); ++i)
        if (Owner(i) < 0)
            names << QFileInfo(File(i).Path()).fileName();
    for (const TWorkoutSource& source : sources_)
        names << QFileInfo(QDir::cleanPath(source.name)).fileName();
    return names;
}

QString TExportSet::Source() const
{
    QStringList paths;
    for (int i = 0; i < Count(); ++i)
        if (Owner(i) < 0)
            paths << File(i).Path();
    for (const TWorkoutSource& source : sources_)
        paths << source.name;
    return paths.join(QStringLiteral(" + "));
}

QString TExportSet::Service() const
{
    QStringList services;
    for (int i = 0; i < Count(); ++i)
        if (Owner(i) < 0 && !services.contains(File(i).ServiceName()))
            services << File(i).ServiceName();
    for (const TWorkoutSource& source : sources_)
        if (!services.contains(source.service))
            services << source.service;
    return services.join(QStringLiteral(" + "));
}

std::string TExportSet::FileNames() const
{
    return Names().join(QStringLiteral(", ")).toStdString();
}
