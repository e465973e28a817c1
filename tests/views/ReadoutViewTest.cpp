#include "views/ReadoutView.h"

#include "ViewTestSupport.h"
#include "tests/support/Pitches.h"
#include "tests/support/QtEnvironment.h"
#include "tests/views/ReadoutFit.h"
#include "views/ScaledColumn.h"

#include <QColor>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;
    using Clock = ReadoutView::Clock;

    /// A strip in a shown window, on a clock the test moves.
    struct Strip {
        Strip()
        {
            window.resize(ReadoutView::kDesignedSize);
            view = new ReadoutView(&window);
            view->resize(ReadoutView::kDesignedSize);
            view->setClock([this] { return now; });
            window.show();
            view->setCaptureState(CaptureState::Running, true, "Mic A");
        }
        void hear(float hz, std::chrono::milliseconds later = 50ms)
        {
            now += later;
            view->setReading(4, test::pitchAt(hz));
        }
        QWidget window;
        ReadoutView* view;
        Clock::time_point now = Clock::time_point() + 1h;
    };

    /// The darkest pixel of the note's place, the card's left third.
    int darkestInNote(const QImage& image, int scale)
    {
        int darkest = 255;
        for (int y = 2 * scale; y < 34 * scale; ++y)
            for (int x = 16 * scale; x < 56 * scale; ++x)
                darkest = std::min(darkest, QColor(image.pixel(x, y)).value());
        return darkest;
    }

    TEST(ReadoutView, saysTheNoteOrWhatIsGoingOnAndDimsWhatIsPast)
    {
        struct Case {
            const char* name;
            std::function<void(Strip&)> play;
            const char* spoken;
            bool inkInNote; // a live note in full ink; a past one dimmed
        };
        const Case cases[] = {
            { "nothing heard yet", [](Strip&) {}, "Listening", false },
            { "445 Hz", [](Strip& s) { s.hear(445.0f); }, "A4, 19.6 cents sharp, 445.0 hertz",
                true },
            { "440 Hz", [](Strip& s) { s.hear(440.0f); }, "A4, in tune, 0.0 cents, 440.0 hertz",
                true },
            { "A sharp, flat", [](Strip& s) { s.hear(464.0f); },
                "A sharp 4, 8.1 cents flat, 464.0 hertz", true },
            { "the true octave of E1", [](Strip& s) { s.hear(41.2f); },
                "E1, in tune, 0.1 cents flat, 41.2 hertz", true },
            { "a B flat trumpet's concert B flat",
                [](Strip& s) {
                    s.view->setTransposition(2);
                    s.view->setSpelling(NoteSpelling::Flats);
                    s.hear(466.16f);
                },
                "C5, sounds B flat 4, in tune, 0.0 cents, 466.2 hertz", true },
            { "flats",
                [](Strip& s) {
                    s.view->setSpelling(NoteSpelling::Flats);
                    s.hear(464.0f);
                },
                "B flat 4, 8.1 cents flat, 464.0 hertz", true },
            { "a second after the last pitch",
                [](Strip& s) {
                    s.hear(445.0f);
                    s.now += 1100ms;
                    s.view->tick();
                },
                "Too quiet; last heard A4, 19.6 cents sharp, 445.0 hertz", false },
            { "paused",
                [](Strip& s) {
                    s.hear(440.0f);
                    s.view->setPaused(true);
                },
                "Paused; last heard A4, 0.0 cents, 440.0 hertz", false },
            { "a new reference while paused",
                [](Strip& s) {
                    s.hear(445.0f);
                    s.view->setPaused(true);
                    s.view->setPitch(*test::pitchAt(445.0f, 445));
                },
                "Paused; last heard A4, 0.0 cents, 445.0 hertz", false },
            { "the sound server gone",
                [](Strip& s) { s.view->setCaptureState(CaptureState::NoDevice, false, ""); },
                "Waiting for the sound server", false },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Strip strip;
            c.play(strip);
            EXPECT_EQ(strip.view->accessibleText(), QString::fromUtf8(c.spoken));
            const QImage image = test::render(*strip.view);
            EXPECT_EQ(darkestInNote(image, 1) < 80, c.inkInNote) << darkestInNote(image, 1);
            EXPECT_EQ(strip.view->toolTip(),
                c.name == std::string("the sound server gone")
                    ? QString()
                    : QStringLiteral("Listening to Mic A"));
        }
    }

    // Every text the strip can show, the longest first, at every size it is
    // drawn at: each line within its box by the font's own measure, on the
    // card, over no other, and every word whole.
    TEST(ReadoutView, everyTextFitsItsBoxAtEveryScale)
    {
        // The widest of each: written notes with a transposition of up to
        // two octaves either way, and the tuner's range of frequencies.
        const std::vector<test::WrittenNote> notes = {
            { "D\u266F10", "D\u266F8" },
            { "A\u266F-1", "A\u266F1" },
            { "B\u266D10", "B\u266D8" },
            { "D\u266F6", "C\u266F6" },
            { "W8", "" }, // the widest letter, as wide a note as any without a sign
            { "A4", "" },
        };
        const std::vector<Readout::Text> texts
            = test::readoutTexts(notes, { "\u221250.0", "+50.0", "\u221244.6", "0.0" },
                { "4434.9 Hz", "1244.5 Hz", "27.5 Hz" });
        const QFont base = QWidget().font();
        for (const double scale : { 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 5.0 })
            for (const Readout::Text& t : texts)
                test::expectReadoutFits(t, base, scale);
    }

    TEST(ReadoutView, redrawsOnlyWhatChangesAndWakesOnlyWhileANoteIsLive)
    {
        Strip strip;
        ReadoutView& view = *strip.view;
        int told = 0;
        QObject::connect(&view, &ReadoutView::textChanged, [&] { ++told; });
        EXPECT_EQ(test::paintsDuring(view, [&] { strip.hear(445.0f); }), 1);
        EXPECT_TRUE(view.isLiveTimerActive());
        // The same reading again, or silence, changes nothing on the strip.
        EXPECT_EQ(test::paintsDuring(view, [&] { strip.hear(445.0f); }), 0);
        // A held note's numbers wobble: redrawn a few times a second at most.
        EXPECT_EQ(test::paintsDuring(view, [&] { strip.hear(445.1f, 50ms); }), 0);
        EXPECT_EQ(test::paintsDuring(view, [&] { strip.hear(445.2f, 250ms); }), 1);
        EXPECT_EQ(view.displayText().frequency, "445.2 Hz");
        EXPECT_EQ(told, 3); // every change is told, redrawn or not
        view.setPaused(true);
        EXPECT_FALSE(view.isLiveTimerActive());
        EXPECT_EQ(test::paintsDuring(view,
                      [&] {
                          view.setPaused(true);
                          strip.now += 5s;
                          view.tick();
                      }),
            0);
        view.setPaused(false);
        strip.hear(445.0f);
        EXPECT_TRUE(view.isLiveTimerActive());
        view.hide();
        EXPECT_FALSE(view.isLiveTimerActive());
    }

    TEST(ReadoutView, aLiveNoteGoesPastByItself)
    {
        Strip strip;
        strip.view->setClock([] { return Clock::now(); });
        strip.view->setReading(4, test::pitchAt(445.0f));
        ASSERT_TRUE(strip.view->text().state == Readout::State::Live);
        EXPECT_TRUE(test::processEventsUntil([&] { return strip.view->text().past; }, 3000));
        EXPECT_FALSE(strip.view->isLiveTimerActive());
    }

    // The window's picture and its readout in one column, as the main window
    // has them: each keeps its share of the height, and a hidden strip gives
    // its height back to the picture.
    TEST(ScaledColumn, stacksItsPicturesAtTheirShareOfItsHeight)
    {
        struct Case {
            bool stripShown;
            QSize size;
            QSize designed;
            QRect picture;
            QRect strip;
        };
        const Case cases[] = {
            { true, { 181, 422 }, { 181, 422 }, { 0, 0, 181, 378 }, { 0, 378, 181, 44 } },
            { true, { 362, 844 }, { 181, 422 }, { 0, 0, 362, 756 }, { 0, 756, 362, 88 } },
            { true, { 272, 633 }, { 181, 422 }, { 0, 0, 272, 567 }, { 0, 567, 272, 66 } },
            { false, { 181, 378 }, { 181, 378 }, { 0, 0, 181, 378 }, {} },
            { false, { 543, 1134 }, { 181, 378 }, { 0, 0, 543, 1134 }, {} },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height());
            QWidget window; // a window would be held to the column's least size
            auto& column = *new ScaledColumn(&window);
            auto* picture = new QWidget(&column);
            picture->setMinimumSize(181, 378);
            auto* strip = new ReadoutView(&column);
            strip->setHidden(!c.stripShown);
            EXPECT_EQ(column.minimumSizeHint(), c.designed);
            column.resize(c.size);
            window.show();
            EXPECT_EQ(picture->geometry(), c.picture);
            if (c.stripShown) {
                EXPECT_EQ(strip->geometry(), c.strip);
            }
            // Hidden while on the screen, the strip gives the picture its
            // height; shown, with the column grown by it, it takes it back.
            strip->setHidden(c.stripShown);
            if (!c.stripShown)
                column.resize(c.size.width(), std::lround(c.size.height() * 422.0 / 378.0));
            EXPECT_EQ(picture->geometry(), QRect(QPoint(), c.size));
            EXPECT_EQ(column.minimumSizeHint().height(), c.stripShown ? 378 : 422);
        }
    }

} // namespace
} // namespace clefmark
