#include "chart/canvas/chart_canvas3d.h"

#include "chart/canvas/painter_style.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

// Frame, buffer, device and painter state. Shapes and text live in
// chart_canvas3d_shapes.cpp and chart_canvas3d_text.cpp.

TChartCanvas3D::TChartCanvas3D(QPaintDevice* window) : window_(window) {}

TChartCanvas3D::~TChartCanvas3D()
{
    ClosePainter();
}

void TChartCanvas3D::OpenPainter(QPaintDevice* device)
{
    ClosePainter();
    if (device == nullptr)
        return;
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device))
        return;
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    baseTransform_ = QTransform::fromScale(DeviceScale(), DeviceScale());
    painter->setWorldTransform(baseTransform_);
    strokeOffset_ = {};
    const int type = device->devType();
    const bool raster = type == QInternal::Image || type == QInternal::Pixmap || type == QInternal::Widget;
    shiftOnePixelStrokes_ = !raster || device->devicePixelRatio() != 1.0 || DeviceScale() != 1.0;
    painter_ = std::move(painter);
    if (type == QInternal::Image && DeviceScale() == 1.0)
        directPixels_ = DirectPixels(*static_cast<QImage*>(device));
}

void TChartCanvas3D::ShiftStrokes(QPointF offset)
{
    if (!painter_ || offset == strokeOffset_)
        return;
    painter_->setWorldTransform(QTransform::fromTranslate(offset.x(), offset.y()) * baseTransform_);
    strokeOffset_ = offset;
}

QPointF TChartCanvas3D::OnePixelStrokeOffset(bool isLine, bool xMajor) const
{
    if (!shiftOnePixelStrokes_)
        return {};
    if (!isLine)
        return {0.5, 0.5};
    return xMajor ? QPointF(0, 0.5) : QPointF(0.5, 0);
}

void TChartCanvas3D::ClosePainter()
{
    if (painter_)
        painter_->end();
    painter_.reset();
    directPixels_.reset();
    clipRect_.reset();
    clipIsRegion_ = false;
    ForgetAppliedState();
}

void TChartCanvas3D::ForgetAppliedState()
{
    appliedPen_.reset();
    appliedBrush_.reset();
    appliedBackground_.reset();
}

void TChartCanvas3D::BeginDrawing(QPaintDevice* device)
{
    OpenPainter(device);
}

void TChartCanvas3D::EndDrawing()
{
    ClosePainter();
}

void TChartCanvas3D::DropBuffer()
{
    if (painter_ && painter_->device() == &buffer_)
        ClosePainter();
    buffer_ = QImage();
}

void TChartCanvas3D::SetMonochromeFlag(bool v)
{
    if (v == IsMonochrome())
        return;
    TChartCanvas::SetMonochromeFlag(v);
    DropBuffer();
    Invalidate();
}

void TChartCanvas3D::SetBuffered(bool v)
{
    TChartCanvas::SetBuffered(v);
    if (!v) {
        DropBuffer();
        Invalidate();
    }
}

