#include "chart/panel/chart_panel.h"

#include "chart/canvas/brush_preparation.h"
#include "chart/canvas/chart_canvas3d.h"
#include "chart/canvas/chart_exception.h"
#include "chart/panel/chart_settings.h"

#include <QPaintEvent>
#include <QResizeEvent>
#include <QScopeGuard>

#include <algorithm>

TCustomChartPanel::TCustomChartPanel(QWidget* parent)
    : QWidget(parent),
      canvas_(std::make_unique<TChartCanvas3D>(this)),
      view3DOptions_(std::make_unique<TView3DOptions>())
{
    resize(DefaultChartWidth, DefaultChartHeight);
    // The paint covers every pixel: no background erasing, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    view3DOptions_->OnChange = [this] { Invalidate(); };
    savedCursor_ = cursor();
    autoRepaint_ = true;
}

TCustomChartPanel::~TCustomChartPanel()
{
    autoRepaint_ = false;
}

void TCustomChartPanel::SetCanvas(std::unique_ptr<TCanvas3D> canvas)
{
    if (!canvas)
        return;
    canvas->SetMonochromeFlag(canvas_->IsMonochrome());
    canvas_ = std::move(canvas);
    Invalidate();
}

void TCustomChartPanel::SetChart3DPercent(int value)
{
    constexpr int lowest = 1;
    constexpr int highest = 100;
    if (value < lowest || value > highest)
        throw ChartException::Chart3DPercentOutOfRange(lowest, highest);
    SetProperty(chart3DPercent_, value);
}

void TCustomChartPanel::SetMonochrome(bool value)
{
    if (value == canvas_->IsMonochrome())
        return;
    canvas_->SetMonochromeFlag(value);
    Invalidate();
}

void TCustomChartPanel::SetChartRect(const TRect& r)
{
    plot_.Rect = r;
    UpdatePlotSize();
}

void TCustomChartPanel::UpdatePlotSize()
{
    plot_ = SettlePlotRect(plot_.Rect, paintBounds_, width(), height());
}

void TCustomChartPanel::SetDepthSizes(int seriesDepth, int depth)
{
    seriesDepthWidth_ = seriesDepthHeight_ = seriesDepth;
    depthWidth_ = depthHeight_ = depth;
}

void TCustomChartPanel::Invalidate()
{
    if (!autoRepaint_)
        return;
    if (painting_)
        invalidatedWhilePainting_ = true;
    canvas_->Invalidate();
    update();
}

void TCustomChartPanel::Repaint()
{
    canvas_->Invalidate();
    if (isVisible())
        repaint();
    // A hidden widget, or one the window system did not let paint, is
    // drawn into the buffer; the next paint event copies it.
    if (canvas_->IsDirty())
        Draw(nullptr, GetRectangle());
}

void TCustomChartPanel::Draw(QPaintDevice* target, const TRect& rect)
{
    paintBounds_ = canvas_->StartFrame(target, view3DOptions_.get(), rect, view3D_);
    painting_ = true;
    invalidatedWhilePainting_ = false;
    const auto endFrame = qScopeGuard([&] {
        canvas_->EndFrame(target, rect);
        painting_ = false;
        // A change made by the paint itself (an event handler, a part that
        // settles a property) must not be hidden by the buffer just finished.
        if (invalidatedWhilePainting_)
            canvas_->Invalidate();
    });
    SetChartRect(MarginRect(paintBounds_, margins_, borderWidth_));
    InternalDraw(paintBounds_);
}

void TCustomChartPanel::DrawToImage(QImage& image)
{
    if (image.isNull())
        return;
    // An image with a pixel ratio above 1 gets the same layout, finer.
    const QSize size = image.deviceIndependentSize().toSize();
    DrawOnDevice(&image, {0, 0, size.width(), size.height()}, 1.0);
}

void TCustomChartPanel::DrawOnDevice(QPaintDevice* device, const TRect& rect, double scale)
{
    // Straight onto the device, so that a vector device records lines and
    // text rather than one picture of pixels, and the window's buffer keeps
    // the window's picture.
    const double oldScale = canvas_->DeviceScale();
    canvas_->SetDrawsDirect(true);
    canvas_->SetDeviceScale(scale);
    forWindow_ = false;
    const auto restore = qScopeGuard([&] {
        forWindow_ = true;
        canvas_->SetDeviceScale(oldScale);
        canvas_->SetDrawsDirect(false);
    });
    Draw(device, rect);
}

void TCustomChartPanel::RestoreLayout(const TRect& bounds, const TRect& plot)
{
    paintBounds_ = bounds;
    SetChartRect(plot);
}

void TCustomChartPanel::paintEvent(QPaintEvent* event)
{
    if (printing_)
        return;
    if (canvas_->RepaintFromBuffer(event->region()))
        return;
    Draw(this, GetRectangle());
}

void TCustomChartPanel::resizeEvent(QResizeEvent* event)
{
    canvas_->Invalidate();
    QWidget::resizeEvent(event);
}

void TCustomChartPanel::SetCanvasFont(const TFont& font)
{
    TFont copy = font;
    copy.PixelsPerInch = canvas_->Font().PixelsPerInch;
    canvas_->Font() = copy;
}

void TCustomChartPanel::PrepareBrush(TColor color, TBrushStyle style, TColor backColor)
{
    ::PrepareBrush(*canvas_, color, style, backColor);
}

bool TCustomChartPanel::ClippingAllowed() const
{
    if (canvas_->SupportsFullRotation())
        return false;
    return (!printing_ && !metafiling_) || (printing_ && ClipWhenPrinting)
           || (metafiling_ && ClipWhenMetafiling);
}

TTextBlock TCustomChartPanel::TextBlockWidth(const QString& text) const
{
    return ::TextBlockWidth(*canvas_, text);
}

void TCustomChartPanel::CheckPenWidth(TCanvasPen& pen) const
{
    if (printing_ && pen.Style != psSolid && pen.Width == 1)
        pen.Width = 0;
}

void TCustomChartPanel::CheckAngle(int angle, const QString& description) const
{
    if (angle < 0 || angle > 359)
        throw ChartException::AngleOutOfRange(description);
}
