#include "app/import/mapping_memory.h"

#include "app/import/export_file.h"

#include <QCryptographicHash>

#include <algorithm>

namespace MappingMemory {
namespace {

QString Key(const TExportFile& file)
{
    const QByteArray header = file.ColumnNames().join(QLatin1Char('\n')).toUtf8();
    return QStringLiteral("import/")
        + QString::fromLatin1(QCryptographicHash::hash(header, QCryptographicHash::Sha1).toHex());
}

} // namespace

TColumnMapping Recall(const TExportFile& file, QSettings& settings)
{
    TColumnMapping mapping = file.DefaultMapping();
    const QList<QVariant> columns = settings.value(Key(file)).toList();
    if (!file.IsGeneric() || columns.size() != QuantityCount + 2)
        return mapping;
    const int count = static_cast<int>(file.Table().header.size());
    const auto column = [&](int i) { return std::clamp(columns[i].toInt(), -1, count - 1); };
    mapping.dateColumn = column(0);
    mapping.sportColumn = column(1);
    for (int q = 0; q < QuantityCount; ++q) {
        const int c = column(q + 2);
        const auto& name = c < 0 ? std::string() : file.Table().header[std::size_t(c)];
        mapping.quantities[std::size_t(q)] = {c, ColumnNames::GuessScale(static_cast<TQuantity>(q), name)};
    }
    return mapping;
}

void Remember(const TExportFile& file, const TColumnMapping& mapping, QSettings& settings)
{
    if (!file.IsGeneric())
        return;
    QList<QVariant> columns = {mapping.dateColumn, mapping.sportColumn};
    for (const TColumnChoice& choice : mapping.quantities)
        columns << choice.column;
    settings.setValue(Key(file), columns);
}

} // namespace MappingMemory
