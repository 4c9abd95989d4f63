// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

#include "number_locale.h"

// The user's locale through QLocale. Digits, sign and separator typed in full width by a
// Japanese input method read as their ordinary forms. Digits may be grouped as the locale
// groups them ("2,000"); a group of another size ("2,00", "2,5" where the decimal separator is
// a full stop) is an error, never a length read another way.
class QtNumberLocale : public NumberLocale {
public:
    explicit QtNumberLocale(const QLocale& locale = QLocale());

    std::optional<double> toNumber(std::string_view text) const override;
    std::string decimalSeparator() const override;

private:
    QLocale locale_;
};
