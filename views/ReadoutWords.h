// The readout's words in the user's language.
//
// The engine's readout model says what is going on in English, for the
// terminal; the window says the same through the translator, from the
// model's states and judgements rather than its English, and writes numbers
// as the user's locale does (+19,6 ¢ in German). Machine outputs keep theirs.
#pragma once

#include "tuner/NoteNames.h"
#include "tuner/Readout.h"

#include <QString>
#include <string>

namespace clefmark {

/// The words for a state when no live note is there ("Listening", …).
QString stateWords(Readout::State state, bool deviceUnusable = false);
/// "♭ flat", "✓ in tune", "♯ sharp"; empty for none.
QString judgementWords(Readout::Judgement judgement);
/// The fixed-do syllables as the user's language spells them.
Syllables localSyllables();
/// How a naming system is offered to choose: its name and what it sounds like.
QString namingLabel(NoteNaming naming);
/// The note names the user's language teaches, from the locale.
NoteNaming localNaming();
/// A number the engine wrote with a point ("+19.6", "445.0 Hz") as the
/// locale writes it.
QString localNumber(const std::string& text);

} // namespace clefmark
