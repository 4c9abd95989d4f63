// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <map>
#include <optional>
#include <vector>

#include "room.h"

// The furniture step by step, so that every change of it can be taken back and done again in
// order. It has the shape of Qt's undo stack (the steps below an index, a clean index, a limit,
// a change joined to the step before it), but its steps are values: the history is taken back
// whole with the room when a picture's whole pixels fail, and a picture its steps keep is reduced
// in place once it is no longer shown. A foreground no longer shown is kept with no more pixels
// than a piece keeps.
class RoomHistory {
public:
    // As far back as any user goes, within a bound however long the session.
    static constexpr std::size_t kMostSteps = 500;

    // A change of the furniture from `before` to `now`, under a name; none where nothing changed.
    // A change with the merge number of the step before it (not 0: a drag, move by move) joins
    // that step, unless the room was kept right after it.
    void push(const QString& text, Furniture before, const Furniture& now, int merge = 0);

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < steps_.size(); }
    QString undoText() const { return canUndo() ? steps_[index_ - 1].text : QString(); }
    QString redoText() const { return canRedo() ? steps_[index_].text : QString(); }
    // A step back or forth: `now`, the furniture shown, becomes that of the step's other side.
    void undo(Furniture& now);
    void redo(Furniture& now);

    // Whether the furniture is as when the room was last kept (saved or opened).
    bool isClean() const { return clean_ == index_; }
    void setClean() { clean_ = index_; }
    // The room changed beyond what steps back can reach: it is not as kept at any step.
    void resetClean() { clean_.reset(); }
    // A new room: the steps of the one before lead nowhere in it.
    void clear();

    int count() const { return int(steps_.size()); }

    // Pictures held smaller now: the steps that hold the larger ones (by their cache keys) take
    // the smaller, so that none is held twice.
    void substitute(const std::map<qint64, QImage>& smaller);

private:
    struct Step {
        QString text;
        int merge = 0;
        Furniture other;         // what a step over it shows: before it below the index
        qint64 otherPixels = 0;  // the other foreground's own pixels, also once reduced
    };
    static void swapSides(Step& step, Furniture& now);
    void keepBounded(const Furniture& shown);

    std::vector<Step> steps_;
    std::size_t index_ = 0;
    std::optional<std::size_t> clean_ = 0;
};
