#include "app/import/column_mapping.h"

#include <QByteArray>
#include <QCoreApplication>

namespace ColumnNames {
namespace {

// The name without a ".1"-style suffix of re-saving tools.
std::string_view BaseName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot + 1 == name.size())
        return name;
    for (std::size_t i = dot + 1; i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9')
            return name;
    return name.substr(0, dot);
}

std::string_view TrimName(std::string_view name)
{
    while (!name.empty() && (name.front() == ' ' || name.front() == '"'))
        name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\r' || name.back() == '"'))
        name.remove_suffix(1);
    return name;
}

bool Contains(const QString& text, std::initializer_list<const char*> parts)
{
    for (const char* part : parts)
        if (text.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

QString QuantityTitle(TQuantity quantity)
{
    switch (quantity) {
    case TQuantity::Duration: return QCoreApplication::translate("ColumnNames", "Dauer [h]");
    case TQuantity::Distance: return QCoreApplication::translate("ColumnNames", "Strecke [km]");
    case TQuantity::Energy: return QCoreApplication::translate("ColumnNames", "Energie [kcal]");
    case TQuantity::Climb: return QCoreApplication::translate("ColumnNames", "Anstieg [m]");
    case TQuantity::Stress: return QStringLiteral("TSS");
    case TQuantity::HeartRate: return QCoreApplication::translate("ColumnNames", "Herzfrequenz [1/min]");
    case TQuantity::Power: return QCoreApplication::translate("ColumnNames", "Leistung [W]");
    case TQuantity::Cadence: return QCoreApplication::translate("ColumnNames", "Kadenz [1/min]");
    case TQuantity::Work: return QCoreApplication::translate("ColumnNames", "Mech. Arbeit [kJ]");
    }
    return {};
}

int Find(const std::vector<std::string>& header, std::initializer_list<std::string_view> names, int occurrence)
{
    for (std::string_view wanted : names) {
        int seen = 0;
        for (std::size_t i = 0; i < header.size(); ++i)
            if (BaseName(TrimName(header[i])) == wanted && ++seen == occurrence)
                return static_cast<int>(i);
    }
    return -1;
}

double GuessScale(TQuantity quantity, std::string_view name)
{
    const QString text = QString::fromUtf8(QByteArray(name.data(), qsizetype(name.size())));
    switch (quantity) {
    case TQuantity::Duration:
        if (Contains(text, {"hour", "stunde", "(h)", "[h]"}))
            return 3600.0;
        return Contains(text, {"min"}) ? 60.0 : 1.0;
    case TQuantity::Distance:
        if (Contains(text, {"(mi)", "[mi]", "mile"}))
            return 1.609344;
        return Contains(text, {"meter", "metre", "(m)", "[m]"}) ? 0.001 : 1.0;
    case TQuantity::Climb:
        return Contains(text, {"(ft)", "[ft]", "feet"}) ? 0.3048 : 1.0;
    case TQuantity::Work:
        return Contains(text, {"(j)", "[j]", "total work"}) ? 0.001 : 1.0;
    default:
        return 1.0;
    }
}

} // namespace ColumnNames
