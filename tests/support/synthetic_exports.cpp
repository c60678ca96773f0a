#include "support/synthetic_exports.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace SyntheticExports {
namespace {

// A fixed linear congruential generator: the same files on every run.
class TRepeatableNumbers
{
public:
    explicit TRepeatableNumbers(unsigned start) : state_(start) {}
    unsigned Next()
    {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 16) & 0x7fff;
    }
    int Below(int n) { return static_cast<int>(Next() % unsigned(n)); }

private:
    unsigned state_;
};

const char* const StravaHeader =
    "Activity ID,Activity Date,Activity Name,Activity Type,Activity Description,Elapsed Time,Distance,Max Heart "
    "Rate,Relative Effort,Commute,Activity Private Note,Activity Gear,Filename,Athlete Weight,Bike Weight,Elapsed "
    "Time,Moving Time,Distance,Max Speed,Average Speed,Elevation Gain,Elevation Loss,Elevation Low,Elevation "
    "High,Max Grade,Average Grade,Average Positive Grade,Average Negative Grade,Max Cadence,Average Cadence,Max "
    "Heart Rate,Average Heart Rate,Max Watts,Average Watts,Calories,Max Temperature,Average Temperature,Relative "
    "Effort,Total Work,Number of Runs,Uphill Time,Downhill Time,Other Time,Perceived Exertion,Type,Start "
    "Time,Weighted Average Power,Power Count,Prefer Perceived Exertion,Perceived Relative Effort,Commute,Total "
    "Weight Lifted,From Upload,Grade Adjusted Distance,Weather Observation Time,Weather Condition,Weather "
    "Temperature,Apparent Temperature,Dewpoint,Humidity,Weather Pressure,Wind Speed,Wind Gust,Wind "
    "Bearing,Precipitation Intensity,Sunrise Time,Sunset Time,Moon Phase,Bike,Gear,Precipitation "
    "Probability,Precipitation Type,Cloud Cover,Weather Visibility,UV Index,Weather Ozone,Jump Count,Total "
    "Grit,Average Flow,Flagged,Average Elapsed Speed,Dirt Distance,Newly Explored Distance,Newly Explored Dirt "
    "Distance,Activity Count,Total Steps,Carbon Saved,Pool Length,Training Load,Intensity,Average Grade Adjusted "
    "Pace,Timer Time,Total Cycles";
const char* const StravaNewer = ",Recovery,With Pet,Competition,Long Run,For a Cause,With Kid,Downhill "
                                "Distance,Total Sets,Total Reps";

std::string Format(const char* format, double a, double b = 0, double c = 0)
{
    std::array<char, 128> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, a, b, c);
    return buffer.data();
}

std::string StravaDate(const TTruth& t)
{
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "\"%s %d, %d, %d:%02d:%02d %s\"", months[t.month - 1], t.day, t.year, hour12,
                  t.minute, 7, t.hour < 12 ? "AM" : "PM");
    return buffer;
}

std::string StravaName(int i)
{
    switch (i % 5) {
    case 0: return "\"Morgenlauf \xF0\x9F\x8F\x83, locker\"";
    case 1: return "\"The \"\"big\"\" one\"";
    case 2: return "Evening Ride";
    case 3: return "\"Two\nlines\"";
    default: return "Lunch Swim";
    }
}

TTruth Draw(TRepeatableNumbers& random, int year, const std::vector<const char*>& sports)
{
    TTruth t;
    t.year = year;
    t.month = 1 + random.Below(12);
    t.day = 1 + random.Below(28);
    t.hour = 5 + random.Below(15);
    t.minute = random.Below(60);
    t.sport = sports[std::size_t(random.Below(int(sports.size())))];
    t.seconds = 600 + random.Below(12000);
    t.km = t.sport == "Weight Training" || t.sport == "Strength" ? 0.0 : 1.0 + random.Below(12000) / 100.0;
    t.kcal = random.Below(4) == 0 ? 0.0 : 100.0 + random.Below(2000);
    return t;
}

// The columns the import does not read hold what a real export has there:
// speeds, grades, temperatures and weather, written with all the digits of
// a double, which makes a row about a kilobyte long.
void FillMeasurements(std::vector<std::string>& cells, int id)
{
    cells[11] = "Schuh " + std::to_string(id % 3 + 1);
    cells[12] = "activities/" + std::to_string(1000000 + id) + ".fit.gz";
    for (std::size_t i = 13; i < cells.size(); ++i) {
        if (!cells[i].empty() || (i >= 16 && i <= 38) || i == 50)
            continue;
        const double value = double((unsigned(id) * 7919u + unsigned(i) * 104729u) % 100000u) / 7.0;
        cells[i] = Format("%.12g", value);
    }
    for (std::size_t i : {18, 19, 21, 22, 23, 24, 25, 26, 27, 28, 30, 32, 35, 36})
        cells[i] = Format("%.16g", double(id % 977) / 3.0 + double(i));
}

