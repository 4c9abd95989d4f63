// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaled_picture.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

// A picture's size halved `halvings` times, each side rounded up.
QSize halved(QSize size, int halvings) {
    const int divisor = 1 << halvings;
    return {(size.width() + divisor - 1) / divisor, (size.height() + divisor - 1) / divisor};
}

}  // namespace

void ScaledPicture::setPicture(const QImage& picture, bool onWhitePaper) {
    // The same pixels again (a step taken back) keep their reduced copies.
    if (picture.cacheKey() == picture_.cacheKey() && onWhitePaper == onWhitePaper_) return;
    picture_ = picture;
    onWhitePaper_ = onWhitePaper;
    reduced_.clear();
    reducedFirst_ = {};
    detail_ = {};
    detailPart_ = {};
}

void ScaledPicture::showDetail(const QImage& detail, const QRectF& inPicture, double scale) {
    detail_ = detail;
    detailPart_ = inPicture;
    detailScale_ = scale;
}

void ScaledPicture::showReducedUntilWritten(const QImage& reduced) { reducedFirst_ = reduced; }

bool ScaledPicture::sharpen(qint64 pictureKey) {
    if (reducedFirst_.isNull() || picture_.cacheKey() != pictureKey) return false;
    const int halvings =
        int(std::lround(std::log2(double(picture_.width()) / reducedFirst_.width())));
    if (halvings > 0 && halvings <= 30 && reducedFirst_.size() == halved(picture_.size(), halvings))
        reduced_[halvings] = reducedFirst_;
    reducedFirst_ = {};
    return true;
}

qint64 ScaledPicture::reducedPixels() const {
    qint64 pixels = 0;
    for (const auto& [halvings, copy] : reduced_) pixels += qint64(copy.width()) * copy.height();
    return pixels;
}

const QImage& ScaledPicture::sourceFor(double scale) {
    const int halvings = scale > 0.5 ? 0 : std::min(30, int(std::floor(-std::log2(scale))));
    if (halvings == 0) return picture_;
    if (const auto made = reduced_.find(halvings); made != reduced_.end()) return made->second;
    // The nearest larger copy: the one with the most halvings short of these, or the picture.
    const auto larger = reduced_.lower_bound(halvings);
    const QImage& from = larger == reduced_.begin() ? picture_ : std::prev(larger)->second;
    return reduced_[halvings] = from.scaled(halved(picture_.size(), halvings),
                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void ScaledPicture::paint(QPainter& painter, const QRectF& whole, const QRect& exposed) {
    if (picture_.isNull() || whole.isEmpty() || exposed.isEmpty()) return;
    const double scale =
        std::min(whole.width() / picture_.width(), whole.height() / picture_.height());
    const double devicePixels = scale * painter.device()->devicePixelRatioF();
    const bool detailed = !detail_.isNull() && devicePixels > 1 && reducedFirst_.isNull();
    // Where the view is zoomed beyond the picture's pixels, the part drawn again covers them.
    const QRectF detailShown(whole.x() + detailPart_.x() * whole.width() / picture_.width(),
                             whole.y() + detailPart_.y() * whole.height() / picture_.height(),
                             detailPart_.width() * whole.width() / picture_.width(),
                             detailPart_.height() * whole.height() / picture_.height());
    if (!detailed || !detailShown.contains(QRectF(exposed))) paintPixels(painter, whole, exposed);
    if (detailed) paintDetail(painter, detailShown, exposed, devicePixels);
}

void ScaledPicture::paintPixels(QPainter& painter, const QRectF& whole, const QRect& exposed) {
    if (onWhitePaper_) painter.fillRect(exposed & whole.toAlignedRect(), Qt::white);
    if (whole.size() == QSizeF(picture_.size()) && whole.topLeft().toPoint() == whole.topLeft() &&
        reducedFirst_.isNull()) {
        // At its own size: a plain copy of the pixels.
        painter.drawImage(exposed.topLeft(), picture_,
                          exposed.translated(-whole.topLeft().toPoint()));
        return;
    }
    const double scale =
        std::min(whole.width() / picture_.width(), whole.height() / picture_.height());
    const QImage& source = reducedFirst_.isNull() ? sourceFor(scale) : reducedFirst_;
    const double sx = source.width() / whole.width();
    const double sy = source.height() / whole.height();
    const QRectF part((exposed.x() - whole.x()) * sx, (exposed.y() - whole.y()) * sy,
                      exposed.width() * sx, exposed.height() * sy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 2 || !reducedFirst_.isNull());
    painter.drawImage(QRectF(exposed), source, part);
}

// At the scale it was drawn at, or, zoomed since, smoothly until it is drawn again; on paper of
// its own, so that the picture's coarser pixels do not show through.
void ScaledPicture::paintDetail(QPainter& painter, const QRectF& shown, const QRect& exposed,
                                double devicePixels) {
    const QRectF target = shown & QRectF(exposed);
    if (target.isEmpty()) return;
    const double dx = detail_.width() / shown.width();
    const double dy = detail_.height() / shown.height();
    const QRectF from((target.x() - shown.x()) * dx, (target.y() - shown.y()) * dy,
                      target.width() * dx, target.height() * dy);
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          std::abs(detailScale_ - devicePixels) > 1e-9);
    if (onWhitePaper_) painter.fillRect(target, Qt::white);
    painter.drawImage(target, detail_, from);
}
