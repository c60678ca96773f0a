#include "chart/axes/number_format.h"

#include <cmath>
#include <vector>

namespace {

// One piece of a picture section.
struct TPictureItem
{
    enum Kind { Digit, Literal } kind;
    bool required = false; // '0' rather than '#'
    QString text;          // literal text
};

struct TPicture
{
    std::vector<TPictureItem> integerPart; // before the decimal point
    std::vector<TPictureItem> fractionPart;
    bool hasPoint = false;
    bool thousands = false;
    int integerDigits = 0;
    int minIntegerDigits = 0; // placeholders from the first '0' on
    int fractionDigits = 0;
    int minFractionDigits = 0; // placeholders up to the last '0'
};

QStringList SplitSections(const QString& picture)
{
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : picture) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections.append(QString());
            continue;
        }
        sections.last().append(c);
    }
    return sections;
}

TPicture ParseSection(const QString& section)
{
    TPicture p;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        auto& items = p.hasPoint ? p.fractionPart : p.integerPart;
        if (c == u'0' || c == u'#') {
            items.push_back({TPictureItem::Digit, c == u'0', {}});
        } else if (c == u'.' && !p.hasPoint) {
            p.hasPoint = true;
        } else if (c == u',' && !p.hasPoint) {
            p.thousands = true;
        } else if (c == u'"' || c == u'\'') {
            const qsizetype end = section.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? section.size() : end;
            items.push_back({TPictureItem::Literal, false, section.mid(i + 1, stop - i - 1)});
            i = stop;
        } else {
            items.push_back({TPictureItem::Literal, false, QString(c)});
        }
    }
    bool seenRequired = false;
    for (const auto& item : p.integerPart) {
        if (item.kind != TPictureItem::Digit)
            continue;
        ++p.integerDigits;
        seenRequired = seenRequired || item.required;
        if (seenRequired)
            ++p.minIntegerDigits;
    }
    for (const auto& item : p.fractionPart) {
        if (item.kind != TPictureItem::Digit)
            continue;
        ++p.fractionDigits;
        if (item.required)
            p.minFractionDigits = p.fractionDigits;
    }
    return p;
}

// The digits of |value| rounded to `decimals` places, halves away from zero
// on the 15 significant digits of the value.
struct TDigits
{
    QString integer;  // no leading zeros; empty for 0
    QString fraction; // exactly `decimals` digits
    bool IsZero() const
    {
        for (QChar c : integer + fraction)
            if (c != u'0')
                return false;
        return true;
    }
};

TDigits RoundedDigits(double value, int decimals)
{
    const QString e = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde+XX
    QString digits = e.left(1) + e.mid(2, 14);
    int point = e.mid(e.indexOf(u'e') + 1).toInt() + 1; // digits before the decimal point
    const int keep = point + decimals;
    if (keep < 0)
        return {QString(), QString(decimals, u'0')};
    if (keep < digits.size()) {
        const bool up = digits[keep] >= u'5';
        digits.truncate(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0 && digits[i] == u'9')
                digits[i--] = u'0';
            if (i >= 0)
                digits[i] = QChar(digits[i].unicode() + 1);
            else {
                digits.prepend(u'1');
                ++point;
            }
        }
    }
    if (digits.size() < point + decimals)
        digits.append(QString(point + decimals - digits.size(), u'0'));
    TDigits out;
    if (point > 0)
        out.integer = digits.left(point);
    else
        digits.prepend(QString(-point, u'0'));
    out.fraction = digits.mid(std::max(point, 0), decimals);
    while (out.integer.startsWith(u'0'))
        out.integer.remove(0, 1);
    return out;
}

QString RenderInteger(const TPicture& p, QString digits, const TFormatSettings& s)
{
    if (digits.size() < p.minIntegerDigits)
        digits.prepend(QString(p.minIntegerDigits - digits.size(), u'0'));
    // Placeholders take digits from the right; the first one takes the rest.
    QString out;
    int next = 0; // index into digits
    int placeholder = 0;
    const int surplus = std::max<int>(0, int(digits.size()) - p.integerDigits);
    auto put = [&](int count) {
        for (int k = 0; k < count; ++k, ++next) {
            out.append(digits[next]);
            const int fromRight = int(digits.size()) - next - 1;
            if (p.thousands && fromRight > 0 && fromRight % 3 == 0)
                out.append(s.ThousandSeparator);
        }
    };
    for (const auto& item : p.integerPart) {
        if (item.kind == TPictureItem::Literal) {
            out.append(item.text);
            continue;
        }
        const int slot = p.integerDigits - placeholder++; // 1-based from the right
        if (placeholder == 1)
            put(surplus + (slot <= digits.size() - surplus ? 1 : 0));
        else if (slot <= digits.size())
            put(1);
    }
    if (p.integerDigits == 0)
        put(int(digits.size()));
    return out;
}

QString RenderFraction(const TPicture& p, QString digits, const TFormatSettings& s)
{
    while (digits.size() > p.minFractionDigits && digits.endsWith(u'0'))
        digits.chop(1);
    QString out;
    int next = 0;
    for (const auto& item : p.fractionPart) {
        if (item.kind == TPictureItem::Literal)
            out.append(item.text);
        else if (next < digits.size())
            out.append(digits[next++]);
    }
    return digits.isEmpty() ? out : s.DecimalSeparator + out;
}

QString GeneralFormat(double value, const TFormatSettings& s)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', s.DecimalSeparator);
    return text;
}

} // namespace

QString FormatNumber(const QString& picture, double value, const TFormatSettings& settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (picture.isEmpty())
        return GeneralFormat(value, settings);

    const QStringList sections = SplitSections(picture);
    auto usable = [&](int i) { return i < sections.size() && !sections[i].isEmpty(); };
    int section = 0;
    if (value < 0 && usable(1))
        section = 1;
    else if (value == 0 && usable(2))
        section = 2;

    const TPicture p = ParseSection(sections[section]);
    const TDigits digits = RoundedDigits(value, p.fractionDigits);
    const bool minus = value < 0 && section == 0 && !digits.IsZero();
    return (minus ? QStringLiteral("-") : QString()) + RenderInteger(p, digits.integer, settings)
           + RenderFraction(p, digits.fraction, settings);
}
