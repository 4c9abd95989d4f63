// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>

// The paper a plan is written or printed on at a scale: its size, turned or not, and the scale
// 1:denominator.
struct PageChoice {
    QPageSize::PageSizeId paper = QPageSize::A4;
    bool landscape = false;
    int denominator = 100;
    friend bool operator==(const PageChoice&, const PageChoice&) = default;
};
