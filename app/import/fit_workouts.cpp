#include "app/import/fit_workouts.h"

#include <cstdlib>
#include <ctime>

namespace FitWorkouts {
namespace {

// Offsets beyond any time zone are no offsets.
constexpr long long MaxOffset = 15 * 3600;

TWorkout Dated(long long unixTime, std::optional<long long> offset)
{
    const bool known = offset && std::llabs(*offset) <= MaxOffset;
    const std::time_t time = static_cast<std::time_t>(unixTime + (known ? *offset : 0));
    std::tm parts{};
    if (known)
        gmtime_r(&time, &parts);
    else
        localtime_r(&time, &parts);
    TWorkout w;
    w.year = parts.tm_year + 1900;
    w.month = parts.tm_mon + 1;
    w.day = parts.tm_mday;
    w.minuteOfDay = parts.tm_hour * 60 + parts.tm_min;
    w.second = parts.tm_sec;
    return w;
}

} // namespace

QString SportName(int sport)
{
    static const std::pair<int, const char*> names[] = {
        {0, "generic"},        {1, "running"},   {2, "cycling"},   {3, "transition"},
        {4, "fitness_equipment"}, {5, "swimming"}, {10, "training"}, {11, "walking"},
        {12, "cross_country_skiing"}, {13, "alpine_skiing"}, {15, "rowing"}, {17, "hiking"},
        {18, "multisport"},    {19, "paddling"}};
    for (const auto& [number, name] : names)
        if (number == sport)
            return QString::fromLatin1(name);
    return QStringLiteral("sport_%1").arg(sport);
}

std::vector<TWorkout> Of(const TFitFile& file)
{
    std::vector<TWorkout> workouts;
    for (const TFitSession& s : file.sessions) {
        TWorkout w = Dated(static_cast<long long>(s.startTime) + FitDecoder::FitEpoch, file.localOffset);
        w.sport = SportName(s.sport);
        w.SetValue(TQuantity::Duration, s.timerSeconds);
        w.SetValue(TQuantity::Distance, s.distanceMetres / 1000.0);
        w.SetValue(TQuantity::Energy, s.calories);
        w.SetValue(TQuantity::Climb, s.ascentMetres);
        w.SetValue(TQuantity::Stress, s.trainingStress);
        w.SetValue(TQuantity::HeartRate, s.averageHeartRate);
        w.SetValue(TQuantity::Power, s.averagePower);
        w.SetValue(TQuantity::Cadence, s.averageCadence);
        w.SetValue(TQuantity::Work, s.workJoules / 1000.0);
        workouts.push_back(w);
    }
    return workouts;
}

} // namespace FitWorkouts
