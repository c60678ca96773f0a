// Which labels an axis shows and what they say.
#include "chart/axes/custom_chart_axis.h"

#include "chart/axes/axis_host.h"
#include "chart/axes/date_time_format.h"
#include "chart/axes/label_step.h"
#include "chart/axes/number_format.h"
#include "chart/axes/text_block.h"
#include "chart/canvas/canvas3d.h"
#include "chart/series/chart_series.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsCalendarStep(TDateTimeStep step) { return step >= dtHalfMonth && step <= dtOneYear; }

// The lowest value still labelled: a hair below the minimum whatever its sign.
double LowestLabelValue(double rangeMin)
{
    constexpr double kRelative = 1.000000000001;
    const double v = rangeMin - 1e-12;
    return v >= 0 ? v / kRelative : v * kRelative;
}

} // namespace

// Fills one tick list for one paint. The axis' labels font is selected on
// the canvas while it works.
class TAxisLabelMaker
{
public:
    TAxisLabelMaker(const TCustomChartAxis& axis, const TAxisLabelScale& scale)
        : axis_(axis), scale_(scale), canvas_(axis.Canvas())
    {
        if (canvas_) {
            SelectChartFont(*canvas_, axis.labelsFont_);
            fontHeight_ = canvas_->TextLineHeight();
        }
    }

    TAxisTickList Make();

private:
    void ValueLabels();
    void LogarithmicLabels();
    // False when the handler stopped at once: the value labels apply then.
    bool CustomLabels();
    void TextLabels(TAxisLabelStyle style);
    // The active bound series with point labels, and the union of their
    // visible index ranges (-1 when none has visible points).
    std::vector<TChartSeries*> TextSeries(int& first, int& last) const;
    // The first of them with a text at index.
    TChartSeries* TextAt(const std::vector<TChartSeries*>& taken, int index, TAxisLabelStyle style,
                         QString& text) const;
    void DepthLabels();
    // Records a value label at its pixel; false when the list is full.
    bool EmitValue(double value);

    const TCustomChartAxis& axis_;
    const TAxisLabelScale scale_;
    TCanvas3D* canvas_;
    int fontHeight_ = 0;
    TAxisTickList list_;
};

TAxisTickList TAxisLabelMaker::Make()
{
    const bool stepping = scale_.Increment > 0 || IsCalendarStep(scale_.Step);
    if (!stepping || axis_.mapping_.RangeMax < axis_.mapping_.RangeMin)
        return {};
    const TAxisLabelStyle style = axis_.EffectiveLabelStyle();
    if (style == talValue) {
        const bool custom = axis_.host_ && axis_.host_->GetNextAxisLabelEvent();
        if (custom && CustomLabels())
            return std::move(list_);
        if (axis_.logarithmic_ && axis_.increment_ == 0 && !custom)
            LogarithmicLabels();
        else
            ValueLabels();
    } else if (style == talText && axis_.depth_) {
        DepthLabels();
    } else if (style == talText || style == talMark) {
        TextLabels(style);
    }
    return std::move(list_);
}

bool TAxisLabelMaker::EmitValue(double value)
{
    const int p = axis_.ValueToPixel(value);
    if (!axis_.labelsOnAxis_ && !(axis_.mapping_.PixelStart < p && p < axis_.mapping_.PixelEnd))
        return true;
    if (axis_.tickOnLabelsOnly_ && !axis_.labels_)
        return true;
    TAxisTick tick{p, value, {}, axis_.labels_};
    if (axis_.labels_)
        tick.Text = axis_.LabelValue(value);
    return list_.Add(std::move(tick));
}

void TAxisLabelMaker::ValueLabels()
{
    const double inc = scale_.Increment;
    const double lo = axis_.mapping_.RangeMin;
    const double hi = axis_.mapping_.RangeMax;
    if (!(inc > 0) || std::fabs((hi - lo) / inc) >= 10000)
        return;
    const bool calendar = IsCalendarStep(scale_.Step);
    double v;
    if (scale_.Step >= dtOneDay && scale_.Step < dtNone)
        v = RoundDateTime(hi, scale_.Step);
    else if (lo == hi)
        v = hi;
    else
        v = axis_.roundFirstLabel_ ? std::trunc(hi / inc) * inc : hi;
    // Each step must go down, or the loop could never end.
    auto back = [&](double value) { return calendar ? CalendarStepBack(value, scale_.Step) : value - inc; };
    while (v > hi) {
        const double next = back(v);
        if (!(next < v))
            return;
        v = next;
    }
    const double lowest = LowestLabelValue(lo);
    while (v >= lowest && EmitValue(v)) {
        const double next = back(v);
        if (!(next < v))
            return;
        v = next;
    }
}

