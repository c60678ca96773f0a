// Activity types are grouped into kinds in every export language, and the
// kinds decide the default sports and what --sport names.
#include "app/import/import_selection.h"

#include <gtest/gtest.h>

namespace {

TEST(SportKind, KnowsTheTypesOfEveryServiceAndLanguage)
{
    using enum TSportKind;
    const std::pair<const char*, TSportKind> types[] = {
        {"Virtual Ride", Cycling},         {"E-Bike Ride", Cycling},          {"Ciclismo em estradas", Cycling},
        {"Ciclismo em local fechado", Cycling}, {"Sortie à vélo", Cycling}, {"Fietsrit", Cycling},
        {"Mountainbike-Fahrt", Cycling},   {"road_biking", Cycling},          {"Spinning", Cycling},
        {"Bike", Cycling},                 {"Velomobile", Cycling},           {"Gravel Bike Tour", Cycling},
        {"Laufbandtraining", Running},     {"Laufen auf der Bahn", Running},  {"Corrida em trilhas", Running},
        {"TRAIL RUN", Running},            {"Course à pied", Running},        {"Carrera en cinta", Running},
        {"Hardlopen", Running},            {"treadmill_running", Running},    {"Berg-Lauf", Running},
        {"Natação em alto mar", Swimming}, {"Nuoto in piscina", Swimming},    {"open_water_swimming", Swimming},
        {"Hike", Walking},                 {"Wandern", Walking},              {"Caminhada", Walking},
        {"Senderismo", Walking},           {"Wandeling", Walking},            {"casual_walking", Walking},
        {"Nordic Ski", Other},             {"Ski de randonnée", Other},       {"Weight Training", Other},
        {"Skilanglauf", Other},            {"Day Off", Other},                {"", Other},
    };
    for (const auto& [type, kind] : types)
        EXPECT_EQ(SportKinds::KindOf(QString::fromUtf8(type)), kind) << type;
}

std::vector<TWorkout> Workouts(const std::vector<std::pair<const char*, int>>& counts)
{
    std::vector<TWorkout> workouts;
    for (const auto& [sport, count] : counts)
        for (int i = 0; i < count; ++i)
            workouts.push_back(TWorkout{2024, 1, 1 + i, 0, QString::fromUtf8(sport), {}});
    return workouts;
}

TEST(SportKind, TheMostFrequentKindIsTheDefaultWithAllItsTypes)
{
    const struct
    {
        std::vector<std::pair<const char*, int>> counts;
        QStringList expected;
    } cases[] = {
        {{{"Virtual Ride", 5}, {"Run", 6}, {"Ride", 4}}, {"Virtual Ride", "Ride"}},
        {{{"Yoga", 3}, {"Run", 2}, {"Treadmill", 1}}, {"Run", "Treadmill"}}, // a tie: the real kind
        {{{"Yoga", 4}, {"Workout", 3}, {"Run", 6}}, {"Yoga", "Workout"}},
        {{}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImportSelection::DefaultSports(Workouts(c.counts)), c.expected) << c.expected.join(',').toStdString();
}

TEST(SportKind, SportNamesTakeKindsAndTypes)
{
    const auto workouts = Workouts({{"Running", 3}, {"Trail Running", 2}, {"Cycling", 1}, {"running", 1}});
    const struct
    {
        QStringList names;
        QStringList expected; // empty: refused
    } cases[] = {
        {{"running"}, {"Running", "Trail Running", "running"}},
        {{"Running"}, {"Running"}},
        {{"CYCLING", "Cycling"}, {"Cycling"}},
        {{"all"}, {"Running", "Trail Running", "Cycling", "running"}},
        {{"running", "swimming"}, {}},
        {{"Rowing"}, {}},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_EQ(ImportSelection::NamedSports(c.names, workouts, error), c.expected) << c.names.join(',').toStdString();
        EXPECT_EQ(error.isEmpty(), !c.expected.isEmpty());
    }
}

} // namespace
