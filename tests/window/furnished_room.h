// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "picture_area.h"
#include "window_fixture.h"

// A plan of 600 x 400 pixels at 1/15 mm a twip and a sofa of 100 x 50 at 2/15, made twice as
// large by the apply button.
class FurnishingARoom : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        openPlanAndSofa({600, 400}, {100, 50}, Qt::darkRed);
        click(c().Option3);
        click(background(), {10, 300});
        click(background(), {110, 300});
        type("100");
        click(c().Image1, {10, 10});
        click(c().Image1, {60, 10});
        type("100");
        click(c().Command3);
        ASSERT_EQ(c().Image1->twips().width, 3060);
    }
    // To the focus, as a keyboard gives it.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), Qt::Key(key), modifiers);
    }
    const std::vector<PlacedPicture>& pieces() const { return window->room().pieces(); }
    void nextPiece(const QString& file) {
        dialogs->answers.push_back(file);
        key(Qt::Key_N);
    }

    // What the user sees of the arrangement.
    struct Seen {
        TwipRect current;
        int degrees;
        double opacity;
        bool shown;
        std::vector<TwipRect> pieces;
        bool operator==(const Seen&) const = default;
    };
    Seen seen() const {
        Seen now{c().Image1->twips(),
                 c().Image1->degrees(),
                 c().Image1->opacity(),
                 c().Image1->isVisible(),
                 {}};
        for (const PlacedPicture& piece : pieces()) now.pieces.push_back(piece.twips);
        return now;
    }
};
