// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "picture_file_reader.h"

// Why a picture could not be opened, in the window's language: one sentence.
QString reasonText(const ReadPicture& refused);
