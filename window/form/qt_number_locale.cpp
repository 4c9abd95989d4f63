// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_number_locale.h"

namespace {

// Full-width forms U+FF01..U+FF5E mirror ASCII 0x21..0x7E; U+3000 is the ideographic space.
QString narrowed(QString text) {
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code >= 0xFF01 && code <= 0xFF5E) {
            c = QChar(char16_t(code - 0xFEE0));
        } else if (code == 0x3000) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

}  // namespace

QtNumberLocale::QtNumberLocale(const QLocale& locale) : locale_(locale) {
    locale_.setNumberOptions(locale_.numberOptions() & ~QLocale::RejectGroupSeparator);
}

std::optional<double> QtNumberLocale::toNumber(std::string_view text) const {
    const QString typed =
        narrowed(QString::fromUtf8(text.data(), qsizetype(text.size()))).trimmed();
    bool ok = false;
    const double value = locale_.toDouble(typed, &ok);
    if (!ok) return std::nullopt;
    return value;
}

std::string QtNumberLocale::decimalSeparator() const {
    return locale_.decimalPoint().toStdString();
}
