// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture_file_reader.h"

class QIODevice;

// HEIC and HEIF photos through libheif, the format's reference library: the primary image,
// upright by the file's own rotation and mirroring, within the same bounds as every picture.
bool looksLikeHeif(QIODevice& file);
ReadPicture readHeif(QIODevice& file);
