#pragma once

#include "chart/panel/back_image.h"
#include "chart/panel/chart_events.h"
#include "chart/panel/chart_gradient.h"
#include "chart/panel/chart_panel.h"

#include <QImage>

#include <cstdint>
#include <memory>

enum TPanningMode : std::uint8_t { pmNone, pmHorizontal, pmVertical, pmBoth };

// The second layer of the chart control: the panel background (colour or
// gradient, back image, bevels) and the zoom and panning settings.
class TCustomChartPanelExtended : public TCustomChartPanel
{
public:
    explicit TCustomChartPanelExtended(QWidget* parent = nullptr);
    ~TCustomChartPanelExtended() override;

    TChartGradient& Gradient() const { return *gradient_; }
    const QImage& BackImage() const { return backImage_; }
    void SetBackImage(const QImage& image);
    TChartBackImageMode BackImageMode() const { return backImageMode_; }
    void SetBackImageMode(TChartBackImageMode value) { SetProperty(backImageMode_, value); }

    bool AnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool value) { SetProperty(animatedZoom_, value); }
    int AnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int value) { SetProperty(animatedZoomSteps_, value); }
    bool AllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool value) { SetProperty(allowZoom_, value); }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode value) { SetProperty(allowPanning_, value); }
    bool Zoomed() const { return zoomed_; }

    // Fires OnUndoZoom, repaints and clears Zoomed.
    virtual void UndoZoom();

    TChartNotifyEvent OnScroll;
    TChartNotifyEvent OnUndoZoom;
    TChartNotifyEvent OnZoom;
    TChartNotifyEvent OnAfterDraw;

protected:
    // Background, back image and bevels of the rectangle.
    virtual void PaintPanelArea(const TRect& r);
    // The gradient, else the panel colour.
    virtual void FillPanel(const TRect& r);
    // The back image over the whole panel.
    virtual void PaintBackImage(const TRect& r);
    virtual void DrawPanelBevels(TRect r);
    // Draws the back image into r at depth z by BackImageMode.
    void DrawBackImage(const TRect& r, int z);
    void SetZoomed(bool value) { zoomed_ = value; }

private:
    void DrawTiledOrCentredImage(const TRect& r, int z);

    std::unique_ptr<TChartGradient> gradient_;
    QImage backImage_;
    TChartBackImageMode backImageMode_ = pbmStretch;
    int animatedZoomSteps_ = 8;
    TPanningMode allowPanning_ = pmBoth;
    bool animatedZoom_ = false;
    bool allowZoom_ = true;
    bool zoomed_ = false;
};
