#include "pieces.h"

#include <QWidget>

#include "stretch_image.h"

Pieces::Pieces(QWidget& plane, const PlaneZoom& zoom, StretchImage& foreground, double largestLevel)
    : plane_(plane), zoom_(zoom), foreground_(foreground), largestLevel_(largestLevel) {}

void Pieces::add(const PlacedPicture& piece) {
    auto* shown = new StretchImage(&plane_, zoom_);
    shown->setAttribute(Qt::WA_TransparentForMouseEvents);
    shown->setPlacedPicture(reducedForPlan(piece, largestLevel_));
    shown->stackUnder(&foreground_);
    shown->show();
    shown_.push_back(shown);
}

PlacedPicture Pieces::take(int index) {
    StretchImage* shown = shown_.at(std::size_t(index));
    PlacedPicture piece = shown->placedPicture();
    shown_.erase(shown_.begin() + index);
    delete shown;
    return piece;
}

std::optional<int> Pieces::at(QPointF twips) const {
    const QPoint pixel = zoom_.pixelsAt(twips);
    for (int i = count() - 1; i >= 0; --i) {
        const StretchImage* shown = shown_[std::size_t(i)];
        if (shown->showsPictureAt(pixel - shown->pos())) return i;
    }
    return std::nullopt;
}

std::vector<PlacedPicture> Pieces::all() const {
    std::vector<PlacedPicture> pieces;
    for (const StretchImage* shown : shown_) pieces.push_back(shown->placedPicture());
    return pieces;
}

// The widgets already shown take the pieces in their order, and keep what they have made for
// painting where their picture stays: a step back over twenty pieces makes no widget anew.
void Pieces::setAll(const std::vector<PlacedPicture>& pieces) {
    while (count() > int(pieces.size())) take(count() - 1);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i == shown_.size()) {
            add(pieces[i]);
        } else if (!(shown_[i]->placedPicture() == pieces[i])) {
            shown_[i]->setPlacedPicture(reducedForPlan(pieces[i], largestLevel_));
        }
    }
}

qint64 Pieces::keptPixels() const {
    qint64 pixels = 0;
    for (const StretchImage* shown : shown_) {
        pixels += qint64(shown->picture().width()) * shown->picture().height();
    }
    return pixels;
}
