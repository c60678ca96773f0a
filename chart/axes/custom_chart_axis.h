#pragma once

#include "chart/axes/axis_frame.h"
#include "chart/axes/axis_mapping.h"
#include "chart/axes/axis_ticks.h"
#include "chart/axes/axis_types.h"
#include "chart/axes/chart_axis_title.h"
#include "chart/axes/date_time_steps.h"
#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/chart_font.h"
#include "chart/canvas/chart_pen.h"
#include "chart/series/series_host.h"

#include <QString>

class TAxisHost;
class TCanvas3D;
struct TAxisPaint;

// The label step of one paint: the increment and, on a date-time axis with
// ExactDateTime, the calendar step it stands for (dtNone otherwise).
struct TAxisLabelScale
{
    double Increment = 0;
    TDateTimeStep Step = dtNone;
};

// One axis of a chart: its range (from its series or fixed limits), the
// value <-> pixel mapping, its labels and their drawing, and the space it
// takes beside the plot. It sees the chart only through TAxisHost.
//
// Per paint the chart calls SettleRange, ReserveAxisSpace (visible axes),
// PlaceOnPlot, WidenRangeForMargins and Draw; the working state (range,
// pixels, band positions) is valid from then until the next paint.
class TCustomChartAxis : public TSeriesAxis, protected TPropertyOwner<TCustomChartAxis>
{
public:
    // A depth axis is neither horizontal nor on the other side.
    TCustomChartAxis(TAxisHost* host, bool horizontal, bool otherSide, bool depth = false);
    ~TCustomChartAxis() override;
    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;

    // Copies every property, the pens, fonts, title, limits, flags and roles.
    void Assign(const TCustomChartAxis& other);

    TAxisHost* Host() const { return host_; }

    // --- roles --------------------------------------------------------------
    bool Horizontal() const override { return horizontal_; }
    bool OtherSide() const { return otherSide_; }
    bool IsDepthAxis() const { return depth_; }
    TAxisSide Side() const;

    // --- limits -----------------------------------------------------------
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value);
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    // Both limits fixed at once, in either order; at least 1e-10 apart.
    void FixRange(double a, double b);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    bool Logarithmic() const override { return logarithmic_; }
    void SetLogarithmic(bool value);
    int LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(int value);
    bool Inverted() const override { return inverted_; }
    void SetInverted(bool value);

    // --- placement --------------------------------------------------------
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value) { SetProperty(startPosition_, value); }
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value) { SetProperty(endPosition_, value); }
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value) { SetProperty(positionPercent_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { SetProperty(visible_, value); }

    // --- lines --------------------------------------------------------------
    TChartAxisPen& Axis() { return axisPen_; }
    const TChartAxisPen& Axis() const { return axisPen_; }
    TDottedGrayPen& Grid() { return grid_; }
    const TDottedGrayPen& Grid() const { return grid_; }
    TChartHiddenPen& MinorGrid() { return minorGrid_; }
    const TChartHiddenPen& MinorGrid() const { return minorGrid_; }
    TDarkGrayPen& Ticks() { return ticks_; }
    const TDarkGrayPen& Ticks() const { return ticks_; }
    TDarkGrayPen& TicksInner() { return ticksInner_; }
    const TDarkGrayPen& TicksInner() const { return ticksInner_; }
    TDarkGrayPen& MinorTicks() { return minorTicks_; }
    const TDarkGrayPen& MinorTicks() const { return minorTicks_; }
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool value) { SetProperty(gridCentered_, value); }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value) { SetProperty(tickLength_, value); }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value) { SetProperty(tickInnerLength_, value); }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value) { SetProperty(minorTickLength_, value); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value) { SetProperty(minorTickCount_, value); }
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value) { SetProperty(tickOnLabelsOnly_, value); }

    // --- labels -------------------------------------------------------------
    bool Labels() const { return labels_; }
    void SetLabels(bool value) { SetProperty(labels_, value); }
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int value);
    const TFont& LabelsFont() const { return labelsFont_; }
    void SetLabelsFont(const TFont& value) { SetProperty(labelsFont_, value); }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value) { SetProperty(labelsMultiLine_, value); }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value) { SetProperty(labelsOnAxis_, value); }
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value) { SetProperty(labelsSize_, value); }
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value) { SetProperty(labelStyle_, value); }
    const QString& AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(const QString& value) { SetProperty(axisValuesFormat_, value); }
    const QString& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const QString& value) { SetProperty(dateTimeFormat_, value); }
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool value) { SetProperty(exactDateTime_, value); }
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value) { SetProperty(roundFirstLabel_, value); }

    // --- title --------------------------------------------------------------
    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value) { SetProperty(titleSize_, value); }

    // --- the working mapping: valid from the range computation of a paint
    // to its end; the layout and the drawing read it ----------------------
    const TAxisMapping& Mapping() const { return mapping_; }
    bool ShowsDateTime() const { return showsDateTime_; }

    // --- range, extent and bands as the last window paint showed them (the
    // working state while the chart has not shown this axis yet). The mouse
    // and the readouts read these: a picture or a layout in between does
    // not move what the window shows --------------------------------------
    double RangeMin() const { return ShownMapping().RangeMin; }
    double RangeMax() const { return ShownMapping().RangeMax; }
    double RangeSpan() const { return ShownMapping().RangeSpan(); }
    int PixelStart() const override { return ShownMapping().PixelStart; }
    int PixelEnd() const override { return ShownMapping().PixelEnd; }
    int PixelLength() const { return ShownMapping().PixelLength(); }
    int PixelCentre() const { return ShownMapping().PixelCentre(); }
    int AxisLinePos() const;
    int LabelBandPos() const;
    int TitleBandPos() const;

    int ValueToPixel(double value) const override;
    double PixelToValue(int pixel) const override;

    // Writes the automatic limits into Minimum/Maximum and takes the range.
    void SettleRange();
    // The extent along the plot rectangle.
    void PlaceOnPlot();
    // Widens the range so that `before` pixels at the start side (left,
    // top) and `after` at the end side stay free.
    void WidenRangeForMargins(int before, int after);
    // Shifts fixed limits by offset; with checkLimits only while the data
    // reach beyond the limit in that direction.
    void Scroll(double offset, bool checkLimits);
    // Shown by the chart, and (x, y) on the axis as its working state lays it out.
    bool Clicked(int x, int y) const;
    // The working state as a value (without ticks, which only a paint makes),
    // and back: a paint elsewhere leaves the window's layout in place.
    TAxisFrame Frame() const;
    void RestoreFrame(const TAxisFrame& frame);
    // The mapping of the last window paint, else the working one.
    const TAxisMapping& ShownMapping() const;
    // The first active bound series has date-time values in this dimension.
    bool HasDateTimeValues() const;

    // --- labels of the current paint ----------------------------------------
    TAxisLabelStyle EffectiveLabelStyle() const;
    // Increment for the current range and pixel length (selects the labels
    // font on the canvas).
    double LabelStep() const;
    TAxisLabelScale LabelScale() const;
    // The text of a value label (the chart's OnGetAxisLabel applied).
    QString LabelValue(double value) const override;
    int WidestLabel() const;
    // Every position the axis marks in this paint, with its label texts.
    TAxisTickList CalcTicks(const TAxisLabelScale& scale) const;

    // --- layout and drawing -------------------------------------------------
    // Takes the axis' space from r (inflate) or only sets the band
    // positions from r.
    // wall: the thickness of the 3D wall along the axis' edge.
    void ReserveAxisSpace(TRect& r, bool inflate, int wall = 0);
    // Draws the axis; returns the positions it marked.
    TAxisTickList Draw(const TAxisPaint& paint, bool calcPosAxis);

