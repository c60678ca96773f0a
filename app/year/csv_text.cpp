#include "app/year/csv_text.h"

#include <QStringDecoder>

#include <charconv>
#include <climits>
#include <cstdint>

namespace CsvText {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32 || c == 127; }

// Most fields are short decimals such as "45.5": read them exactly without
// the general conversion. With at most 15 digits the mantissa is an exact
// double, and so is every power of ten up to 10^22, so the one division
// rounds correctly and gives the same value as the general conversion.
// Returns false when the text needs the general conversion.
bool ShortDecimal(std::string_view text, double& value)
{
    static constexpr double PowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8,
                                             1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int MaxDigits = 15;
    std::int64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    std::size_t i = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (++digits > MaxDigits)
            return false;
        mantissa = mantissa * 10 + (text[i] - '0');
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++fractionDigits) {
            if (++digits > MaxDigits)
                return false;
            mantissa = mantissa * 10 + (text[i] - '0');
        }
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E'))
        return false;
    value = static_cast<double>(mantissa) / PowersOfTen[fractionDigits];
    return true;
}

} // namespace

int LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            value = INT_MAX; // saturate: such numbers are out of every range anyway
    }
    return static_cast<int>(negative ? -value : value);
}

bool LeadingDecimal(std::string_view text, double& value)
{
    value = 0.0;
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only plain decimal notation counts: no "inf", "nan" or hexadecimal.
    const bool startsNumber = i < text.size()
        && (IsDigit(text[i]) || (text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])));
    if (!startsNumber)
        return true;
    double magnitude = 0.0;
    if (!ShortDecimal(text.substr(i), magnitude)) {
        const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), magnitude,
                                                  std::chars_format::general);
        if (error == std::errc::result_out_of_range) {
            // Underflow reads as 0; overflow has no value.
            const std::string_view number(text.data() + i, static_cast<std::size_t>(end - (text.data() + i)));
            const auto e = number.find_first_of("eE");
            return e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        }
        if (error != std::errc())
            return true;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

std::optional<double> DurationSeconds(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::size_t hoursStart = i;
    double hours = 0.0; // any number of digits: a double keeps whole hours exact far enough
    for (; i < text.size() && IsDigit(text[i]); ++i)
        hours = hours * 10.0 + (text[i] - '0');
    if (i == hoursStart)
        return std::nullopt;
    // ":" and two digits giving a number below 60.
    const auto sixtieths = [&](std::size_t at) -> std::optional<int> {
        if (at + 2 >= text.size() || text[at] != ':' || !IsDigit(text[at + 1]) || !IsDigit(text[at + 2]))
            return std::nullopt;
        const int value = (text[at + 1] - '0') * 10 + (text[at + 2] - '0');
        return value < 60 ? std::optional<int>(value) : std::nullopt;
    };
    const auto minutes = sixtieths(i);
    const auto seconds = minutes ? sixtieths(i + 3) : std::nullopt;
    if (!seconds)
        return std::nullopt;
    return hours * 3600.0 + *minutes * 60 + *seconds;
}

std::string_view CutAtLineEnd(std::string_view text)
{
    return text.substr(0, std::min(text.find('\r'), text.find('\n')));
}

std::string_view TrimBlanksAndControls(std::string_view text)
{
    while (!text.empty() && IsBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

QString Decode(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(view);
}

} // namespace CsvText
