#include "app/import/generic_recogniser.h"

#include "app/import/export_values.h"

#include <QByteArray>
#include <QRegularExpression>

namespace {

// Rows looked at to decide whether a column holds dates.
constexpr int SampleRows = 20;

// Names that mean a quantity, lower case and without their unit: a column
// is taken for it only when its whole name is one of them, so "Start Time"
// is no duration and "Pace (min/km)" no distance.
struct TNames
{
    TQuantity quantity;
    std::initializer_list<const char*> names;
};
const TNames QuantityNames[] = {
    {TQuantity::Duration, {"duration", "dauer", "time", "zeit", "moving time", "elapsed time", "timer time",
                           "zeit in bewegung", "verstrichene zeit", "bewegungszeit", "trainingszeit", "fahrzeit",
                           "laufzeit", "hours", "stunden", "minutes", "minuten", "timetotalinhours", "durée",
                           "duree", "durata", "duración", "duracion", "duração", "duracao", "duur"}},
    {TQuantity::Distance, {"distance", "distanz", "strecke", "km", "kilometer", "kilometers", "kilometres",
                           "miles", "meilen", "entfernung", "distanceinmeters", "distancia", "distância",
                           "distanza", "afstand"}},
    {TQuantity::Energy, {"calories", "calorie", "kalorien", "kcal", "calories burned", "energie", "calorías",
                         "calorias", "calorieën"}},
    {TQuantity::Climb, {"ascent", "climb", "elevation gain", "anstieg", "aufstieg", "höhenmeter", "hoehenmeter",
                        "höhe", "hoehe", "subida", "dénivelé positif", "dislivello"}},
    {TQuantity::Stress, {"tss", "training stress score", "training stress score®"}},
    {TQuantity::HeartRate, {"heart rate", "hr", "herzfrequenz", "puls", "pulse", "heartrateaverage", "fc"}},
    {TQuantity::Power, {"power", "watts", "leistung", "poweraverage", "potência", "potenza"}},
    {TQuantity::Cadence, {"cadence", "kadenz", "trittfrequenz", "schrittfrequenz", "run cadence", "bike cadence",
                          "cadenceaverage", "cadência"}},
    {TQuantity::Work, {"work", "total work", "kj", "kilojoules"}},
};
const std::initializer_list<const char*> SportNames = {"sport", "sports", "sportart", "type", "typ", "activity",
                                                       "activity type", "aktivität", "aktivitätstyp",
                                                       "workout type", "workouttype", "sport type", "discipline",
                                                       "disziplin"};

QString Name(const std::string& name) { return QString::fromUtf8(QByteArray::fromStdString(name)); }

// The name in lower case, without a unit in brackets, a ".1" suffix of
// re-saving tools, or a "Total"/"Avg" in front; rates (a unit with "/",
// such as min/km) keep their unit and so match no name.
QString CoreName(const std::string& name)
{
    static const QRegularExpression unit(QStringLiteral("\\s*[(\\[]([^)\\]]*)[)\\]]\\s*$"));
    static const QRegularExpression suffix(QStringLiteral("\\.\\d+$"));
    static const QRegularExpression qualifier(
        QStringLiteral("^(total|gesamt|avg\\.?|average|mean|ø|durchschnittliche?|mittlere?)\\s+"));
    QString core = Name(name).trimmed().toLower().remove(suffix);
    const auto match = unit.match(core);
    if (match.hasMatch() && !match.captured(1).contains(QLatin1Char('/')))
        core.truncate(match.capturedStart());
    return core.remove(qualifier).trimmed();
}

bool Named(const std::string& name, std::initializer_list<const char*> names)
{
    const QString core = CoreName(name);
    for (const char* wanted : names)
        if (core == QString::fromUtf8(wanted))
            return true;
    return false;
}

// Whether the column's first non-empty cells read as dates (or, with
// clockToo, as times of day such as "7:15 PM").
bool HoldsDates(const TCsvTable& table, int column, bool clockToo)
{
    int dates = 0;
    int others = 0;
    for (std::size_t r = 0; r < table.rows.size() && dates + others < SampleRows; ++r) {
        const std::string_view cell = ExportValues::Trim(table.rows[r].Field(column));
        if (cell.empty())
            continue;
        const bool clock = clockToo && cell.size() > 3
            && (cell.substr(cell.size() - 2) == "AM" || cell.substr(cell.size() - 2) == "PM");
        ++(clock || ExportValues::DateTime(cell) ? dates : others);
    }
    return dates > 0 && dates >= 4 * others;
}

int ColumnNamed(const TCsvTable& table, std::initializer_list<const char*> names, int skip, bool amount)
{
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        const int column = static_cast<int>(i);
        if (column != skip && Named(table.header[i], names) && !(amount && HoldsDates(table, column, true)))
            return column;
    }
    return -1;
}

} // namespace

int TGenericRecogniser::GuessDateColumn(const TCsvTable& table)
{
    for (int column = 0; column < static_cast<int>(table.header.size()); ++column)
        if (HoldsDates(table, column, false))
            return column;
    return -1;
}

TColumnMapping TGenericRecogniser::DefaultMapping(const TCsvTable& table) const
{
    TColumnMapping mapping;
    mapping.dateColumn = GuessDateColumn(table);
    mapping.sportColumn = ColumnNamed(table, SportNames, mapping.dateColumn, false);
    for (const TNames& entry : QuantityNames) {
        // A date or a time of day is never an amount.
        const bool amount = entry.quantity == TQuantity::Duration || entry.quantity == TQuantity::Distance;
        const int column = ColumnNamed(table, entry.names, mapping.dateColumn, amount);
        mapping[entry.quantity] = {column, column < 0 ? 1.0
                                                      : ColumnNames::GuessScale(entry.quantity,
                                                                                table.header[std::size_t(column)])};
    }
    return mapping;
}
