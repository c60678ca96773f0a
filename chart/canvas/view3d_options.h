#pragma once

#include "chart/canvas/assign_if_changed.h"

#include <functional>

// The chart's 3D view settings. They are read by the canvas projection only
// while the chart's 3D view is on.
class TView3DOptions
{
public:
    TView3DOptions() = default;
    TView3DOptions(const TView3DOptions&) = delete;
    TView3DOptions& operator=(const TView3DOptions&) = delete;

    int Elevation() const { return elevation_; }
    void SetElevation(int v) { Set(elevation_, v); }
    int Rotation() const { return rotation_; }
    void SetRotation(int v) { Set(rotation_, v); }
    int Tilt() const { return tilt_; }
    void SetTilt(int v) { Set(tilt_, v); }
    int Perspective() const { return perspective_; }
    void SetPerspective(int v) { Set(perspective_, v); }
    bool Orthogonal() const { return orthogonal_; }
    void SetOrthogonal(bool v) { Set(orthogonal_, v); }
    // Percent.
    int Zoom() const { return zoom_; }
    void SetZoom(int v);
    bool ZoomText() const { return zoomText_; }
    void SetZoomText(bool v) { Set(zoomText_, v); }
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
    template <typename T>
    bool Set(T& field, T value)
    {
        if (!AssignIfChanged(field, value))
            return false;
        if (OnChange)
            OnChange();
        return true;
    }

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
