#pragma once

#include "support/temp_files.h"

#include <QStringList>

#include <random>

// The files a storm's load dialog answers with: the bundled samples and
// real logs (good), and files no loader should trip over (bad), written
// into a temporary folder: garbage, empty, missing, a folder, odd values.
class TStormFiles
{
public:
    explicit TStormFiles(std::mt19937& random);

    const QStringList& Good() const { return good_; }
    const QStringList& Bad() const { return bad_; }
    // Workout exports for the import button, good and bad.
    const QStringList& Exports() const { return exports_; }

private:
    void WriteBadFiles(std::mt19937& random);

    TempFiles temp_;
    QStringList good_;
    QStringList bad_;
    QStringList exports_;
};
