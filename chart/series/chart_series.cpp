#include "chart/series/chart_series.h"

#include "chart/series/list_index_exception.h"

#include <algorithm>
#include <typeinfo>
#include <utility>

namespace {

// Inserts value at index into a parallel point list that may be shorter
// than the value lists; the gap is filled so later entries stay aligned.
template <typename List, typename T>
void InsertParallel(List& list, int index, const T& value, const T& fill)
{
    while (int(list.size()) < index)
        list.push_back(fill);
    list.insert(list.begin() + index, value);
}

template <typename List, typename T>
void SwapParallel(List& list, int i, int j, const T& fill)
{
    const int high = std::max(i, j);
    if (high >= int(list.size())) {
        if (std::min(i, j) >= int(list.size()))
            return; // both missing: nothing to exchange
        while (int(list.size()) <= high)
            list.push_back(fill);
    }
    std::swap(list[i], list[j]);
}

} // namespace

TChartSeries::TChartSeries()
{
    xValues_ = std::make_unique<TChartValueList>(*this, QStringLiteral("X"));
    xValues_->SetOrder(loAscending);
    yValues_ = std::make_unique<TChartValueList>(*this, QStringLiteral("Y"));
    marks_ = std::make_unique<TSeriesMarks>(*this);
}

TChartSeries::~TChartSeries()
{
    function_.reset();
    UnlinkSources();
    // Series fed first by this one lose their data source and with it the
    // points they took from it; for the others it is just one source less.
    const std::vector<TChartSeries*> dependents = std::exchange(dependentSeries_, {});
    for (TChartSeries* dependent : dependents) {
        if (dependent->DataSource() == this)
            dependent->SetDataSource(nullptr);
        else
            std::erase(dependent->dataSources_, this);
    }
    // The points go without OnClearValues: a handler must not run on a
    // half-destroyed series, and nothing is linked any more to be told.
    ClearStorage();
    yValues_.reset();
    xValues_.reset();
    marks_.reset();
    SetParentChart(nullptr);
}

void TChartSeries::Assign(const TChartSeries& source)
{
    if (&source == this)
        return;
    tag_ = source.tag_;
    UnlinkSources();

    if (IsYMain() && source.IsYMain()) {
        xValues_->AssignSettings(*source.xValues_);
        yValues_->AssignSettings(*source.yValues_);
    } else {
        xValues_->AssignSettings(*source.yValues_);
        yValues_->AssignSettings(*source.xValues_);
    }
    for (int i = 2; i < std::min(valueLists_.Count(), source.valueLists_.Count()); ++i)
        valueLists_[i].AssignSettings(source.valueLists_[i]);
    SetXLabelsSource(source.xLabelsSource_);
    SetColorSource(source.colorSource_);
    if (!function_ && source.function_)
        AttachFunction(source.function_->Clone());

    if (!source.dataSources_.empty()) {
        for (TChartSeries* s : source.dataSources_)
            LinkSource(*s);
    } else {
        LoadFromSource(source);
    }

    marks_->Assign(*source.marks_);
    SetSeriesColor(source.seriesColor_);
    // Stored directly: the setter would reset the colours just copied.
    SetProperty(colorEachPoint_, source.colorEachPoint_);
    SetTitle(source.title_);
    SetValueFormat(source.valueFormat_);
    SetPercentFormat(source.percentFormat_);
    SetActive(source.active_);
    SetHorizAxis(source.horizAxis_);
    SetVertAxis(source.vertAxis_);
    recalcOptions_ = source.recalcOptions_;
    SetCursor(source.cursor_);
    SetShowInLegend(source.showInLegend_);
    editorFlags_ = source.editorFlags_;
    identifier_ = source.identifier_;
    CheckDataSource();
}

// --- Points ----------------------------------------------------------------

int TChartSeries::AddPoint(double x, double y, const QString& label, TColor colour)
{
    xValues_->SetPendingValue(x);
    yValues_->SetPendingValue(y);
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int index = xValues_->InsertOrdered(x);
    yValues_->InsertAt(index, y);
    InsertExtraValues(index);
    InsertPointExtras(index, colour, label);
    PointAdded(index);
    return index;
}

void TChartSeries::InsertPointExtras(int index, TColor colour, const QString& label)
{
    InsertParallel(colours_, index, colour, clDefault);
    InsertParallel(labels_, index, label, QString());
}

int TChartSeries::AppendValue(double value, const QString& label, TColor colour)
{
    return IsYMain() ? AddPoint(PointCount(), value, label, colour)
                     : AddPoint(value, PointCount(), label, colour);
}

int TChartSeries::AppendNullValue(const QString& label)
{
    return AppendValue(0, label, clNone);
}

