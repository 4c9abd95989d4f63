#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

#include "placed_picture.h"

class Pieces;
class StretchImage;

// The arrangement on the plan (the current foreground and the pieces), step by step, so that
// every change of it can be taken back and done again in order. A change is told before and
// after; it becomes a step only where something changed. A foreground that is no longer shown
// is kept with no more pixels than a piece keeps.
class ArrangementHistory {
public:
    ArrangementHistory(StretchImage& foreground, Pieces& pieces, double largestLevel)
        : foreground_(foreground), pieces_(pieces), largestLevel_(largestLevel) {}

    void beginChange();
    void endChange();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();
    // A new arrangement: the steps of the one before lead nowhere in it.
    void forget();

    struct Arrangement {
        PlacedPicture current;
        qint64 currentPixels = 0;  // the picture's own, also once a reduced copy stands for it
        bool currentShown = true;
        std::vector<PlacedPicture> pieces;
        bool sameAs(const Arrangement& other) const;
    };
    // All the steps both ways, to take them back exactly.
    struct Steps {
        std::vector<Arrangement> undo;
        std::vector<Arrangement> redo;
    };
    Steps steps() const { return {undo_, redo_}; }
    void setSteps(Steps steps);

private:
    Arrangement now() const;
    void show(const Arrangement& arrangement);
    void takeStep(std::vector<Arrangement>& from, std::vector<Arrangement>& to);
    void keepBounded();

    StretchImage& foreground_;
    Pieces& pieces_;
    double largestLevel_;
    std::optional<Arrangement> before_;
    std::vector<Arrangement> undo_;
    std::vector<Arrangement> redo_;
};
