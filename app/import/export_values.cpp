#include "app/import/export_values.h"

#include <array>
#include <charconv>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

namespace ExportValues {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the digits at pos (at most maxDigits), advancing pos.
std::optional<int> Digits(std::string_view text, std::size_t& pos, int maxDigits = 4)
{
    int value = 0;
    int count = 0;
    while (pos < text.size() && IsDigit(text[pos]) && count < maxDigits) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++count;
    }
    return count > 0 ? std::optional<int>(value) : std::nullopt;
}

bool Expect(std::string_view text, std::size_t& pos, char c)
{
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

void SkipBlanks(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == ','))
        ++pos;
}

bool DaysValid(const TDateTime& t)
{
    static constexpr std::array<int, 12> lengths = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1)
        return false;
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    if (t.month == 2 && t.day == 29)
        return leap;
    return t.day <= lengths[std::size_t(t.month) - 1] && t.hour < 24 && t.minute < 60 && t.second < 61;
}

// "HH:mm[:ss[.fff]]" with an optional AM/PM after it; the rest must be
// empty or a time-zone mark.
bool ReadTime(std::string_view text, std::size_t pos, TDateTime& t)
{
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == 'T')
        ++pos;
    if (pos >= text.size())
        return true;
    const auto hour = Digits(text, pos, 2);
    if (!hour || !Expect(text, pos, ':'))
        return false;
    const auto minute = Digits(text, pos, 2);
    if (!minute)
        return false;
    t.hour = *hour;
    t.minute = *minute;
    if (Expect(text, pos, ':')) {
        const auto second = Digits(text, pos, 2);
        if (!second)
            return false;
        t.second = *second;
        if (pos < text.size() && (text[pos] == '.' || text[pos] == ','))
            for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            }
    }
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const std::string_view rest = text.substr(pos);
    std::string marker; // "PM", "p. m.", "p.m." alike
    for (char c : rest)
        if (c != ' ' && c != '.')
            marker += char(c | 0x20);
    if (marker == "am" || marker == "pm") {
        if (t.hour < 1 || t.hour > 12)
            return false;
        t.hour = t.hour % 12 + (marker[0] == 'p' ? 12 : 0);
        return true;
    }
    return rest.empty() || rest == "Z" || rest == "UTC" || rest.front() == '+' || rest.front() == '-';
}

std::optional<TDateTime> Finish(std::string_view text, std::size_t pos, TDateTime t)
{
    if (!ReadTime(text, pos, t) || !DaysValid(t))
        return std::nullopt;
    return t;
}

// Month names in the languages the services export in (English, German,
// French, Italian, Spanish, Portuguese, Dutch), lower case.
constexpr std::array<std::string_view, 12> MonthNames = {
    "january januar jänner janvier gennaio enero janeiro januari",
    "february februar février fevrier febbraio febrero fevereiro februari",
    "march märz maerz mars marzo março marco maart mrt",
    "april avril aprile abril",
    "may mai maggio mayo maio mei",
    "june juni juin giugno junio junho",
    "july juli juillet luglio julio julho",
    "august août aout agosto augustus",
    "september septembre settembre septiembre setembro",
    "october oktober octobre ottobre octubre outubro",
    "november novembre noviembre novembro",
    "december dezember décembre decembre dicembre diciembre dezembro",
};

// A month word: a full name or an abbreviation of three letters or more
// ("Jul", "juil.", "lug", "Mär") that fits the names of one month only.
std::optional<int> MonthOfWord(std::string_view word)
{
    static const std::array<QStringList, 12> months = [] {
        std::array<QStringList, 12> split;
        for (std::size_t m = 0; m < MonthNames.size(); ++m)
            split[m] = QString::fromUtf8(MonthNames[m].data(), qsizetype(MonthNames[m].size())).split(QLatin1Char(' '));
        return split;
    }();
    if (word.size() < 3)
        return std::nullopt;
    const QString token = QString::fromUtf8(word.data(), qsizetype(word.size())).toLower();
    std::optional<int> found;
    for (std::size_t m = 0; m < months.size(); ++m) {
        for (const QString& name : months[m])
            if (token.size() >= 3 && name.startsWith(token)) {
                if (found && *found != int(m) + 1)
                    return std::nullopt;
                found = int(m) + 1;
            }
    }
    return found;
}