TRect TChartCanvas3D::StartFrame(QPaintDevice* target, const TView3DOptions* options, const TRect& destination,
                                 bool is3D)
{
    ClosePainter();
    BeginProjection(options, is3D);
    if (!GetUseBuffer() || DrawsDirect()) {
        OpenPainter(target);
        return destination;
    }
    const QSize size(std::max(0, destination.Width()), std::max(0, destination.Height()));
    QPaintDevice* screen = target != nullptr ? target : window_;
    const qreal ratio = screen != nullptr ? std::max<qreal>(1.0, screen->devicePixelRatio()) : 1.0;
    // Halves to even, as every pixel of the chart is rounded.
    const QSize pixels(int(std::nearbyint(size.width() * ratio)), int(std::nearbyint(size.height() * ratio)));
    if (!buffer_.isNull() && (buffer_.size() != pixels || buffer_.devicePixelRatio() != ratio))
        buffer_ = QImage();
    if (buffer_.isNull() && !size.isEmpty()) {
        // A monochrome chart is drawn in grey levels: QPainter cannot paint
        // on 1-bit images.
        buffer_ = QImage(pixels, IsMonochrome() ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        buffer_.setDevicePixelRatio(ratio);
        buffer_.fill(Qt::white);
    }
    if (!buffer_.isNull())
        OpenPainter(&buffer_);
    return {0, 0, size.width(), size.height()};
}

void TChartCanvas3D::EndFrame(QPaintDevice* destination, const TRect& rect)
{
    ClosePainter();
    if (!GetUseBuffer() || DrawsDirect() || buffer_.isNull())
        return;
    if (destination != nullptr) {
        QPainter copy(destination);
        copy.drawImage(rect.Left, rect.Top, buffer_);
    }
    SetDirty(false);
}

bool TChartCanvas3D::RepaintFromBuffer(const QRegion& area)
{
    if (IsDirty() || buffer_.isNull() || window_ == nullptr)
        return false;
    QPainter copy(window_);
    // Rectangle by rectangle, each clipped to itself: Qt copies an image
    // row by row only under a rectangular clip. Under the paint's own clip
    // of several pieces it blends span by span, and hands more than about a
    // hundred rows to worker threads, which costs a thin piece many times
    // the copy. The buffer may hold several device pixels per window pixel.
    const qreal ratio = buffer_.devicePixelRatio();
    for (const QRect& piece : area) {
        copy.setClipRect(piece);
        copy.drawImage(QRectF(piece), buffer_,
                       QRectF(piece.x() * ratio, piece.y() * ratio, piece.width() * ratio, piece.height() * ratio));
    }
    return true;
}

bool TChartCanvas3D::Prepare(TOutline outline, TFill fill)
{
    if (!painter_)
        return false;
    TCanvasPen pen = Pen();
    if (outline == NoOutline)
        pen.Style = psClear;
    if (pen != appliedPen_) {
        QPen qpen = ToQPen(pen);
        // The alternate-pixel pen is one device pixel thin; on a finer device
        // it keeps the width and dots of one logical pixel instead.
        if (shiftOnePixelStrokes_ && pen.Alternate && pen.IsVisible())
            qpen.setWidth(1);
        painter_->setPen(qpen);
        painter_->setCompositionMode(ToCompositionMode(pen.Mode));
        appliedPen_ = pen;
    }
    TCanvasBrush brush = fill == WithBrush ? Brush() : TCanvasBrush{clWhite, bsClear, {}};
    if (brush != appliedBrush_) {
        painter_->setBrush(ToQBrush(brush));
        appliedBrush_ = std::move(brush);
    }
    const bool onePixelStroke = outline == WithPen && pen.Style != psClear && (pen.Width <= 1 || pen.Alternate);
    ShiftStrokes(onePixelStroke ? OnePixelStrokeOffset(false, false) : QPointF());
    const std::pair background{BackgroundMode(), BackgroundColour()};
    if (background != appliedBackground_) {
        painter_->setBackgroundMode(background.first == bmOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_->setBackground(ToQColor(background.second));
        appliedBackground_ = background;
    }
    return true;
}

void TChartCanvas3D::ClipToRect(const TRect& r)
{
    if (!painter_)
        return;
    ShiftStrokes({});
    const bool clipped = clipRect_.has_value() || clipIsRegion_;
    painter_->setClipRect(ToQRect(r), clipped ? Qt::IntersectClip : Qt::ReplaceClip);
    // Drawing leaves no transform behind but the device scale, so these
    // are logical pixels, the ones the direct fills use (only at scale 1).
    const TRect area = r.Normalised();
    clipRect_ = clipRect_ ? IntersectRect(*clipRect_, area) : area;
}

void TChartCanvas3D::ClipToPolygon(std::span<const TPoint> points)
{
    if (!painter_)
        return;
    ShiftStrokes({});
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << ToQPoint(p);
    const bool clipped = clipRect_.has_value() || clipIsRegion_;
    painter_->setClipRegion(QRegion(polygon), clipped ? Qt::IntersectClip : Qt::ReplaceClip);
    clipIsRegion_ = true;
}

void TChartCanvas3D::RemoveClip()
{
    if (painter_)
        painter_->setClipping(false);
    clipRect_.reset();
    clipIsRegion_ = false;
}
