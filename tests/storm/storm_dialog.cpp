#include "storm/storm_dialog.h"

#include "storm/storm_files.h"

#include <utility>

namespace {

const QString& Pick(const QStringList& list, std::mt19937& random)
{
    return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(random)];
}

} // namespace

std::optional<QStringList> TStormDialog::Execute(QWidget*, const QString&)
{
    ++answers_;
    if (std::exchange(exportNext_, false))
        return QStringList{Pick(files_.Exports(), random_)};
    if (std::uniform_int_distribution<int>(0, 9)(random_) == 0)
        return std::nullopt;
    QStringList chosen;
    // Now and then more files than the chart has series for.
    const int count = std::uniform_int_distribution<int>(0, 9)(random_) == 0
                          ? std::uniform_int_distribution<int>(9, 22)(random_)
                          : std::uniform_int_distribution<int>(0, 5)(random_);
    for (int i = 0; i < count; ++i)
        chosen << Pick(std::bernoulli_distribution(0.7)(random_) ? files_.Good() : files_.Bad(), random_);
    return chosen;
}
