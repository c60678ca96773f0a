#pragma once

#include <functional>

class TCustomChartPanel;

// A notification from the chart with the chart as sender.
using TChartNotifyEvent = std::function<void(TCustomChartPanel& sender)>;

// Fires `event` when one is attached.
template <typename Event, typename... Args>
void Fire(const Event& event, Args&&... args)
{
    if (event)
        event(std::forward<Args>(args)...);
}
