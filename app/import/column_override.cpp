#include "app/import/column_override.h"

#include <QStringList>

namespace ColumnOverrides {
namespace {

const QString DateKey = QStringLiteral("date");
const QString SportKey = QStringLiteral("sport");

std::string Trimmed(const std::string& name) { return QString::fromStdString(name).trimmed().toStdString(); }

// The column named exactly so, else the occurrence a ".N" suffix asks for.
int ColumnOf(const QString& name, const std::vector<std::string>& header)
{
    const std::string wanted = name.trimmed().toStdString();
    for (std::size_t i = 0; i < header.size(); ++i)
        if (Trimmed(header[i]) == wanted)
            return static_cast<int>(i);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    bool numbered = false;
    const int occurrence = dot > 0 ? name.mid(dot + 1).toInt(&numbered) : 0;
    if (!numbered || occurrence < 1)
        return -1;
    return ColumnNames::Find(header, {name.left(dot).trimmed().toStdString()}, occurrence + 1);
}

std::optional<TQuantity> QuantityNamed(const QString& key)
{
    for (std::size_t q = 0; q < QuantityKeys.size(); ++q)
        if (key == QLatin1String(QuantityKeys[q].data(), qsizetype(QuantityKeys[q].size())))
            return static_cast<TQuantity>(q);
    return std::nullopt;
}

} // namespace

QStringList Keys()
{
    QStringList keys = {DateKey, SportKey};
    for (std::string_view key : QuantityKeys)
        keys << QString::fromLatin1(key.data(), qsizetype(key.size()));
    return keys;
}

std::optional<TColumnOverride> Parse(const QString& text, QString& error)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const QString key = text.left(equals).trimmed().toLower();
    if (equals < 0 || !Keys().contains(key)) {
        error = QStringLiteral("--column takes QUANTITY=NAME with QUANTITY one of %1, not '%2'")
                    .arg(Keys().join(QStringLiteral(", ")), text);
        return std::nullopt;
    }
    return TColumnOverride{key, text.mid(equals + 1)};
}

QString Apply(const std::vector<TColumnOverride>& overrides, const std::vector<std::string>& header,
              TColumnMapping& mapping)
{
    for (const TColumnOverride& o : overrides) {
        const int column = o.name.trimmed().isEmpty() ? -1 : ColumnOf(o.name, header);
        if (column < 0 && !o.name.trimmed().isEmpty())
            return QStringLiteral("--column %1: the export has no column '%2'").arg(o.key, o.name);
        if (o.key == DateKey) {
            mapping.dateColumn = column;
        } else if (o.key == SportKey) {
            mapping.sportColumn = column;
        } else if (const auto quantity = QuantityNamed(o.key); !quantity) {
            return QStringLiteral("--column: no quantity '%1'").arg(o.key);
        } else {
            const TQuantity q = *quantity;
            // The service's own factor stays for the column it reads anyway.
            if (column != mapping[q].column)
                mapping[q] = {column, column < 0 ? 1.0 : ColumnNames::GuessScale(q, header[std::size_t(column)])};
        }
    }
    return {};
}

} // namespace ColumnOverrides
