#include "plot/float_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace trend {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr float kFloatMax = std::numeric_limits<float>::max();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

TEST(FloatMath, TruncateToPixelSaturates) {
    struct Case {
        const char* name;
        long double value;
        int pixel;
    };
    const Case cases[] = {
        {"NaN", std::numeric_limits<long double>::quiet_NaN(), 0},
        {"+infinity", kInf, kIntMax},
        {"-infinity", -kInf, kIntMin},
        {"2^31", 2147483648.0L, kIntMax},
        {"just below 2^31", 2147483647.75L, kIntMax},
        {"-2^31", -2147483648.0L, kIntMin},
        {"below -2^31", -2147483648.75L, kIntMin},
        {"largest float", kFloatMax, kIntMax},
        {"lowest float", -kFloatMax, kIntMin},
        {"positive fraction", 12.75L, 12},
        {"negative fraction toward zero", -12.75L, -12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TruncateToPixel(c.value), c.pixel);
    }
}

TEST(FloatMath, RoundToSingleOverflowsToInfinity) {
    struct Case {
        const char* name;
        long double value;
        float single;
    };
    const Case cases[] = {
        {"+infinity", kInf, std::numeric_limits<float>::infinity()},
        {"-infinity", -kInf, -std::numeric_limits<float>::infinity()},
        {"2^31", 2147483648.0L, 2147483648.0f},
        {"largest float", kFloatMax, kFloatMax},
        {"just under half an ulp above the largest", 0x1.fffffefffp127L, kFloatMax},
        {"half an ulp above the largest", 0x1.ffffffp127L, std::numeric_limits<float>::infinity()},
        {"twice the largest", 2.0L * kFloatMax, std::numeric_limits<float>::infinity()},
        {"twice the lowest", -2.0L * kFloatMax, -std::numeric_limits<float>::infinity()},
        {"rounds to nearest", 0.1L, 0.1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RoundToSingle(c.value), c.single);
    }
    EXPECT_TRUE(std::isnan(RoundToSingle(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(FloatMath, OffsetPixelSaturates) {
    struct Case {
        int pixel, offset, result;
    };
    const Case cases[] = {
        {615, 5, 620},          {615, -3, 612},
        {kIntMax, 5, kIntMax},  {kIntMax - 4, 5, kIntMax},
        {kIntMin, -3, kIntMin}, {kIntMin + 2, -3, kIntMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pixel << " + " << c.offset);
        EXPECT_EQ(OffsetPixel(c.pixel, c.offset), c.result);
    }
}

}  // namespace
}  // namespace trend
