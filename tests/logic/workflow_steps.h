// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fake_window.h"

// Drives a harness along the typical calibration, one step per mode, with the worked
// numbers: the background distance is |1200 - 3450| = 2250 twips, the foreground distance
// |3150 - 4350| = 1200 twips, with the foreground image at (3000, 600).
inline void advanceTo(Harness& h, Mode target) {
    h.window.image = {{port::Extent::Left, 3000},
                      {port::Extent::Top, 600},
                      {port::Extent::Width, 2000},
                      {port::Extent::Height, 1500}};
    while (h.state().mode != target) {
        switch (h.state().mode) {
            case Mode::Idle:
                h.workflow.option3Click();
                break;
            case Mode::AwaitBgStart:
                h.workflow.picture1MouseDown(1200, 2250);
                break;
            case Mode::AwaitBgEnd:
                h.workflow.image1MouseDown(450, 10);
                break;
            case Mode::AwaitBgDistance:
                h.window.type(port::TextBox::Text1, "90");
                break;
            case Mode::AwaitFgStart:
                h.workflow.image1MouseDown(150, 300);
                break;
            case Mode::AwaitFgEnd:
                h.workflow.image1MouseDown(1350, 0);
                break;
            case Mode::AwaitFgDistance:
                h.window.type(port::TextBox::Text2, "60");
                break;
            case Mode::ReadyToResize:
                return;  // no step leads further
        }
    }
}

inline Mode modeNumber(int n) { return static_cast<Mode>(n); }
