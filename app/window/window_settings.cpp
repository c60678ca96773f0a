#include "app/window/window_settings.h"

#include "app/window/user_settings.h"

#include <QSettings>

#include <cmath>

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString ModeKey = QStringLiteral("evaluation/mode");
const QString MetricKey = QStringLiteral("evaluation/metric");
const QString TotalKey = QStringLiteral("evaluation/total");
const QString HiddenYearsKey = QStringLiteral("chart/hiddenYears");
const QString RecentKey = QStringLiteral("recent");
const QString LanguageKey = QStringLiteral("window/language");
const QString GoalKey = QStringLiteral("goals/total%1");
const QString SeasonStartKey = QStringLiteral("chart/seasonStart");
const QString RecentKindKey = QStringLiteral("kind");
const QString RecentFilesKey = QStringLiteral("files");
const QString ImportKind = QStringLiteral("import");
const QString LoadKind = QStringLiteral("load");

QString FolderKey(TDialogFolder dialog)
{
    switch (dialog) {
    case TDialogFolder::YearFiles: return QStringLiteral("folders/yearFiles");
    case TDialogFolder::Import: return QStringLiteral("folders/import");
    case TDialogFolder::Picture: return QStringLiteral("folders/picture");
    }
    return {};
}

std::optional<int> OptionalInt(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void SetOptionalInt(QSettings& settings, const QString& key, std::optional<int> value)
{
    if (value)
        settings.setValue(key, *value);
    else
        settings.remove(key);
}

} // namespace

TWindowSettings::TWindowSettings(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

TWindowSettings::~TWindowSettings() = default;

std::unique_ptr<TWindowSettings> TWindowSettings::User()
{
    return std::make_unique<TWindowSettings>(UserSettings::Open());
}

QByteArray TWindowSettings::Geometry() const { return settings_->value(GeometryKey).toByteArray(); }

void TWindowSettings::SetGeometry(const QByteArray& geometry) { settings_->setValue(GeometryKey, geometry); }

QString TWindowSettings::LastFolder(TDialogFolder dialog) const
{
    return settings_->value(FolderKey(dialog)).toString();
}

void TWindowSettings::SetLastFolder(TDialogFolder dialog, const QString& folder)
{
    settings_->setValue(FolderKey(dialog), folder);
}

TRememberedEvaluation TWindowSettings::Evaluation() const
{
    return {OptionalInt(*settings_, ModeKey), settings_->value(MetricKey).toString(),
            OptionalInt(*settings_, TotalKey)};
}

void TWindowSettings::SetEvaluation(const TRememberedEvaluation& evaluation)
{
    SetOptionalInt(*settings_, ModeKey, evaluation.mode);
    settings_->setValue(MetricKey, evaluation.metric);
    SetOptionalInt(*settings_, TotalKey, evaluation.total);
}

std::optional<double> TWindowSettings::Goal(int total) const
{
    bool ok = false;
    const double goal = settings_->value(GoalKey.arg(total)).toDouble(&ok);
    return ok && std::isfinite(goal) && goal > 0 ? std::optional<double>(goal) : std::nullopt;
}

void TWindowSettings::SetGoal(int total, std::optional<double> goal)
{
    if (goal)
        settings_->setValue(GoalKey.arg(total), *goal);
    else
        settings_->remove(GoalKey.arg(total));
}

QList<int> TWindowSettings::HiddenYears() const
{
    QList<int> years;
    // An edited file may hold anything: only numbers count.
    for (const QVariant& year : settings_->value(HiddenYearsKey).toList()) {
        bool ok = false;
        const int number = year.toInt(&ok);
        if (ok)
            years << number;
    }
    return years;
}

void TWindowSettings::SetHiddenYears(const QList<int>& years)
{
    QVariantList list;
    for (const int year : years)
        list << year;
    settings_->setValue(HiddenYearsKey, list);
}

TRecentLoads TWindowSettings::RecentLoads() const
{
    QList<TRecentLoad> entries;
    const int count = settings_->beginReadArray(RecentKey);
    for (int i = 0; i < count; ++i) {
        settings_->setArrayIndex(i);
        const bool import = settings_->value(RecentKindKey).toString() == ImportKind;
        entries << TRecentLoad{import ? TRecentLoad::TKind::Import : TRecentLoad::TKind::Load,
                               settings_->value(RecentFilesKey).toStringList()};
    }
    settings_->endArray();
    return TRecentLoads(entries);
}

void TWindowSettings::SetRecentLoads(const TRecentLoads& recent)
{
    settings_->remove(RecentKey);
    settings_->beginWriteArray(RecentKey, int(recent.Entries().size()));
    for (int i = 0; i < recent.Entries().size(); ++i) {
        const TRecentLoad& load = recent.Entries()[i];
        settings_->setArrayIndex(i);
        settings_->setValue(RecentKindKey, load.kind == TRecentLoad::TKind::Import ? ImportKind : LoadKind);
        settings_->setValue(RecentFilesKey, load.files);
    }
    settings_->endArray();
}

std::optional<TUiLanguage> TWindowSettings::Language() const
{
    return UiLanguage::FromCode(settings_->value(LanguageKey).toString());
}

void TWindowSettings::SetLanguage(std::optional<TUiLanguage> language)
{
    if (language)
        settings_->setValue(LanguageKey, UiLanguage::Code(*language));
    else
        settings_->remove(LanguageKey);
}

TSeasonStart TWindowSettings::SeasonStart() const
{
    return TSeasonStart::Parse(settings_->value(SeasonStartKey).toString()).value_or(TSeasonStart{});
}

void TWindowSettings::SetSeasonStart(const TSeasonStart& start)
{
    if (start.IsNewYear())
        settings_->remove(SeasonStartKey);
    else
        settings_->setValue(SeasonStartKey, start.Text());
}
