#pragma once

#include "chart/axes/text_block.h"
#include "chart/canvas/assign_if_changed.h"
#include "chart/canvas/canvas3d.h"
#include "chart/canvas/colour.h"
#include "chart/canvas/view3d_options.h"
#include "chart/panel/panel_layout.h"
#include "chart/panel/zoom_panning_record.h"

#include <QCursor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>

class QPaintDevice;

enum TPanelBevel : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// The chart control's bottom layer: a widget that paints itself through
// its chart canvas. It holds the canvas, the 3D view settings, the margins,
// the look of the panel (colour, bevels, border) and the layout state of
// the last paint (PaintBounds, ChartRect and the plot sizes).
//
// Painting: every effective change calls Invalidate(), which marks the
// canvas buffer dirty and schedules one repaint. The paint event copies a
// clean buffer, or runs Draw() when something changed. Repaint() paints at
// once, even while the widget is hidden.
class TCustomChartPanel : public QWidget, protected TPropertyOwner<TCustomChartPanel>
{
public:
    explicit TCustomChartPanel(QWidget* parent = nullptr);
    ~TCustomChartPanel() override;

    // --- canvas ----------------------------------------------------------
    TCanvas3D* Canvas() const { return canvas_.get(); }
    // Replaces the canvas (a recording canvas in tests); the chart owns it.
    void SetCanvas(std::unique_ptr<TCanvas3D> canvas);

    // --- 3D view -----------------------------------------------------------
    bool View3D() const { return view3D_; }
    void SetView3D(bool value) { SetProperty(view3D_, value); }
    TView3DOptions& View3DOptions() const { return *view3DOptions_; }
    int Chart3DPercent() const { return chart3DPercent_; }
    // Raises ChartException outside 1..100.
    void SetChart3DPercent(int value);
    bool DepthOrdering() const { return depthOrdering_; }
    void SetDepthOrdering(bool value) { SetProperty(depthOrdering_, value); }

    // --- margins in percent: 0 left, 1 top, 2 right, 3 bottom --------------
    int Margin(int index) const { return margins_.at(std::size_t(index)); }
    void SetMargin(int index, int value) { SetProperty(margins_.at(std::size_t(index)), value); }
    int MarginLeft() const { return Margin(0); }
    void SetMarginLeft(int v) { SetMargin(0, v); }
    int MarginTop() const { return Margin(1); }
    void SetMarginTop(int v) { SetMargin(1, v); }
    int MarginRight() const { return Margin(2); }
    void SetMarginRight(int v) { SetMargin(2, v); }
    int MarginBottom() const { return Margin(3); }
    void SetMarginBottom(int v) { SetMargin(3, v); }

