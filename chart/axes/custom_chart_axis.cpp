#include "chart/axes/custom_chart_axis.h"

#include "chart/axes/axis_exception.h"
#include "chart/axes/axis_host.h"

namespace {

int DefaultTitleAngle(bool horizontal, bool otherSide, bool depth)
{
    if (horizontal || depth)
        return 0;
    return otherSide ? 270 : 90;
}

} // namespace

TCustomChartAxis::TCustomChartAxis(TAxisHost* host, bool horizontal, bool otherSide, bool depth)
    : host_(host),
      horizontal_(horizontal && !depth),
      otherSide_(otherSide),
      depth_(depth),
      axisPen_([this] { Repaint(); }),
      grid_([this] { Repaint(); }),
      minorGrid_([this] { Repaint(); }),
      ticks_([this] { Repaint(); }),
      ticksInner_([this] { Repaint(); }),
      minorTicks_([this] { Repaint(); }),
      title_(host, DefaultTitleAngle(horizontal, otherSide, depth), [this] { Repaint(); })
{
    SyncMappingFlags();
}

TCustomChartAxis::~TCustomChartAxis() = default;

TAxisSide TCustomChartAxis::Side() const
{
    if (depth_)
        return asDepth;
    if (horizontal_)
        return otherSide_ ? asTop : asBottom;
    return otherSide_ ? asRight : asLeft;
}

void TCustomChartAxis::Repaint() const
{
    if (host_)
        host_->Invalidate();
}

TCanvas3D* TCustomChartAxis::Canvas() const { return host_ ? host_->Canvas() : nullptr; }

void TCustomChartAxis::SyncMappingFlags()
{
    mapping_.Horizontal = horizontal_;
    mapping_.Inverted = inverted_;
    mapping_.Logarithmic = logarithmic_;
}

// --- limits ---------------------------------------------------------------

void TCustomChartAxis::SetAutomatic(bool value)
{
    bool changed = AssignIfChanged(automatic_, value);
    if (!host_ || !host_->IsLoading()) {
        changed = AssignIfChanged(automaticMinimum_, value) || changed;
        changed = AssignIfChanged(automaticMaximum_, value) || changed;
    }
    if (changed)
        Repaint();
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    if (!AssignIfChanged(automaticMinimum_, value))
        return;
    if (!value || automaticMaximum_)
        automatic_ = value;
    Repaint();
}

void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    if (!AssignIfChanged(automaticMaximum_, value))
        return;
    if (!value || automaticMinimum_)
        automatic_ = value;
    Repaint();
}

void TCustomChartAxis::SetMinimum(double value)
{
    if (value > maximum_ && !(host_ && host_->IsLoading()))
        throw AxisException(AxisMessages::MinimumAboveMaximum);
    SetProperty(minimum_, value);
}

void TCustomChartAxis::SetMaximum(double value)
{
    if (value < minimum_ && !(host_ && host_->IsLoading()))
        throw AxisException(AxisMessages::MaximumBelowMinimum);
    SetProperty(maximum_, value);
}

void TCustomChartAxis::FixRange(double a, double b)
{
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    minimum_ = std::min(a, b);
    maximum_ = std::max(a, b);
    if (maximum_ - minimum_ < 1e-10)
        maximum_ = minimum_ + 1e-10;
    Repaint();
}

void TCustomChartAxis::SetIncrement(double value)
{
    if (value < 0)
        throw AxisException(AxisMessages::NegativeIncrement);
    SetProperty(increment_, value);
}

void TCustomChartAxis::SetLogarithmic(bool value)
{
    if (value && !logarithmic_) {
        if (HasDateTimeValues())
            throw AxisException(AxisMessages::LogarithmicDateTime);
        SettleRange();
        if (mapping_.RangeMin < 0 || mapping_.RangeMax < 0)
            throw AxisException(AxisMessages::LogarithmicNegative);
    }
    SetProperty(logarithmic_, value);
    SyncMappingFlags();
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    if (value < 2)
        throw AxisException(AxisMessages::LogarithmicBase);
    SetProperty(logarithmicBase_, value);
}

void TCustomChartAxis::SetInverted(bool value)
{
    SetProperty(inverted_, value);
    SyncMappingFlags();
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    if (host_)
        host_->CheckAngle(value, QCoreApplication::translate("AxisException", AxisMessages::LabelAngleDescription));
    SetProperty(labelsAngle_, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw AxisException(AxisMessages::NegativeSeparation);
    SetProperty(labelsSeparation_, value);
}

// --- mapping --------------------------------------------------------------

int TCustomChartAxis::ValueToPixel(double value) const
{
    if (depth_)
        return DepthValueToPixel(mapping_, value, host_ ? host_->DepthWidth() : 0);
    return mapping_.ValueToPixel(value);
}

double TCustomChartAxis::PixelToValue(int pixel) const { return mapping_.PixelToValue(pixel); }

// --- copying --------------------------------------------------------------

void TCustomChartAxis::Assign(const TCustomChartAxis& other)
{
    if (&other == this)
        return;
    horizontal_ = other.horizontal_;
    otherSide_ = other.otherSide_;
    depth_ = other.depth_;
    axisPen_.Assign(other.axisPen_);
    grid_.Assign(other.grid_);
    minorGrid_.Assign(other.minorGrid_);
    ticks_.Assign(other.ticks_);
    ticksInner_.Assign(other.ticksInner_);
    minorTicks_.Assign(other.minorTicks_);
    title_.Assign(other.title_);
    labelsFont_ = other.labelsFont_;
    minimum_ = other.minimum_;
    maximum_ = other.maximum_;
    increment_ = other.increment_;
    startPosition_ = other.startPosition_;
    endPosition_ = other.endPosition_;
    positionPercent_ = other.positionPercent_;
    axisValuesFormat_ = other.axisValuesFormat_;
    dateTimeFormat_ = other.dateTimeFormat_;
    logarithmicBase_ = other.logarithmicBase_;
    tickLength_ = other.tickLength_;
    tickInnerLength_ = other.tickInnerLength_;
    minorTickLength_ = other.minorTickLength_;
    minorTickCount_ = other.minorTickCount_;
    labelsAngle_ = other.labelsAngle_;
    labelsSeparation_ = other.labelsSeparation_;
    labelsSize_ = other.labelsSize_;
    titleSize_ = other.titleSize_;
    labelStyle_ = other.labelStyle_;
    automatic_ = other.automatic_;
    automaticMinimum_ = other.automaticMinimum_;
    automaticMaximum_ = other.automaticMaximum_;
    logarithmic_ = other.logarithmic_;
    inverted_ = other.inverted_;
    visible_ = other.visible_;
    gridCentered_ = other.gridCentered_;
    tickOnLabelsOnly_ = other.tickOnLabelsOnly_;
    labels_ = other.labels_;
    labelsMultiLine_ = other.labelsMultiLine_;
    labelsOnAxis_ = other.labelsOnAxis_;
    exactDateTime_ = other.exactDateTime_;
    roundFirstLabel_ = other.roundFirstLabel_;
    SyncMappingFlags();
    Repaint();
}
