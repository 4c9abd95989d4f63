// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal_text.h"

#include <array>
#include <charconv>

std::string decimalText(double value, std::string_view decimalSeparator) {
    if (value == 0.0) return "0";  // also keeps -0 from showing a sign

    // Round to 15 significant digits first, then print that value in its shortest fixed form.
    std::array<char, 64> buffer{};
    auto general =
        std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::general, 15);
    double rounded = value;
    std::from_chars(buffer.data(), general.ptr, rounded);

    std::array<char, 400> fixed{};  // room for the widest double in fixed notation
    auto end = std::to_chars(fixed.begin(), fixed.end(), rounded, std::chars_format::fixed).ptr;
    std::string text(fixed.data(), end);
    if (auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::string fixedText(double value, int decimals, std::string_view decimalSeparator) {
    std::array<char, 400> buffer{};
    const auto end =
        std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::fixed, decimals).ptr;
    std::string text(buffer.data(), end);
    if (text.find_first_not_of("-0.") == std::string::npos) text.erase(0, text[0] == '-');
    if (auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}