std::string StravaRow(const TTruth& t, int id, int columns, bool resaved)
{
    std::vector<std::string> cells(static_cast<std::size_t>(columns));
    cells[0] = std::to_string(1000000 + id);
    cells[1] = StravaDate(t);
    cells[2] = StravaName(id);
    cells[3] = t.sport;
    cells[4] = id % 7 == 0 ? "\"Intervals, 5 x 1000 m\nfelt \"\"good\"\"\"" : "";
    cells[5] = std::to_string(t.seconds + 60);
    cells[6] = Format("\"%.2f\"", t.km);
    cells[9] = resaved ? "False" : "false";
    cells[15] = Format("%.1f", double(t.seconds + 60));
    cells[16] = Format("%.1f", double(t.seconds));
    cells[17] = Format("%.1f", t.km * 1000.0);
    cells[20] = Format("%.1f", double(id % 900));
    cells[29] = id % 3 == 0 ? "" : "85.5";
    cells[31] = Format("%.1f", 120.0 + id % 50);
    cells[33] = t.sport == "Ride" ? "210.3" : "";
    cells[34] = t.kcal > 0 ? Format("%.1f", t.kcal) : "";
    cells[38] = t.sport == "Ride" ? Format("%.1f", 210.3 * double(t.seconds)) : "";
    cells[50] = resaved ? "True" : "true";
    FillMeasurements(cells, id);
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i)
        row += (i ? "," : "") + cells[i];
    return row + "\n";
}

std::string Resaved(std::string header)
{
    for (const char* name : {",Elapsed Time,Moving", ",Distance,Max Speed", ",Max Heart Rate,Average Heart",
                             ",Relative Effort,Total Work", ",Commute,Total Weight"}) {
        const std::string from(name);
        const std::size_t pos = header.find(from);
        const std::size_t comma = from.find(',', 1);
        if (pos != std::string::npos)
            header.insert(pos + comma, ".1");
    }
    return header;
}

} // namespace

TExport Strava(int years, int workoutsPerYear, bool newer, bool resaved)
{
    TRepeatableNumbers random(20240601u + unsigned(years) * 7u + (newer ? 1u : 0u));
    TExport result;
    const std::vector<const char*> sports = {"Run", "Run", "Run", "Ride", "Swim", "Weight Training", "Virtual Ride"};
    for (int y = 0; y < years; ++y)
        for (int i = 0; i < workoutsPerYear; ++i)
            result.rows.push_back(Draw(random, 2015 + y, sports));
    // Not in date order: an export lists workouts as the service stores them.
    for (std::size_t i = result.rows.size(); i > 1; --i)
        std::swap(result.rows[i - 1], result.rows[std::size_t(random.Below(int(i)))]);
    std::string header = std::string(StravaHeader) + (newer ? StravaNewer : "") + ",Media";
    result.text = (resaved ? Resaved(header) : header) + "\n";
    const int columns = newer ? 103 : 94;
    for (std::size_t i = 0; i < result.rows.size(); ++i)
        result.text += StravaRow(result.rows[i], int(i), columns, resaved);
    return result;
}

TExport TrainingPeaks(int years, int workoutsPerYear)
{
    TRepeatableNumbers random(777u + unsigned(years));
    TExport result;
    const std::vector<const char*> sports = {"Run", "Bike", "Bike", "Swim", "Strength"};
    std::string header = "\"Title\",\"WorkoutType\",\"WorkoutDescription\",\"PlannedDuration\","
                         "\"PlannedDistanceInMeters\",\"WorkoutDay\",\"CoachComments\",\"DistanceInMeters\","
                         "\"PowerAverage\",\"PowerMax\",\"Energy\",\"AthleteComments\",\"TimeTotalInHours\","
                         "\"VelocityAverage\",\"VelocityMax\",\"CadenceAverage\",\"CadenceMax\","
                         "\"HeartRateAverage\",\"HeartRateMax\",\"TorqueAverage\",\"TorqueMax\",\"IF\",\"TSS\"";
    for (const char* zone : {"HRZone", "PWRZone"})
        for (int z = 1; z <= 10; ++z)
            header += std::string(",\"") + zone + std::to_string(z) + "Minutes\"";
    result.text = header + ",\"Rpe\",\"Feeling\"\r\n";
    for (int y = 0; y < years; ++y) {
        for (int i = 0; i < workoutsPerYear; ++i) {
            TTruth t = Draw(random, 2016 + y, sports);
            t.planned = random.Below(6) == 0;
            t.seconds = t.seconds / 36 * 36; // whole hundredths of an hour
            t.kcal = 0.0;
            result.rows.push_back(t);
        }
    }
    for (std::size_t i = result.rows.size(); i > 1; --i)
        std::swap(result.rows[i - 1], result.rows[std::size_t(random.Below(int(i)))]);
    for (const TTruth& t : result.rows) {
        char day[16];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", t.year, t.month, t.day);
        std::vector<std::string> cells(45);
        cells[0] = t.planned ? "Plan" : "\xD7\x90\xD7\x99\xD7\x9E\xD7\x95\xD7\x9F \"\"A\"\"";
        cells[1] = t.sport;
        cells[3] = Format("%.2f", double(t.seconds) / 3600.0);
        cells[5] = day;
        cells[7] = t.planned ? "" : Format("%.1f", t.km * 1000.0);
        cells[8] = t.sport == "Bike" && !t.planned ? "201" : "";
        cells[10] = t.sport == "Bike" && !t.planned ? Format("%.0f", 0.201 * double(t.seconds)) : "";
        cells[12] = t.planned ? "" : Format("%.2f", double(t.seconds) / 3600.0);
        cells[17] = t.planned ? "" : "141";
        cells[22] = t.planned ? "" : "55.5";
        std::string row;
        for (std::size_t i = 0; i < cells.size(); ++i)
            row += (i ? ",\"" : "\"") + cells[i] + "\"";
        result.text += row + "\r\n";
    }
    return result;
}

} // namespace SyntheticExports
