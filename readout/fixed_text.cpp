#include "readout/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace trend {

namespace {

constexpr int kExpansionDigits = 18;

// A non-negative decimal number 0.d1d2d3... x 10^point.
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal ExpandMagnitude(long double value) {
    // std::to_chars never looks at the C library's locale, which a Qt program takes from the
    // user's environment; printf-style formatting would write that locale's decimal point.
    char buffer[64];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), std::fabs(value),
                                            std::chars_format::scientific, kExpansionDigits - 1);
    // buffer holds "d.ddddddddddddddddde+XX" (a finite value; the caller handles the others).
    const std::string_view text(buffer, error == std::errc{} ? end - buffer : 0);
    const auto exponent = text.find('e');
    Decimal decimal;
    if (exponent == std::string_view::npos || exponent < 2) {
        return {"0", 1};
    }
    decimal.digits.push_back(text[0]);
    decimal.digits.append(text.substr(2, exponent - 2));
    int power = 0;
    const auto digits = text.substr(exponent + 1);
    const char* first = digits.data() + (digits.starts_with('+') ? 1 : 0);
    std::from_chars(first, digits.data() + digits.size(), power);
    decimal.point = power + 1;
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
