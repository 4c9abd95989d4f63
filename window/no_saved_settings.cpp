#include "no_saved_settings.h"

#include <QSettings>

namespace {

bool readNothing(QIODevice&, QSettings::SettingsMap&) {
    return true;
}

bool writeNothing(QIODevice&, const QSettings::SettingsMap&) {
    return false;  // a failed write leaves no file behind
}

}  // namespace

void keepNoSettings() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("unsaved"), readNothing, writeNothing);
    QSettings::setDefaultFormat(format);
}
