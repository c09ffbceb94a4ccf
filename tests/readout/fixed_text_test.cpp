#include "readout/fixed_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace trend {
namespace {

struct Case {
    long double value;
    int precision;
    const char* text;
};

void ExpectTexts(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.text << " at precision " << c.precision);
        EXPECT_EQ(FixedText(c.value, c.precision, "."), c.text);
    }
}

TEST(FixedText, RoundsAtTheStricterLimitAndWritesTwoDecimals) {
    const std::vector<Case> cases = {
        {44.5999985L, 6, "44.60"},
        {100, 6, "100.00"},
        {0, 6, "0.00"},
        {-12.5L, 6, "-12.50"},
        {12345.678L, 6, "12345.70"},
        {12345.678L, 5, "12346.00"},
        {123456.4L, 6, "123456.00"},
        {0.125L, 6, "0.13"},  // half away from zero
        {-0.125L, 6, "-0.13"},
        {0.005L, 6, "0.01"},
        {0.0049L, 6, "0.00"},
        {-0.004L, 6, "0.00"},  // no "-0.00"
        {-0.0L, 6, "0.00"},
        {999.995L, 5, "1000.00"},  // the carry adds an integer digit
        {9.995L, 6, "10.00"},
        {0.07L, 5, "0.07"},
        {-327.68L, 5, "-327.68"},
        {47.2999992370605469L, 5, "47.30"},  // 47.3 in single precision
    };
    ExpectTexts(cases);
}

TEST(FixedText, IntegerPartWiderThanThePrecisionIsScientific) {
    const std::vector<Case> cases = {
        {1234567, 6, "1.23457E06"},
        {-1234567, 6, "-1.23457E06"},
        {123456.7L, 5, "1.2346E05"},
        {1000000, 6, "1E06"},
        {999999.996L, 6, "1E06"},  // rounds up past six integer digits
        {1.5e20L, 6, "1.5E20"},
        {static_cast<long double>(std::numeric_limits<float>::max()), 6, "3.40282E38"},
        {1e300L * 1e300L, 6, "1E600"},
    };
    ExpectTexts(cases);
}

TEST(FixedText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(FixedText(-12.5L, 6, ","), "-12,50");
    EXPECT_EQ(FixedText(0, 6, ","), "0,00");
    EXPECT_EQ(FixedText(1234567, 6, ","), "1,23457E06");
}

// A Qt program runs under the C library locale of the user's environment; the texts must not
// change with it. The test build provides locales with a comma and with the two-byte Arabic
// decimal separator (LOCPATH) where the machine has their sources.
TEST(FixedText, DoesNotDependOnTheCLibraryLocale) {
    std::vector<std::string> tried;
    for (const char* name : {"ps_AF.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            continue;
        }
        if (std::strcmp(std::localeconv()->decimal_point, ".") == 0) {
            std::setlocale(LC_ALL, "C");
            continue;
        }
        SCOPED_TRACE(name);
        tried.emplace_back(name);
        EXPECT_EQ(FixedText(44.5999985L, 6, "."), "44.60");
        EXPECT_EQ(FixedText(-12.5L, 6, ","), "-12,50");
        EXPECT_EQ(FixedText(12345.678L, 5, "."), "12346.00");
        EXPECT_EQ(FixedText(1234567, 6, "."), "1.23457E06");
        EXPECT_EQ(FixedText(0.0049L, 6, "."), "0.00");
        std::setlocale(LC_ALL, "C");
    }
    if (tried.empty()) {
        GTEST_SKIP() << "no locale with a decimal separator other than '.' on this machine";
    }
}

TEST(FixedText, NonFiniteValuesOfADamagedScale) {
    EXPECT_EQ(FixedText(std::numeric_limits<long double>::quiet_NaN(), 6, "."), "NAN");
    EXPECT_EQ(FixedText(std::numeric_limits<long double>::infinity(), 6, "."), "INF");
    EXPECT_EQ(FixedText(-std::numeric_limits<long double>::infinity(), 6, "."), "-INF");
}

}  // namespace
}  // namespace trend
