#include "storm/window_storm.h"

#include "app/window/main_form.h"
#include "chart/panel/chart.h"
#include "storm/storm_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Item texts, their near misses, and texts a format or a number parser might choke on.
const char* const Texts[] = {"Monatsmittel", "Werte kumulierte", "Dauer    [Std]", "TSS", "Strecke  [km]",
                             "Wertemäßig sortiert", "äöüß€", "%s%n%d%%", "-1", "1e400", "", " ",
                             "Kumuliert (monatsweise)x", "Jahreswerte ", "\t;;;"};

// Closes the modal dialog a click opened, once its event loop runs; a
// click that opened none leaves the retries to run out.
void CloseModalDialogSoon(bool accept, int retries = 20)
{
    QTimer::singleShot(0, [accept, retries] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            accept ? dialog->accept() : dialog->reject();
        else if (retries > 0)
            CloseModalDialogSoon(accept, retries - 1);
    });
}

// Key by key as a keyboard would type it; QTest's typing knows ASCII only.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

} // namespace

TWindowStorm::TWindowStorm(TForm1& form, TStormDialog& dialog, std::mt19937& random)
    : form_(form), dialog_(dialog), random_(random)
{
}

const std::vector<TWindowStorm::TKind>& TWindowStorm::Kinds()
{
    static const std::vector<TKind> kinds = {
        {"list change", 14, TNeeds::Lists, &TWindowStorm::ChangeList},
        {"typed text", 7, TNeeds::Lists, &TWindowStorm::TypeText},
        {"list key", 4, TNeeds::Lists, &TWindowStorm::KeyOnList},
        {"press", 14, TNeeds::Chart, &TWindowStorm::Press},
        {"double click", 3, TNeeds::Chart, &TWindowStorm::DoubleClick},
        {"drag", 12, TNeeds::Chart, &TWindowStorm::Drag},
        {"wheel", 8, TNeeds::Chart, &TWindowStorm::Wheel},
        {"hover and arrows", 8, TNeeds::Chart, &TWindowStorm::Hover},
        {"legend click", 8, TNeeds::Chart, &TWindowStorm::ClickLegend},
        {"pick-list click", 6, TNeeds::Chart, &TWindowStorm::ClickPickList},
        {"resize", 4, TNeeds::Nothing, &TWindowStorm::Resize},
        {"load", 4, TNeeds::Nothing, &TWindowStorm::Load},
        {"import", 1, TNeeds::Nothing, &TWindowStorm::Import},
    };
    return kinds;
}

void TWindowStorm::Run(int events)
{
    std::vector<int> weights;
    for (const TKind& kind : Kinds())
        weights.push_back(kind.weight);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    for (int i = 0; i < events; ++i) {
        const TKind& kind = Substitute(Kinds()[std::size_t(pick(random_))]);
        (this->*kind.send)();
        ++counts_[QString::fromLatin1(kind.name)];
        QCoreApplication::processEvents();
    }
}

// Input only reaches what is shown: while the chart is hidden, a list
// change stands in for what would go to it, and before the lists are
// shown, a load.
const TWindowStorm::TKind& TWindowStorm::Substitute(const TKind& kind) const
{
    const auto& kinds = Kinds();
    const auto named = [&kinds](void (TWindowStorm::*send)()) -> const TKind& {
        return *std::find_if(kinds.begin(), kinds.end(), [send](const TKind& k) { return k.send == send; });
    };
    if (kind.needs == TNeeds::Chart && !form_.Chart()->isVisible())
        return Substitute(named(&TWindowStorm::ChangeList));
    if (kind.needs == TNeeds::Lists && !form_.CB_Art()->isVisible())
        return named(&TWindowStorm::Load);
    return kind;
}

QComboBox* TWindowStorm::VisibleList()
{
    std::vector<QComboBox*> shown;
    for (QComboBox* box : {form_.CB_Wahl(), form_.CB_Kum(), form_.CB_Art()})
        if (box->isVisible())
            shown.push_back(box);
    return shown.empty() ? nullptr : shown[std::size_t(Below(int(shown.size())))];
}

QPoint TWindowStorm::ChartPoint()
{
    const TChart& chart = *form_.Chart();
    const TRect& plot = chart.LastFrame().Plot;
    if (Below(10) < 7 && plot.Right > plot.Left && plot.Bottom > plot.Top)
        return {plot.Left + Below(plot.Right - plot.Left), plot.Top + Below(plot.Bottom - plot.Top)};
    // Anywhere, a little beyond the edges included.
    return {Below(chart.width() + 40) - 20, Below(chart.height() + 40) - 20};
}

Qt::MouseButton TWindowStorm::Button()
{
    const int n = Below(10);
    return n < 6 ? Qt::LeftButton : n < 9 ? Qt::RightButton : Qt::MiddleButton;
}

