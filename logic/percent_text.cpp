#include "percent_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "decimal_text.h"

namespace {

// Texts longer than this many significant digits are shown as the double-to-text conversion
// shows any number.
constexpr std::size_t kMaxSignificantDigits = 15;

// The next decimal digit of rest / divisor, by repeated addition: rest and divisor are below
// 2^63 + 1, so no sum can overflow 64 bits.
unsigned nextDigit(std::uint64_t& rest, std::uint64_t divisor) {
    unsigned digit = 0;
    std::uint64_t tenfold = 0;
    for (int i = 0; i < 10; ++i) {
        tenfold += rest;
        if (tenfold >= divisor) {
            tenfold -= divisor;
            ++digit;
        }
    }
    rest = tenfold;
    return digit;
}

}  // namespace

std::string cutPercentText(Currency fg, Currency bg, std::string_view decimalSeparator) {
    const std::uint64_t dividend = fg.magnitude();
    const std::uint64_t divisor = bg.magnitude();
    // The ratio's whole part, then six more digits: two complete the percentage, four are
    // its decimals.
    std::string digits = std::to_string(dividend / divisor);
    std::uint64_t rest = dividend % divisor;
    for (int i = 0; i < 6; ++i) digits += static_cast<char>('0' + nextDigit(rest, divisor));

    std::string whole = digits.substr(0, digits.size() - 4);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string decimals = digits.substr(digits.size() - 4);
    decimals.erase(decimals.find_last_not_of('0') + 1);

    const std::size_t significant =
        whole == "0" ? decimals.size() - std::min(decimals.find_first_not_of('0'), decimals.size())
                     : whole.size() + decimals.size();
    if (significant > kMaxSignificantDigits) {
        const std::string plain = decimals.empty() ? whole : whole + "." + decimals;
        double value = 0;
        std::from_chars(plain.data(), plain.data() + plain.size(), value);
        return decimalText(value, decimalSeparator);
    }
    if (decimals.empty()) return whole;
    return whole + std::string(decimalSeparator) + decimals;
}

bool isEnlargement(Currency fg, Currency bg) { return fg.magnitude() >= bg.magnitude(); }
