#include "chart/axes/chart_axis_list.h"

template <typename T, typename... Args>
T* TChartAxisList::Create(Args&&... args)
{
    auto axis = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = axis.get();
    axes_.push_back(std::move(axis));
    return raw;
}

TChartAxisList::TChartAxisList(TAxisHost* host)
    : bottom_(Create<TChartAxis>(host, true, false)),
      top_(Create<TChartAxis>(host, true, true)),
      left_(Create<TChartAxis>(host, false, false)),
      right_(Create<TChartAxis>(host, false, true)),
      depth_(Create<TChartDepthAxis>(host))
{
}

TCustomChartAxis& TChartAxisList::Add(std::unique_ptr<TCustomChartAxis> axis)
{
    axes_.push_back(std::move(axis));
    return *axes_.back();
}
