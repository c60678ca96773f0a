#include "chart/axes/chart_axis_title.h"

#include "chart/axes/axis_exception.h"
#include "chart/axes/axis_host.h"
#include "chart/canvas/assign_if_changed.h"

TChartAxisTitle::TChartAxisTitle(const TAxisHost* host, int defaultAngle, std::function<void()> onChange)
    : OnChange(std::move(onChange)), host_(host), defaultAngle_(defaultAngle), angle_(defaultAngle)
{
}

void TChartAxisTitle::SetCaption(const QString& value)
{
    if (AssignIfChanged(caption_, value))
        Changed();
}

void TChartAxisTitle::SetAngle(int value)
{
    if (host_)
        host_->CheckAngle(value, QCoreApplication::translate("AxisException", AxisMessages::LabelAngleDescription));
    if (AssignIfChanged(angle_, value))
        Changed();
}

void TChartAxisTitle::SetFont(const TFont& value)
{
    if (AssignIfChanged(font_, value))
        Changed();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& other)
{
    const bool changed = caption_ != other.caption_ || angle_ != other.angle_ || !(font_ == other.font_);
    caption_ = other.caption_;
    angle_ = other.angle_;
    font_ = other.font_;
    if (changed)
        Changed();
}

void TChartAxisTitle::Changed() const
{
    if (OnChange)
        OnChange();
}
