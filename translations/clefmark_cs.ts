<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Input status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the &amp;Manual…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the manual in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>German (C D E F G A H, and B for B♭)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solfège (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters (C D E F G A B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <comment>fixed-do name of C</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re</source>
        <comment>fixed-do name of D</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <comment>fixed-do name of E</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa</source>
        <comment>fixed-do name of F</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sol</source>
        <comment>fixed-do name of G</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La</source>
        <comment>fixed-do name of A</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si</source>
        <comment>fixed-do name of B</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Listening</source>
        <comment>capture runs; nothing pitched heard lately</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too quiet</source>
        <comment>the input level stays below what the tuner needs</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input device cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No input device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the sound server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flat</source>
        <comment>the note is below the pitch it should be</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sharp</source>
        <comment>the note is above the pitch it should be</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionCheck</name>
    <message>
        <source>Sorry, Clefmark runs only on Qt %1 or later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>aboutWindow</name>
    <message>
        <source>About Clefmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clefmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chromatic tuner: play or sing a note and see how far it is from the nearest one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the project&apos;s web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © the Clefmark authors.
Free software under the GNU General Public License,
version 3 or any later version (GPL-3.0-or-later).
There is no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>www.gnu.org/licenses/gpl-3.0.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the licence</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clefmark::Controller</name>
    <message>
        <source>Recordings (%1);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clefmark cannot play “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this window plays no files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop does not let a program keep its window above the others.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clefmark::Preferences</name>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clefmark::ReadoutView</name>
    <message>
        <source>Listening to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sounds %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>helpWindow</name>
    <message>
        <source>Clefmark Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the &amp;Web…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Clefmark&apos;s help page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mainWindow</name>
    <message>
        <source>Clefmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tuner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Recording…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listen to Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Readout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colour-Blind-Safe Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Above Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clefmark &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Clefmark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>prefsWindow</name>
    <message>
        <source>Clefmark Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A-&amp;Reference:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pitch of the A above middle C, from 420 to 460 Hz. Press Return to apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz (420 to 460)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Octave rejection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore a note heard an octave away from the one just shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close enough counts as in tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a note as in tune over a wider range around it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transposition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the notes your instrument&apos;s part is written in: for a B♭ trumpet, the B♭ a piano sounds is shown as C.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semitones from sounding to written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written note = sounding note + this many semitones, from −24 to +24.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> semitones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sharps (A♯)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flats (B♭)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the black keys B♭, E♭, A♭, D♭ and G♭ in the readout; the staves keep their sharps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore &amp;Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
