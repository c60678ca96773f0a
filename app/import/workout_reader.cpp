#include "app/import/workout_reader.h"

#include "app/import/export_values.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace WorkoutReader {
namespace {

using ExportValues::Trim;

// The separator of each mapped column; a column whose cells do not tell
// (integers, "1,214") takes the one the other columns show.
std::array<char, QuantityCount> Decimals(const TCsvTable& table, const TColumnMapping& mapping)
{
    std::array<char, QuantityCount> decimals{};
    char fileDecimal = 0;
    for (std::size_t q = 0; q < decimals.size(); ++q) {
        decimals[q] = ColumnDecimal(table, mapping.quantities[q].column);
        if (!fileDecimal)
            fileDecimal = decimals[q];
    }
    for (char& decimal : decimals)
        if (!decimal)
            decimal = fileDecimal ? fileDecimal : '.';
    return decimals;
}

bool IsMetreSport(const QString& sport)
{
    for (const char* word : {"swim", "schwimm", "nata", "track", "bahn", "pista"})
        if (sport.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

// A spreadsheet turns "35:47" (minutes and seconds) into "35:47:00". Such a
// cell is read as minutes and seconds when the distance and the average
// speed say so, or, without them, when its hours could not be hours.
double RepairedDuration(std::string_view cell, double seconds, double km, double kmh)
{
    cell = Trim(cell);
    if (cell.size() < 7 || cell.substr(cell.size() - 3) != ":00" || std::count(cell.begin(), cell.end(), ':') != 2)
        return seconds;
    const double minutesAndSeconds = seconds / 60.0;
    if (km > 0.0 && kmh > 0.0) {
        const double expected = km / kmh * 3600.0;
        return std::abs(std::log(minutesAndSeconds / expected)) < std::abs(std::log(seconds / expected))
            ? minutesAndSeconds
            : seconds;
    }
    return seconds >= 24.0 * 3600.0 ? minutesAndSeconds : seconds;
}

class TRowReader
{
public:
    TRowReader(const TCsvTable& table, const TColumnMapping& mapping)
        : mapping_(mapping), decimals_(Decimals(table, mapping)),
          speedDecimal_(mapping.rules.speedColumn >= 0 ? ColumnDecimal(table, mapping.rules.speedColumn) : '.')
    {
        if (!speedDecimal_)
            speedDecimal_ = decimals_[0];
    }

    bool Read(const TCsvRow& row, TWorkout& workout, TImportReport& report)
    {
        if (row.FieldCount() <= lastColumn_) {
            ++report.shortRows;
            return false;
        }
        auto date = ExportValues::DateTime(row.Field(mapping_.dateColumn));
        if (date && mapping_.rules.datesInUtc)
            date = ExportValues::UtcToLocal(*date);
        if (!date) {
            ++report.rowsWithoutDate;
            return false;
        }
        const std::string_view durationCell = row.Field(mapping_[TQuantity::Duration].column);
        if (mapping_.rules.noDurationMeansPlanned && Trim(durationCell).empty()) {
            ++report.plannedRows;
            return false;
        }
        workout = TWorkout{date->year, date->month, date->day, date->hour * 60 + date->minute, Sport(row), {}};
        workout.second = date->second;
        for (int q = 0; q < QuantityCount; ++q)
            workout.values[std::size_t(q)] = Value(row, static_cast<TQuantity>(q), report);
        if (mapping_.rules.swimDistanceInMetres && IsMetreSport(workout.sport))
            workout.SetValue(TQuantity::Distance, workout.Value(TQuantity::Distance) / 1000.0);
        if (mapping_.rules.speedColumn >= 0) {
            const double kmh = ExportValues::Number(row.Field(mapping_.rules.speedColumn), speedDecimal_).value_or(0.0)
                * mapping_.rules.speedScale;
            workout.SetValue(TQuantity::Duration, RepairedDuration(durationCell, workout.Value(TQuantity::Duration),
                                                                   workout.Value(TQuantity::Distance), kmh));
        }
        return true;
    }

private:
    QString Sport(const TCsvRow& row) const
    {
        const std::string_view name = Trim(row.Field(mapping_.sportColumn));
        if (name.empty())
            return QStringLiteral("(ohne Sportart)");
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }

    double Value(const TCsvRow& row, TQuantity q, TImportReport& report) const
    {
        const TColumnChoice& choice = mapping_[q];
        if (choice.column < 0)
            return 0.0;
        const std::string_view cell = Trim(row.Field(choice.column));
        if (cell.empty() || cell == "--")
            return 0.0;
        // A cell that shows its own decimal separator is read with it: "3,5"
        // in a column of decimal points is 3.5, not 35.
        const char shown = ExportValues::DecimalEvidence(cell);
        const char decimal = shown ? shown : decimals_[std::size_t(q)];
        const auto value = q == TQuantity::Duration ? ExportValues::DurationSeconds(cell, decimal, choice.scale)
                                                    : ExportValues::Number(cell, decimal);
        if (!value || std::abs(*value) > 1e12 || (*value < 0.0 && IsAmount(q))) {
            ++report.unreadableValues;
            return 0.0;
        }
        return q == TQuantity::Duration ? *value : *value * choice.scale;
    }

    // Quantities that are amounts: a negative one is no measurement.
    static bool IsAmount(TQuantity q)
    {
        return q == TQuantity::Duration || q == TQuantity::Distance || q == TQuantity::Energy
            || q == TQuantity::Climb || q == TQuantity::Work;
    }

    // The rightmost column the mapping reads: a shorter row lacks a cell it needs.
    static int LastColumn(const TColumnMapping& mapping)
    {
        int last = std::max({mapping.dateColumn, mapping.sportColumn, mapping.rules.speedColumn});
        for (const TColumnChoice& choice : mapping.quantities)
            last = std::max(last, choice.column);
        return last;
    }

    const TColumnMapping& mapping_;
    std::array<char, QuantityCount> decimals_;
    char speedDecimal_;
    int lastColumn_ = LastColumn(mapping_);
};

} // namespace

char ColumnDecimal(const TCsvTable& table, int column)
{
    if (column < 0)
        return 0;
    int commas = 0;
    int points = 0;
    for (const TCsvRow& row : table.rows) {
        const char evidence = ExportValues::DecimalEvidence(row.Field(column));
        commas += evidence == ',';
        points += evidence == '.';
    }
    if (commas == points)
        return 0;
    return commas > points ? ',' : '.';
}

TWorkoutList Read(const TCsvTable& table, const TColumnMapping& mapping)
{
    if (mapping.rules.datesInUtc)
        tzset(); // the zone may have changed since the last conversion
    TWorkoutList list;
    list.report.rowsRead = static_cast<int>(table.rows.size()) + table.unreadableRows;
    list.report.unreadableRows = table.unreadableRows;
    list.report.recoveredRows = table.recoveredRows;
    list.report.latin1Fields = table.latin1Fields;
    list.workouts.reserve(table.rows.size());
    TRowReader reader(table, mapping);
    TWorkout workout;
    for (const TCsvRow& row : table.rows)
        if (reader.Read(row, workout, list.report))
            list.workouts.push_back(std::move(workout));
    return list;
}

} // namespace WorkoutReader
