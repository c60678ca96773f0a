#pragma once

#include "chart/canvas/assign_if_changed.h"

#include <functional>

// The chart's 3D view settings. They are read by the canvas projection only
// while the chart's 3D view is on.
class TView3DOptions : private TPropertyOwner<TView3DOptions>
{
public:
    TView3DOptions() = default;
    TView3DOptions(const TView3DOptions&) = delete;
    TView3DOptions& operator=(const TView3DOptions&) = delete;

    int Elevation() const { return elevation_; }
    void SetElevation(int v) { SetProperty(elevation_, v); }
    int Rotation() const { return rotation_; }
    void SetRotation(int v) { SetProperty(rotation_, v); }
    int Tilt() const { return tilt_; }
    void SetTilt(int v) { SetProperty(tilt_, v); }
    int Perspective() const { return perspective_; }
    void SetPerspective(int v) { SetProperty(perspective_, v); }
    bool Orthogonal() const { return orthogonal_; }
    void SetOrthogonal(bool v) { SetProperty(orthogonal_, v); }
    // Percent.
    int Zoom() const { return zoom_; }
    void SetZoom(int v);
    bool ZoomText() const { return zoomText_; }
    void SetZoomText(bool v) { SetProperty(zoomText_, v); }
    int HorizOffset() const { return horizOffset_; }
    void SetHorizOffset(int v);
    int VertOffset() const { return vertOffset_; }
    void SetVertOffset(int v);

    // Copies every setting, notifying as the setters do.
    void Assign(const TView3DOptions& other);

    // Repaint request of the owning chart, after every effective change.
    std::function<void()> OnChange;
    // An offset changed: true for the horizontal, false for the vertical one.
    std::function<void(bool horizontal)> OnScrolled;
    // The zoom is about to change to the given value.
    std::function<void(int zoom)> OnZoomChanged;

private:
    void Changed() const
    {
        if (OnChange)
            OnChange();
    }
    friend class TPropertyOwner<TView3DOptions>;

    int elevation_ = 345;
    int rotation_ = 345;
    int tilt_ = 0;
    int perspective_ = 15;
    bool orthogonal_ = true;
    int zoom_ = 100;
    bool zoomText_ = true;
    int horizOffset_ = 0;
    int vertOffset_ = 0;
};