int TChartSeries::AddNullPoint(double x, double y, const QString& label)
{
    return AddPoint(x, y, label, clNone);
}

void TChartSeries::InsertExtraValues(int index)
{
    for (int i = 2; i < valueLists_.Count(); ++i)
        valueLists_[i].InsertAt(index, valueLists_[i].PendingValue());
}

void TChartSeries::PointAdded(int index)
{
    ++dataChanges_;
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    NotifyLinkedSeries(lcAdded, index);
    if (active_)
        RequestRepaint();
}

void TChartSeries::ClearStorage()
{
    for (TChartValueList* list : valueLists_)
        list->RemoveAll();
    std::vector<TColor>().swap(colours_);
    QList<QString>().swap(labels_);
    if (marks_)
        marks_->ClearPositions();
}

void TChartSeries::ClearPoints()
{
    ClearStorage();
    // No point is left to be visible; the next paint finds the new ones.
    ++dataChanges_;
    firstVisible_ = lastVisible_ = -1;
    if (OnClearValues)
        OnClearValues(*this);
    NotifyLinkedSeries(lcCleared, -1);
    if (active_ && parentChart_ && !parentChart_->IsDestroying())
        RequestRepaint();
}

void TChartSeries::DeletePoint(int index)
{
    // Checked once up front so that no list is shortened alone.
    CheckListIndex(index, PointCount());
    for (TChartValueList* list : valueLists_)
        list->RemoveAt(index);
    if (index < ColourCount())
        colours_.erase(colours_.begin() + index);
    if (index < LabelCount())
        labels_.erase(labels_.begin() + index);
    marks_->DeletePosition(index);
    ++dataChanges_;
    lastVisible_ = std::min(lastVisible_, PointCount() - 1);
    if (lastVisible_ < firstVisible_)
        firstVisible_ = lastVisible_ = -1;
    NotifyLinkedSeries(lcDeleted, index);
    if (active_)
        RequestRepaint();
}

void TChartSeries::SwapPoints(int i, int j)
{
    CheckListIndex(i, PointCount());
    CheckListIndex(j, PointCount());
    for (TChartValueList* list : valueLists_)
        list->Exchange(i, j);
    SwapParallel(colours_, i, j, clDefault);
    SwapParallel(labels_, i, j, QString());
}

double TChartSeries::PointX(int index) const
{
    return xValues_->ValueAt(index);
}

double TChartSeries::PointY(int index) const
{
    return yValues_->ValueAt(index);
}

TColor TChartSeries::PointColor(int index) const
{
    if (index < 0)
        return seriesColor_;
    // A point without an entry of its own counts as clDefault.
    const TColor own = index < ColourCount() ? colours_[std::size_t(index)] : clDefault;
    if (own != clDefault)
        return own;
    return colorEachPoint_ ? PaletteColour(index) : seriesColor_;
}

QString TChartSeries::PointLabel(int index) const
{
    if (index < 0 || index >= LabelCount())
        return {};
    return labels_[index];
}

void TChartSeries::SetPointColor(int index, TColor colour)
{
    CheckListIndex(index, PointCount());
    if (index >= ColourCount())
        colours_.resize(std::size_t(index) + 1, clDefault);
    SetProperty(colours_[std::size_t(index)], colour);
}

TChartValueList& TChartSeries::ValueListByName(const QString& name) const
{
    for (int i = 2; i < valueLists_.Count(); ++i)
        if (valueLists_[i].Name().compare(name, Qt::CaseInsensitive) == 0)
            return valueLists_[i];
    return *yValues_;
}

double TChartSeries::StackedOrigin(int index, bool all) const
{
    double origin = 0;
    if (!parentChart_)
        return origin;
    for (const TChartSeries* s : parentChart_->SeriesList()) {
        if (!all && s == this)
            break;
        if (!s->active_ || typeid(*s) != typeid(*this) || s->PointCount() <= index)
            continue;
        const double v = s->ValueForOrigin(index);
        if (v > 0)
            origin += v;
    }
    return origin;
}

// --- Properties --------------------------------------------------------------

void TChartSeries::SetColorEachPoint(bool value)
{
    SetProperty(colorEachPoint_, value);
    if (value)
        return;
    // Switching palette colours off drops every own colour, but a null point
    // stays a null point: clNone marks missing data, not a colour.
    for (int i = 0; i < ColourCount(); ++i)
        if (colours_[std::size_t(i)] != clNone)
            SetPointColor(i, clDefault);
}

void TChartSeries::RequestRepaint()
{
    if (parentChart_ && repaintPauses_ == 0)
        parentChart_->Invalidate();
}