void TAxisLabelMaker::LogarithmicLabels()
{
    double lo = axis_.mapping_.RangeMin;
    const double hi = axis_.mapping_.RangeMax;
    if (lo == hi)
        return;
    const double base = axis_.logarithmicBase_;
    double v;
    if (lo > 0) {
        v = std::pow(base, std::nearbyint(std::log(lo) / std::log(base)));
    } else {
        lo = lo < 0 ? 1e-10 : 0.1;
        v = lo;
    }
    for (; v <= hi; v *= base)
        if (v >= lo && !EmitValue(v))
            return;
}

bool TAxisLabelMaker::CustomLabels()
{
    const TAxisOnGetNextLabel& next = axis_.host_->GetNextAxisLabelEvent();
    const double lo = axis_.mapping_.RangeMin - 1e-7;
    const double hi = axis_.mapping_.RangeMax + 1e-7;
    double value = axis_.mapping_.RangeMin;
    bool stop = true;
    constexpr int kMaxCalls = 2001;
    for (int index = 0; index < kMaxCalls; ++index) {
        next(axis_, index, value, stop);
        if (stop)
            return index > 0;
        if (value < lo || value > hi || !EmitValue(value))
            return true;
    }
    return true;
}

namespace {

// Keeps text labels from overlapping: a label is admitted only when it
// keeps clear of the last admitted one by its share of the separation.
class TLabelSpacing
{
public:
    explicit TLabelSpacing(int separation) : separation_(separation) {}

    bool Admit(int pixel, int size)
    {
        if (separation_ == 0 || !any_) {
            Take(pixel, size / 2);
            return true;
        }
        const int clearance = (size + int(std::trunc(size * 0.02 * separation_))) / 2;
        const bool clear = pixel < lastPixel_ ? lastPixel_ - lastHalf_ >= pixel + clearance
                                              : pixel - clearance >= lastPixel_ + lastHalf_;
        if (clear)
            Take(pixel, clearance);
        return clear;
    }

private:
    void Take(int pixel, int half)
    {
        any_ = true;
        lastPixel_ = pixel;
        lastHalf_ = half;
    }

    int separation_;
    bool any_ = false;
    int lastPixel_ = 0;
    int lastHalf_ = 0;
};

} // namespace

std::vector<TChartSeries*> TAxisLabelMaker::TextSeries(int& first, int& last) const
{
    std::vector<TChartSeries*> taken;
    first = last = -1;
    for (TChartSeries* s : axis_.host_->SeriesList()) {
        if (!s->Active() || !s->IsBoundToAxis(&axis_) || s->LabelCount() == 0)
            continue;
        taken.push_back(s);
        const auto [from, to] = s->VisibleRangeIn(axis_.host_->ChartRect());
        if (from >= 0)
            first = first < 0 ? from : std::min(first, from);
        last = std::max(last, to);
    }
    return taken;
}

TChartSeries* TAxisLabelMaker::TextAt(const std::vector<TChartSeries*>& taken, int index, TAxisLabelStyle style,
                                      QString& text) const
{
    for (TChartSeries* s : taken) {
        if (index >= s->PointCount())
            continue;
        text = style == talText ? s->PointLabel(index) : axis_.host_->SeriesMarkText(*s, index);
        if (!text.isEmpty())
            return s;
    }
    return nullptr;
}

void TAxisLabelMaker::TextLabels(TAxisLabelStyle style)
{
    if (!axis_.host_)
        return;
    int first, last;
    const std::vector<TChartSeries*> taken = TextSeries(first, last);
    if (first < 0)
        return;
    const TAxisOnGetLabel& onLabel = axis_.host_->GetAxisLabelEvent();
    TLabelSpacing spacing(axis_.labelsSeparation_);
    for (int i = first; i <= last && !list_.Full(); ++i) {
        QString text;
        TChartSeries* source = TextAt(taken, i, style, text);
        if (!source)
            continue;
        if (onLabel)
            onLabel(axis_, source, i, text);
        const double value = source->ValueForAxis(axis_.horizontal_, i);
        if (value < axis_.mapping_.RangeMin || value > axis_.mapping_.RangeMax)
            continue;
        const int p = axis_.ValueToPixel(value);
        const bool drawn = axis_.labels_ && spacing.Admit(p, axis_.LabelSizeAlongAxis(text, fontHeight_));
        if (drawn || !axis_.tickOnLabelsOnly_)
            list_.Add({p, value, drawn ? text : QString(), drawn});
    }
}

void TAxisLabelMaker::DepthLabels()
{
    const TAxisHost* host = axis_.host_;
    if (!host)
        return;
    const TAxisOnGetLabel& onLabel = host->GetAxisLabelEvent();
    const int from = int(std::trunc(axis_.mapping_.RangeMin));
    const int to = int(std::trunc(axis_.mapping_.RangeMax));
    for (int k = from; k <= to && !list_.Full(); ++k) {
        QString text = host->LegendSeriesTitle(k);
        if (onLabel)
            onLabel(axis_, nullptr, k, text);
        const double value = axis_.mapping_.RangeMax - k - 0.5;
        list_.Add({axis_.ValueToPixel(value), value, text, axis_.labels_});
    }
}

