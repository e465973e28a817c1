#include "tuner/OptionValues.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace clefmark {
namespace {

    TEST(OptionValues, WholeNumbers)
    {
        const std::pair<std::string_view, std::optional<long long>> cases[] = {
            { "440", 440 },
            { "+440", 440 },
            { "-24", -24 },
            { "-0", 0 },
            { "007", 7 },
            { " 440", std::nullopt },
            { "440 ", std::nullopt },
            { "4 40", std::nullopt },
            { "440.0", std::nullopt },
            { "440Hz", std::nullopt },
            { "0x1b8", std::nullopt },
            { "", std::nullopt },
            { "+", std::nullopt },
            { "-", std::nullopt },
            { "+-1", std::nullopt },
            { "-+1", std::nullopt },
            { "++1", std::nullopt },
            { "99999999999999999999", std::nullopt },
        };
        for (const auto& [text, value] : cases)
            EXPECT_EQ(wholeNumberFromText(text), value) << '\'' << text << '\'';
    }

    TEST(OptionValues, Decimals)
    {
        const std::string huge = "1" + std::string(400, '0');
        const std::string tiny = "0." + std::string(400, '0') + "1";
        const double inf = std::numeric_limits<double>::infinity();
        const std::pair<std::string, std::optional<double>> cases[] = {
            { "10", 10.0 },
            { "2.5", 2.5 },
            { ".5", 0.5 },
            { "5.", 5.0 },
            { "+2", 2.0 },
            { "-1", -1.0 },
            { "-.5", -0.5 },
            { "0", 0.0 },
            { huge, inf },
            { "-" + huge, -inf },
            { huge + ".5", inf },
            { tiny, 0.0 },
            { ".", std::nullopt },
            { "", std::nullopt },
            { "-", std::nullopt },
            { "+.", std::nullopt },
            { "1e3", std::nullopt },
            { "inf", std::nullopt },
            { "nan", std::nullopt },
            { " 2", std::nullopt },
            { "2 ", std::nullopt },
            { "1.2.3", std::nullopt },
            { "0x10", std::nullopt },
            { "1,5", std::nullopt },
            { "10s", std::nullopt },
            { "+-1", std::nullopt },
        };
        for (const auto& [text, value] : cases)
            EXPECT_EQ(decimalFromText(text), value) << '\'' << text.substr(0, 20) << '\'';
    }

} // namespace
} // namespace clefmark
