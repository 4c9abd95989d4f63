// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture_file_reader.h"

class QIODevice;

// A PDF file: its first page, rendered at 200 dots an inch to be shown on white paper, which keeps
// a plan's lines sharp at 100 %; a page too large for the pixel bound at that resolution is
// rendered at the largest resolution the bound allows.
inline constexpr double kPdfDotsPerInch = 200;

bool looksLikePdf(QIODevice& file);
ReadPicture readPdfFirstPage(QIODevice& file);
