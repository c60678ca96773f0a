#include "app/window/main_form.h"

#include "app/window/combo_box_items.h"
#include "app/window/fixed_height_delegate.h"
#include "app/view/handler_guard.h"
#include "app/view/load_narration.h"
#include "app/view/load_pane.h"
#include "app/window/open_file_dialog.h"
#include "app/year/load_report.h"
#include "app/year/year_counts.h"
#include "app/year/year_evaluation.h"
#include "chart/panel/chart.h"
#include "chart/canvas/colour.h"
#include "kaldoro_version.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

QFont PixelFont(const QString& family, int pixelSize, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont FormFont() { return PixelFont(QStringLiteral("MS Sans Serif"), 11); }
QFont ListFont() { return PixelFont(QStringLiteral("Verdana"), 15); }

// A control's "Color": the window colour of panels and forms, the base
// colour of edits and lists. Only that role changes, so the children of
// the form keep their own colours.
void SetBackground(QWidget* widget, QPalette::ColorRole role, TColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(ResolveColour(colour)));
    widget->setPalette(palette);
    widget->setAutoFillBackground(role == QPalette::Window);
}

void SetItemHeight(QComboBox* box, int height)
{
    box->setItemDelegate(new TFixedHeightDelegate(height, box));
}

void SetItemHeight(QListWidget* list, int height)
{
    list->setItemDelegate(new TFixedHeightDelegate(height, list));
}

// The entry the list shows: a reload may leave an entry's text shown
// without its index. A typed text that is no entry has no index.
TListChoice ChoiceOf(const QComboBox* box)
{
    const int index = box->currentIndex();
    const QString text = box->currentText();
    if (index >= 0 && box->itemText(index) == text)
        return {index, text};
    return {box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive), text};
}

QComboBox* MakeDropDown(QWidget* parent, const char* name, QRect geometry, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setGeometry(geometry);
    box->setFont(ListFont());
    SetItemHeight(box, 18);
    box->addItems(items);
    box->hide();
    return box;
}

} // namespace

// The file pane as a load tells it: lines, findings counted for the status
// line, and the pane painted around each file read.
class TForm1::TPane : public TLoadPane
{
public:
    explicit TPane(TForm1& form) : form_(form) {}
    void Line(const QString& text) override { form_.AppendMemoLine(text); }
    void Finding(const QString& text) override { form_.AppendFinding(text); }
    void FileStep() override { form_.memo_->repaint(); }

private:
    TForm1& form_;
};

