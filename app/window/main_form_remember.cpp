// What the main window keeps between runs: its place and size, the folder of
// each dialog, the lists' choice, the hidden years and the recent loads.
#include "app/window/main_form.h"

#include "app/year/evaluation_selection.h"
#include "app/view/handler_guard.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

QString EntryText(const TRecentLoad& load)
{
    QStringList names;
    for (const QString& path : load.files)
        names << QFileInfo(path).fileName();
    const QString kind = load.kind == TRecentLoad::TKind::Import ? QCoreApplication::translate("TForm1", "Import") : QCoreApplication::translate("TForm1", "Laden");
    return QStringLiteral("%1: %2").arg(kind, names.join(QStringLiteral(", ")));
}

bool AllFilesExist(const QStringList& files)
{
    return std::all_of(files.cbegin(), files.cend(), [](const QString& path) { return QFileInfo(path).isFile(); });
}

} // namespace

// Beside the import button; its menu is filled each time it opens, so an
// entry whose files are gone shows greyed.
void TForm1::CreateRecentButton()
{
    recentButton_ = new QPushButton(tr("Zuletzt geöffnet"), this);
    recentButton_->setObjectName(QStringLiteral("RECENT_Loads"));
    recentButton_->setGeometry(808, 8, 123, 30);
    QFont font = recentButton_->font();
    font.setFamily(QStringLiteral("Verdana"));
    font.setPixelSize(12);
    recentButton_->setFont(font);
    recentButton_->setToolTip(
        tr("Die letzten %1 Ladevorgänge und Importe erneut öffnen.").arg(TRecentLoads::MaxEntries));
    auto* menu = new QMenu(recentButton_);
    recentButton_->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this] { GuardHandler([this] { FillRecentMenu(); }); });
}

void TForm1::FillRecentMenu()
{
    QMenu* menu = recentButton_->menu();
    menu->clear();
    for (int i = 0; i < recent_.Entries().size(); ++i) {
        const TRecentLoad& load = recent_.Entries()[i];
        QAction* action = menu->addAction(EntryText(load));
        action->setToolTip(load.files.join(QLatin1Char('\n')));
        action->setEnabled(AllFilesExist(load.files));
        connect(action, &QAction::triggered, this, [this, i] { GuardHandler([this, i] { ReopenRecent(i); }); });
    }
    if (menu->isEmpty())
        menu->addAction(tr("(noch nichts geladen)"))->setEnabled(false);
}

void TForm1::ReopenRecent(int entry)
{
    if (entry < 0 || entry >= recent_.Entries().size())
        return;
    const TRecentLoad load = recent_.Entries()[entry];
    if (load.kind == TRecentLoad::TKind::Import) {
        RememberLoad(load.kind, load.files);
        ImportExports(load.files, {});
        return;
    }
    PrepareLoad();
    LoadOrImport(load.files, {});
}

void TForm1::RememberLoad(TRecentLoad::TKind kind, const QStringList& files)
{
    recent_.Add({kind, files});
    if (settings_)
        settings_->SetRecentLoads(recent_);
}

void TForm1::UseSettings(std::unique_ptr<TWindowSettings> settings)
{
    settings_ = std::move(settings);
    if (!settings_)
        return;
    RestoreGeometry(settings_->Geometry());
    for (const TDialogFolder dialog : {TDialogFolder::YearFiles, TDialogFolder::Import, TDialogFolder::Picture})
        folders_[std::size_t(dialog)] = settings_->LastFolder(dialog);
    RestoreEvaluation(settings_->Evaluation());
    for (int total = 0; total < int(goals_.size()); ++total)
        goals_[std::size_t(total)] = settings_->Goal(total);
    hiddenYears_ = settings_->HiddenYears();
    ShowSeasonStart(settings_->SeasonStart());
    recent_ = settings_->RecentLoads();
}

// Qt's restore moves a window of a screen that is gone onto the primary one
// and shrinks it to fit; what still lies on no screen is centred as at start.
void TForm1::RestoreGeometry(const QByteArray& saved)
{
    if (saved.isEmpty() || !restoreGeometry(saved))
        return;
    if (QGuiApplication::screenAt(geometry().center()) != nullptr)
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (settings_)
        settings_->SetGeometry(saveGeometry());
    QWidget::closeEvent(event);
}

const QString& TForm1::StartFolder(TDialogFolder dialog) const { return folders_[std::size_t(dialog)]; }

void TForm1::RememberFolder(TDialogFolder dialog, const QString& chosenPath)
{
    const QString folder = QFileInfo(chosenPath).absolutePath();
    folders_[std::size_t(dialog)] = folder;
    if (settings_)
        settings_->SetLastFolder(dialog, folder);
}

// The lists are hidden until a load: the metric's name waits as the list's
// text, and a load selects it when the files have that column.
void TForm1::RestoreEvaluation(const TRememberedEvaluation& remembered)
{
    const QSignalBlocker modeQuiet(cbArt_);
    const QSignalBlocker metricQuiet(cbWahl_);
    const QSignalBlocker totalQuiet(cbKum_);
    if (remembered.mode && *remembered.mode >= 0 && *remembered.mode < cbArt_->count())
        cbArt_->setCurrentIndex(*remembered.mode);
    if (remembered.total && *remembered.total >= 0 && *remembered.total < cbKum_->count())
        cbKum_->setCurrentIndex(*remembered.total);
    if (!remembered.metric.isEmpty())
        cbWahl_->setEditText(remembered.metric);
}

// Only entries count: a typed text is no choice to come back to.
void TForm1::RememberEvaluation()
{
    if (!settings_)
        return;
    TRememberedEvaluation remembered = settings_->Evaluation();
    if (cbArt_->currentIndex() >= 0 && cbArt_->itemText(cbArt_->currentIndex()) == cbArt_->currentText())
        remembered.mode = cbArt_->currentIndex();
    if (cbWahl_->findText(cbWahl_->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
        remembered.metric = cbWahl_->currentText();
    if (cbKum_->currentIndex() >= 0 && cbKum_->itemText(cbKum_->currentIndex()) == cbKum_->currentText())
        remembered.total = cbKum_->currentIndex();
    settings_->SetEvaluation(remembered);
}

void TForm1::RememberYearHidden(int year, bool hidden)
{
    hiddenYears_.removeAll(year);
    if (hidden)
        hiddenYears_ << year;
    if (settings_)
        settings_->SetHiddenYears(hiddenYears_);
}

// The remembered hidden years, by year number, among the years a load
// draws; the last drawn year is never hidden.
void TForm1::ApplyHiddenYears()
{
    view_->HideYears(std::vector<int>(hiddenYears_.cbegin(), hiddenYears_.cend()));
}
