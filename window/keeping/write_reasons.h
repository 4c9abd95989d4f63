// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "whole_file.h"

// Why a file could not be written, in the window's language: one sentence.
QString writeReasonText(const WriteResult& failed);
