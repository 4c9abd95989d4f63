// SPDX-License-Identifier: GPL-3.0-or-later
#include "room_history.h"

#include <map>

void RoomHistory::push(const QString& text, Furniture before, const Furniture& now, int merge) {
    if (before == now) return;
    if (steps_.size() > index_) {
        steps_.erase(steps_.begin() + std::ptrdiff_t(index_), steps_.end());
        if (clean_ && *clean_ > index_) clean_.reset();  // the kept furniture is out of reach
    }
    const bool joins = merge != 0 && index_ > 0 && steps_.back().merge == merge && clean_ != index_;
    if (!joins) {
        const qint64 pixels = before.foreground.picture.cacheKey();
        steps_.push_back({text, merge, std::move(before), pixels});
        ++index_;
        if (steps_.size() > kMostSteps) {
            steps_.erase(steps_.begin());
            --index_;
            if (clean_) clean_ = *clean_ == 0 ? std::optional<std::size_t>() : *clean_ - 1;
        }
    }
    keepBounded(now);
}

// The step holds the side it does not show; a reduced copy of the pixels shown now stands for
// them no longer.
void RoomHistory::swapSides(Step& step, Furniture& now) {
    const QImage shownPixels = now.foreground.picture;
    const bool reduced = now.foreground.reduced;
    std::swap(step.other, now);
    if (step.otherPixels == shownPixels.cacheKey()) {
        now.foreground.picture = shownPixels;
        now.foreground.reduced = reduced;
    }
    step.otherPixels = step.other.foreground.picture.cacheKey();
}

void RoomHistory::undo(Furniture& now) {
    if (!canUndo()) return;
    swapSides(steps_[--index_], now);
    keepBounded(now);
}

void RoomHistory::redo(Furniture& now) {
    if (!canRedo()) return;
    swapSides(steps_[index_++], now);
    keepBounded(now);
}

void RoomHistory::clear() {
    steps_.clear();
    index_ = 0;
    clean_ = 0;
}

void RoomHistory::substitute(const std::map<qint64, QImage>& smaller) {
    const auto take = [&smaller](PlacedPicture& placed) {
        const auto copy = smaller.find(placed.picture.cacheKey());
        if (copy == smaller.end()) return;
        placed.picture = copy->second;
        placed.reduced = true;
    };
    for (Step& step : steps_) {
        take(step.other.foreground);
        for (PlacedPicture& piece : step.other.pieces) take(piece);
    }
}

// Each picture no longer shown is reduced once, and its steps share the reduced copy.
void RoomHistory::keepBounded(const Furniture& shown) {
    const qint64 shownPixels = shown.foreground.picture.cacheKey();
    std::map<qint64, PlacedPicture> reduced;
    for (Step& step : steps_) {
        PlacedPicture& foreground = step.other.foreground;
        const bool full = foreground.picture.cacheKey() == step.otherPixels;
        if (step.otherPixels == shownPixels || !full) continue;
        auto [at, made] = reduced.try_emplace(step.otherPixels);
        if (made) at->second = reducedForPlan(foreground);
        foreground.picture = at->second.picture;
        foreground.reduced = at->second.reduced;
    }
}
