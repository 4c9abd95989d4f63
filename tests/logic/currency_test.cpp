// SPDX-License-Identifier: GPL-3.0-or-later
#include "currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "decimal_text.h"

TEST(Currency, RoundsToFourDecimalsWithTiesToEven) {
    struct Case {
        double value;
        std::int64_t units;
    };
    const Case cases[] = {
        // Exact binary ties: 1.03125 is 10312.5 ten-thousandths, 1.09375 is 10937.5.
        {1.03125, 10312}, {1.09375, 10938},      {-1.03125, -10312}, {-1.09375, -10938},
        {0.2, 2000},      {100.0 / 450.0, 2222}, {-0.5, -5000},      {3.0, 30000},
        {0.0, 0},         {0.99996, 10000},      {0.00004, 0},       {-0.00006, -1},
    };
    for (const Case& c : cases) {
        const auto currency = Currency::fromDouble(c.value);
        ASSERT_TRUE(currency.has_value()) << c.value;
        EXPECT_EQ(currency->units(), c.units) << "from " << c.value;
    }
}

TEST(Currency, RefusesWhatDoesNotFitSixtyFourBitsOfTenThousandths) {
    // The largest representable amount is 922337203685477.5807.
    EXPECT_TRUE(Currency::fromDouble(922337203685477.0).has_value());
    EXPECT_TRUE(Currency::fromDouble(-922337203685477.0).has_value());
    EXPECT_EQ(Currency::fromDouble(-922337203685477.5808)->units(),
              std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(Currency::fromDouble(922337203685477.6).has_value());
    EXPECT_FALSE(Currency::fromDouble(-922337203685478.0).has_value());
    EXPECT_FALSE(Currency::fromDouble(1e300).has_value());
    EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(Currency::fromDouble(-std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(Currency::fromDouble(std::nan("")).has_value());
}

TEST(Currency, TextIsShortestWithTheLocaleSeparator) {
    struct Case {
        std::int64_t units;
        const char* dot;
        const char* comma;
    };
    const Case cases[] = {
        {2000, "0.2", "0,2"},
        {2222, "0.2222", "0,2222"},
        {30000, "3", "3"},
        {-5000, "-0.5", "-0,5"},
        {0, "0", "0"},
        {1, "0.0001", "0,0001"},
        {-1, "-0.0001", "-0,0001"},
        {12345678, "1234.5678", "1234,5678"},
        {10000000, "1000", "1000"},  // no grouping
        {std::numeric_limits<std::int64_t>::max(), "922337203685477.5807", "922337203685477,5807"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808",
         "-922337203685477,5808"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Currency::fromUnits(c.units).toText("."), c.dot);
        EXPECT_EQ(Currency::fromUnits(c.units).toText(","), c.comma);
    }
}

TEST(DecimalText, AtMostFifteenSignificantDigitsWithoutExponent) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {200.0, "200"},
        {66.6666, "66.6666"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.5, "0.5"},
        {0.0001, "0.0001"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789.0123, "123456789.0123"},
        {1e20, "100000000000000000000"},
        {92233720368547.7, "92233720368547.7"},
        {922337203685477.5807, "922337203685478"},
    };
    for (const Case& c : cases) EXPECT_EQ(decimalText(c.value, "."), c.text) << c.value;
    EXPECT_EQ(decimalText(66.6666, ","), "66,6666");
}