TForm1::TForm1(std::unique_ptr<TOpenFileDialog> openDialog, QWidget* parent)
    : QWidget(parent),
      openDialog_(openDialog ? std::move(openDialog) : std::make_unique<TQtOpenFileDialog>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kaldoro"));
    setFont(FormFont());
    SetBackground(this, QPalette::Window, clGray);
    resize(DesignWidth, DesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    CreateControls();
    CreateGoalField();
    CreateSeasonField();
    SetMinimumSizeForControls();
    metricItems_ = std::make_unique<TComboBoxItems>(cbWahl_);
    view_ = std::make_unique<TYearView>(*chart_, *metricItems_);
    pane_ = std::make_unique<TPane>(*this);
    ConnectLists();
    ConnectValuePanelAndPickList();
    ConnectKeysAndDrops();
    CreatePictureActions();
    FormCreate();
    // A hidden window gets its first resize event only when shown; lay out now.
    FormResize();
}

TForm1::~TForm1() = default;

TLoadPane& TForm1::Pane() const
{
    return *pane_;
}

void TForm1::CreateControls()
{
    memo_ = new QTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setGeometry(8, 48, 825, 553);
    memo_->setFont(PixelFont(QStringLiteral("Courier"), 11, true));
    memo_->setAcceptRichText(false);
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setLineWrapMode(QTextEdit::NoWrap);

    paneStatus_ = new QLabel(this);
    paneStatus_->setObjectName(QStringLiteral("PaneStatus"));

    loadButton_ = new QPushButton(tr("LOAD Jahres Daten"), this);
    loadButton_->setObjectName(QStringLiteral("LOAD_JData"));
    loadButton_->setGeometry(8, 8, 161, 30);
    loadButton_->setFont(ListFont());
    connect(loadButton_, &QPushButton::clicked, this, [this] { GuardHandler([this] { LOAD_JDataClick(); }); });

    // Beside the lists, which a load shows right of the load button.
    auto* importButton = new QPushButton(tr("Export importieren"), this);
    importButton->setObjectName(QStringLiteral("IMPORT_Export"));
    importButton->setGeometry(640, 8, 161, 30);
    importButton->setFont(ListFont());
    connect(importButton, &QPushButton::clicked, this,
            [this] { GuardHandler([this] { IMPORT_ExportClick(); }); });
    CreateRecentButton();
    CreateLanguageChoice();

    CreateListsAndChart();
}

// Created in tab order, which is also the stacking order: the chart lies
// between the two metric lists.
void TForm1::CreateListsAndChart()
{
    cbWahl_ = MakeDropDown(this, "CB_Wahl", QRect(176, 8, 200, 26), {});
    cbWahl_->setEditText(tr("Jahreswerte "));

    // In the chart's place and below it: the chart, once shown, covers it.
    startHint_ = new QLabel(tr("Noch keine Jahre geladen.\n\n"
                               "Jahresdateien laden: Knopf „LOAD Jahres Daten“ oder Strg+O\n"
                               "Einen Trainingsexport importieren: Knopf „Export importieren“\n"
                               "oder Dateien hierher ziehen"),
                            this);
    startHint_->setObjectName(QStringLiteral("StartHint"));
    startHint_->setAlignment(Qt::AlignCenter);
    startHint_->setFont(ListFont());
    SetBackground(startHint_, QPalette::Window, clSilver);

    chart_ = new TChart(this);
    chart_->setObjectName(QStringLiteral("Chart"));
    chart_->setGeometry(2, 48, 831, 553);
    // The chart catches what its mouse handling and its paint throw; it is
    // shown like any other error of an event handler.
    chart_->OnException = [](std::exception_ptr error) { ReportHandlerError(error); };
    chart_->hide();
    CreateChartChildren();

    cbKum_ = MakeDropDown(this, "CB_Kum", QRect(600, 8, 200, 26), TotalsListEntries());
    cbKum_->setCurrentIndex(0);

    sortlist_ = new QListWidget(this);
    sortlist_->setObjectName(QStringLiteral("Sortlist"));
    sortlist_->setGeometry(856, 80, 49, 137);
    sortlist_->setSortingEnabled(true);
    SetItemHeight(sortlist_, 13);
    sortlist_->hide();

    cbArt_ = MakeDropDown(this, "CB_Art", QRect(392, 8, 225, 26),
                          {tr("Datumsmäßig sortiert"), tr("Wertemäßig sortiert "), tr("Mittelwert Verlauf"),
                           tr("Monatsmittel"), tr("Werte kumulierte"), tr("Kumuliert (monatsweise)")});
    cbArt_->setCurrentIndex(0);

    setTabOrder(memo_, loadButton_);
    setTabOrder(loadButton_, cbWahl_);
    setTabOrder(cbWahl_, chart_);
    setTabOrder(chart_, cbKum_);
    setTabOrder(cbKum_, sortlist_);
    setTabOrder(sortlist_, cbArt_);
}

void TForm1::CreateChartChildren()
{
    eSka_ = new QLineEdit(QStringLiteral("E_SKA"), chart_);
    eSka_->setObjectName(QStringLiteral("E_SKA"));
    eSka_->setGeometry(40, 3, 41, 21);
    SetBackground(eSka_, QPalette::Base, clMoneyGreen);
    eSka_->hide();

    memo1_ = new QPlainTextEdit(QStringLiteral("Memo1"), chart_);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(16, 168, 513, 353);
    memo1_->hide();

    showDat_ = new QLabel(QStringLiteral("Show_DAT"), chart_);
    showDat_->setObjectName(QStringLiteral("Show_DAT"));
    showDat_->setGeometry(320, 392, 217, 41);
    showDat_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    showDat_->setAlignment(Qt::AlignCenter);
    showDat_->setFont(ListFont());
    SetBackground(showDat_, QPalette::Window, clGradientActiveCaption);
    showDat_->hide();

    lBox_ = new QListWidget(chart_);
    lBox_->setObjectName(QStringLiteral("LBox"));
    lBox_->setGeometry(544, 408, 105, 89);
    SetBackground(lBox_, QPalette::Base, clInactiveCaption);
    SetItemHeight(lBox_, 13);
    lBox_->hide();
}

// Every control of the top row whole, and the chart below it with room to draw.
void TForm1::SetMinimumSizeForControls()
{
    constexpr int margin = 8;
    int right = 0;
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        // The totals list takes the metric list's place once a load shows it.
        if (child->y() < ChartTop && child != cbKum_)
            right = std::max(right, child->geometry().right() + 1);
    setMinimumSize(right + margin, ChartTop + MinChartHeight + PaneStatusHeight + PaneHeight + ChartMargin);
}

void TForm1::FormCreate()
{
    setWindowTitle(QStringLiteral("Kaldoro     (V %1)").arg(QStringLiteral(KALDORO_VERSION)));
    // Qt widgets paint through an off-screen buffer already: nothing to switch on.
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    GuardHandler([this] { FormResize(); });
}

void TForm1::FormResize()
{
    const int cw = width();
    const int ch = height();
    const int paneTop = ch - ChartMargin - PaneHeight;
    const int statusTop = paneTop - PaneStatusHeight;
    chart_->setGeometry(QRect(QPoint(ChartMargin, ChartTop), ChartSize({cw, ch})));
    startHint_->setGeometry(chart_->geometry());
    PlaceLanguageChoice(statusTop);
    memo_->setGeometry(8, paneTop, cw - 15, PaneHeight);
}

void TForm1::PrepareLoad()
{
    ClosePickList();
    chart_->hide();
    cbWahl_->hide();
    cbKum_->hide();
    cbKum_->move(cbWahl_->x(), cbKum_->y());
    cbWahl_->raise();
    cbArt_->hide();
    view_->BeginLoad();
    memo_->clear();
    loadFindings_ = 0;
    SetPaneStatus({}, false);
}

void TForm1::LOAD_JDataClick()
{
    PrepareLoad();
    openDialog_->SetStartFolder(StartFolder(TDialogFolder::YearFiles));
    const auto chosen = openDialog_->Execute(this, QStringLiteral("*.csv"));
    if (!chosen)
        return;
    if (!chosen->isEmpty())
        RememberFolder(TDialogFolder::YearFiles, chosen->constFirst());
    LoadOrImport(*chosen, {});
}

void TForm1::LoadFiles(const QStringList& paths)
{
    PrepareLoad();
    RememberLoad(TRecentLoad::TKind::Load, paths);
    ReadChosenFiles(paths);
}

void TForm1::ReadChosenFiles(const QStringList& paths)
{
    TLoadNarration narration(*view_, Pane());
    narration.ReadYearFiles(paths);
    FinishLoad(narration);
}

void TForm1::FinishLoad(TLoadNarration& narration)
{
    const int years = narration.Finish();
    cbWahl_->show();
    cbKum_->show();
    cbArt_->show();
    ApplyHiddenYears();
    ShowLoadStatus();
    if (years > 0) {
        ShowFirstChart();
        return;
    }
    // Nothing to draw: the hint stays, and the lists show what a change would draw.
    ShowModeMetric();
    MetricListBox(MetricListOf(cbArt_->currentIndex()))->raise();
}

void TForm1::ShowFirstChart()
{
    {
        const QSignalBlocker quietMode(cbArt_);
        const QSignalBlocker quietTotal(cbKum_);
        cbArt_->setCurrentIndex(int(TEvalMode::Cumulative));
        cbKum_->setCurrentIndex(FirstChartTotal(view_->YearStore()));
    }
    CB_WahlChange();
}

void TForm1::AppendFinding(const QString& text)
{
    ++loadFindings_;
    AppendMemoLine(text);
}

// "13 Jahre geladen", and in a colour that stands out, how many files the
// pane has something to say about.
void TForm1::ShowLoadStatus()
{
    const int years = view_->DrawnYears().Count();
    QString text = years == 1 ? tr("1 Jahr geladen") : tr("%1 Jahre geladen").arg(years);
    if (loadFindings_ > 0)
        text += loadFindings_ == 1 ? tr(" – 1 Hinweis in der Dateiliste unten")
                                : tr(" – %1 Hinweise in der Dateiliste unten").arg(loadFindings_);
    SetPaneStatus(text, loadFindings_ > 0);
}

void TForm1::SetPaneStatus(const QString& text, bool warning)
{
    paneStatus_->setText(text);
    QFont font = FormFont();
    font.setBold(warning);
    paneStatus_->setFont(font);
    QPalette palette = paneStatus_->palette();
    palette.setColor(QPalette::WindowText, warning ? QColor(0x80, 0, 0) : QColor(Qt::black));
    paneStatus_->setPalette(palette);
}

// A mode or a load draws what the mode's metric list shows: one of its
// entries, the one shown before or else the first, never a text that is
// none (the list's initial one).
void TForm1::ShowModeMetric()
{
    const int mode = ChoiceOf(cbArt_).index;
    if (mode < 0)
        return;
    QComboBox* metrics = MetricListBox(MetricListOf(mode));
    if (metrics->count() == 0)
        return;
    const QSignalBlocker quiet(metrics);
    metrics->setCurrentIndex(std::max(ChoiceOf(metrics).index, 0));
}

QComboBox* TForm1::MetricListBox(TMetricList list) const
{
    return list == TMetricList::Wahl ? cbWahl_ : cbKum_;
}

void TForm1::AppendMemoLine(const QString& text)
{
    // Plain text: a path may contain characters that read as markup.
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    if (!memo_->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
    if (OnFilePaneLine)
        OnFilePaneLine(text);
}

QStringList TForm1::MemoLines() const
{
    const QString text = memo_->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}


void TForm1::ConnectLists()
{
    for (QComboBox* box : {cbWahl_, cbKum_, cbArt_}) {
        // A typed or set text runs the handler when it changes.
        connect(box, &QComboBox::currentTextChanged, this, [this, box] {
            GuardHandler([this, box] { ListChange(box); });
            textChangedByPick_ = true;
            QTimer::singleShot(0, this, [this] { textChangedByPick_ = false; });
        });
        // Picking an entry with the mouse or the keyboard runs it as well, even
        // for the entry already shown, so a user who picks what the list says
        // sees that chart. Qt reports the text change of a pick first, in the
        // same event; then the handler has run already.
        connect(box, &QComboBox::activated, this, [this, box] {
            if (!std::exchange(textChangedByPick_, false))
                GuardHandler([this, box] { ListChange(box); });
        });
    }
}

void TForm1::ListChange(QComboBox* box)
{
    if (box == cbArt_)
        ShowModeMetric();
    CB_WahlChange();
}

void TForm1::CB_WahlChange()
{
    ClosePickList();
    ApplyGoal();
    ApplyRequest(ResolveEvaluation(ChoiceOf(cbArt_), ChoiceOf(cbWahl_), ChoiceOf(cbKum_), view_->SumColumns(),
                                   view_->EvaluationState()));
    RememberEvaluation();
}

void TForm1::ApplyRequest(const TEvaluationRequest& request)
{
    if (request.bringToFront)
        MetricListBox(*request.bringToFront)->raise();
    chart_->show();
    if (!request.fileNote.isEmpty())
        AppendMemoLine(request.fileNote);
    const TEvaluation* result = view_->Apply(request);
    if (!result)
        return;
    lBox_->clear();
    lBox_->addItems(result->yearEntries);
    // One append for all lines: each append lays the pane out again.
    if (!result->reportLines.isEmpty())
        memo1_->appendPlainText(result->reportLines.join(QLatin1Char('\n')));
}

QString TForm1::SelectEvaluation(std::optional<int> mode, std::optional<int> metric)
{
    if (!mode && !metric)
        return {};
    const int modeIndex = mode.value_or(cbArt_->currentIndex());
    if (modeIndex < 0 || modeIndex >= cbArt_->count())
        return QStringLiteral("mode %1 is not in the mode list").arg(modeIndex);
    QComboBox* metrics = MetricListBox(MetricListOf(modeIndex));
    if (metric && (*metric < 0 || *metric >= metrics->count()))
        return QStringLiteral("metric %1 is not in the list of %2 metrics").arg(*metric).arg(metrics->count());
    {
        const QSignalBlocker modeBlocker(cbArt_);
        const QSignalBlocker metricBlocker(metrics);
        cbArt_->setCurrentIndex(modeIndex);
        if (metric)
            metrics->setCurrentIndex(*metric);
    }
    ShowModeMetric();
    CB_WahlChange();
    return {};
}
