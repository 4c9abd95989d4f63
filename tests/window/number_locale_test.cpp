// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "qt_number_locale.h"

TEST(QtNumberLocale, ReadsWhatTheUserTypesInTheirLocale) {
    struct Case {
        QLocale::Language language;
        QLocale::Territory territory;
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {QLocale::Japanese, QLocale::Japan, "90", 90},
        {QLocale::Japanese, QLocale::Japan, " 12.5 ", 12.5},
        {QLocale::Japanese, QLocale::Japan, "-3", -3},
        {QLocale::Japanese, QLocale::Japan, "+3", 3},
        {QLocale::Japanese, QLocale::Japan, "９０", 90},
        {QLocale::Japanese, QLocale::Japan, "１２．５", 12.5},
        {QLocale::Japanese, QLocale::Japan, "－４", -4},
        {QLocale::Japanese, QLocale::Japan, "　７　", 7},  // ideographic spaces
        {QLocale::Japanese, QLocale::Japan, "", std::nullopt},
        {QLocale::Japanese, QLocale::Japan, "   ", std::nullopt},
        {QLocale::Japanese, QLocale::Japan, "90mm", std::nullopt},
        {QLocale::Japanese, QLocale::Japan, "abc", std::nullopt},
        {QLocale::Japanese, QLocale::Japan, "2,000", 2000},
        {QLocale::Japanese, QLocale::Japan, "２，０００", 2000},
        {QLocale::Japanese, QLocale::Japan, "1,234,567.5", 1234567.5},
        {QLocale::Japanese, QLocale::Japan, "2,00", std::nullopt},  // a malformed group
        {QLocale::Japanese, QLocale::Japan, "2,", std::nullopt},
        {QLocale::Japanese, QLocale::Japan, "12,5", std::nullopt},
        {QLocale::German, QLocale::Germany, "12,5", 12.5},
        {QLocale::German, QLocale::Germany, "１２，５", 12.5},
        {QLocale::German, QLocale::Germany, "12.5", std::nullopt},
        {QLocale::German, QLocale::Germany, "2.000,5", 2000.5},
    };
    for (const Case& c : cases) {
        const QtNumberLocale locale(QLocale(c.language, c.territory));
        EXPECT_EQ(locale.toNumber(c.text), c.value) << c.text;
    }
}

TEST(QtNumberLocale, GivesTheLocaleDecimalSeparator) {
    EXPECT_EQ(QtNumberLocale(QLocale(QLocale::Japanese, QLocale::Japan)).decimalSeparator(), ".");
    EXPECT_EQ(QtNumberLocale(QLocale(QLocale::French, QLocale::France)).decimalSeparator(), ",");
}
