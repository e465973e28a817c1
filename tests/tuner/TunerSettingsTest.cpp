#include "tuner/TunerSettings.h"

#include <gtest/gtest.h>
#include <optional>

namespace clefmark {
namespace {

    struct TextCase {
        const RangedSetting* setting;
        const char* text;
        std::optional<int> value;
    };

    TEST(TunerSettings, CommandLineTextIsAWholeNumberWithinTheRange)
    {
        const TextCase cases[] = {
            { &kReferencePitchSetting, "420", 420 },
            { &kReferencePitchSetting, "+460", 460 },
            { &kReferencePitchSetting, "419", std::nullopt },
            { &kReferencePitchSetting, "461", std::nullopt },
            { &kReferencePitchSetting, "440.5", std::nullopt },
            { &kReferencePitchSetting, " 440", std::nullopt },
            { &kTranspositionSetting, "-24", -24 },
            { &kTranspositionSetting, "+24", 24 },
            { &kTranspositionSetting, "25", std::nullopt },
            { &kTranspositionSetting, "-25", std::nullopt },
            { &kTranspositionSetting, "99999999999999999999", std::nullopt },
        };
        for (const TextCase& c : cases)
            EXPECT_EQ(c.setting->fromText(c.text), c.value)
                << c.setting->key << " '" << c.text << "'";
    }

    struct RangeCase {
        const RangedSetting* setting;
        long long given;
        int used;
        bool accepted;
    };

    TEST(TunerSettings, AValueOutsideTheRangeGivesTheNearerLimit)
    {
        const RangeCase cases[] = {
            { &kReferencePitchSetting, 419, 420, false },
            { &kReferencePitchSetting, 420, 420, true },
            { &kReferencePitchSetting, 460, 460, true },
            { &kReferencePitchSetting, 461, 460, false },
            { &kReferencePitchSetting, -99999999999LL, 420, false },
            { &kTranspositionSetting, -25, -24, false },
            { &kTranspositionSetting, 24, 24, true },
            { &kTranspositionSetting, 99999999999LL, 24, false },
        };
        for (const RangeCase& c : cases) {
            EXPECT_EQ(c.setting->within(c.given), c.used) << c.setting->key << ' ' << c.given;
            EXPECT_EQ(c.setting->accepts(c.given), c.accepted) << c.setting->key << ' ' << c.given;
        }
    }

    TEST(TunerSettings, TheRuleNamesTheUnitAndTheRange)
    {
        EXPECT_EQ(kReferencePitchSetting.rule(), "a whole number of Hz from 420 to 460");
        EXPECT_EQ(kTranspositionSetting.rule(), "a whole number of semitones from -24 to 24");
    }

} // namespace
} // namespace clefmark
