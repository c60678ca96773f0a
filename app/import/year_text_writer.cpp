#include "app/import/year_text_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <tuple>

namespace YearTextWriter {

const char* const TitleLine = "Datum;Zeit;Dauer;Strecke;Arbeit;Hoehe;TSS;HF;Leistung;Kadenz;Mech. Arbeit";
const char* const UnitLine = "-;-;[h];[km];[kcal];[m];-;[1/min];[W];[1/min];[kJ]";
// The f-th number is the 1-based column of kind f: 2 duration, 3 distance,
// 5 heart rate, 6 cadence, 10 TSS, 12 climb, 13 work, 14 power, 16 energy;
// the last one (17) names the empty column where Power/HR goes.
const char* const KindLine = "Kind;0;1;2;0;6;8;0;0;0;5;0;4;9;7;0;3;10";

namespace {

// Trailer lines are never read as rows; the loader skips the last 220 bytes.
constexpr std::size_t MinTrailerBytes = 256;

// The year file's column order of the quantities.
constexpr std::array<TQuantity, 8> ValueColumns = {TQuantity::Distance, TQuantity::Energy,    TQuantity::Climb,
                                                   TQuantity::Stress,   TQuantity::HeartRate, TQuantity::Power,
                                                   TQuantity::Cadence,  TQuantity::Work};

// Fixed-point text independent of the C locale the program runs in.
void AppendNumber(std::string& out, double value, int decimals)
{
    if (value == 0.0 || !std::isfinite(value)) {
        out += '0';
        return;
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                      decimals);
    out.append(buffer.data(), result.ec == std::errc() ? result.ptr : buffer.data());
}

void AppendPadded(std::string& out, int value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(std::size_t(width) - digits.size(), '0');
    out += digits;
}

std::string DateText(const TWorkout& w)
{
    std::string text;
    AppendPadded(text, w.year, 4);
    AppendPadded(text, w.month, 2);
    AppendPadded(text, w.day, 2);
    return text;
}

// The source name in a comment line: no field or line breaks.
std::string CommentSafe(std::string_view text)
{
    std::string safe(text);
    std::replace_if(safe.begin(), safe.end(), [](char c) { return c == ';' || c == '\r' || c == '\n'; }, '_');
    return safe;
}

void AppendRow(std::string& out, const TWorkout& w)
{
    out += DateText(w);
    out += ';';
    AppendPadded(out, w.minuteOfDay / 60, 2);
    out += ':';
    AppendPadded(out, w.minuteOfDay % 60, 2);
    out += ';';
    out += Duration(w.Value(TQuantity::Duration));
    for (TQuantity q : ValueColumns) {
        out += ';';
        AppendNumber(out, w.Value(q), q == TQuantity::Distance ? 3 : 1);
    }
    out += ";\r\n";
}

std::string Trailer(int year, const std::vector<const TWorkout*>& workouts, std::string_view source)
{
    std::array<double, QuantityCount> sums{};
    int days = 0;
    for (std::size_t i = 0; i < workouts.size(); ++i) {
        for (std::size_t q = 0; q < sums.size(); ++q)
            sums[q] += workouts[i]->values[q];
        if (i == 0 || DateText(*workouts[i]) != DateText(*workouts[i - 1]))
            ++days;
    }
    std::string prefix;
    AppendPadded(prefix, year, 4);
    prefix += "0000;#;";
    std::string out = prefix + "end of workout rows; trailer lines start with YYYY0000 (day 0) and are no workouts\r\n";
    out += prefix + "source=" + CommentSafe(source) + ";workouts=" + std::to_string(workouts.size())
        + ";days=" + std::to_string(days);
    if (!workouts.empty())
        out += ";first=" + DateText(*workouts.front()) + ";last=" + DateText(*workouts.back());
    out += "\r\n" + prefix + "totals;Dauer=";
    AppendNumber(out, sums[std::size_t(TQuantity::Duration)] / 3600.0, 4);
    const std::array<std::pair<const char*, TQuantity>, 4> totals = {
        {{"h;Strecke=", TQuantity::Distance}, {"km;Arbeit=", TQuantity::Energy},
         {"kcal;Hoehe=", TQuantity::Climb}, {"m;TSS=", TQuantity::Stress}}};
    for (const auto& [text, q] : totals) {
        out += text;
        AppendNumber(out, sums[std::size_t(q)], 3);
    }
    out += "\r\n";
    while (out.size() < MinTrailerBytes)
        out += prefix + "padding so that no workout row falls into the last 220 bytes\r\n";
    return out;
}

// The year file weighs a day's means by the duration of all its workouts,
// with no way to say "not measured": a strength session without a heart
// rate would pull the day's mean heart rate towards 0. A workout without a
// mean value is therefore written with the mean of the day's workouts that
// have one, which leaves the day's mean at theirs.
constexpr std::array<TQuantity, 3> MeanQuantities = {TQuantity::HeartRate, TQuantity::Power, TQuantity::Cadence};

void FillDayMeans(std::vector<TWorkout>::iterator first, std::vector<TWorkout>::iterator last)
{
    for (TQuantity q : MeanQuantities) {
        double weighted = 0, hours = 0;
        for (auto w = first; w != last; ++w)
            if (w->Value(q) > 0 && w->Value(TQuantity::Duration) > 0) {
                weighted += w->Value(q) * w->Value(TQuantity::Duration);
                hours += w->Value(TQuantity::Duration);
            }
        if (hours <= 0)
            continue;
        for (auto w = first; w != last; ++w)
            if (!(w->Value(q) > 0))
                w->SetValue(q, weighted / hours);
    }
}

// The workouts in the order they are written, each day's means filled in.
std::vector<TWorkout> RowsOf(const std::vector<const TWorkout*>& sorted)
{
    std::vector<TWorkout> rows;
    rows.reserve(sorted.size());
    for (const TWorkout* w : sorted)
        rows.push_back(*w);
    for (auto day = rows.begin(); day != rows.end();) {
        const auto next = std::find_if(day, rows.end(), [&day](const TWorkout& w) {
            return w.month != day->month || w.day != day->day;
        });
        FillDayMeans(day, next);
        day = next;
    }
    return rows;
}

} // namespace

std::string Duration(double seconds)
{
    const long long whole = std::llround(std::max(0.0, seconds));
    std::string text = std::to_string(whole / 3600);
    text += ':';
    AppendPadded(text, int(whole / 60 % 60), 2);
    text += ':';
    AppendPadded(text, int(whole % 60), 2);
    return text;
}

std::string YearText(int year, std::vector<const TWorkout*> workouts, std::string_view source)
{
    std::stable_sort(workouts.begin(), workouts.end(), [](const TWorkout* a, const TWorkout* b) {
        return std::tie(a->month, a->day, a->minuteOfDay) < std::tie(b->month, b->day, b->minuteOfDay);
    });
    std::string out = std::string(TitleLine) + "\r\n" + UnitLine + "\r\n" + KindLine + "\r\n";
    out.reserve(out.size() + workouts.size() * 80 + MinTrailerBytes * 2);
    for (const TWorkout& w : RowsOf(workouts))
        AppendRow(out, w);
    out += Trailer(year, workouts, source);
    return out;
}

std::map<int, std::string> YearTexts(const std::vector<TWorkout>& workouts, std::string_view source)
{
    std::map<int, std::vector<const TWorkout*>> byYear;
    for (const TWorkout& w : workouts)
        byYear[w.year].push_back(&w);
    std::map<int, std::string> texts;
    for (auto& [year, list] : byYear)
        texts.emplace(year, YearText(year, std::move(list), source));
    return texts;
}

} // namespace YearTextWriter
