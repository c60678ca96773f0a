#include "app/year/day_folder.h"

#include "app/year/csv_text.h"
#include "app/year/year_store.h"

#include <cmath>

namespace {

constexpr double TorqueFactor = 9.5547;

bool IsSumKind(int kind) { return kind == 3 || kind == 10 || kind == 12 || kind == 13 || kind == 16; }
bool IsWeightedKind(int kind) { return (kind >= 4 && kind <= 9) || kind == 11 || kind == 14; }
bool IsMaximumKind(int kind) { return kind >= 18 && kind <= 21; }

// The metric of the cumulative list that a daily-total kind feeds, or -1.
int SumMetricOfKind(int kind)
{
    switch (kind) {
    case 2: return 0;
    case 3: return 1;
    case 16: return 2;
    case 12: return 3;
    case 10: return 4;
    default: return -1;
    }
}

float Add(float sum, double term) { return static_cast<float>(static_cast<double>(sum) + term); }

// Fields are short: a plain loop beats a library search here.
std::size_t NextSemicolon(const std::string& row, std::size_t from)
{
    for (std::size_t i = from; i < row.size(); ++i)
        if (row[i] == ';')
            return i;
    return std::string::npos;
}

} // namespace

TDayFolder::TDayFolder(TYearStore& store, int slot)
    : store_(store), slot_(slot)
{
}

TDayFolder::TRowFindings TDayFolder::FoldRow(std::string& row, int day)
{
    TRowFindings findings;
    // Columns start at field 2: skip the date and the time.
    std::size_t fieldStart = NextSemicolon(row, 0);
    if (fieldStart != std::string::npos)
        fieldStart = NextSemicolon(row, fieldStart + 1);
    // A rest-day line ("20110411;Ruhetag") has no column: the means carried
    // over from earlier rows must not put a Power/HR or torque value into it.
    if (fieldStart == std::string::npos)
        return findings;
    if (day != day_) {
        day_ = day;
        dayHours_ = 0.0f;
        accumulator_.fill(0.0f);
    }
    commaFreeUntil_ = 0;
    noMoreCommas_ = false;

    int column = 0;
    while (fieldStart != std::string::npos) {
        ++fieldStart; // past the ";"
        if (column == MaxRowColumns) {
            findings.tooManyColumns = true;
            break;
        }
        const std::size_t fieldEnd = NextSemicolon(row, fieldStart);
        const std::size_t end = fieldEnd == std::string::npos ? row.size() : fieldEnd;
        const int kind = store_.KindOfColumn(column);
        Store(day, column, FoldField(kind, row, fieldStart, end, column, findings), findings);
        ++column;
        fieldStart = fieldEnd;
    }
    StoreDerivedValues(day, column, findings);
    return findings;
}

float TDayFolder::FoldField(int kind, std::string& row, std::size_t fieldStart, std::size_t fieldEnd, int column,
                            TRowFindings& findings)
{
    if (kind == NotRead)
        return 0.0f;
    if (const int metric = SumMetricOfKind(kind); metric >= 0)
        store_.SetSumColumn(metric, column);

    if (kind == Duration) {
        workoutHours_ = ReadHours(std::string_view(row).substr(fieldStart, fieldEnd - fieldStart), findings);
        dayHours_ = Add(dayHours_, workoutHours_);
        return dayHours_;
    }

    const float v = ReadValue(row, fieldStart, fieldEnd, findings);
    if (!IsSumKind(kind) && !IsMaximumKind(kind) && !IsWeightedKind(kind))
        return v; // kept as read: the day's last row wins
    float& acc = accumulator_[static_cast<std::size_t>(kind)];
    if (IsSumKind(kind)) {
        acc = Add(acc, v);
        return acc;
    }
    if (IsMaximumKind(kind)) {
        if (v > acc)
            acc = v;
        return acc;
    }
    // A mean weighted by workout duration; without a duration on this day
    // there is no mean, and 0 is stored.
    acc = Add(acc, static_cast<double>(v) * workoutHours_);
    const float mean = dayHours_ != 0.0f ? acc / dayHours_ : 0.0f;
    switch (kind) {
    case 4: mean4_ = mean; break;
    case 5: mean5_ = mean; break;
    case 6: mean6_ = mean; break;
    case 14: mean14_ = mean; break;
    default: break;
    }
    return mean;
}

// An unreadable duration counts as no time at all, so it adds nothing to
// the day and gives its row's values no weight.
float TDayFolder::ReadHours(std::string_view field, TRowFindings& findings)
{
    const std::optional<double> seconds = CsvText::DurationSeconds(field);
    if (!seconds) {
        ++findings.unreadableDurations;
        return 0.0f;
    }
    const auto hours = static_cast<float>(*seconds * (1.0 / 3600.0));
    if (!std::isfinite(hours)) {
        ++findings.valuesOutOfRange;
        return 0.0f;
    }
    return hours;
}

float TDayFolder::ReadValue(std::string& row, std::size_t fieldStart, std::size_t fieldEnd, TRowFindings& findings)
{
    ReplaceFirstComma(row, fieldStart);
    double value = 0.0;
    const bool fits = CsvText::LeadingDecimal(std::string_view(row).substr(fieldStart, fieldEnd - fieldStart), value);
    const float v = static_cast<float>(value);
    if (!fits || !std::isfinite(v)) {
        ++findings.valuesOutOfRange;
        return 0.0f;
    }
    return v;
}

// A decimal comma is accepted: the first "," from the field's start to the
// end of the row becomes ".". Remembers where no comma is left, so a row
// is scanned about once in all.
void TDayFolder::ReplaceFirstComma(std::string& row, std::size_t from)
{
    if (noMoreCommas_)
        return;
    const std::size_t comma = row.find(',', std::max(from, commaFreeUntil_));
    if (comma == std::string::npos) {
        noMoreCommas_ = true;
        return;
    }
    row[comma] = '.';
    commaFreeUntil_ = comma + 1;
}

void TDayFolder::StoreDerivedValues(int day, int columns, TRowFindings& findings)
{
    int p = columns;
    if (mean5_ > 0.0f) {
        --p;
        Store(day, p, mean14_ / mean5_, findings);
    }
    if (mean6_ > 0.0f) {
        ++p;
        Store(day, p, static_cast<float>(double(mean4_) / double(mean6_) * TorqueFactor), findings);
    }
}

// The one place cells are written: a row without fields has no column for
// the derived values, and no infinity or NaN ever reaches the store. A sum
// or ratio too large for a float is stored as 0 and counted like a number
// too large to read.
void TDayFolder::Store(int day, int column, float value, TRowFindings& findings)
{
    if (column < 0 || column >= TYearStore::ColumnCount)
        return;
    if (!std::isfinite(value)) {
        ++findings.valuesOutOfRange;
        value = 0.0f;
    }
    store_.SetCell(slot_, day, column, value);
}