// --- the axis' label queries ------------------------------------------------

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const
{
    if (labelStyle_ != talAuto)
        return labelStyle_;
    if (!host_)
        return talNone;
    const TChartSeriesList& list = host_->SeriesList();
    if (depth_) {
        const bool valued = std::any_of(list.begin(), list.end(), [](TChartSeries* s) {
            return s->Active() && s->LowestZ() != s->HighestZ();
        });
        return valued ? talValue : talText;
    }
    bool anyActive = false;
    for (const TChartSeries* s : list) {
        if (!s->Active() || !s->IsBoundToAxis(this))
            continue;
        anyActive = true;
        // Point labels name the category axis: the horizontal one for
        // series whose Y values are mandatory.
        if (horizontal_ == s->IsYMain() && s->LabelCount() > 0 && s->PointCount() > 0
            && !s->PointLabel(0).isEmpty())
            return talText;
    }
    return anyActive ? talValue : talNone;
}

int TCustomChartAxis::LabelSizeAlongAxis(const QString& text, int fontHeight) const
{
    const TCanvas3D* canvas = Canvas();
    if (!canvas)
        return 0;
    const TTextBlock block = TextBlockWidth(*canvas, text);
    const int a = labelsAngle_;
    const bool across = horizontal_ ? (a == 90 || a == 270) : (a == 0 || a == 180);
    return across ? fontHeight * block.Lines : block.Width;
}

double TCustomChartAxis::LabelStep() const
{
    int fit = 1;
    if (TCanvas3D* canvas = Canvas()) {
        SelectChartFont(*canvas, labelsFont_);
        const int fontHeight = canvas->TextLineHeight();
        const int size = std::max(LabelSizeAlongAxis(LabelText(mapping_.RangeMin, true), fontHeight),
                                  LabelSizeAlongAxis(LabelText(mapping_.RangeMax, true), fontHeight));
        fit = LabelsThatFit(mapping_.PixelLength(), size, labelsSeparation_);
    }
    return showsDateTime_ ? DateTimeLabelStep(mapping_.RangeSpan(), fit, increment_)
                          : NumericLabelStep(mapping_.RangeSpan(), fit, increment_, labelsSeparation_);
}

TAxisLabelScale TCustomChartAxis::LabelScale() const
{
    TAxisLabelScale scale{LabelStep(), dtNone};
    if (showsDateTime_ && exactDateTime_ && increment_ != 0)
        scale.Step = ExactDateTimeStep(increment_, scale.Increment);
    return scale;
}

TAxisTickList TCustomChartAxis::CalcTicks(const TAxisLabelScale& scale) const
{
    return TAxisLabelMaker(*this, scale).Make();
}

QString TCustomChartAxis::LabelValue(double value) const { return LabelText(value, true); }

QString TCustomChartAxis::LabelText(double value, bool fireEvent) const
{
    QString text;
    if (!showsDateTime_) {
        text = FormatNumber(axisValuesFormat_, value);
    } else if (value >= 0) {
        const TFormatSettings& settings = ShownFormatSettings();
        QString format = dateTimeFormat_;
        if (format.isEmpty())
            format = mapping_.RangeSpan() > 1 ? settings.ShortDateFormat : settings.ShortTimeFormat;
        text = FormatDateTime(format, value, settings);
    }
    if (fireEvent && host_) {
        if (const TAxisOnGetLabel& onLabel = host_->GetAxisLabelEvent())
            onLabel(*this, nullptr, -1, text);
    }
    if (labelsMultiLine_)
        text.replace(u' ', LineSeparator);
    return text;
}

int TCustomChartAxis::WidestLabel() const
{
    const TCanvas3D* canvas = Canvas();
    if (!canvas || !host_)
        return 0;
    switch (EffectiveLabelStyle()) {
    case talValue: {
        const double inc = LabelStep();
        const bool rounded = roundFirstLabel_ || (showsDateTime_ && exactDateTime_);
        auto end = [&](double limit) { return rounded ? std::trunc(limit / inc) * inc : limit; };
        const int widest = std::max(TextBlockWidth(*canvas, LabelText(end(mapping_.RangeMin), false)).Width,
                                    TextBlockWidth(*canvas, LabelText(end(mapping_.RangeMax), false)).Width);
        return widest + canvas->MeasureWidth(QStringLiteral(" "));
    }
    case talMark: return host_->WidestMarkOfChart();
    case talText: return host_->WidestPointLabel();
    default: return 0;
    }
}
