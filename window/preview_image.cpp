#include "preview_image.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>

#include "font_conversion.h"

namespace scrivafresa {
namespace {

QPen CutterPen(std::uint32_t colorValue, int width) {
    // Round ends, so that the strokes of a contour meet without gaps, as a cutter leaves them.
    return QPen(ColorOf(colorValue), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

PreviewImage::PreviewImage(QWidget* parent)
    : QWidget(parent), picture_(kWidth, kHeight, QImage::Format_RGB32) {
    picture_.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewImage::setPenWidth(int width) {
    if (width >= 0) penWidth_ = width;
}

void PreviewImage::ClearPreview() {
    picture_.fill(Qt::white);
    QPainter painter(&picture_);
    QPen pen = CutterPen(kColorBlack, penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The frame runs along the picture's edge; the outer half of a wide pen falls outside.
    painter.drawRect(QRect(0, 0, kWidth - 1, kHeight - 1));
    update();
}

void PreviewImage::DrawStrokes(const std::vector<PreviewStroke>& strokes) {
    if (strokes.empty()) return;
    QPainter painter(&picture_);
    std::uint32_t color = strokes.front().color;
    painter.setPen(CutterPen(color, penWidth_));
    for (const PreviewStroke& stroke : strokes) {
        if (stroke.color != color) {
            color = stroke.color;
            painter.setPen(CutterPen(color, penWidth_));
        }
        const QPoint target(stroke.x, stroke.y);
        painter.drawLine(position_, target);
        position_ = target;
    }
    update();
}

void PreviewImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), picture_, event->rect());
}

}  // namespace scrivafresa