Qt::KeyboardModifiers TWindowStorm::Modifiers()
{
    const Qt::KeyboardModifier choices[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    return Below(5) == 0 ? Qt::KeyboardModifiers(choices[Below(3)]) : Qt::NoModifier;
}

void TWindowStorm::ChangeList()
{
    QComboBox* box = VisibleList();
    if (box == nullptr || box->count() == 0)
        return;
    const int index = Below(box->count());
    box->setCurrentIndex(index);
    // A pick of the entry shown changes nothing but is a pick all the same.
    emit box->activated(index);
}

void TWindowStorm::TypeText()
{
    QComboBox* box = VisibleList();
    if (box == nullptr)
        return;
    if (Below(2) == 0)
        box->lineEdit()->selectAll();
    QString text = QString::fromUtf8(Texts[Below(int(std::size(Texts)))]);
    if (Below(4) == 0)
        text.chop(Below(int(text.size()) + 1));
    Type(box->lineEdit(), text);
    if (Below(3) == 0)
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
}

void TWindowStorm::KeyOnList()
{
    QComboBox* box = VisibleList();
    if (box == nullptr)
        return;
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Return, Qt::Key_Escape};
    QTest::keyClick(box, keys[Below(int(std::size(keys)))]);
}

void TWindowStorm::Press()
{
    const Qt::MouseButton button = Button();
    const Qt::KeyboardModifiers modifiers = Modifiers();
    const QPoint at = ChartPoint();
    QTest::mousePress(form_.Chart(), button, modifiers, at);
    Note("value panel shown", form_.Show_DAT()->isVisible());
    QTest::mouseRelease(form_.Chart(), button, modifiers, at);
}

void TWindowStorm::DoubleClick()
{
    QTest::mouseDClick(form_.Chart(), Button(), Modifiers(), ChartPoint());
}

void TWindowStorm::Drag()
{
    TChart* chart = form_.Chart();
    const Qt::MouseButton button = Button();
    QTest::mousePress(chart, button, {}, ChartPoint());
    for (int steps = 1 + Below(6); steps > 0; --steps) {
        QTest::mouseMove(chart, ChartPoint());
        if (Below(15) == 0) {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(chart, &leave);
        }
    }
    const bool zoomed = chart->Zoomed();
    QTest::mouseRelease(chart, button, {}, ChartPoint());
    Note(zoomed ? "zoom undone" : "zoomed in", chart->Zoomed() != zoomed);
}

void TWindowStorm::Wheel()
{
    const int deltas[] = {120, -120, 240, -360, 30, -45, 1, 0};
    const QPointF at = ChartPoint();
    QWheelEvent wheel(at, form_.Chart()->mapToGlobal(at), QPoint(), QPoint(0, deltas[Below(int(std::size(deltas)))]),
                      Qt::NoButton, Modifiers(), Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(form_.Chart(), &wheel);
}

void TWindowStorm::Hover()
{
    for (int moves = Below(5); moves > 0; --moves)
        QTest::mouseMove(form_.Chart(), ChartPoint());
    for (int keys = Below(4); keys > 0; --keys)
        QTest::keyClick(form_.Chart(), Below(2) == 0 ? Qt::Key_Left : Qt::Key_Right);
}

void TWindowStorm::ClickLegend()
{
    const TChartLegend* legend = form_.Chart()->Legend();
    if (legend == nullptr || legend->LastLayout().Items.empty())
        return;
    const auto& items = legend->LastLayout().Items;
    const TRect& symbol = items[std::size_t(Below(int(items.size())))].Symbol;
    const QPoint at((symbol.Left + symbol.Right) / 2, (symbol.Top + symbol.Bottom) / 2);
    QTest::mouseClick(form_.Chart(), Below(5) == 0 ? Button() : Qt::LeftButton, {}, at);
    Note("pick list opened", form_.LBox()->isVisible());
}

void TWindowStorm::ClickPickList()
{
    QListWidget* box = form_.LBox();
    if (!box->isVisible())
        ClickLegend();
    if (!box->isVisible())
        return;
    const int row = Below(box->count() + 1) - 1;
    QPoint at(5, box->viewport()->height() - 3);
    if (row >= 0)
        at = box->visualItemRect(box->item(row)).center();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    Note("pick list closed", !box->isVisible());
}

void TWindowStorm::Resize()
{
    // Mostly small and ordinary sizes; a large one is slow to paint.
    const int n = Below(10);
    const int widthRange = n < 3 ? 200 : n < 8 ? 800 : 4000 - form_.minimumWidth() + 1;
    const int heightRange = n < 3 ? 200 : n < 8 ? 900 : 3000 - form_.minimumHeight() + 1;
    form_.resize(form_.minimumWidth() + Below(widthRange), form_.minimumHeight() + Below(heightRange));
}

void TWindowStorm::Load()
{
    QTest::mouseClick(form_.LOAD_JData(), Qt::LeftButton);
    Note("load with years", form_.YearStore().IsSlotLoaded(1));
}

void TWindowStorm::Note(const char* effect, bool happened)
{
    if (happened)
        ++effects_[QString::fromLatin1(effect)];
}

void TWindowStorm::Import()
{
    auto* button = form_.findChild<QPushButton*>(QStringLiteral("IMPORT_Export"));
    if (button == nullptr)
        return;
    dialog_.AnswerWithExport();
    CloseModalDialogSoon(Below(3) != 0);
    QTest::mouseClick(button, Qt::LeftButton);
}
