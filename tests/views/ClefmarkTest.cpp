#include "views/Clefmark.h"

#include "ViewTestSupport.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/Feed.h"
#include "tests/support/Signals.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>

namespace clefmark {
namespace {

    using test::TestResources;

    // The view is 40 × 300 units: middle C's picture has its lower edge
    // 300 / 2 - 24 = 126 units up from the bottom, 3 units from the left.
    constexpr int kWidth = 40;
    constexpr int kHeight = 300;
    constexpr int kMiddleCBottom = 126;

    enum Picture { Whole, Sharp, Line, SharpLine };

    /// Where the test pictures land for staff step `step` at `scale`, in the
    /// image's top-left coordinates.
    QRect expectedPlace(int step, int scale)
    {
        const QSize size = TestResources::kNoteSize * scale;
        const int bottom = (kMiddleCBottom + 9 * step) * scale;
        return QRect(QPoint(3 * scale, kHeight * scale - bottom - size.height()), size);
    }

    struct Staff {
        Staff()
        {
            window.resize(kWidth, kHeight);
            view = new Clefmark(QRectF(0, 0, kWidth, kHeight), &window);
            window.show();
        }
        TestResources resources;
        QWidget window;
        Clefmark* view = nullptr;
    };

    TEST(Clefmark, eachNoteIsDrawnWithItsPictureAtItsStaffStep)
    {
        struct Case {
            int note;
            Picture picture;
            int step;
        };
        const Case cases[] = {
            { 48, Line, 0 }, // middle C on its ledger line
            { 49, SharpLine, 0 }, // C#4 at the same place
            { 50, Whole, 1 }, // D4, one step up
            { 28, Line, -12 }, // E2 on the ledger line under the bass staff
            { 27, Sharp, 1 }, // D#2 is out of range: shown as D#4
            { 70, SharpLine, 12 }, // A#5 on the ledger line over the treble staff
            { 71, Whole, 6 }, // B5 is out of range: shown as B4
            { 57, Whole, 5 }, // the reference A
            { 0, Line, 0 }, // far out of range: the pitch class near middle C
            { 84, Line, 0 }, { -13, Whole, -1 }, // below -12 the fold lands an octave lower: B3
        };
        for (const int scale : { 1, 2 }) {
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message() << "note " << c.note << " at " << scale << "x");
                Staff staff;
                staff.window.resize(QSize(kWidth, kHeight) * scale);
                staff.view->setNote(c.note);
                const QImage image = test::render(*staff.view);
                const QRect place = expectedPlace(c.step, scale);
                EXPECT_EQ(test::paintedRect(image), place);
                EXPECT_EQ(test::pixel(image, place.center().x(), place.center().y()),
                    TestResources::noteColour(c.picture));
            }
        }
    }

    TEST(Clefmark, inPlaceNotesFollowTheStaffStepByStep)
    {
        // Every note drawn in place, by letter name: E2 at step -12 up to A5
        // at +12, sharps beside their naturals; 'L' marks a ledger line.
        const char* steps
            = "E2 F2 F#2 G2 G#2 A2 A#2 B2 C3 C#3 D3 D#3 E3 F3 F#3 G3 G#3 A3 A#3 B3 "
              "C4 C#4 D4 D#4 E4 F4 F#4 G4 G#4 A4 A#4 B4 C5 C#5 D5 D#5 E5 F5 F#5 G5 G#5 A5 A#5";
        int expectedStep = -12;
        int note = 28;
        for (const char* name = steps; *name; ++note) {
            const char* end = name;
            while (*end && *end != ' ')
                ++end;
            const std::string label(name, end);
            SCOPED_TRACE(label);
            const bool sharp = label.find('#') != std::string::npos;
            if (!sharp && note != 28)
                ++expectedStep;
            const Clefmark::Placement place = Clefmark::placement(note + 12);
            EXPECT_EQ(place.step, expectedStep);
            EXPECT_EQ(place.sharp, sharp);
            EXPECT_EQ(place.ledger, expectedStep == -12 || expectedStep == 0 || expectedStep == 12);
            name = *end ? end + 1 : end;
        }
        EXPECT_EQ(note, 71);
    }

    TEST(Clefmark, beforeAnyNoteNothingIsVisible)
    {
        Staff staff;
        EXPECT_EQ(staff.view->note(), 0);
        EXPECT_TRUE(test::paintedRect(test::render(*staff.view)).isNull());
    }

    TEST(Clefmark, theSameNoteOnScreenAsksForNoRedraw)
    {
        Staff staff;
        Clefmark& view = *staff.view;
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setNote(60); }), 1);
        EXPECT_EQ(view.displayNote(), 72);
        // C5 is on screen; n = 60 is C5 again.
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setNote(60); }), 0);
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setNote(48); }), 1);
        // 0, 12 and 84 all fold onto middle C.
        EXPECT_EQ(test::paintsDuring(view,
                      [&] {
                          view.setNote(0);
                          view.setNote(12);
                          view.setNote(84);
                      }),
            0);
    }

    TEST(Clefmark, extremeNoteNumbersFoldWithoutOverflow)
    {
        Staff staff;
        staff.view->setNote(INT_MAX);
        EXPECT_EQ(staff.view->note(), 60 + (INT_MAX % 12 + 12) % 12);
        staff.view->setNote(INT_MIN);
        EXPECT_GE(staff.view->note(), 49);
        EXPECT_LE(staff.view->note(), 60);
    }

    TEST(Clefmark, aMissingPictureDrawsNothingForItsNotes)
    {
        TestResources empty(false);
        empty.addImage(
            QStringLiteral("WholeNote.png"), TestResources::solid({ 16, 48 }, Qt::black));
        QWidget window;
        window.resize(kWidth, kHeight);
        Clefmark view(QRectF(0, 0, kWidth, kHeight), &window);
        view.setNote(48);
        EXPECT_TRUE(test::paintedRect(test::render(view)).isNull());
        view.setNote(50);
        EXPECT_EQ(test::paintedRect(test::render(view)), expectedPlace(1, 1));
    }

    TEST(Clefmark, aTransposingTunerShowsTheWrittenNoteFoldedLikeAnyOther)
    {
        // Concert B♭4 (466.16 Hz) as each instrument's player reads it.
        struct Case {
            int semitones;
            int step;
            bool sharp;
        };
        const Case cases[] = {
            { 0, 5, true }, // A♯4
            { 2, 7, false }, // the B♭ trumpet's C5
            { 3, 7, true }, // C♯5
            { 9, 11, false }, // G5
            { 7, 10, false }, // F5
            { 14, 0, false }, // C6, out of range: middle C
            { 21, 4, false }, // G6, out of range: G4
            { 12, 12, true }, // A♯5, on the ledger line over the treble staff
            { -24, -9, true }, // A♯2
            { 24, 5, true }, // A♯6, out of range: A♯4
        };
        for (const TranspositionPreset& preset : kTranspositionPresets)
            EXPECT_TRUE(std::ranges::any_of(cases, [&](const Case& c) {
                return c.semitones == preset.semitones;
            })) << preset.name;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.semitones);
            MemoryUserDefaults defaults;
            QueuedMainThread mainThread;
            Tuner tuner(defaults, mainThread);
            Staff staff;
            tuner.setClefmark(staff.view);
            tuner.setTransposition(c.semitones);
            ASSERT_EQ(tuner.configureCapture(test::floatFormat(46616)), "");
            test::feed(tuner, test::periodicSine(100, 0.5f, tuner.bufferFrames()));
            mainThread.runPending();
            EXPECT_EQ(staff.view->heardNote(), 58 + c.semitones);
            const Clefmark::Placement place = Clefmark::placement(staff.view->note());
            EXPECT_EQ(place.step, c.step);
            EXPECT_EQ(place.sharp, c.sharp);
        }
    }

} // namespace
} // namespace clefmark
