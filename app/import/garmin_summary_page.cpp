#include "app/import/garmin_summary_page.h"

#include "app/import/export_file.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <ctime>

namespace GarminSummaryPage {
namespace {

constexpr double KilojoulesPerKcal = 4.184;

// Numbers are sometimes written as floats ("1.74E12") or as text.
std::optional<double> Number(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    bool ok = v.isDouble();
    const double number = v.isString() ? v.toString().toDouble(&ok) : v.toDouble();
    return ok && std::isfinite(number) ? std::optional(number) : std::nullopt;
}

QString TypeKey(const QJsonObject& o)
{
    const QJsonValue type = o.value(QLatin1String("activityType"));
    const QString key = type.isObject() ? type.toObject().value(QLatin1String("typeKey")).toString() : type.toString();
    return key.isEmpty() ? QStringLiteral("(ohne Sportart)") : key;
}

// The start as local wall-clock time; from the UTC start in the machine's
// zone when the export has no local one.
bool SetStart(const QJsonObject& o, TWorkout& w)
{
    std::optional<double> ms = Number(o, "startTimeLocal");
    const bool local = ms.has_value();
    if (!ms)
        ms = Number(o, "beginTimestamp");
    if (!ms)
        ms = Number(o, "startTimeGmt");
    // Years 1 to 9999 only.
    if (!ms || *ms < -62135596800000.0 || *ms > 253402300799000.0)
        return false;
    const std::time_t seconds = static_cast<std::time_t>(std::floor(*ms / 1000.0));
    std::tm parts{};
    if (!(local ? gmtime_r(&seconds, &parts) : localtime_r(&seconds, &parts)))
        return false;
    w.year = parts.tm_year + 1900;
    w.month = parts.tm_mon + 1;
    w.day = parts.tm_mday;
    w.minuteOfDay = parts.tm_hour * 60 + parts.tm_min;
    w.second = parts.tm_sec;
    return w.year >= 1 && w.year <= 9999;
}

void SetValues(const QJsonObject& o, TWorkout& w, TImportReport& report)
{
    const auto set = [&](TQuantity q, std::initializer_list<const char*> keys, double scale) {
        for (const char* key : keys) {
            const auto value = Number(o, key);
            if (!value)
                continue;
            if (*value < 0.0 || std::abs(*value) > 1e15)
                ++report.unreadableValues;
            else
                w.SetValue(q, *value * scale);
            return;
        }
    };
    set(TQuantity::Duration, {"duration"}, 0.001);
    set(TQuantity::Distance, {"distance"}, 1e-5);
    set(TQuantity::Energy, {"calories"}, 1.0 / KilojoulesPerKcal);
    set(TQuantity::Climb, {"elevationGain"}, 0.01);
    set(TQuantity::Stress, {"trainingStressScore"}, 1.0);
    set(TQuantity::HeartRate, {"avgHr"}, 1.0);
    set(TQuantity::Power, {"avgPower"}, 1.0);
    set(TQuantity::Cadence, {"avgBikeCadence", "avgRunCadence"}, 1.0);
}

QJsonArray Workouts(const std::string& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), &error);
    const QJsonValue page = document.isArray() && document.array().size() > 0 ? document.array().at(0) : QJsonValue();
    const QJsonValue list = page.toObject().value(QLatin1String("summarizedActivitiesExport"));
    if (error.error != QJsonParseError::NoError || !list.isArray())
        throw TImportError(QCoreApplication::translate("GarminSummaryPage",
                                                       "keine Garmin-Zusammenfassung (JSON ohne "
                                                       "summarizedActivitiesExport), nicht importiert"));
    return list.toArray();
}

} // namespace

TGarminPage Read(const std::string& bytes)
{
    TGarminPage page;
    for (const QJsonValue& value : Workouts(bytes)) {
        ++page.report.rowsRead;
        const QJsonObject o = value.toObject();
        if (o.value(QLatin1String("parent")).toBool()) {
            ++page.multisportParents;
            continue;
        }
        TGarminPage::TEntry entry;
        if (!SetStart(o, entry.workout)) {
            ++page.report.rowsWithoutDate;
            continue;
        }
        const auto id = Number(o, "activityId");
        // An id beyond 64 bits is no id: converting it would be undefined.
        entry.hasId = id && std::abs(*id) < 9e18;
        entry.id = entry.hasId ? static_cast<qint64>(*id) : 0;
        entry.workout.sport = TypeKey(o);
        SetValues(o, entry.workout, page.report);
        page.entries.push_back(std::move(entry));
    }
    return page;
}

} // namespace GarminSummaryPage