// "Jul 14, 2020, 10:36:55 PM", "14 lug 2020, 22:36:55", "14 de jul. de
// 2020 22:36:55": a month word, a day and a year in either order before
// the time; other short words ("de") are passed over.
std::optional<TDateTime> WordDate(std::string_view cell)
{
    std::size_t timeStart = cell.find(':');
    if (timeStart == std::string_view::npos)
        timeStart = cell.size();
    while (timeStart > 0 && timeStart < cell.size() && IsDigit(cell[timeStart - 1]))
        --timeStart;
    const std::string_view date = cell.substr(0, timeStart);
    std::optional<int> month;
    std::vector<int> numbers;
    std::size_t pos = 0;
    while (pos < date.size()) {
        const std::size_t end = std::min(date.find_first_of(" ,./-", pos), date.size());
        const std::string_view token = date.substr(pos, end - pos);
        pos = end + 1;
        if (token.empty())
            continue;
        std::size_t digits = 0;
        const auto number = Digits(token, digits, 4);
        if (number && digits == token.size())
            numbers.push_back(*number);
        else if (const auto named = MonthOfWord(token); named && !month)
            month = named;
        else if (number || named)
            return std::nullopt;
    }
    if (!month || numbers.size() != 2 || (numbers[0] > 31) == (numbers[1] > 31))
        return std::nullopt;
    const bool yearFirst = numbers[0] > 31;
    return Finish(cell, timeStart, TDateTime{numbers[yearFirst ? 0 : 1], *month, numbers[yearFirst ? 1 : 0]});
}

// The number with "." as its decimal point and without thousands
// separators. A thousands separator (the other of "," and ".", a blank, an
// apostrophe) stands between digits and is followed by groups of exactly
// three: "1,214" is 1214, but "3,5" in a column of decimal points is no
// number rather than 35.
std::optional<std::string> PlainNumber(std::string_view cell, char decimal)
{
    const char thousands = decimal == ',' ? '.' : ',';
    std::string plain;
    std::size_t i = 0;
    if (cell[0] == '+' || cell[0] == '-')
        plain += cell[i++];
    int group = -1; // digits since the last separator, -1 before the first
    bool integerPart = true;
    for (; i < cell.size(); ++i) {
        const char c = cell[i];
        const bool noBreakSpace = c == '\xC2' && i + 1 < cell.size() && cell[i + 1] == '\xA0';
        if (c == thousands || c == ' ' || c == '\'' || noBreakSpace) {
            if (!integerPart || plain.empty() || !IsDigit(plain.back()) || (group >= 0 && group != 3))
                return std::nullopt;
            group = 0;
            i += noBreakSpace ? 1 : 0;
            continue;
        }
        if (integerPart && !IsDigit(c) && group >= 0 && group != 3)
            return std::nullopt;
        group += integerPart && IsDigit(c) && group >= 0 ? 1 : 0;
        integerPart = integerPart && IsDigit(c);
        plain += c == decimal ? '.' : c;
    }
    if (integerPart && group >= 0 && group != 3)
        return std::nullopt;
    return plain;
}

} // namespace

std::string_view Trim(std::string_view cell)
{
    const auto isBlank = [](std::string_view s, bool front) {
        if (s.empty())
            return std::size_t(0);
        const char c = front ? s.front() : s.back();
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            return std::size_t(1);
        if (s.size() >= 2 && (front ? s.substr(0, 2) : s.substr(s.size() - 2)) == "\xC2\xA0")
            return std::size_t(2);
        return std::size_t(0);
    };
    while (const std::size_t n = isBlank(cell, true))
        cell.remove_prefix(n);
    while (const std::size_t n = isBlank(cell, false))
        cell.remove_suffix(n);
    return cell;
}

