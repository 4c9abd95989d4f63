// SPDX-License-Identifier: GPL-3.0-or-later
#include "no_saved_settings.h"

#include <QCoreApplication>
#include <QSettings>

void keepNoSettings() {
    const QString nowhere = QCoreApplication::applicationFilePath() + QStringLiteral("/settings");
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings::setPath(format, scope, nowhere);
        }
    }
}
