#include "views/MeterPalette.h"

#include "ViewTestSupport.h"
#include "views/LevelMeter.h"
#include "views/TunerMeter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace clefmark {
namespace {

    using Matrix = std::array<std::array<double, 3>, 3>;

    /// How far apart two colours look (CIE 1976 ΔE) to someone whose colour
    /// vision `deficiency` simulates, in linear RGB (Machado et al. 2009,
    /// full severity).
    double apart(const QColor& a, const QColor& b, const Matrix& deficiency)
    {
        auto lab = [&](const QColor& c) {
            auto linear = [](int v) {
                const double x = v / 255.0;
                return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
            };
            const double in[3] = { linear(c.red()), linear(c.green()), linear(c.blue()) };
            double rgb[3];
            for (int i = 0; i < 3; ++i) {
                rgb[i] = 0;
                for (int j = 0; j < 3; ++j)
                    rgb[i] += deficiency[i][j] * in[j];
                rgb[i] = std::clamp(rgb[i], 0.0, 1.0);
            }
            const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
            const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
            const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
            auto f
                = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
            return std::array<double, 3> { 116 * f(y) - 16, 500 * (f(x) - f(y)),
                200 * (f(y) - f(z)) };
        };
        const auto p = lab(a);
        const auto q = lab(b);
        return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
    }

    TEST(MeterPalette, theColourBlindSafeOneStaysApartUnderTheCommonDeficiencies)
    {
        struct Case {
            const char* vision;
            Matrix simulation;
            bool standardApart;
        };
        const Case cases[] = {
            { "normal", { { { 1, 0, 0 }, { 0, 1, 0 }, { 0, 0, 1 } } }, true },
            { "protanopia",
                { { { 0.152286, 1.052583, -0.204868 }, { 0.114503, 0.786281, 0.099216 },
                    { -0.003882, -0.048116, 1.051998 } } },
                false },
            { "deuteranopia",
                { { { 0.367322, 0.860646, -0.227968 }, { 0.280085, 0.672501, 0.047413 },
                    { -0.011820, 0.042940, 0.968881 } } },
                false },
            { "tritanopia",
                { { { 1.255528, -0.076749, -0.178779 }, { -0.078411, 0.930809, 0.147602 },
                    { 0.004733, 0.691367, 0.303900 } } },
                true },
        };
        constexpr double kApart = 40.0;
        const MeterPalette safe = MeterPalette::colourBlindSafe();
        const MeterPalette standard = MeterPalette::standard();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.vision);
            EXPECT_GT(apart(safe.inTune, safe.outOfTune, c.simulation), kApart);
            EXPECT_GT(apart(safe.lit, safe.fullScale, c.simulation), kApart);
            // The window's own green and red, which the safe palette is for.
            EXPECT_EQ(
                apart(standard.inTune, standard.outOfTune, c.simulation) > kApart, c.standardApart);
        }
    }

    TEST(MeterPalette, theMetersDrawInThePaletteTheyAreGiven)
    {
        for (const MeterPalette& palette :
            { MeterPalette::colourBlindSafe(), MeterPalette::standard() }) {
            QWidget window;
            window.resize(200, 100);
            auto* needle = new TunerMeter(QRectF(0, 0, 65, 20), &window);
            auto* level = new LevelMeter(QRectF(0, 40, 60, 10), &window);
            window.show();
            needle->setColours(MeterPalette::colourBlindSafe());
            needle->setColours(palette);
            level->setColours(palette);
            level->setLevel(8);
            needle->setTune(0, true);
            EXPECT_EQ(test::pixel(test::render(*needle), 32, 10), palette.inTune);
            needle->setTune(0, false);
            EXPECT_EQ(test::pixel(test::render(*needle), 32, 10), palette.outOfTune);
            const QImage segments = test::render(*level);
            EXPECT_EQ(test::pixel(segments, 1, 5), palette.lit);
            EXPECT_EQ(test::pixel(segments, 57, 5), palette.fullScale);
        }
    }

    // Green and red look alike to many; a safe palette with any green in it
    // still leans on telling them apart.
    TEST(MeterPalette, theColourBlindSafeColoursHaveNoGreenNotEvenBehindTheNeedle)
    {
        auto green = [](const QColor& c) {
            return c.alpha() > 0 && c.hsvSaturation() > 20 && c.hsvHue() >= 75 && c.hsvHue() <= 165;
        };
        const MeterPalette safe = MeterPalette::colourBlindSafe();
        for (const QColor& c : { safe.inTune, safe.outOfTune, safe.lit, safe.fullScale, safe.band })
            EXPECT_FALSE(green(c)) << c.name().toStdString();
        EXPECT_TRUE(green(MeterPalette::standard().band));

        // The picture's pale green band behind the in-tune place is covered
        // in the safe colours, and left to the picture in the standard ones.
        for (const MeterPalette& palette : { safe, MeterPalette::standard() }) {
            QWidget window;
            window.resize(65, 20);
            auto* needle = new TunerMeter(QRectF(0, 0, 65, 20), &window);
            window.show();
            needle->setColours(palette);
            needle->setTune(10, false);
            const QColor band = test::pixel(test::render(*needle), 32, 10);
            if (palette == safe) {
                EXPECT_EQ(band, safe.band);
            } else {
                EXPECT_EQ(band.alpha(), 0);
            }
        }
    }

} // namespace
} // namespace clefmark
