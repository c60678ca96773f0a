// The year pick list that a click on the legend opens: one row per loaded
// year, checked and in its colour while the year is drawn. A pick hides or
// shows the year and gives the keyboard back to the chart.
#include "app/window/main_form.h"

#include "app/view/handler_guard.h"
#include "app/window/pick_list_input.h"
#include "chart/canvas/colour.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QListWidget>
#include <QPainter>
#include <QLabel>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int SwatchSize = 9;

QString NinthYearRefused()
{
    return QCoreApplication::translate("TForm1", "Es werden höchstens 8 Jahre gezeigt: erst ein Jahr ausblenden.");
}

QIcon Swatch(TColor colour)
{
    QPixmap pixmap(SwatchSize, SwatchSize);
    pixmap.fill(ToQColor(ResolveColour(colour)));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black); // a light colour stays visible on the light list
    painter.drawRect(0, 0, SwatchSize - 1, SwatchSize - 1);
    return QIcon(pixmap);
}

} // namespace

void TForm1::ConnectPickList()
{
    chart_->OnClickLegend = [this](TCustomChartPanel&, TMouseButton button, TShiftState shift, int x, int y) {
        ChartClickLegend(button, shift, x, y);
    };
    // Never narrower than designed; rows get their own width, not a scroll bar.
    lBox_->setMinimumWidth(lBox_->width());
    lBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lBox_->setIconSize(QSize(SwatchSize, SwatchSize));
    // The wheel over the list scrolls the list; what it leaves must not scroll the chart below.
    lBox_->setAttribute(Qt::WA_NoMousePropagation);
    const auto guarded = [this](void (TForm1::*handler)(int)) {
        return [this, handler](int row) { GuardHandler([&] { (this->*handler)(row); }); };
    };
    new TPickListInput(lBox_, {guarded(&TForm1::PickYear), guarded(&TForm1::ToggleYearInPickList),
                               [this] { GuardHandler([this] { ClosePickList(); }); }});
}

void TForm1::ChartClickLegend(TMouseButton, TShiftState, int x, int y)
{
    SyncPickList();
    // Whole rows only: as many as the chart has room for, the rest scrolled.
    const int frame = 2 * lBox_->frameWidth();
    const int rowHeight = std::max(1, lBox_->sizeHintForRow(0));
    const int rows = std::clamp(lBox_->count(), 1, std::max(1, (chart_->height() - frame) / rowHeight));
    const int scrollBar = lBox_->count() > rows ? lBox_->verticalScrollBar()->sizeHint().width() : 0;
    lBox_->resize(std::max(lBox_->minimumWidth(), lBox_->sizeHintForColumn(0) + frame + scrollBar),
                  rows * rowHeight + frame);
    // The list opens above the click, its lower left corner at the pointer,
    // as far as the chart has room for it.
    lBox_->move(std::clamp(x, 0, std::max(0, chart_->width() - lBox_->width())), std::max(0, y - lBox_->height()));
    lBox_->raise();
    lBox_->show();
    lBox_->setFocus(Qt::PopupFocusReason);
}

void TForm1::SyncPickList()
{
    for (int row = 0; row < lBox_->count() && row < DrawnYears().Count(); ++row) {
        QListWidgetItem* item = lBox_->item(row);
        // A hidden year has no colour until it is drawn again: a white box.
        const bool drawn = DrawnYears().IsDrawn(row);
        item->setIcon(Swatch(drawn ? DrawnYears().Colour(row) : clWhite));
        item->setCheckState(drawn ? Qt::Checked : Qt::Unchecked);
        // The check mark shows the state; the pick changes it, not the box.
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
}

void TForm1::LBoxClick()
{
    const int row = lBox_->currentRow();
    // Hidden with the focus, the list would hand it to the editable metric list.
    chart_->setFocus();
    ClosePickList();
    ToggleYear(row);
}

void TForm1::PickYear(int row)
{
    lBox_->setCurrentRow(row);
    LBoxClick();
}

void TForm1::ToggleYearInPickList(int row)
{
    if (row < 0)
        return;
    ToggleYear(row);
    SyncPickList();
}

void TForm1::ClosePickList()
{
    if (lBox_->isVisible() && lBox_->hasFocus())
        chart_->setFocus();
    lBox_->hide();
}

void TForm1::ToggleYear(int row)
{
    // No entry picked toggles the label series, as it always did.
    if (row < 0) {
        chart_->SeriesAt(0).SetActive(!chart_->SeriesAt(0).Active());
        return;
    }
    switch (view_->ToggleYear(row)) {
    case TDrawnYears::TToggle::Shown:
    case TDrawnYears::TToggle::Hidden:
        RememberYearHidden(DrawnYears().Year(row), !DrawnYears().IsDrawn(row));
        ShowLoadStatus();
        break;
    case TDrawnYears::TToggle::RefusedFull:
        // Said where the user looks: at the list, and in the status line.
        SetPaneStatus(NinthYearRefused(), true);
        QToolTip::showText(lBox_->mapToGlobal(lBox_->visualRect(lBox_->model()->index(row, 0)).bottomLeft()), NinthYearRefused(),
                           lBox_);
        break;
    case TDrawnYears::TToggle::RefusedLast: // the legend would be empty, and the way back to this list
    case TDrawnYears::TToggle::NoYear:
        break;
    }
}
