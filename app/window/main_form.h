#pragma once

#include "app/view/year_view.h"
#include "app/window/open_file_dialog.h"
#include "app/window/print_preview.h"
#include "app/window/recent_loads.h"
#include "app/window/save_picture_dialog.h"
#include "app/window/window_settings.h"
#include "chart/series/mouse_input.h"

#include <QCoreApplication>
#include <QDate>
#include <QSize>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class TChart;
class TComboBoxItems;
struct TDroppedItems;
class THelpWindow;
struct TImportedYears;
class TLoadNarration;
class TLoadPane;

// The main window: the load button, the three drop-down lists, the chart
// and below it the file pane with its status line. Before the first chart
// a hint in the chart's place says how to load years.
class TForm1 : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    static constexpr int DesignWidth = 939;
    static constexpr int DesignHeight = 645;
    // The chart fills the window below the top row, but for a small margin.
    static constexpr int ChartTop = 45;
    static constexpr int ChartMargin = 5;
    // The chart needs this much height for its title, legend, axes and a plot.
    static constexpr int MinChartHeight = 300;
    // Below the chart: the status line of the file pane, and a few of its lines.
    static constexpr int PaneStatusHeight = 18;
    static constexpr int PaneHeight = 76;
    // The chart's size in a window of the given size; at the design size it
    // is also the size of the pictures written without a window.
    static constexpr QSize ChartSize(QSize window)
    {
        return {window.width() - 2 * ChartMargin,
                window.height() - ChartMargin - PaneHeight - PaneStatusHeight - ChartTop};
    }
    static constexpr QSize DesignChartSize() { return ChartSize({DesignWidth, DesignHeight}); }

    explicit TForm1(std::unique_ptr<TOpenFileDialog> openDialog = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // Handlers, named after control and event.
    void FormCreate();
    void FormResize();
    void LOAD_JDataClick();
    void IMPORT_ExportClick(); // a workout export, through the import dialog
    void CB_WahlChange();
    // The value panel while a button is pressed on the plot.
    void ChartMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void ChartMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The year pick list, opened by a click on the legend; a pick (a click,
    // Return) toggles a year and closes the list, Space toggles and keeps it.
    void ChartClickLegend(TMouseButton button, TShiftState shift, int x, int y);
    void LBoxClick();
    void ClosePickList();
    // Keys of the whole window: Ctrl+O is the load button, Esc closes the
    // pick list or else undoes a zoom, pan or wheel turn of the chart, F1
    // shows the help window.
    void EscapePressed();
    void UndoChartZoom();
    void ShowHelp();
    THelpWindow* HelpWindow() const { return helpWindow_; }

    // The chart as a picture (main_form_picture.cpp): saved as PNG, SVG or
    // PDF through the save dialog (Ctrl+S), copied to the clipboard (Ctrl+C),
    // printed through the print preview (Ctrl+P). Each does nothing while
    // no chart is shown.
    void SaveChartPicture();
    void CopyChartPicture();
    void PrintChart();
    // Replaces the dialogs of the picture commands (tests answer them).
    void SetPictureDialogs(std::unique_ptr<TSavePictureDialog> save, std::unique_ptr<TPrintPreview> print);

    // The load with the given paths, exactly as if they had been chosen in
    // the open-file dialog (used for files named on the command line).
    void LoadFiles(const QStringList& paths);
    // The chosen years of a workout export, loaded as year files would be.
    void LoadImportedYears(const TImportedYears& imported);

    // Selects a mode and a metric as the user would (for the command line):
    // the metric indexes the metric list the mode uses. Runs the change
    // handler once. Returns an error text when an index is out of range.
    QString SelectEvaluation(std::optional<int> mode, std::optional<int> metric);

    // What the window keeps between runs (main_form_remember.cpp): its place
    // and size, the dialogs' folders, the lists, the hidden years and the
    // recent loads. Restores them now; without settings they last the run.
    void UseSettings(std::unique_ptr<TWindowSettings> settings);
    // The years hidden in the chart, by number: hidden again whenever loaded.
    const QList<int>& HiddenYears() const { return hiddenYears_; }
    void RememberYearHidden(int year, bool hidden);
    // The "Zuletzt geöffnet" menu: entry i loads as the load button or the
    // import button did.
    const TRecentLoads& RecentLoads() const { return recent_; }
    void ReopenRecent(int entry);
    QPushButton* RecentButton() const { return recentButton_; }
    // The language for the next start, right of the pane's status line.
    QComboBox* LanguageBox() const { return languageBox_; }
    void LanguageChosen();

    QTextEdit* Memo() const { return memo_; }
    QPushButton* LOAD_JData() const { return loadButton_; }
    QComboBox* CB_Wahl() const { return cbWahl_; }
    TChart* Chart() const { return chart_; }
    QComboBox* CB_Kum() const { return cbKum_; }
    QListWidget* Sortlist() const { return sortlist_; }
    QComboBox* CB_Art() const { return cbArt_; }
    QLineEdit* E_SKA() const { return eSka_; }
    QPlainTextEdit* Memo1() const { return memo1_; }
    QLabel* Show_DAT() const { return showDat_; }
    QListWidget* LBox() const { return lBox_; }
    QLabel* StartHint() const { return startHint_; }
    QLabel* PaneStatus() const { return paneStatus_; }
    // The goal of the running total, typed at the chart's top left while
    // that mode is shown (main_form_goal.cpp); remembered per total.
    QLineEdit* E_Ziel() const { return goalEdit_; }
    void GoalEdited();
    // A goal for every total of this run, remembered nowhere (the command line).
    void SetGoalForRun(std::optional<double> goal) { goalForRun_ = goal; }
    // The day the seasons begin, chosen or typed at the chart's top left
    // (main_form_season.cpp); remembered. A start for this run alone (the
    // command line) is remembered only once the user changes it.
    QComboBox* CB_Saison() const { return seasonBox_; }
    void SeasonEdited();
    void SetSeasonStartForRun(const TSeasonStart& start) { ShowSeasonStart(start); }

    // The year chart the window shows: the loaded years, their evaluation
    // and the chart's content.
    TYearView& View() const { return *view_; }
    // Which loaded years are drawn; a load draws the latest eight.
    const TDrawnYears& DrawnYears() const { return view_->DrawnYears(); }
    // Hides the loaded years of these numbers (never the last drawn one)
    // and draws the chart again.
    void HideYears(const std::vector<int>& years) { view_->HideYears(years); }

    const TYearStore& YearStore() const { return view_->YearStore(); }
    const TEvaluationState& EvaluationState() const { return view_->EvaluationState(); }

    QStringList MemoLines() const;

    // The date taken as today: the system's, unless one is fixed (scripts
    // and tests must not depend on the day they run). Years from today's on
    // are not over, and their running lines end at their last row.
    QDate Today() const { return view_->Today(); }
    void SetToday(const QDate& today) { view_->SetToday(today); }

    // Raised with every line written to the file pane: a run without a
    // window passes them on, since nobody sees the pane there.
    std::function<void(const QString& line)> OnFilePaneLine;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the window load as the load button's would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls();
    void CreateRecentButton();
    void CreateLanguageChoice();
    void PlaceLanguageChoice(int statusTop);
    void FillRecentMenu();
    void RememberLoad(TRecentLoad::TKind kind, const QStringList& files);
    void RememberEvaluation();
    void RestoreEvaluation(const TRememberedEvaluation& remembered);
    void RestoreGeometry(const QByteArray& geometry);
    // After a load: the remembered hidden years of it hidden, all others shown.
    void ApplyHiddenYears();
    const QString& StartFolder(TDialogFolder dialog) const;
    void RememberFolder(TDialogFolder dialog, const QString& chosenPath);
    void CreatePictureActions();
    void CreateListsAndChart();
    void CreateChartChildren();
    // The pane told a load: its lines, findings and progress.
    class TPane;
    TLoadPane& Pane() const;
    void PrepareLoad();
    void ReadChosenFiles(const QStringList& paths);
    // After the files of a load: the drawn years, the lists and the first chart.
    void FinishLoad(TLoadNarration& narration);
    // The running total of distance (or duration), in both lists and drawn.
    void ShowFirstChart();
    void AppendMemoLine(const QString& text);
    // A line about a file that was not read as it stands: counted for the status line.
    void AppendFinding(const QString& text);
    void ShowLoadStatus();
    void SetPaneStatus(const QString& text, bool warning);
    void CreateGoalField();
    void CreateSeasonField();
    // The start into the view and the field; a chart shown is drawn anew.
    void ShowSeasonStart(const TSeasonStart& start);
    // The goal of the total shown, into the view; the field shown in the
    // running total only.
    void ApplyGoal();
    void ConnectLists();
    void ConnectValuePanelAndPickList();
    void ConnectKeysAndDrops();
    void CreateShortcuts();
    void SetToolTips();
    void EnableFileDrops();
    void LoadDropped(const TDroppedItems& items);
    void ConnectPickList();
    void SyncPickList();
    void PickYear(int row);
    void ToggleYearInPickList(int row);
    void ToggleYear(int row);
    // Chosen or dropped files: year files load, a workout export goes to the
    // import dialog (main_form_route.cpp).
    void LoadOrImport(const QStringList& paths, const QStringList& leadingLines);
    // The import dialog for the exports, read as one; routeLines follow the
    // import's pane lines.
    void ImportExports(const QStringList& paths, const QStringList& routeLines);
    void SetMinimumSizeForControls();
    QComboBox* MetricListBox(TMetricList list) const;
    void ShowModeMetric();
    // A change of one of the three lists; a mode change shows a metric first.
    void ListChange(QComboBox* box);
    void ApplyRequest(const TEvaluationRequest& request);

    // Controls, owned by their Qt parents.
    QTextEdit* memo_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QComboBox* cbWahl_ = nullptr;
    TChart* chart_ = nullptr;
    QComboBox* cbKum_ = nullptr;
    QListWidget* sortlist_ = nullptr;
    QComboBox* cbArt_ = nullptr;
    QLineEdit* eSka_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QLabel* showDat_ = nullptr;
    QListWidget* lBox_ = nullptr;
    QLabel* startHint_ = nullptr;
    QLabel* paneStatus_ = nullptr;
    QComboBox* languageBox_ = nullptr;
    QLabel* goalLabel_ = nullptr;
    QLineEdit* goalEdit_ = nullptr;
    QComboBox* seasonBox_ = nullptr;
    THelpWindow* helpWindow_ = nullptr; // made on the first F1

    // Year data, alive for the whole run.
    std::unique_ptr<TOpenFileDialog> openDialog_;
    std::unique_ptr<TSavePictureDialog> saveDialog_;
    std::unique_ptr<TPrintPreview> printPreview_;
    std::unique_ptr<TComboBoxItems> metricItems_;
    std::unique_ptr<TYearView> view_;
    std::unique_ptr<TPane> pane_;
    int loadFindings_ = 0;
    // Set by a text change until the events of that moment are handled: a
    // pick that changed the text then does not run the handler twice.
    bool textChangedByPick_ = false;

    // Kept between runs when settings_ is set.
    std::unique_ptr<TWindowSettings> settings_;
    QPushButton* recentButton_ = nullptr;
    TRecentLoads recent_;
    QList<int> hiddenYears_;
    std::array<QString, 3> folders_; // by TDialogFolder
    std::array<std::optional<double>, TYearStore::SumMetricCount> goals_{}; // by entry of the totals list
    std::optional<double> goalForRun_;
};
