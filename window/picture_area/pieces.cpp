// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces.h"

#include <QWidget>

#include "stretch_image.h"

Pieces::Pieces(QWidget& plane, const PlaneZoom& zoom, StretchImage& foreground)
    : plane_(plane), zoom_(zoom), foreground_(foreground) {}

void Pieces::show(const std::vector<PlacedPicture>& pieces) {
    pieceOf_.clear();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].picture.isNull()) pieceOf_.push_back(int(i));
    }
    while (shown_.size() > pieceOf_.size()) {
        delete shown_.back();
        shown_.pop_back();
    }
    for (std::size_t i = 0; i < pieceOf_.size(); ++i) {
        if (i == shown_.size()) {
            auto* shown = new StretchImage(&plane_, zoom_);
            shown->setAttribute(Qt::WA_TransparentForMouseEvents);
            shown->stackUnder(&foreground_);
            shown->show();
            shown_.push_back(shown);
        }
        shown_[i]->showPicture(pieces[std::size_t(pieceOf_[i])]);
    }
}

std::optional<int> Pieces::at(QPointF twips) const {
    const QPoint pixel = zoom_.pixelsAt(twips);
    for (int i = count() - 1; i >= 0; --i) {
        const StretchImage* shown = shown_[std::size_t(i)];
        if (shown->showsPictureAt(pixel - shown->pos())) return pieceOf_[std::size_t(i)];
    }
    return std::nullopt;
}

qint64 Pieces::keptPixels() const {
    qint64 pixels = 0;
    for (const StretchImage* shown : shown_) {
        pixels += qint64(shown->picture().width()) * shown->picture().height();
    }
    return pixels;
}
