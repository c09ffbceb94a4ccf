#include "readout/fixed_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace trend {

namespace {

constexpr int kExpansionDigits = 18;

// A non-negative decimal number 0.d1d2d3... x 10^point.
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal ExpandMagnitude(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", kExpansionDigits - 1, std::fabs(value));
    // buffer holds "d.ddddddddddddddddde+XX".
    Decimal decimal;
    decimal.digits.push_back(buffer[0]);
    const char* exponent = std::strchr(buffer, 'e');
    decimal.digits.append(buffer + 2, static_cast<std::size_t>(exponent - (buffer + 2)));
    decimal.point = std::atoi(exponent + 1) + 1;
    return decimal;
}

// Keeps the first `keep` digits, rounding half away from zero on the digit after them.
Decimal RoundTo(const Decimal& decimal, int keep) {
    if (keep < 0) {
        return {"", decimal.point};
    }
    Decimal rounded{decimal.digits.substr(0, static_cast<std::size_t>(keep)), decimal.point};
    if (keep >= static_cast<int>(decimal.digits.size()) || decimal.digits[keep] < '5') {
        return rounded;
    }
    for (auto digit = rounded.digits.rbegin(); digit != rounded.digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return rounded;
        }
        *digit = '0';
    }
    // All nines (or no digit kept): the carry adds a digit in front.
    rounded.digits.insert(rounded.digits.begin(), '1');
    rounded.point += 1;
    return rounded;
}

bool IsZero(const Decimal& decimal) {
    return std::all_of(decimal.digits.begin(), decimal.digits.end(),
                       [](char digit) { return digit == '0'; });
}

// The digit at `position` counted from the first digit; zeros outside the kept digits.
char DigitAt(const Decimal& decimal, int position) {
    if (position < 0 || position >= static_cast<int>(decimal.digits.size())) {
        return '0';
    }
    return decimal.digits[static_cast<std::size_t>(position)];
}

std::string Scientific(Decimal decimal, std::string_view separator) {
    const auto last = decimal.digits.find_last_not_of('0');
    decimal.digits.erase(last + 1);
    std::string text(1, decimal.digits[0]);
    if (decimal.digits.size() > 1) {
        text.append(separator);
        text.append(decimal.digits, 1);
    }
    const int exponent = decimal.point - 1;
    std::string exponent_digits = std::to_string(std::abs(exponent));
    if (exponent_digits.size() < 2) {
        exponent_digits.insert(0, "0");
    }
    return text + "E" + (exponent < 0 ? "-" : "") + exponent_digits;
}

}  // namespace

std::string FixedText(long double value, int precision, std::string_view decimal_separator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    const Decimal expanded = ExpandMagnitude(value);
    const Decimal rounded = RoundTo(expanded, std::min(precision, expanded.point + 2));
    if (IsZero(rounded)) {
        return "0" + std::string(decimal_separator) + "00";
    }
    const std::string sign = value < 0 ? "-" : "";
    if (rounded.point > precision) {
        return sign + Scientific(rounded, decimal_separator);
    }
    std::string text = sign;
    if (rounded.point <= 0) {
        text += "0";
    }
    for (int position = 0; position < rounded.point; ++position) {
        text += DigitAt(rounded, position);
    }
    text.append(decimal_separator);
    text += DigitAt(rounded, rounded.point);
    text += DigitAt(rounded, rounded.point + 1);
    return text;
}

}  // namespace trend
