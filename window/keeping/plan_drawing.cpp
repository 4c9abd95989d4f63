// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_drawing.h"

#include <QPainter>

#include "twips.h"

namespace {

// As the window draws the foreground at 100 %: the picture stretched over its rectangle,
// turned about its centre.
void paintLayer(QPainter& painter, const PlacedPicture& layer) {
    if (layer.picture.isNull()) return;
    const TwipRect& at = layer.twips;
    const QRectF rect(at.left / kTwipsPerPixel, at.top / kTwipsPerPixel, at.width / kTwipsPerPixel,
                      at.height / kTwipsPerPixel);
    painter.save();
    painter.setOpacity(layer.opacity);
    painter.translate(rect.center());
    painter.rotate(layer.degrees);
    painter.translate(-rect.center());
    if (layer.onWhitePaper) painter.fillRect(rect, Qt::white);
    painter.drawImage(rect, layer.picture);
    painter.restore();
}

}  // namespace

void PlanDrawing::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(QRect(QPoint(0, 0), size()), Qt::IntersectClip);
    if (onWhitePaper) painter.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    painter.drawImage(QPoint(0, 0), background);
    for (const PlacedPicture& layer : layers) paintLayer(painter, layer);
    painter.restore();
}

QImage PlanDrawing::toImage() const {
    const bool opaque = onWhitePaper || !background.hasAlphaChannel();
    QImage image(size(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;          // no memory for it
    if (!opaque) image.fill(Qt::transparent);  // an opaque plan covers every pixel
    QPainter painter(&image);
    paint(painter);
    return image;
}
