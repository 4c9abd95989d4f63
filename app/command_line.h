// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks of the program: `pokotamu [--page N] [picture or arrangement]`,
// --help or --version.
struct CommandLine {
    std::optional<int> exitCode;  // set: answer on the terminal and end without a window
    QString output;               // for standard output
    QString error;                // for standard error
    QString picture;              // the background or arrangement to open at start, or empty
    std::optional<int> page;      // of a PDF picture, from 0; none: the user chooses
};

// Reads the arguments left after Qt has taken its own (-platform, -style...). The program's
// name and version are the application's.
CommandLine readCommandLine(const QStringList& arguments);
