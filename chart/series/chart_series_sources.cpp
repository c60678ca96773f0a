// Data sources: series that feed this one, and passing changes on to the
// series fed by this one.

#include "chart/series/chart_series.h"

#include "chart/canvas/chart_exception.h"

#include <algorithm>

void TChartSeries::SetDataSource(TChartSeries* source)
{
    if (!source) {
        if (dataSources_.empty())
            return;
        UnlinkSources();
        ClearPoints();
        return;
    }
    if (dataSources_.size() == 1 && dataSources_.front() == source)
        return;
    if (!parentChart_)
        throw ChartException::NoParentChartForDataSource();
    if (!CanTakeSource(source))
        throw ChartException::InvalidDataSource(source->Name());
    // A source fed by this series would pass every change round in a circle.
    parentChart_->CheckDataSource(*this, *source);
    UnlinkSources();
    LinkSource(*source);
    CheckDataSource();
}

void TChartSeries::LinkSource(TChartSeries& source)
{
    if (&source == this || std::find(dataSources_.begin(), dataSources_.end(), &source) != dataSources_.end())
        return;
    dataSources_.push_back(&source);
    source.dependentSeries_.push_back(this);
}

void TChartSeries::UnlinkSources()
{
    for (TChartSeries* source : dataSources_)
        std::erase(source->dependentSeries_, this);
    std::vector<TChartSeries*>().swap(dataSources_);
}

void TChartSeries::NotifyLinkedSeries(TLinkedChange kind, int index)
{
    // A copy: a dependent may unlink itself while it reacts.
    const std::vector<TChartSeries*> dependents = dependentSeries_;
    for (TChartSeries* d : dependents) {
        switch (kind) {
        case lcCleared:
            if (d->recalcOptions_ & rOnClear)
                d->ClearPoints();
            break;
        case lcAdded:
            if ((d->recalcOptions_ & rOnInsert) && !d->function_)
                d->SourcePointAdded(*this, index);
            break;
        case lcDeleted:
            if ((d->recalcOptions_ & rOnDelete) && !d->function_)
                d->SourcePointDeleted(*this, index);
            break;
        case lcModified:
            if (d->recalcOptions_ & rOnModify)
                d->LoadFromSource(*this);
            break;
        case lcRefresh:
            d->LoadFromSource(*this);
            break;
        }
    }
}

void TChartSeries::CheckDataSource()
{
    if (parentChart_)
        parentChart_->RefreshFromSource(*this);
}

int TChartSeries::AppendFromSource(const TChartSeries& source, int index)
{
    double x = source.XValues().ValueAt(index);
    double y = source.YValues().ValueAt(index);
    if (IsYMain() != source.IsYMain())
        std::swap(x, y);
    const int newIndex = xValues_->InsertOrdered(x);
    yValues_->InsertAt(newIndex, y);
    for (int i = 2; i < valueLists_.Count(); ++i) {
        const double v = i < source.ValuesList().Count() ? source.ValuesList()[i].ValueAt(index) : 0.0;
        valueLists_[i].InsertAt(newIndex, v);
    }
    return newIndex;
}

void TChartSeries::SourcePointAdded(const TChartSeries& source, int index)
{
    const int newIndex = AppendFromSource(source, index);
    // Always insert a colour and a label slot, so the points after the new
    // one keep theirs.
    const TColor colour = index < source.ColourCount() ? source.colours_[std::size_t(index)] : clDefault;
    InsertPointExtras(newIndex, colour, source.PointLabel(index));
    PointAdded(newIndex);
}

void TChartSeries::SourcePointDeleted(const TChartSeries& source, int index)
{
    (void)source;
    DeletePoint(index);
}

void TChartSeries::LoadFromSource(const TChartSeries& source)
{
    ClearPoints();
    if (function_) {
        function_->CalculateSeries(*this, dataSources_);
    } else {
        for (int i = 0; i < source.PointCount(); ++i)
            SourcePointAdded(source, i);
    }
    NotifyLinkedSeries(lcRefresh, -1);
}

void TChartSeries::AttachFunction(std::unique_ptr<TChartFunction> function)
{
    function_ = std::move(function);
    if (function_)
        function_->SetParentSeries(this);
    CheckDataSource();
}
