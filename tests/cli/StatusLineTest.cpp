#include "cli/StatusLine.h"

#include <gtest/gtest.h>
#include <string>

namespace clefmark::cli {
namespace {

    // What a terminal shows: the text without its ANSI sequences.
    std::string visible(const std::string& text)
    {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\033') {
                while (i < text.size() && text[i] != 'm')
                    ++i;
                continue;
            }
            out += text[i];
        }
        return out;
    }

    TEST(StatusLine, NeedlePlacesTheMarkerByTuneValue)
    {
        struct Case {
            int tune;
            const char* bar;
        };
        const Case cases[] = {
            { 0, "[----------*----------]" },
            { 1, "[----------*----------]" }, // within a needle step of the note
            { -1, "[----------*----------]" },
            { 2, "[----------|*---------]" },
            { -3, "[---------*|----------]" },
            { 12, "[----------|----*-----]" },
            { 25, "[----------|---------*]" }, // half a semitone sharp: the end
            { -25, "[*---------|----------]" },
            { 40, "[----------|---------*]" }, // beyond: held at the end
            { -99, "[*---------|----------]" },
        };
        for (const Case& c : cases)
            EXPECT_EQ(needle(c.tune), c.bar) << "tune " << c.tune;
        EXPECT_EQ(needle(std::nullopt), "[----------|----------]");
    }

    TEST(StatusLine, FullLineSaysEverythingAtAFixedWidth)
    {
        const StatusReading sharp { .update = DisplayUpdate { 12, false, 57 },
            .cents = "+23.6",
            .level = 5,
            .words = "sharp" };
        EXPECT_EQ(statusLine(sharp),
            "A4    +23.6 cents  [----------|----*-----]  sharp      level [=====   ]");
        const StatusReading inTune {
            .update = DisplayUpdate { -1, true, 46 }, .cents = "-1.6", .level = 8
        };
        EXPECT_EQ(statusLine(inTune),
            "A#3    -1.6 cents  [----------*----------]  in tune    level [========]");
        // A past note is plain, has no marker and is never in tune; the words
        // for what is going on stand in the mark's place.
        const StatusReading past { .update = DisplayUpdate { -1, true, 46 },
            .cents = "-1.6",
            .past = true,
            .words = "too quiet" };
        EXPECT_EQ(statusLine(past, 200, true),
            "A#3    -1.6 cents  [----------|----------]  too quiet  level [        ]");
        const StatusReading flat { .update = DisplayUpdate { -1, true, 46 },
            .cents = "-1.6",
            .level = 8,
            .spelling = NoteSpelling::Flats };
        EXPECT_EQ(statusLine(flat),
            "Bb3    -1.6 cents  [----------*----------]  in tune    level [========]");
        const StatusReading nothingYet { .update = std::nullopt, .level = 0 };
        EXPECT_EQ(statusLine(nothingYet),
            "--                 [----------|----------]             level [        ]");

        // Whatever is shown, the width stays, so a redraw covers the last one.
        for (int tune = -30; tune <= 30; tune += 3)
            for (int level : { -1, 0, 4, 8, 9 })
                for (int note : { 0, 28, 57, 61, 127 }) {
                    const StatusReading reading { .update = DisplayUpdate { tune, tune == 0, note },
                        .cents = "-50.0",
                        .level = level,
                        .words = tune < 0 ? "flat" : "sharp" };
                    EXPECT_EQ(statusLine(reading).size(), kStatusWidth);
                    EXPECT_EQ(visible(statusLine(reading, 200, true)), statusLine(reading));
                }
    }

    TEST(StatusLine, NarrowTerminalsGetAShorterLineThatFits)
    {
        const StatusReading reading {
            .update = DisplayUpdate { -1, true, 57 }, .cents = "-2.0", .level = 6
        };
        struct Case {
            std::size_t width;
            const char* line;
        };
        const Case cases[] = {
            { 72, "A4     -2.0 cents  [----------*----------]  in tune    level [======  ]" },
            { 71, "A4    -2.0 [----------*----------] in tune  " },
            { 45, "A4    -2.0 [----------*----------] in tune  " },
            { 44, "A4    -2.0" },
            { 11, "A4    -2.0" },
            { 8, "A4    -" },
            { 1, "" },
        };
        for (const Case& c : cases) {
            EXPECT_EQ(statusLine(reading, c.width), c.line) << "width " << c.width;
            EXPECT_LT(visible(statusLine(reading, c.width, true)).size(), c.width)
                << "width " << c.width;
        }

        // Syllables take a column more: the full line keeps its width, the
        // shorter ones grow by it.
        StatusReading solfege = reading;
        solfege.update->note = 56;
        solfege.naming = NoteNaming::Solfege;
        const Case syllables[] = {
            { 72, "Sol#4  -2.0 cents  [----------*----------]  in tune    level [======  ]" },
            { 46, "Sol#4  -2.0 [----------*----------] in tune  " },
            { 45, "Sol#4  -2.0" },
        };
        for (const Case& c : syllables)
            EXPECT_EQ(statusLine(solfege, c.width), c.line) << "width " << c.width;
    }

    TEST(StatusLine, MessagesTakeTheLinesPlace)
    {
        EXPECT_EQ(statusMessage("waiting for a sound server..."),
            "waiting for a sound server..." + std::string(kStatusWidth - 29, ' '));
        EXPECT_EQ(statusMessage("waiting for a sound server...", 11), "waiting fo");
    }

} // namespace
} // namespace clefmark::cli
