#include "chart/panel/axis_panel.h"

#include "chart/axes/number_format.h"
#include "chart/canvas/pixel_math.h"
#include "chart/canvas/chart_exception.h"

#include <algorithm>
#include <cstdlib>

// Construction, series and axes lists, and the queries series and axes make.
// The paint sequence lives in axis_panel_draw.cpp.

TCustomAxisPanel::TCustomAxisPanel(QWidget* parent)
    : TCustomChartPanelExtended(parent), axes_(std::make_unique<TChartAxisList>(this))
{
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    BeginDestroying();
    FreeAllSeries();
    axes_.reset();
}

void TCustomAxisPanel::BeginDestroying()
{
    destroying_ = true;
    SetAutoRepaint(false);
}

void TCustomAxisPanel::FreeAllSeries()
{
    const std::vector<TChartSeries*> members(seriesList_.begin(), seriesList_.end());
    for (TChartSeries* s : members)
        s->SetParentChart(nullptr);
    ownedSeries_.clear();
}

void TCustomAxisPanel::Invalidate()
{
    if (!destroying_)
        TCustomChartPanelExtended::Invalidate();
}

// --- series -------------------------------------------------------------------

void TCustomAxisPanel::AddSeries(TChartSeries& series)
{
    if (seriesList_.Contains(series))
        return;
    if (series.SeriesColor() == clDefault)
        series.SetSeriesColor(FreeSeriesColour(true));
    // Listed first: SetParentChart() calls back here and must find it.
    seriesList_.Add(series);
    series.SetParentChart(this);
    RefreshFromSource(series);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series)
{
    if (!seriesList_.Contains(series))
        return;
    // Unlisted first: SetParentChart() calls back here and must find nothing.
    seriesList_.Remove(series);
    // The frames must not name a series that may be freed next.
    for (TChartFrame* frame : {&paintFrame_, &lastFrame_})
        std::erase_if(frame->Series, [&](const TSeriesFrame& f) { return f.Series == &series; });
    series.UnlinkSources();
    series.SetParentChart(nullptr);
    Invalidate();
}

std::unique_ptr<TChartSeries> TCustomAxisPanel::TakeSeries(TChartSeries& series)
{
    RemoveSeries(series);
    const auto owned = std::find_if(ownedSeries_.begin(), ownedSeries_.end(),
                                    [&](const auto& p) { return p.get() == &series; });
    if (owned == ownedSeries_.end())
        return nullptr;
    std::unique_ptr<TChartSeries> taken = std::move(*owned);
    ownedSeries_.erase(owned);
    return taken;
}

void TCustomAxisPanel::RefreshFromSource(TChartSeries& series)
{
    if (TChartSeries* source = series.DataSource())
        series.LoadFromSource(*source);
}

void TCustomAxisPanel::CheckDataSource(const TChartSeries& series, const TChartSeries& source) const
{
    // Walks the sources of `source`, depth first; each series once.
    std::vector<const TChartSeries*> pending{&source};
    std::vector<const TChartSeries*> seen;
    while (!pending.empty()) {
        const TChartSeries* s = pending.back();
        pending.pop_back();
        if (s == &series)
            throw ChartException::CircularDataSource();
        if (std::find(seen.begin(), seen.end(), s) != seen.end())
            continue;
        seen.push_back(s);
        pending.insert(pending.end(), s->DataSources().begin(), s->DataSources().end());
    }
}

TColor TCustomAxisPanel::FreeSeriesColour(bool checkBackground) const
{
    for (int i = 0; i < PaletteSize; ++i)
        if (IsFreeSeriesColor(PaletteColour(i), checkBackground))
            return PaletteColour(i);
    return PaletteColour(PaletteSize);
}

bool TCustomAxisPanel::IsFreeSeriesColor(TColor colour, bool checkBackground) const
{
    const bool used = std::any_of(seriesList_.begin(), seriesList_.end(),
                                  [colour](const TChartSeries* s) { return s->SeriesColor() == colour; });
    return !used && !(checkBackground && colour == Color());
}

TChartSeries* TCustomAxisPanel::LegendSeriesAt(int index) const
{
    int n = 0;
    for (TChartSeries* s : seriesList_)
        if (s->Active() && s->ShowInLegend() && n++ == index)
            return s;
    return nullptr;
}

