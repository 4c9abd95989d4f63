// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture_file_reader.h"

class QIODevice;

// A PDF file: a page of it, rendered at 200 dots an inch to be shown on white paper, which keeps
// a plan's lines sharp at 100 %; a page too large for the pixel bound at that resolution is
// rendered at the largest resolution the bound allows, and a glimpse to fit the side asked. The
// page's paper and the resolution it was rendered at are told with it.
inline constexpr double kPdfDotsPerInch = 200;
// No plan has more pages; a file of more is read as far as this.
inline constexpr int kMostPdfPages = 10000;

bool looksLikePdf(QIODevice& file);
// `into` is told the bytes the rendering will take before it starts, to be made ready meanwhile.
ReadPicture readPdfPage(QIODevice& file, const ReadRequest& request, const PixelMemory& into = {});
