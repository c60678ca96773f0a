#include "chart/canvas/view3d_options.h"

void TView3DOptions::SetZoom(int v)
{
    if (v == zoom_)
        return;
    if (OnZoomChanged)
        OnZoomChanged(v);
    SetProperty(zoom_, v);
}

void TView3DOptions::SetHorizOffset(int v)
{
    if (SetProperty(horizOffset_, v) && OnScrolled)
        OnScrolled(true);
}

void TView3DOptions::SetVertOffset(int v)
{
    if (SetProperty(vertOffset_, v) && OnScrolled)
        OnScrolled(false);
}

void TView3DOptions::Assign(const TView3DOptions& other)
{
    if (&other == this)
        return;
    SetElevation(other.elevation_);
    SetRotation(other.rotation_);
    SetTilt(other.tilt_);
    SetPerspective(other.perspective_);
    SetOrthogonal(other.orthogonal_);
    SetZoom(other.zoom_);
    SetZoomText(other.zoomText_);
    SetHorizOffset(other.horizOffset_);
    SetVertOffset(other.vertOffset_);
}