protected:
    // What SetProperty does after an effective change.
    void Changed() const { Repaint(); }
    friend class TPropertyOwner<TCustomChartAxis>;
    void Repaint() const;
    TCanvas3D* Canvas() const;

private:
    friend class TAxisLabelMaker;
    friend class TAxisPainter;

    QString LabelText(double value, bool fireEvent) const;
    int LabelSizeAlongAxis(const QString& text, int fontHeight) const;
    int TickSize() const;
    int LabelsBandSize() const;
    int TitleBandSize() const;
    int MovedByPosition(int edge, const TRect& r) const;
    void SyncMappingFlags();
    // This axis in the chart's last window paint; null before the first.
    const TAxisFrame* ShownFrame() const;

    // Links.
    TAxisHost* host_;
    bool horizontal_;
    bool otherSide_;
    bool depth_;

    // Owned parts.
    TChartAxisPen axisPen_;
    TDottedGrayPen grid_;
    TChartHiddenPen minorGrid_;
    TDarkGrayPen ticks_;
    TDarkGrayPen ticksInner_;
    TDarkGrayPen minorTicks_;
    TChartAxisTitle title_;
    TFont labelsFont_;

    // Settings.
    double minimum_ = 0;
    double maximum_ = 0;
    double increment_ = 0;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    QString axisValuesFormat_ = QStringLiteral("#,##0.###");
    QString dateTimeFormat_;
    int logarithmicBase_ = 10;
    int tickLength_ = 4;
    int tickInnerLength_ = 0;
    int minorTickLength_ = 2;
    int minorTickCount_ = 3;
    int labelsAngle_ = 0;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    int titleSize_ = 0;
    TAxisLabelStyle labelStyle_ = talAuto;
    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    bool logarithmic_ = false;
    bool inverted_ = false;
    bool visible_ = true;
    bool gridCentered_ = false;
    bool tickOnLabelsOnly_ = true;
    bool labels_ = true;
    bool labelsMultiLine_ = false;
    bool labelsOnAxis_ = true;
    bool exactDateTime_ = true;
    bool roundFirstLabel_ = true;

    // Working state of the current paint.
    TAxisMapping mapping_;
    int axisLinePos_ = 0;
    int labelBandPos_ = 0;
    int titleBandPos_ = 0;
    bool showsDateTime_ = false;
};
