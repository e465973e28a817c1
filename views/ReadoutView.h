// The readout strip under the window's picture: the note with its true
// octave, the deviation in cents, the frequency, and a sign and a word for
// flat, in tune or sharp, so that none of it rests on colour. When no note
// is live it says what is going on, beside the last note dimmed.
//
// A card of the window's own artwork, drawn in units of its designed size
// (its minimum size) and scaled with the window like the picture above it.
// Like the other displays it redraws only when what it shows changes, so a
// paused or silent tuner costs it nothing.
#pragma once

#include "tuner/Displays.h"
#include "tuner/Readout.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QWidget>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class QSizeF;
class QTimer;

namespace clefmark {

class ReadoutView : public QWidget, public ReadingDisplay {
    Q_OBJECT

public:
    using Clock = Readout::Clock;

    /// The window picture's width, and a card two lines tall with the
    /// picture's margin under it.
    static constexpr QSize kDesignedSize { 181, 44 };
    /// How often a held note's wobbling numbers are redrawn at most.
    static constexpr std::chrono::milliseconds kNumbersEvery { 250 };

    explicit ReadoutView(QWidget* parent = nullptr);

    // The readout model's inputs, each passed on at once.
    void setReading(int level, std::optional<Pitch> pitch) override;
    void setPitch(const Pitch& pitch) override;
    void setTransposition(int semitones);
    void setSpelling(NoteSpelling spelling);
    /// Solfège in the spelling of the user's language.
    void setNaming(NoteNaming naming);
    void setPaused(bool paused);
    void setCaptureState(CaptureState state, bool serverConnected, const std::string& device);
    /// Time passing with no news: a live note becomes past. While a note is
    /// live the view's own timer calls it when the note is due to go past.
    void tick();

    /// What the model says now, and what the latest redraw showed.
    const Readout::Text& text() const { return readout_.text(); }
    const Readout::Text& displayText() const { return displayText_; }
    /// The whole readout as one sentence, as it would be spoken:
    /// "A4, 19.6 cents sharp, 445.0 hertz"; a transposed note "C5, sounds
    /// B flat 4, in tune, ...".
    QString accessibleText() const;

    /// One line of the strip's text as it is drawn: in units of the designed
    /// size, the font's pixel size too.
    struct Piece {
        QString text;
        QFont font;
        QRectF box;
        int alignment = 0;
        QColor ink;
        /// The numbers and the judgement, redrawn alone on a held note.
        bool numbers = false;
    };
    /// Where each text of `t` goes on a strip drawn at `scale` pixels a unit,
    /// in `base`'s family: every one within its box, whole words only. Where
    /// the words for what is going on do not fit beside a past note, they go
    /// under it.
    static std::vector<Piece> layOut(const Readout::Text& t, const QFont& base, double scale);

    /// Replaces the clock the model is told the time by (tests step theirs).
    void setClock(std::function<Clock::time_point()> clock);
    bool isLiveTimerActive() const;

signals:
    /// The model's text changed (what `text()` and `accessibleText()` give),
    /// whether or not the strip has been redrawn yet.
    void textChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();
    void scheduleTick();
    static void paintCard(QPainter& painter, const QSizeF& designed);

    Readout readout_;
    Readout::Text displayText_;
    std::function<Clock::time_point()> clock_;
    std::optional<Clock::time_point> lastPitch_;
    std::string tooltipDevice_;
    Readout::Text toldText_;
    Clock::time_point lastPaint_ {};
    QRect numbersArea_;
    QTimer* liveTimer_;
    QTimer* numbersTimer_;
};

} // namespace clefmark
