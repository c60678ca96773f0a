#include "app/import/generic_recogniser.h"

#include "app/import/export_values.h"

#include <QByteArray>

namespace {

// Rows looked at to decide whether a column holds dates.
constexpr int SampleRows = 20;

QString Name(const std::string& name) { return QString::fromUtf8(QByteArray::fromStdString(name)); }

int ColumnNamed(const std::vector<std::string>& header, std::initializer_list<const char*> words, int skip = -1)
{
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (static_cast<int>(i) == skip)
            continue;
        const QString name = Name(header[i]);
        for (const char* word : words)
            if (name.contains(QLatin1String(word), Qt::CaseInsensitive))
                return static_cast<int>(i);
    }
    return -1;
}

} // namespace

int TGenericRecogniser::GuessDateColumn(const TCsvTable& table)
{
    for (int column = 0; column < static_cast<int>(table.header.size()); ++column) {
        int dates = 0;
        int others = 0;
        for (std::size_t r = 0; r < table.rows.size() && dates + others < SampleRows; ++r) {
            const std::string_view cell = ExportValues::Trim(table.rows[r].Field(column));
            if (cell.empty())
                continue;
            ++(ExportValues::DateTime(cell) ? dates : others);
        }
        if (dates > 0 && dates >= 4 * others)
            return column;
    }
    return -1;
}

TColumnMapping TGenericRecogniser::DefaultMapping(const TCsvTable& table) const
{
    const auto& h = table.header;
    TColumnMapping mapping;
    mapping.dateColumn = GuessDateColumn(table);
    mapping.sportColumn = ColumnNamed(h, {"sport", "type", "typ", "activity", "aktivit", "sportart"}, mapping.dateColumn);
    const auto pick = [&](TQuantity q, std::initializer_list<const char*> words) {
        const int column = ColumnNamed(h, words, mapping.dateColumn);
        mapping[q] = {column, column < 0 ? 1.0 : ColumnNames::GuessScale(q, h[std::size_t(column)])};
    };
    pick(TQuantity::Duration, {"duration", "dauer", "moving time", "elapsed", "time", "zeit"});
    pick(TQuantity::Distance, {"distance", "distanz", "strecke", "km"});
    pick(TQuantity::Energy, {"calorie", "kalorie", "kcal"});
    pick(TQuantity::Climb, {"ascent", "climb", "elevation gain", "anstieg", "höhe", "hoehe"});
    pick(TQuantity::Stress, {"tss", "stress"});
    pick(TQuantity::HeartRate, {"heart", "herz", "puls", "avg hr"});
    pick(TQuantity::Power, {"power", "watt", "leistung"});
    pick(TQuantity::Cadence, {"cadence", "kadenz", "frequenz"});
    return mapping;
}
