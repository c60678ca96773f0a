#include "chart/canvas/chart_canvas3d.h"

#include "chart/canvas/painter_style.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRegion>

#include <algorithm>

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
    painter_ = std::move(painter);
    if (device->devType() == QInternal::Image)
        directPixels_ = DirectPixels(*static_cast<QImage*>(device));
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
    if (!GetUseBuffer()) {
        OpenPainter(target);
        return destination;
    }
    const QSize size(std::max(0, destination.Width()), std::max(0, destination.Height()));
    if (!buffer_.isNull() && buffer_.size() != size)
        buffer_ = QImage();
    if (buffer_.isNull() && !size.isEmpty()) {
        // A monochrome chart is drawn in grey levels: QPainter cannot paint
        // on 1-bit images.
        buffer_ = QImage(size, IsMonochrome() ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        buffer_.fill(Qt::white);
    }
    if (!buffer_.isNull())
        OpenPainter(&buffer_);
    return {0, 0, size.width(), size.height()};
}

void TChartCanvas3D::EndFrame(QPaintDevice* destination, const TRect& rect)
{
    ClosePainter();
    if (!GetUseBuffer() || buffer_.isNull())
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
    // Rectangle by rectangle: a plain copy per piece, where one copy of the
    // whole picture through a clip of several pieces blends span by span.
    for (const QRect& piece : area)
        copy.drawImage(piece.topLeft(), buffer_, piece);
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
        painter_->setPen(ToQPen(pen));
        painter_->setCompositionMode(ToCompositionMode(pen.Mode));
        appliedPen_ = pen;
    }
    TCanvasBrush brush = fill == WithBrush ? Brush() : TCanvasBrush{clWhite, bsClear, {}};
    if (brush != appliedBrush_) {
        painter_->setBrush(ToQBrush(brush));
        appliedBrush_ = std::move(brush);
    }
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
    const bool clipped = clipRect_.has_value() || clipIsRegion_;
    painter_->setClipRect(ToQRect(r), clipped ? Qt::IntersectClip : Qt::ReplaceClip);
    // Drawing never leaves a transform behind, so these are device pixels.
    const TRect area = r.Normalised();
    clipRect_ = clipRect_ ? IntersectRect(*clipRect_, area) : area;
}

void TChartCanvas3D::ClipToPolygon(std::span<const TPoint> points)
{
    if (!painter_)
        return;
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
