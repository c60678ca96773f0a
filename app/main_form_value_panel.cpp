// Reading values off the chart and hiding or showing years: the value panel
// while a mouse button is pressed on the plot, and the year pick list that a
// click on the legend opens.
#include "app/main_form.h"

#include "app/click_filter.h"
#include "app/guarded_handler.h"
#include "app/value_readout.h"
#include "chart/panel/chart.h"
#include "chart/series/chart_series.h"

#include <QLabel>
#include <QListWidget>

namespace {

TAxisReading ReadingOf(const TCustomChartAxis& axis)
{
    return {axis.Minimum(), axis.Maximum(), axis.PixelStart(), axis.PixelLength()};
}

} // namespace

void TForm1::ChartMouseDown(TMouseButton, TShiftState, int x, int y)
{
    // The day is read from the bottom axis as it was drawn: raising its
    // minimum to day 1, say, would name the day of another pixel and move
    // the months off the years' days.
    const std::optional<TReadoutValue> value
        = ReadoutAt(ReadingOf(*chart_->LeftAxis()), ReadingOf(*chart_->BottomAxis()), x, y);
    if (!value)
        return;
    const QString valueText = ReadoutValueText(value->Y, evaluation_.DurationMetric, evaluation_.UnitText);
    const std::optional<QString> panelText = ReadoutPanelText(evaluation_.EvalMode, value->X, valueText);
    if (!panelText)
        return;
    showDat_->setText(*panelText);
    showDat_->move(ReadoutPanelLeft(x, showDat_->width(), chart_->width()), y - 40);
    showDat_->raise();
    showDat_->show();
}

void TForm1::ChartMouseUp(TMouseButton, TShiftState, int, int)
{
    showDat_->hide();
}

void TForm1::ChartClickLegend(TMouseButton, TShiftState, int x, int y)
{
    // The list opens above the click, its lower left corner at the pointer.
    lBox_->move(x, y - lBox_->height());
    lBox_->raise();
    lBox_->show();
}

void TForm1::LBoxClick()
{
    // Entry j is the year of series j + 1; no entry picked toggles series 0.
    const int target = lBox_->currentRow() + 1;
    lBox_->hide();
    if (target < 0 || target >= chart_->SeriesTotal())
        return;
    TChartSeries& series = chart_->SeriesAt(target);
    // Hiding the last visible year would leave a legend without items, and
    // with it no way to open this list again: that click is refused.
    if (target >= 1 && series.Active() && ActiveYearSeries() == 1)
        return;
    series.SetActive(!series.Active());
}

int TForm1::ActiveYearSeries() const
{
    int active = 0;
    for (int s = 1; s <= lBox_->count() && s < chart_->SeriesTotal(); ++s)
        active += chart_->SeriesAt(s).Active() ? 1 : 0;
    return active;
}

void TForm1::ConnectValuePanelAndPickList()
{
    chart_->OnMouseDown = [this](TCustomChartPanel&, TMouseButton button, TShiftState shift, int x, int y) {
        ChartMouseDown(button, shift, x, y);
    };
    chart_->OnMouseUp = [this](TCustomChartPanel&, TMouseButton button, TShiftState shift, int x, int y) {
        ChartMouseUp(button, shift, x, y);
    };
    chart_->OnClickLegend = [this](TCustomChartPanel&, TMouseButton button, TShiftState shift, int x, int y) {
        ChartClickLegend(button, shift, x, y);
    };
    // Qt reports clicks on entries only; the list also reacts where it has none.
    new TClickFilter(lBox_->viewport(), [this] { RunGuardedHandler([this] { LBoxClick(); }); });
}
