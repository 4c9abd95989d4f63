// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <filesystem>
#include <system_error>

#include "whole_file.h"

bool isSameFile(const QString& one, const QString& other) {
    if (one.isEmpty() || other.isEmpty()) return false;
    std::error_code failed;
    const bool same = std::filesystem::equivalent(QFile::encodeName(one).toStdString(),
                                                  QFile::encodeName(other).toStdString(), failed);
    return same && !failed;
}
