#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

// A workout summary of a FIT file: one per sport of the workout. Values the
// file does not have are 0.
struct TFitSession
{
    std::uint32_t startTime = 0; // seconds since 1989-12-31 00:00 UTC
    int sport = 0;
    int subSport = 0;
    double timerSeconds = 0.0;
    double distanceMetres = 0.0;
    double calories = 0.0; // kcal
    double averageHeartRate = 0.0;
    double averageCadence = 0.0;
    double averagePower = 0.0;
    double ascentMetres = 0.0;
    double trainingStress = 0.0;
    double workJoules = 0.0;
};

// One FIT file of a chain: its type (4 an activity, -1 when it has no
// file_id), its sessions and the UTC offset its activity message tells.
struct TFitFile
{
    int fileType = -1;
    std::vector<TFitSession> sessions;
    std::optional<long long> localOffset; // seconds east of UTC
};

// A FIT file that cannot be read; the text is the file-pane line.
class TFitError : public std::runtime_error
{
public:
    explicit TFitError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& Text() const { return text_; }

private:
    QString text_;
};

// Our own small decoder: the headers, definition and data messages of both
// byte orders, compressed timestamps, developer fields skipped, CRCs
// checked; only the file_id, session and activity messages are decoded.
namespace FitDecoder {

// Seconds from the Unix epoch to the FIT epoch.
constexpr long long FitEpoch = 631065600;

// Whether bytes start like a FIT file.
bool LooksLikeFit(std::string_view bytes);

// Every file of the chain; throws TFitError for a truncated or damaged file
// or a wrong CRC.
std::vector<TFitFile> Decode(std::string_view bytes);

} // namespace FitDecoder
