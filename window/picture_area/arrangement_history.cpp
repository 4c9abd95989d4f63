#include "arrangement_history.h"

#include <map>

#include "pieces.h"
#include "stretch_image.h"

bool ArrangementHistory::Arrangement::sameAs(const Arrangement& other) const {
    PlacedPicture mine = current;
    mine.picture = other.current.picture;
    return mine == other.current && currentPixels == other.currentPixels &&
           currentShown == other.currentShown && pieces == other.pieces;
}

ArrangementHistory::Arrangement ArrangementHistory::now() const {
    const PlacedPicture current = foreground_.placedPicture();
    return {current, current.picture.cacheKey(),
            foreground_.isVisibleTo(foreground_.parentWidget()), pieces_.all()};
}

void ArrangementHistory::show(const Arrangement& arrangement) {
    PlacedPicture current = arrangement.current;
    if (arrangement.currentPixels == foreground_.picture().cacheKey()) {
        current.picture = foreground_.picture();
    }
    foreground_.setPlacedPicture(current);
    foreground_.setVisible(arrangement.currentShown);
    pieces_.setAll(arrangement.pieces);
}

void ArrangementHistory::beginChange() {
    if (!before_) before_ = now();
}

void ArrangementHistory::endChange() {
    if (!before_) return;
    if (!before_->sameAs(now())) {
        // Steps back as far as any user goes, within a bound however long the session.
        constexpr std::size_t kMostSteps = 500;
        if (undo_.size() == kMostSteps) undo_.erase(undo_.begin());
        undo_.push_back(std::move(*before_));
        redo_.clear();
        keepBounded();
    }
    before_.reset();
}

void ArrangementHistory::undo() { takeStep(undo_, redo_); }

void ArrangementHistory::redo() { takeStep(redo_, undo_); }

// The last step of one side is shown; what was shown goes to the other side.
void ArrangementHistory::takeStep(std::vector<Arrangement>& from, std::vector<Arrangement>& to) {
    if (from.empty()) return;
    to.push_back(now());
    show(from.back());
    from.pop_back();
    keepBounded();
}

// Each picture no longer shown is reduced once, and its steps share the reduced copy.
void ArrangementHistory::keepBounded() {
    const qint64 shown = foreground_.picture().cacheKey();
    std::map<qint64, QImage> reduced;
    for (std::vector<Arrangement>* steps : {&undo_, &redo_}) {
        for (Arrangement& step : *steps) {
            const bool full = step.current.picture.cacheKey() == step.currentPixels;
            if (step.currentPixels == shown || !full) continue;
            auto [at, made] = reduced.try_emplace(step.currentPixels);
            if (made) at->second = reducedForPlan(step.current, largestLevel_).picture;
            step.current.picture = at->second;
        }
    }
}

void ArrangementHistory::setSteps(Steps steps) {
    before_.reset();
    undo_ = std::move(steps.undo);
    redo_ = std::move(steps.redo);
}

void ArrangementHistory::forget() {
    before_.reset();
    undo_.clear();
    redo_.clear();
}
