#pragma once

#include <QLocale>

#include "number_locale.h"

// The user's locale through QLocale. Digits, sign and separator typed in full width by a
// Japanese input method read as their ordinary forms; digit grouping is refused, so that a
// comma typed as a decimal separator in a locale with a full stop is an error, not a
// thousandfold length.
class QtNumberLocale : public NumberLocale {
public:
    explicit QtNumberLocale(const QLocale& locale = QLocale());

    std::optional<double> toNumber(std::string_view text) const override;
    std::string decimalSeparator() const override;

private:
    QLocale locale_;
};