    // --- the panel's look ----------------------------------------------------
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetProperty(color_, value); }
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel value) { SetProperty(bevelInner_, value); }
    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel value) { SetProperty(bevelOuter_, value); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { SetProperty(bevelWidth_, value); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value) { SetProperty(borderWidth_, value); }
    bool Monochrome() const { return canvas_->IsMonochrome(); }
    void SetMonochrome(bool value);

    // --- layout state of the last paint ------------------------------------------
    TRect PaintBounds() const { return paintBounds_; }
    TRect ChartRect() const { return plot_.Rect; }
    // Stores a new plot rectangle and settles it (UpdatePlotSize).
    void SetChartRect(const TRect& r);
    void UpdatePlotSize();
    int PlotWidth() const { return plot_.Width; }
    int PlotHeight() const { return plot_.Height; }
    int PlotCentreX() const { return plot_.CentreX; }
    int PlotCentreY() const { return plot_.CentreY; }
    // All 0 in a 2D chart.
    int DepthWidth() const { return depthWidth_; }
    int DepthHeight() const { return depthHeight_; }
    int SeriesDepthWidth() const { return seriesDepthWidth_; }
    int SeriesDepthHeight() const { return seriesDepthHeight_; }

    // --- printing (not used by the program beyond its defaults) -------------------
    bool Printing() const { return printing_; }
    bool PrintProportional() const { return printProportional_; }
    void SetPrintProportional(bool value) { printProportional_ = value; }
    int PrintResolution() const { return printResolution_; }
    const TChartMargins& PrintMargins() const { return printMargins_; }

    // --- repainting ------------------------------------------------------------
    // False during construction; while false, Invalidate() does nothing.
    bool AutoRepaint() const { return autoRepaint_; }
    void SetAutoRepaint(bool value) { autoRepaint_ = value; }
    // Marks the canvas buffer dirty and schedules one repaint.
    virtual void Invalidate();
    // Paints now: when this returns, the chart has been laid out and drawn
    // (on screen when the widget is showing, else into the canvas buffer).
    void Repaint();
    // Paints the whole chart onto `target` at `rect` for the window (the
    // window itself, or the buffer its next paint event copies).
    void Draw(QPaintDevice* target, const TRect& rect);
    // Paints the whole chart into `image`, laid out at the image's size in
    // logical pixels (its device pixel ratio makes it finer, not larger).
    // The window's picture and layout stay as they are.
    void DrawToImage(QImage& image);
    // Paints the whole chart, laid out in `rect` (logical pixels), straight
    // onto `device` with `scale` device units per logical pixel: printers
    // and vector files. The window's picture and layout stay as they are.
    void DrawOnDevice(QPaintDevice* device, const TRect& rect, double scale);
    // The control's client rectangle.
    virtual TRect GetRectangle() const { return {0, 0, width(), height()}; }

    // --- helpers for the chart's parts ---------------------------------------------
    // Copies `font` into the canvas at the canvas' resolution.
    void SetCanvasFont(const TFont& font);
    // Sets the canvas brush; a hatch in the background colour is made visible.
    void PrepareBrush(TColor color, TBrushStyle style, TColor backColor);
    bool ClippingAllowed() const;
    // Widest line and number of lines of a text (LineSeparator splits).
    TTextBlock TextBlockWidth(const QString& text) const;
    // While printing, a styled one-pixel pen becomes the thinnest line.
    void CheckPenWidth(TCanvasPen& pen) const;
    // Raises ChartException unless 0 <= angle <= 359.
    void CheckAngle(int angle, const QString& description) const;

    // --- mouse drag records (used by the mouse handling) ----------------------------
    TZoomPanningRecord& ZoomRecord() { return zoom_; }
    const TZoomPanningRecord& ZoomRecord() const { return zoom_; }
    TZoomPanningRecord& PanningRecord() { return panning_; }
    const TZoomPanningRecord& PanningRecord() const { return panning_; }
    const QCursor& SavedCursor() const { return savedCursor_; }
    // Takes the control's current cursor as the one to return to.
    void SaveCursor() { savedCursor_ = cursor(); }

protected:
    // The paint sequence inside the frame; PaintBounds and ChartRect are set.
    virtual void InternalDraw(const TRect& userRect) = 0;
    void paintEvent(QPaintEvent* event) override;
    // A buffer of the old size must not be copied to the new one.
    void resizeEvent(QResizeEvent* event) override;

    void SetDepthSizes(int seriesDepth, int depth);
    // True while the paint in progress is the window's, not a picture's.
    bool PaintingForWindow() const { return forWindow_; }
    // Puts back the painted area and plot of an earlier paint.
    void RestoreLayout(const TRect& bounds, const TRect& plot);

    // What SetProperty does after an effective change.
    void Changed() { Invalidate(); }
    friend class TPropertyOwner<TCustomChartPanel>;

private:
    std::unique_ptr<TCanvas3D> canvas_;
    std::unique_ptr<TView3DOptions> view3DOptions_;

    // Settings.
    TChartMargins margins_{3, 4, 3, 4};
    TChartMargins printMargins_{15, 15, 15, 15};
    TColor color_ = clBtnFace;
    TPanelBevel bevelInner_ = bvNone;
    TPanelBevel bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    int chart3DPercent_ = 15;
    int printResolution_ = 0;
    bool view3D_ = true;
    bool depthOrdering_ = true;
    bool printProportional_ = true;
    bool printing_ = false;
    bool metafiling_ = false;
    bool autoRepaint_ = false;
    bool painting_ = false;
    bool invalidatedWhilePainting_ = false;
    bool forWindow_ = true;

    // Layout state of the last paint.
    TRect paintBounds_;
    TPlotGeometry plot_;
    int depthWidth_ = 0;
    int depthHeight_ = 0;
    int seriesDepthWidth_ = 0;
    int seriesDepthHeight_ = 0;

    // Mouse state.
    QCursor savedCursor_;
    TZoomPanningRecord zoom_;
    TZoomPanningRecord panning_;
};
