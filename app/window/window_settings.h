#pragma once

#include "app/window/recent_loads.h"
#include "app/window/ui_language.h"
#include "app/year/season_start.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QSettings;

// The dialogs that each start in the folder of their last choice.
enum class TDialogFolder { YearFiles, Import, Picture };

// The lists as last chosen: the mode's entry, the column metric by its
// name (the loaded files decide which exist), the total's entry.
struct TRememberedEvaluation
{
    std::optional<int> mode;
    QString metric;
    std::optional<int> total;

    bool operator==(const TRememberedEvaluation&) const = default;
};

// What the main window keeps between runs, with typed values. A window
// without it (command-line exports, tests) keeps nothing.
class TWindowSettings
{
public:
    // Reads and writes the given settings.
    explicit TWindowSettings(std::unique_ptr<QSettings> settings);
    ~TWindowSettings();

    // The user's settings of Kaldoro.
    static std::unique_ptr<TWindowSettings> User();

    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);

    QString LastFolder(TDialogFolder dialog) const;
    void SetLastFolder(TDialogFolder dialog, const QString& folder);

    TRememberedEvaluation Evaluation() const;
    void SetEvaluation(const TRememberedEvaluation& evaluation);

    // Years by number: a year hidden once stays hidden whenever it is loaded.
    QList<int> HiddenYears() const;
    void SetHiddenYears(const QList<int>& years);

    // The goal of the running total, per entry of the totals list.
    std::optional<double> Goal(int total) const;
    void SetGoal(int total, std::optional<double> goal);

    // The language chosen in the window; none: the system's.
    std::optional<TUiLanguage> Language() const;
    void SetLanguage(std::optional<TUiLanguage> language);

    // The day the seasons begin; a stored text that is no start reads as 1 January.
    TSeasonStart SeasonStart() const;
    void SetSeasonStart(const TSeasonStart& start);

    TRecentLoads RecentLoads() const;
    void SetRecentLoads(const TRecentLoads& recent);

private:
    std::unique_ptr<QSettings> settings_;
};