char DecimalEvidence(std::string_view cell)
{
    cell = Trim(cell);
    const std::size_t last = cell.find_last_of(",.");
    if (last == std::string_view::npos)
        return 0;
    const std::size_t first = cell.find_first_of(",.");
    if (cell[first] != cell[last])
        return cell[last]; // "1,234.5" or "1.234,5"
    std::size_t digitsAfter = 0;
    while (last + 1 + digitsAfter < cell.size() && IsDigit(cell[last + 1 + digitsAfter]))
        ++digitsAfter;
    if (last + 1 + digitsAfter != cell.size() || last == 0 || !IsDigit(cell[last - 1]))
        return 0;
    if (first != last)
        return cell[last] == ',' ? '.' : ','; // "1,234,567": the repeated one groups thousands
    return digitsAfter == 3 ? 0 : cell[last];
}

std::optional<double> Number(std::string_view cell, char decimal)
{
    cell = Trim(cell);
    if (cell.empty() || cell == "--" || cell.size() > 64)
        return std::nullopt;
    const auto plain = PlainNumber(cell, decimal);
    if (!plain)
        return std::nullopt;
    const char* begin = plain->data() + (plain->front() == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(begin, plain->data() + plain->size(), value);
    if (error != std::errc() || end != plain->data() + plain->size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> DurationSeconds(std::string_view cell, char decimal, double secondsPerUnit)
{
    cell = Trim(cell);
    if (cell.find(':') == std::string_view::npos) {
        const auto units = Number(cell, decimal);
        if (!units || *units < 0.0)
            return std::nullopt;
        return *units * secondsPerUnit;
    }
    std::array<std::string_view, 3> parts;
    std::size_t count = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = cell.find(':', start);
        if (count == parts.size())
            return std::nullopt;
        parts[count++] = cell.substr(start, colon == std::string_view::npos ? colon : colon - start);
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
    }
    if (count < 2)
        return std::nullopt;
    double seconds = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const auto value = last ? Number(parts[i], decimal) : Number(parts[i], 0);
        if (!value || *value < 0.0 || (!last && *value != std::floor(*value)))
            return std::nullopt;
        if (i > 0 && *value >= 60.0)
            return std::nullopt;
        seconds = seconds * 60.0 + *value;
    }
    return seconds;
}

std::optional<TDateTime> DateTime(std::string_view cell)
{
    cell = Trim(cell);
    std::size_t pos = 0;
    TDateTime t;
    if (cell.empty() || !IsDigit(cell[0]))
        return WordDate(cell);
    const auto first = Digits(cell, pos, 4);
    if (!first || pos >= cell.size())
        return std::nullopt;
    const char separator = cell[pos++];
    const auto second = Digits(cell, pos, 2);
    if (!second || !Expect(cell, pos, separator))
        return WordDate(cell);
    const auto third = Digits(cell, pos, 4);
    if (!third)
        return std::nullopt;
    if (separator == '-' && pos == 10)
        t = {*first, *second, *third};
    else if (separator == '.')
        t = {*third, *second, *first};
    else if (separator == '/')
        t = {*third, *first, *second};
    else
        return std::nullopt;
    if (separator != '-' && *third < 100)
        return std::nullopt; // two-digit years are ambiguous
    return Finish(cell, pos, t);
}

std::optional<TDateTime> UtcToLocal(const TDateTime& utc)
{
    std::tm tm{};
    tm.tm_year = utc.year - 1900;
    tm.tm_mon = utc.month - 1;
    tm.tm_mday = utc.day;
    tm.tm_hour = utc.hour;
    tm.tm_min = utc.minute;
    tm.tm_sec = utc.second;
    const std::time_t seconds = timegm(&tm);
    std::tm local{};
    if (seconds == static_cast<std::time_t>(-1) && utc.year != 1969)
        return std::nullopt;
    if (!localtime_r(&seconds, &local))
        return std::nullopt;
    TDateTime result{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                     local.tm_sec};
    if (!DaysValid(result))
        return std::nullopt;
    return result;
}

} // namespace ExportValues
