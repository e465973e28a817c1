// What the readout strip keeps to whatever it says, shared by its own test,
// which tries English at every scale, and the one that tries every language
// the window speaks.
#pragma once

#include "views/ReadoutView.h"
#include "views/ReadoutWords.h"
#include "views/TextFit.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace clefmark::test {

/// A written note and the one it sounds, empty when not transposed.
using WrittenNote = std::pair<std::string, std::string>;

/// Every text the strip can show: each state alone, and each of `notes` with
/// each of `cents` and `hertz`, live with each judgement and past in each
/// state.
inline std::vector<Readout::Text> readoutTexts(const std::vector<WrittenNote>& notes,
    const std::vector<std::string>& cents, const std::vector<std::string>& hertz)
{
    using State = Readout::State;
    using Judgement = Readout::Judgement;
    // The longest words of each state first; NoDevice both ways.
    const std::pair<State, bool> states[] = {
        { State::NoDevice, true },
        { State::WaitingForServer, false },
        { State::NoDevice, false },
        { State::Listening, false },
        { State::TooQuiet, false },
        { State::Paused, false },
    };
    std::vector<Readout::Text> texts;
    auto add = [&](std::pair<State, bool> state, bool past, const WrittenNote& note,
                   const std::string& c, const std::string& hz, Judgement judgement) {
        Readout::Text& t = texts.emplace_back();
        t.state = state.first;
        t.deviceUnusable = state.second;
        t.past = past;
        t.judgement = judgement;
        t.note = note.first;
        t.sounding = note.second;
        t.cents = c;
        t.frequency = hz;
    };
    for (const auto& state : states)
        add(state, false, {}, "", "", Judgement::None);
    for (const WrittenNote& note : notes)
        for (const std::string& c : cents)
            for (const std::string& hz : hertz) {
                for (const Judgement judgement :
                    { Judgement::InTune, Judgement::Sharp, Judgement::Flat })
                    add({ State::Live, false }, false, note, c, hz, judgement);
                for (const auto& state : states)
                    add(state, true, note, c, hz, Judgement::None);
            }
    return texts;
}

/// `t` laid out at `scale`: each line within its box by the font's own
/// measure, on the card, over no other, and every word whole, in the words
/// of the language in use.
inline void expectReadoutFits(const Readout::Text& t, const QFont& base, double scale)
{
    const QString state = stateWords(t.state, t.deviceUnusable);
    const QString words = t.past || t.note.empty() ? state : judgementWords(t.judgement);
    const std::vector<ReadoutView::Piece> pieces = ReadoutView::layOut(t, base, scale);
    SCOPED_TRACE(t.note + " " + t.sounding + " " + t.cents + " " + t.frequency + " "
        + words.toStdString() + " at " + std::to_string(scale));
    const QRectF card(16, 1.5, 149, 33);
    QStringList drawn;
    std::vector<QRectF> inks;
    for (const ReadoutView::Piece& p : pieces) {
        EXPECT_TRUE(fitsBox(p.text, p.font, p.box.size(), scale))
            << p.text.toStdString() << " in " << p.box.width() << "x" << p.box.height() << " at "
            << p.font.pixelSize();
        EXPECT_TRUE(card.adjusted(-0.01, -0.01, 0.01, 0.01).contains(p.box))
            << p.text.toStdString();
        EXPECT_GE(p.font.pixelSize(), 6) << p.text.toStdString();
        // The ink's extent: its width, placed as aligned.
        const double wide = unitsWide(p.text, p.font, scale);
        const double left = (p.alignment & Qt::AlignRight) ? p.box.right() - wide
            : (p.alignment & Qt::AlignHCenter)             ? p.box.center().x() - wide / 2
                                                           : p.box.left();
        const QRectF ink(left, p.box.top(), wide, p.box.height());
        for (const QRectF& other : inks)
            EXPECT_FALSE(ink.intersects(other.adjusted(0.5, 0.5, -0.5, -0.5)))
                << p.text.toStdString() << " over another text";
        inks.push_back(ink);
        drawn += p.text.split(u' ');
    }
    QStringList shown = words.split(u' ', Qt::SkipEmptyParts);
    if (!t.note.empty()) {
        shown << QString::fromStdString(t.note) << localNumber(t.cents) << QStringLiteral("\u00A2")
              << localNumber(t.frequency).split(u' ');
        if (!t.sounding.empty())
            shown << ReadoutView::tr("sounds %1")
                         .arg(QString::fromStdString(t.sounding))
                         .split(u' ', Qt::SkipEmptyParts);
    }
    shown.sort();
    drawn.sort();
    EXPECT_EQ(drawn.join(u' ').toStdString(), shown.join(u' ').toStdString());
}

} // namespace clefmark::test