QString TCustomAxisPanel::LegendSeriesTitle(int index) const
{
    const TChartSeries* s = LegendSeriesAt(index);
    if (!s)
        return {};
    if (!s->Title().isEmpty())
        return s->Title();
    if (!s->Name().isEmpty())
        return s->Name();
    return QStringLiteral("Series %1").arg(index);
}

TChartSeries* TCustomAxisPanel::FirstActiveSeries() const
{
    const auto it = std::find_if(seriesList_.begin(), seriesList_.end(),
                                 [](const TChartSeries* s) { return s->Active(); });
    return it == seriesList_.end() ? nullptr : *it;
}

// --- axes -------------------------------------------------------------------

bool TCustomAxisPanel::AxisShown(const TCustomChartAxis& axis) const
{
    if (!axisVisible_ || !axis.Visible())
        return false;
    if (axis.IsDepthAxis())
        return View3D();
    // Shown when no active series uses axes, or one of them is bound to it.
    bool shown = true;
    for (const TChartSeries* s : seriesList_) {
        if (!s->Active() || !s->UsesAxes())
            continue;
        shown = s->IsBoundToAxis(&axis);
        if (shown)
            break;
    }
    return shown;
}

int TCustomAxisPanel::WallThickness(const TCustomChartAxis& /*axis*/) const
{
    return 0;
}

int TCustomAxisPanel::WallSize(TAxisSide side) const
{
    switch (side) {
    case asBottom:
        return WallThickness(*BottomAxis());
    case asLeft:
        return WallThickness(*LeftAxis());
    default:
        return 0;
    }
}

TAxisDataRange TCustomAxisPanel::DataRange(const TCustomChartAxis& axis) const
{
    if (axis.IsDepthAxis())
        return DepthAxisDataRange(seriesList_, axis.LabelStyle() != talValue, highestDepthOrder_);
    return AxisDataRange(seriesList_, axis, {maxPointsPerPage_, page_, scaleLastPage_});
}

TChartSeries* TCustomAxisPanel::AxisLeadSeries(const TCustomChartAxis& axis) const
{
    return ::AxisLeadSeries(seriesList_, axis);
}

// --- paging -------------------------------------------------------------------

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
    if (value < 0)
        throw ChartException::NegativeMaxPointsPerPage();
    if (!AssignIfChanged(maxPointsPerPage_, value))
        return;
    Invalidate();
    GoToPage(page_);
}

int TCustomAxisPanel::PageCount() const
{
    if (maxPointsPerPage_ < 1 || seriesList_.Count() == 0)
        return 1;
    const TChartSeries& first = SeriesAt(0);
    const TSeriesAxis* pair[2] = {first.IsYMain() ? BottomAxis() : LeftAxis(),
                                  first.IsYMain() ? TopAxis() : RightAxis()};
    int pages = 1;
    for (const TSeriesAxis* axis : pair) {
        int most = 0;
        for (const TChartSeries* s : seriesList_)
            if (s->Active() && s->IsBoundToAxis(axis))
                most = std::max(most, s->PointCount());
        const int axisPages = most == 0 ? 1 : (most + maxPointsPerPage_ - 1) / maxPointsPerPage_;
        pages = std::max(pages, axisPages);
    }
    return pages;
}

void TCustomAxisPanel::GoToPage(int value)
{
    const int clamped = std::clamp(value, 1, std::max(1, PageCount()));
    if (!AssignIfChanged(page_, clamped))
        return;
    Invalidate();
    Fire(OnPageChange, *this);
}

// --- texts the axes measure -------------------------------------------------------

int TCustomAxisPanel::WidestPointLabel() const
{
    int widest = 0;
    for (const TChartSeries* s : seriesList_)
        for (int i = 0; i < s->LabelCount(); ++i)
            if (const QString label = s->PointLabel(i); !label.isEmpty())
                widest = std::max(widest, TextBlockWidth(label).Width);
    return widest;
}

int TCustomAxisPanel::WidestMarkOfChart() const
{
    int widest = 0;
    ForEachActiveSeries([&](const TChartSeries& s) { widest = std::max(widest, s.WidestMark()); });
    return widest;
}

QString TCustomAxisPanel::SeriesMarkText(const TChartSeries& series, int index) const
{
    return series.MarkText(index);
}

QString TCustomAxisPanel::FormatValue(const QString& picture, double value) const
{
    return FormatNumber(picture, value);
}
