// Reading values off the chart: the value panel while a mouse button is
// pressed on the plot.
#include "app/window/main_form.h"

#include "app/year/value_readout.h"
#include "chart/panel/chart.h"

#include <QLabel>

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
    const TEvaluationState& state = EvaluationState();
    const QString valueText = ReadoutValueText(value->Y, state.DurationMetric, state.UnitText);
    const std::optional<QString> panelText = ReadoutPanelText(state.EvalMode, value->X, valueText);
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

void TForm1::ConnectValuePanelAndPickList()
{
    chart_->OnMouseDown = [this](TCustomChartPanel&, TMouseButton button, TShiftState shift, int x, int y) {
        ChartMouseDown(button, shift, x, y);
    };
    chart_->OnMouseUp = [this](TCustomChartPanel&, TMouseButton button, TShiftState shift, int x, int y) {
        ChartMouseUp(button, shift, x, y);
    };
    ConnectPickList();
}
