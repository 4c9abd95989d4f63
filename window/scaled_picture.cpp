#include "scaled_picture.h"

#include <QPainter>
#include <cmath>

void ScaledPicture::setPicture(const QImage& picture) {
    picture_ = picture;
    reduced_ = QImage();
    halvings_ = 0;
}

const QImage& ScaledPicture::sourceFor(double scale) {
    const int halvings = scale > 0.5 ? 0 : int(std::floor(-std::log2(scale)));
    if (halvings <= 0) {
        reduced_ = QImage();  // only while a reduction is shown
        return picture_;
    }
    if (halvings != halvings_ || reduced_.isNull()) {
        const int divisor = 1 << std::min(halvings, 30);
        const QSize size((picture_.width() + divisor - 1) / divisor,
                         (picture_.height() + divisor - 1) / divisor);
        reduced_ = QImage();  // the old copy goes before the new one is made
        reduced_ = picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        halvings_ = halvings;
    }
    return reduced_;
}

void ScaledPicture::paint(QPainter& painter, const QRectF& whole, const QRect& exposed) {
    if (picture_.isNull() || whole.isEmpty() || exposed.isEmpty()) return;
    if (whole.size() == QSizeF(picture_.size()) && whole.topLeft().toPoint() == whole.topLeft()) {
        // At its own size: a plain copy of the pixels.
        painter.drawImage(exposed.topLeft(), picture_,
                          exposed.translated(-whole.topLeft().toPoint()));
        return;
    }
    const double scale =
        std::min(whole.width() / picture_.width(), whole.height() / picture_.height());
    const QImage& source = sourceFor(scale);
    const double sx = source.width() / whole.width();
    const double sy = source.height() / whole.height();
    const QRectF part((exposed.x() - whole.x()) * sx, (exposed.y() - whole.y()) * sy,
                      exposed.width() * sx, exposed.height() * sy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(exposed), source, part);
}
