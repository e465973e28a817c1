#include "panels/IntegerReading.h"

#include <climits>
#include <gtest/gtest.h>

namespace clefmark {
namespace {

    struct Reading {
        const char* name;
        const char16_t* text;
        int value;
    };

    void PrintTo(const Reading& reading, std::ostream* out)
    {
        *out << reading.name;
    }

    class IntegerReadingTest : public ::testing::TestWithParam<Reading> { };

    TEST_P(IntegerReadingTest, ReadsLikeANumberField)
    {
        EXPECT_EQ(readIntValue(QStringView(GetParam().text)), GetParam().value);
    }

    const Reading kReadings[] = {
        { "Plain", u"440", 440 },
        { "Empty", u"", 0 },
        { "OnlySpace", u"   ", 0 },
        { "Letters", u"abc", 0 },
        { "LettersBeforeDigits", u"A440", 0 },
        { "LeadingSpaceAndTab", u" \t 441", 441 },
        { "TrailingText", u"442 Hz", 442 },
        { "DecimalDigitsDropped", u"441.7", 441 },
        { "DecimalPointFirst", u".5", 0 },
        { "Negative", u"-12", -12 },
        { "PlusSign", u"+450", 450 },
        { "SignAlone", u"-", 0 },
        { "SpaceAfterSign", u"- 5", 0 },
        { "LeadingZeros", u"000430", 430 },
        { "LargestInt", u"2147483647", INT_MAX },
        { "JustAboveLargest", u"2147483648", INT_MAX },
        { "FarTooLarge", u"99999999999", INT_MAX },
        { "SmallestInt", u"-2147483648", INT_MIN },
        { "FarTooSmall", u"-99999999999", INT_MIN },
        { "NonAsciiDigitsAreNotDigits", u"\u0664\u0664\u0660", 0 },
    };

    INSTANTIATE_TEST_SUITE_P(Table, IntegerReadingTest, ::testing::ValuesIn(kReadings),
        [](const ::testing::TestParamInfo<Reading>& info) { return std::string(info.param.name); });

} // namespace
} // namespace clefmark
