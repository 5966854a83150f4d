#include "src/tracking/TextConversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "src/util/Failure.h"
#include "tests/support/TrackingTestBase.h"

namespace pwk {
namespace {

using test::FailureOf;

TEST(TextConversionTest, BooleanWordsInAnyCaseAndNumbers) {
    EXPECT_TRUE(TextToBoolean("True"));
    EXPECT_TRUE(TextToBoolean("TRUE"));
    EXPECT_FALSE(TextToBoolean("fAlSe"));
    EXPECT_FALSE(TextToBoolean("0"));
    EXPECT_FALSE(TextToBoolean("-0.00"));
    EXPECT_TRUE(TextToBoolean("7"));
    EXPECT_TRUE(TextToBoolean("-1"));
    EXPECT_TRUE(TextToBoolean("0.5"));
    EXPECT_TRUE(TextToBoolean("99999999999999999999999"));  // no overflow: only zero is false
    EXPECT_FALSE(TextToBoolean(" False "));
}

TEST(TextConversionTest, AnythingElseIsNotABoolean) {
    for (const char* text : {"", "Yes", "Truee", "T", "1x", ".", "-", "1.2.3", "0x1"}) {
        EXPECT_EQ(FailureOf([&] { TextToBoolean(text); }), FailureNumber::TypeMismatch) << text;
    }
}

TEST(TextConversionTest, IntegersFillTheirWidthExactly) {
    EXPECT_EQ(TextToInteger<std::int16_t>("32767"), 32767);
    EXPECT_EQ(TextToInteger<std::int16_t>("-32768"), -32768);
    EXPECT_EQ(FailureOf([] { TextToInteger<std::int16_t>("32768"); }), FailureNumber::Overflow);
    EXPECT_EQ(FailureOf([] { TextToInteger<std::int16_t>("-32769"); }), FailureNumber::Overflow);
    EXPECT_EQ(TextToInteger<std::int32_t>("2147483647"), 2147483647);
    EXPECT_EQ(TextToInteger<std::int32_t>("-2147483648"), INT32_MIN);
    EXPECT_EQ(FailureOf([] { TextToInteger<std::int32_t>("2147483648"); }),
              FailureNumber::Overflow);
    EXPECT_EQ(FailureOf([] { TextToInteger<std::int32_t>("123456789012345678901234567890"); }),
              FailureNumber::Overflow);
}

TEST(TextConversionTest, IntegersTakeASignLeadingZerosAndSurroundingBlanks) {
    EXPECT_EQ(TextToInteger<std::int32_t>("+15"), 15);
    EXPECT_EQ(TextToInteger<std::int32_t>("-0"), 0);
    EXPECT_EQ(TextToInteger<std::int32_t>("007"), 7);
    EXPECT_EQ(TextToInteger<std::int32_t>(" 42\t"), 42);
}

TEST(TextConversionTest, IntegersRefuseEverythingThatIsNotADecimalNumber) {
    for (const char* text : {"", " ", "+", "-", "1.5", "1e3", "0x10", "12a", "- 1", "True"}) {
        EXPECT_EQ(FailureOf([&] { TextToInteger<std::int32_t>(text); }),
                  FailureNumber::TypeMismatch)
            << text;
    }
}

}  // namespace
}  // namespace pwk
