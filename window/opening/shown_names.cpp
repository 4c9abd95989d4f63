// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_names.h"

#include <QDir>

QString shownName(const QString& path) {
    QString shown;
    for (const QChar c : QDir::cleanPath(path)) {
        const char16_t code = c.unicode();
        if (code == u'\n') {
            shown += QStringLiteral("\\n");
        } else if (code == u'\t') {
            shown += QStringLiteral("\\t");
        } else if (code == u'\r') {
            shown += QStringLiteral("\\r");
        } else if (code < 0x20 || code == 0x7f || code == 0x2028 || code == 0x2029) {
            shown += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown;
}
