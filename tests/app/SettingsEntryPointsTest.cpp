// The tuner's numeric settings reach it four ways: the settings file, the
// window's command line, clefmark-cli's, and the preferences panel. Each
// takes the same values and states the rule for the others in the same words.
#include "app/Options.h"
#include "cli/AnalyzeOptions.h"
#include "desktop/IniUserDefaults.h"
#include "panels/Preferences.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/QtWarnings.h"
#include "tuner/TunerSettings.h"

#include <QLineEdit>
#include <QSpinBox>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace clefmark {
namespace {

    /// What an entry point made of a value: the number it took, and what it
    /// said (nothing when it took the value as given).
    struct Outcome {
        std::optional<int> value;
        QString said;
    };

    Outcome fromSettingsFile(const RangedSetting& setting, const char*, const std::string& text)
    {
        test::TempDir dir;
        const std::string path = dir.file("Clefmark.ini");
        std::ofstream(path) << "[General]\n" << setting.key << '=' << text << '\n';
        const test::WarningCapture capture;
        IniUserDefaults defaults(QString::fromStdString(path));
        defaults.limitInteger(setting);
        const int value = defaults.integerForKey(setting.key);
        return { value, capture.warnings.join(u'\n') };
    }

    Outcome fromWindowOptions(const RangedSetting&, const char* option, const std::string& text)
    {
        const ParsedOptions parsed
            = parseOptions({ QString::fromLatin1(option), QString::fromStdString(text) });
        const AppOptions& o = parsed.options;
        return { option == std::string("--reference") ? o.referencePitch : o.transposition,
            parsed.error };
    }

    Outcome fromCliOptions(const RangedSetting&, const char* option, const std::string& text)
    {
        const std::string_view args[] = { option, text, "take.wav" };
        const cli::ParsedAnalyzeOptions parsed = cli::parseAnalyzeOptions(args);
        const cli::AnalyzeOptions& o = parsed.options;
        if (!parsed.error.empty())
            return { std::nullopt, QString::fromStdString(parsed.error) };
        return { option == std::string("--reference") ? o.referencePitch : o.transposition, {} };
    }

    Preferences::Settings panelSettings(std::function<void(int)> setReferencePitch)
    {
        Preferences::Settings settings;
        settings.referencePitch = [] { return kReferencePitchSetting.initial; };
        settings.octaveRejection = [] { return false; };
        settings.closeEnough = [] { return false; };
        settings.setReferencePitch = std::move(setReferencePitch);
        settings.setOctaveRejection = [](bool) {};
        settings.setCloseEnough = [](bool) {};
        return settings;
    }

    // The reference pitch only: the transposition is chosen with a spin box,
    // which holds the range itself (checked below).
    Outcome fromPreferences(const RangedSetting&, const char*, const std::string& text)
    {
        Outcome outcome;
        Preferences preferences(panelSettings([&](int hz) { outcome.value = hz; }),
            [&](const QString& alert) { outcome.said = alert; });
        preferences.showPanel();
        preferences.referencePitchText()->setText(QString::fromStdString(text));
        preferences.referencePitchTextChanged();
        return outcome;
    }

    struct EntryPoint {
        const char* name;
        Outcome (*take)(const RangedSetting&, const char* option, const std::string& text);
        bool typesTheTransposition;
    };
    const EntryPoint kEntryPoints[] = {
        { "settings file", fromSettingsFile, true },
        { "clefmark options", fromWindowOptions, true },
        { "clefmark-cli options", fromCliOptions, true },
        { "preferences", fromPreferences, false },
    };

    struct Edge {
        const RangedSetting* setting;
        const char* option;
        int given;
        bool accepted;
    };

    TEST(SettingsEntryPoints, TakeTheSameValuesAndRefuseTheOthersInTheSameWords)
    {
        const Edge edges[] = {
            { &kReferencePitchSetting, "--reference", 419, false },
            { &kReferencePitchSetting, "--reference", 420, true },
            { &kReferencePitchSetting, "--reference", 460, true },
            { &kReferencePitchSetting, "--reference", 461, false },
            { &kTranspositionSetting, "--transpose", -25, false },
            { &kTranspositionSetting, "--transpose", -24, true },
            { &kTranspositionSetting, "--transpose", 24, true },
            { &kTranspositionSetting, "--transpose", 25, false },
        };
        for (const EntryPoint& entry : kEntryPoints) {
            for (const Edge& edge : edges) {
                if (edge.setting == &kTranspositionSetting && !entry.typesTheTransposition)
                    continue;
                const Outcome outcome
                    = entry.take(*edge.setting, edge.option, std::to_string(edge.given));
                SCOPED_TRACE(std::string(entry.name) + ": " + edge.option + ' '
                    + std::to_string(edge.given) + ": " + outcome.said.toStdString());
                if (edge.accepted) {
                    EXPECT_EQ(outcome.value, edge.given);
                    EXPECT_TRUE(outcome.said.isEmpty());
                } else {
                    EXPECT_TRUE(
                        outcome.said.contains(QString::fromStdString(edge.setting->rule())));
                    // Where a value is used anyway, it is the nearer limit.
                    if (outcome.value) {
                        EXPECT_EQ(*outcome.value, edge.setting->within(edge.given));
                    }
                }
            }
        }
        Preferences preferences(panelSettings([](int) {}), [](const QString&) {});
        preferences.showPanel();
        ASSERT_NE(preferences.transpositionSpin(), nullptr);
        EXPECT_EQ(preferences.transpositionSpin()->minimum(), kTranspositionSetting.min);
        EXPECT_EQ(preferences.transpositionSpin()->maximum(), kTranspositionSetting.max);
    }

} // namespace
} // namespace clefmark
