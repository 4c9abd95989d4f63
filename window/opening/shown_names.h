// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A file's name as a report shows it: the path cleaned ("a/../b" is "b"), and every control
// character written out ("\n", "\t", "\x1b"), so that a name read from a file cannot add lines
// of its own to a report.
QString shownName(const QString& path);
